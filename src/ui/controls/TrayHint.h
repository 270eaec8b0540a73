// A short note that stands under a tray field for a few seconds, like a
// tooltip that the next key does not blow away: it tells why a key was
// refused without taking the keyboard from the field.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>

class QLineEdit;

namespace kaldoventri {

class TrayHint : public QObject {
    Q_OBJECT

public:
    explicit TrayHint(QObject* parent = nullptr);
    ~TrayHint() override;

    // Shows `text` under the field (above it where the screen ends) and
    // starts the time again.
    void ShowAt(QLineEdit* field, const QString& text);
    void Hide();
    bool IsShownAt(const QLineEdit* field) const;
    QString Text() const;

signals:
    void hidden();

private:
    QPointer<QLabel> label_;
    QPointer<QLineEdit> field_;
    QTimer timer_;
};

// The hint for a decimal separator or a minus sign typed into a tray field.
QString WholeAmountsHint();

}  // namespace kaldoventri
