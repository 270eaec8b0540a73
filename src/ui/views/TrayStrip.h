// The strip of tray fields on the main window's bottom panel, one for each
// tray of the shown sheet's kit, named "FBox1".."FBox26".. with their number
// labels "FBoxLabel1".., placed for the panel's width and the scroll bar's
// position. It reads what the fields hold
// and tells the window when a key is released or refused in a field and when
// the focus leaves an empty field for another control of the window.
#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <set>
#include <vector>

#include <QEvent>

#include "evaluation/TNewTabSheet.h"
#include "ui/controls/TrayText.h"
#include "workbook/Workbook.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QScrollBar;
class QWidget;

namespace kaldoventri {

class TrayKeyFilter;

class TrayStrip : public QObject {
    Q_OBJECT

public:
    TrayStrip(QWidget* panel, QScrollBar* scrollBar, QWidget* window);

    // Tray 1..Count(); nullptr otherwise.
    QLineEdit* Field(int tray) const;
    QLabel* Label(int tray) const;
    int TrayOf(const QObject* object) const;
    // The shown sheet's tray count (26 before any sheet).
    int Count() const { return count_; }

    // Slot k lies at x = 180 + 35 k on the panel; trays that do not fit are
    // hidden and the scroll bar is offered (ArrangeTrayEdits).
    void Arrange();
    // Trays after the scroll bar's position take the slots from the first on (ScrollTrayEdits).
    void Scroll();
    // Lays the fields out for the scroll bar's position and writes the
    // sheet's amounts; a sheet of another tray count arranges the strip anew.
    void Show(const TNewTabSheet& sheet);
    // No sheet: fields, labels and scroll bar hidden, texts emptied.
    void Hide();

    // What the fields hold (ReadTrayTexts).
    TrayReading Read() const;
    // Every field that holds a whole number, whatever the others hold.
    TrayEntries WholeNumbers() const;
    // The highest-numbered empty field; 0 when every field holds text.
    int LastEmptyTray() const;
    // Puts the focus back into a field without that counting as leaving another.
    void ReturnFocus(QLineEdit* field);
    // Whether the refusal of a reading is news: true once for each text a
    // field holds that is no whole number, so that no key brings the
    // conversion message back until the field's text has changed.
    bool NewRefusal(const TrayReading& reading);

signals:
    void keyReleased();
    void keyRefused();
    // The focus moved from this empty field to another control of the window.
    void emptyFieldLeft(QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Make(int tray);
    void SetCount(int count);
    void Place(int tray, int slot, bool shown);
    void QueueExit(QLineEdit* field);
    // Scrolls the strip so that the tray's field is shown.
    void ScrollIntoView(int tray);
    int ShownSlots() const;
    bool KeyReleaseCounts(const QKeyEvent& event, QEvent::Type type);
    bool MoveFocus(int tray, int step);

    QWidget* panel_;
    QScrollBar* scrollBar_;
    QWidget* window_;
    TrayKeyFilter* keyFilter_;
    // Fields are made as kits need them and kept; those beyond count_ are hidden.
    std::vector<QLineEdit*> fields_;
    std::vector<QLabel*> labels_;
    int count_ = TrayCount;
    // The last arrangement left trays out, so the strip needs its scroll bar.
    bool scrolls_ = false;
    // Guards of the exit message, so that no chain of "Saknas värde i back N!"
    // messages can trap the user.
    bool exitShowing_ = false;
    bool returningFocus_ = false;
    // Keys pressed in the strip and not yet released. A release whose press
    // went elsewhere (the Enter that closed a message box) is no typing.
    std::set<int> pressedKeys_;
    std::optional<std::pair<int, QString>> reportedRefusal_;  // tray and text
};

}  // namespace kaldoventri
