// One tab of the page control, drawn by the style exactly like a tab of a
// QTabBar, so that tabs can be laid out on several rows.
#pragma once

#include <QAbstractButton>

class QStyleOptionTab;

namespace kaldoventri {

class TabButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TabButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void InitStyleOption(QStyleOptionTab* option) const;
};

}  // namespace kaldoventri
