// What the main window offers a user without a mouse beyond its menus'
// mnemonics and shortcuts: F10 opens the menu bar, Shift+F10 and the Menu key
// open the diagram's pop-up menu (or, in a tray field, the field's own edit
// menu), and the working-width arrows are a stop of the Tab chain, just
// before the tray fields.
#pragma once

#include <QObject>

class QMenu;
class QMenuBar;
class QWidget;

namespace kaldoventri {

class KeyboardAccess : public QObject {
    Q_OBJECT

public:
    // `arrows` becomes a tab stop before `firstTray`; `popupAt` is where the
    // pop-up menu opens from the keyboard.
    KeyboardAccess(QWidget& window, QMenuBar& menuBar, QMenu& popupMenu, QWidget& popupAt, QWidget& arrows,
                   QWidget& firstTray);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenPopupMenu();

    QWidget& window_;
    QMenuBar& menuBar_;
    QMenu& popupMenu_;
    QWidget& popupAt_;
};

}  // namespace kaldoventri
