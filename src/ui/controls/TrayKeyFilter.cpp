// The tray fields' character filter. Judging the produced character rather
// than the key means a digit from the keypad passes and Enter (character 13)
// and Escape (27) are refused like any other character; the editing keys are
// judged by their meaning, and a paste by what the field then holds.
#include "ui/controls/TrayKeyFilter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QValidator>

#include "files/WholeNumber.h"
#include "ui/controls/PastedAmounts.h"
#include "ui/controls/TrayHint.h"
#include "ui/controls/TrayText.h"
#include "ui/support/MessageBoxes.h"

namespace kaldoventri {

namespace {

const char* const TrayProperty = "kaldoventriTray";

// A tray text is a whole number: digits with at most a sign before them (a
// test file may hold a negative amount), or nothing yet. An edit that leaves
// anything else, or more than a tray field takes, is refused and the field
// stays as it was; texts the program sets itself are not judged.
class WholeNumberValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]*$"));
        if (!whole.match(input).hasMatch()) return Invalid;
        const std::optional<qint32> value = ParseWholeNumber(input);
        const bool digits = !input.isEmpty() && input.back().isDigit();
        return digits && (!value || *value > LargestTypedAmount) ? Invalid : Acceptable;
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

bool AllDigits(const QString& text) {
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return !text.isEmpty();
}

// A decimal separator or a minus sign: what someone types who thinks the
// field takes 4,5 or -5, and who must not be left believing it did.
bool StartsADecimalOrNegative(const QString& text) {
    const QLocale locale;
    for (QChar c : text)
        if (c == u',' || c == u'.' || c == u'-' || c == QChar(0x2212) || locale.decimalPoint().contains(c) ||
            locale.negativeSign().contains(c))
            return true;
    return false;
}

}  // namespace

TrayKeyFilter::TrayKeyFilter(QObject* parent) : QObject(parent), hint_(new TrayHint(this)) {}

void TrayKeyFilter::Guard(QLineEdit* field, int tray) {
    field->installEventFilter(this);
    field->setValidator(new WholeNumberValidator(field));
    field->setProperty(TrayProperty, tray);
    if (tray > 0) fields_[tray] = field;
}

bool TrayKeyFilter::AcceptsCharacter(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QChar(8);
}

bool TrayKeyFilter::RefusesKey(const QKeyEvent& event) {
    if (IsEditingKey(event)) return false;
    const QString text = ProducedText(event);
    return !text.isEmpty() && !AllAccepted(text);
}

bool TrayKeyFilter::HintShownAt(const QLineEdit* field) const { return hint_->IsShownAt(field); }

bool TrayKeyFilter::WouldBeTooLarge(const QLineEdit& field, const QString& typed) {
    QString text = field.text();
    if (field.hasSelectedText())
        text.replace(field.selectionStart(), field.selectedText().size(), typed);
    else
        text.insert(field.cursorPosition(), typed);
    if (!AllDigits(text)) return false;
    const std::optional<qint32> value = ParseWholeNumber(text);
    return !value || *value > LargestTypedAmount;
}

void TrayKeyFilter::RefuseTooLarge(QLineEdit* field) {
    hint_->Hide();
    emit KeyRefused(field);
    ShowPlainMessage(field->window(), TooLargeAmountMessage(field->property(TrayProperty).toInt()));
}

// True when the key press is taken from the field.
bool TrayKeyFilter::FiltersKey(QLineEdit* field, const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste)) {
        Paste(field);
        return true;
    }
    if (key.matches(QKeySequence::Undo) && UndoListPaste()) return true;
    const QString text = ProducedText(key);
    if (text.isEmpty() || IsEditingKey(key)) {
        hint_->Hide();
        return false;
    }
    if (StartsADecimalOrNegative(text)) {
        hint_->ShowAt(field, WholeAmountsHint());
        emit KeyRefused(field);
        return true;
    }
    // The digits after a refused separator or sign belong to the number that
    // was refused: taken alone they would make 45 of 4,5 and 5 of -5.
    if (AllDigits(text) && hint_->IsShownAt(field)) {
        emit KeyRefused(field);
        return true;
    }
    if (!AllAccepted(text)) {
        emit KeyRefused(field);
        return true;
    }
    hint_->Hide();
    if (WouldBeTooLarge(*field, text)) {
        RefuseTooLarge(field);
        return true;
    }
    return false;
}

void TrayKeyFilter::Paste(QLineEdit* field) {
    hint_->Hide();
    const QString clipboard = QGuiApplication::clipboard()->text();
    const QStringList values = PastedValues(clipboard);
    const int first = field->property(TrayProperty).toInt();
    if (values.size() <= 1 || first < 1 || !trayCount_) {
        // One number, as a spreadsheet cell gives it with blanks or a line end.
        const QString pasted = clipboard.trimmed();
        if (AllDigits(pasted) && WouldBeTooLarge(*field, pasted))
            RefuseTooLarge(field);
        else
            field->insert(pasted);
        return;
    }
    const auto amounts = PastedAmounts(values, first, trayCount_());
    if (const QString* refusal = std::get_if<QString>(&amounts)) {
        emit KeyRefused(field);
        ShowPlainMessage(field->window(), *refusal);
        return;
    }
    lastList_.clear();
    const auto& taken = std::get<std::vector<qint32>>(amounts);
    for (std::size_t i = 0; i < taken.size(); ++i) {
        QLineEdit* target = fields_[first + static_cast<int>(i)];
        if (target == nullptr) continue;
        const QString text = QString::number(taken[i]);
        lastList_.push_back({target, target->text(), text});
        target->setText(text);
    }
    emit ListPasted(field);
}

bool TrayKeyFilter::UndoListPaste() {
    // Only while every pasted field still holds what the paste put there;
    // after a further edit, Ctrl+Z is the field's own again.
    bool intact = !lastList_.empty();
    for (const PastedField& pasted : lastList_) intact = intact && pasted.field && pasted.field->text() == pasted.after;
    if (!intact) {
        lastList_.clear();
        return false;
    }
    for (const PastedField& pasted : lastList_) pasted.field->setText(pasted.before);
    QLineEdit* first = lastList_.front().field;
    lastList_.clear();
    emit ListPasted(first);
    return true;
}

void TrayKeyFilter::ShowContextMenu(QLineEdit* field, const QPoint& at) {
    // The field's own menu, whose paste takes a list as Ctrl+V does.
    QMenu* menu = field->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QStringLiteral("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, field, [this, field] { Paste(field); });
        } else if (action->objectName() == QStringLiteral("edit-undo") && !lastList_.empty()) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, field, [this, field] {
                if (!UndoListPaste()) field->undo();
            });
            action->setEnabled(true);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(field->mapToGlobal(at));
}

bool TrayKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field == nullptr) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // A line edit claims Ctrl+C and the like for itself before the window's
            // shortcuts see them. A key the field does not take is left to the window,
            // and so is a copy with nothing selected: Ctrl+C then copies the diagram.
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (key.matches(QKeySequence::Copy)) return !field->hasSelectedText();
            if (RefusesKey(key)) return true;
            break;
        }
        case QEvent::KeyPress:
            if (FiltersKey(field, *static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::ContextMenu:
            ShowContextMenu(field, static_cast<QContextMenuEvent*>(event)->pos());
            return true;
        case QEvent::InputMethod:
            if (!AllAccepted(static_cast<QInputMethodEvent*>(event)->commitString())) {
                emit KeyRefused(field);
                return true;
            }
            break;
        case QEvent::FocusOut:
        case QEvent::MouseButtonPress:
        case QEvent::Hide:
            if (HintShownAt(field)) hint_->Hide();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kaldoventri
