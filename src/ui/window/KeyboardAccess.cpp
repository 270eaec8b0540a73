// Keyboard access to the main window.
#include "ui/window/KeyboardAccess.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace kaldoventri {

KeyboardAccess::KeyboardAccess(QWidget& window, QMenuBar& menuBar, QMenu& popupMenu, QWidget& popupAt,
                               QWidget& arrows, QWidget& firstTray)
    : QObject(&window), window_(window), menuBar_(menuBar), popupMenu_(popupMenu), popupAt_(popupAt) {
    arrows.setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(&arrows, &firstTray);
    // The keys reach the window's children first; the application's filter
    // sees them before any child could take them for itself.
    qApp->installEventFilter(this);
}

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != &window_ || QApplication::activePopupWidget() != nullptr) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_F10 && modifiers == Qt::NoModifier) {
        // The first menu opens with its first item chosen, as the keyboard opens a menu.
        if (menuBar_.actions().isEmpty()) return true;
        QAction* first = menuBar_.actions().first();
        menuBar_.setActiveAction(first);
        if (QMenu* menu = first->menu())
            for (QAction* item : menu->actions())
                if (!item->isSeparator() && item->isEnabled()) {
                    menu->setActiveAction(item);
                    break;
                }
        return true;
    }
    const bool menuKey = key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
    if (!menuKey) return false;
    // A tray field has an edit menu of its own, as every field has.
    if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget()); field != nullptr && field->window() == &window_) {
        const QPoint at = field->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, field->mapToGlobal(at));
        QApplication::sendEvent(field, &menu);
        return true;
    }
    OpenPopupMenu();
    return true;
}

void KeyboardAccess::OpenPopupMenu() {
    const QRect area = popupAt_.rect();
    popupMenu_.popup(popupAt_.mapToGlobal(QPoint(area.width() / 3, area.height() / 3)));
}

}  // namespace kaldoventri
