// The guard of the tray fields, on the test entry dialog's and the main
// window's alike: only the digits 0 to 9 and backspace may be typed, so a
// typed amount is always a whole number of zero or more. A refusal that a
// user could take for a changed amount is never silent: a decimal separator
// or a minus sign keeps the field as it was and shows a note on whole
// amounts, and an amount beyond LargestTypedAmount is refused with a message
// naming the tray. The editing keys of any field (select all, copy, cut,
// paste, undo, redo) work as they do elsewhere; a paste of one number is
// taken only when the field then holds a whole number, and a pasted list of
// numbers fills the trays from the field onward, all or nothing, undone
// again by one Ctrl+Z (also from the field's context menu).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QKeyEvent;
class QLineEdit;

namespace kaldoventri {

class TrayHint;

class TrayKeyFilter : public QObject {
    Q_OBJECT

public:
    explicit TrayKeyFilter(QObject* parent = nullptr);

    // Installs the filter and the whole-number rule on the field of a tray,
    // whose number the too-large message names.
    void Guard(QLineEdit* field, int tray = 0);
    // How many trays the guarded fields have now, for a pasted list.
    void SetTrayCount(std::function<int()> count) { trayCount_ = std::move(count); }

    // True when the key press would put a character other than a digit or
    // backspace into the field. Keys that produce no character (arrows,
    // Delete, Home, Tab, function keys) and the editing keys are never refused.
    static bool RefusesKey(const QKeyEvent& event);

    // True for the characters a tray field accepts: '0'..'9' and backspace (8).
    static bool AcceptsCharacter(QChar c);

    // The note on whole amounts, while it is shown under `field`.
    bool HintShownAt(const QLineEdit* field) const;

signals:
    // A key press was discarded; the main window commits its tray fields then.
    void KeyRefused(QObject* field);
    // A list was pasted into the trays from this field on, or such a paste undone.
    void ListPasted(QObject* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FiltersKey(QLineEdit* field, const QKeyEvent& key);
    // True when typing `typed` would leave an amount beyond LargestTypedAmount.
    static bool WouldBeTooLarge(const QLineEdit& field, const QString& typed);
    void RefuseTooLarge(QLineEdit* field);
    void Paste(QLineEdit* field);
    bool UndoListPaste();
    void ShowContextMenu(QLineEdit* field, const QPoint& at);

    TrayHint* hint_;
    std::map<int, QPointer<QLineEdit>> fields_;  // by tray number
    std::function<int()> trayCount_;
    // The last pasted list: each field with its text before and after.
    struct PastedField {
        QPointer<QLineEdit> field;
        QString before, after;
    };
    std::vector<PastedField> lastList_;
};

}  // namespace kaldoventri
