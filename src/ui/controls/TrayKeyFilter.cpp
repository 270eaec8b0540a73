// The tray fields' character filter. Judging the produced character rather
// than the key means a digit from the keypad passes and Enter (character 13),
// Escape (27) and Ctrl+V (22) are refused like any other character; so text
// can reach a tray field past the filter only through the context menu.
#include "ui/controls/TrayKeyFilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace kaldoventri {

namespace {

// The character a key press produces. Where the platform reports no text for
// Ctrl with a letter, the control character is made up here, so that Ctrl+V
// is refused on every platform and not only where the text says 22.
QString ProducedText(const QKeyEvent& event) {
    const int key = event.key();
    // Tab moves the focus and Delete edits: neither is a typed character,
    // even though some platforms attach one to them.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete) return {};
    QString text = event.text();
    const bool control = event.modifiers().testFlag(Qt::ControlModifier) &&
                         !event.modifiers().testFlag(Qt::AltModifier);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z &&
        (text.isEmpty() || text.at(0).isLetter()))
        text = QString(QChar(static_cast<char16_t>(key - Qt::Key_A + 1)));
    return text;
}

bool AllAccepted(const QString& text) {
    for (QChar c : text)
        if (!TrayKeyFilter::AcceptsCharacter(c)) return false;
    return true;
}

}  // namespace

TrayKeyFilter::TrayKeyFilter(QObject* parent) : QObject(parent) {}

bool TrayKeyFilter::AcceptsCharacter(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QChar(8);
}

bool TrayKeyFilter::RefusesKey(const QKeyEvent& event) {
    const QString text = ProducedText(event);
    return !text.isEmpty() && !AllAccepted(text);
}

bool TrayKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    // A line edit claims Ctrl+C and the like for itself before the window's
    // shortcuts see them. A tray field never takes such a character, so the
    // key is left to the window: Ctrl+C copies the diagram from a tray field too.
    if (event->type() == QEvent::ShortcutOverride && RefusesKey(*static_cast<QKeyEvent*>(event))) return true;
    bool refused = false;
    if (event->type() == QEvent::KeyPress)
        refused = RefusesKey(*static_cast<QKeyEvent*>(event));
    else if (event->type() == QEvent::InputMethod)
        refused = !AllAccepted(static_cast<QInputMethodEvent*>(event)->commitString());
    if (!refused) return QObject::eventFilter(watched, event);
    emit KeyRefused(watched);
    return true;
}

}  // namespace kaldoventri
