// Description fields that hold only what a test file can.
#include "ui/controls/DescriptionGuard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QValidator>

#include "files/Cp1252.h"
#include "ui/support/MessageBoxes.h"

namespace kaldoventri {

namespace {

class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return Unrepresentable(input).isEmpty() ? Acceptable : Invalid; }
};

}  // namespace

DescriptionGuard::DescriptionGuard(QObject* parent) : QObject(parent) {}

void DescriptionGuard::Guard(QLineEdit* field) {
    field->setValidator(new Cp1252Validator(field));
    field->installEventFilter(this);
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field, &QWidget::customContextMenuRequested, this, [this, field](const QPoint& at) { ShowEditMenu(field, at); });
}

QString DescriptionGuard::LostCharactersMessage(const QStringList& lost) {
    return QStringLiteral("Tecknen %1 kan inte sparas i en provfil och togs bort ur den inklistrade texten.")
        .arg(lost.join(QLatin1Char(' ')));
}

bool DescriptionGuard::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field != nullptr && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        Paste(field);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void DescriptionGuard::Paste(QLineEdit* field) {
    // Line breaks become blanks: a description is one line of its file.
    const QString text = QGuiApplication::clipboard()->text().simplified();
    const QStringList lost = Unrepresentable(text);
    field->insert(Representable(text));
    if (!lost.isEmpty()) ShowPlainMessage(field->window(), LostCharactersMessage(lost));
}

// The field's own edit menu, its paste going through the same guard.
void DescriptionGuard::ShowEditMenu(QLineEdit* field, const QPoint& at) {
    QMenu* menu = field->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this, [this, field] { Paste(field); });
    }
    menu->popup(field->mapToGlobal(at));
}

}  // namespace kaldoventri
