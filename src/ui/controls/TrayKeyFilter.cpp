// The tray fields' character filter. Judging the produced character rather
// than the key means a digit from the keypad passes and Enter (character 13)
// and Escape (27) are refused like any other character; the editing keys are
// judged by their meaning, and a paste by what the field then holds.
#include "ui/controls/TrayKeyFilter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

namespace kaldoventri {

namespace {

// A tray text is a whole number: digits with at most a sign before them (a
// test file may hold a negative amount), or nothing yet. An edit that leaves
// anything else is refused and the field stays as it was; texts the program
// sets itself are not judged.
class WholeNumberValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]*$"));
        return whole.match(input).hasMatch() ? Acceptable : Invalid;
    }
};

bool IsEditingKey(const QKeyEvent& event) {
    for (const QKeySequence::StandardKey key : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
                                                QKeySequence::Paste, QKeySequence::Undo, QKeySequence::Redo})
        if (event.matches(key)) return true;
    return false;
}

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

void TrayKeyFilter::Guard(QLineEdit* field) {
    field->installEventFilter(this);
    field->setValidator(new WholeNumberValidator(field));
}

bool TrayKeyFilter::AcceptsCharacter(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QChar(8);
}

bool TrayKeyFilter::RefusesKey(const QKeyEvent& event) {
    if (IsEditingKey(event)) return false;
    const QString text = ProducedText(event);
    return !text.isEmpty() && !AllAccepted(text);
}

bool TrayKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    // A line edit claims Ctrl+C and the like for itself before the window's
    // shortcuts see them. A key the field does not take is left to the window,
    // and so is a copy with nothing selected: Ctrl+C then copies the diagram.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (key.matches(QKeySequence::Copy)) {
            const auto* field = qobject_cast<const QLineEdit*>(watched);
            if (field == nullptr || !field->hasSelectedText()) return true;
        } else if (RefusesKey(key)) {
            return true;
        }
    }
    bool refused = false;
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        // A number copied from a spreadsheet cell comes with blanks or a line end.
        if (auto* field = qobject_cast<QLineEdit*>(watched); field != nullptr && key.matches(QKeySequence::Paste)) {
            field->insert(QGuiApplication::clipboard()->text().trimmed());
            return true;
        }
        refused = RefusesKey(key);
    }
    else if (event->type() == QEvent::InputMethod)
        refused = !AllAccepted(static_cast<QInputMethodEvent*>(event)->commitString());
    if (!refused) return QObject::eventFilter(watched, event);
    emit KeyRefused(watched);
    return true;
}

}  // namespace kaldoventri
