// The guard of the test entry dialog's description fields: they take only
// what a test file can hold (code page 1252, no line break). A character
// typed that the file cannot hold is refused; a paste (by key or from the
// field's edit menu) keeps the rest of its text and says which characters
// were left out, instead of their being saved as "?" without a word.
#pragma once

#include <QObject>
#include <QStringList>

class QLineEdit;

namespace kaldoventri {

class DescriptionGuard : public QObject {
    Q_OBJECT

public:
    explicit DescriptionGuard(QObject* parent = nullptr);

    void Guard(QLineEdit* field);

    // The message for characters left out of a paste.
    static QString LostCharactersMessage(const QStringList& lost);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Paste(QLineEdit* field);
    void ShowEditMenu(QLineEdit* field, const QPoint& at);
};

}  // namespace kaldoventri
