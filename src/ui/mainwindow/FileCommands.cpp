// The file commands' dialogs and messages.
#include "ui/mainwindow/FileCommands.h"

#include <QFileDialog>
#include <QFileInfo>

#include "ui/mainwindow/MessageBoxes.h"
#include "workbook/CommandError.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

// Where the dialogs start when that folder exists; elsewhere the platform's
// dialog picks its own.
const QString InitialFolder = QStringLiteral("c:\\program files\\trevimo\\kaldoventri\\data");

// The chosen file, or an empty text when the user cancelled.
QString ChooseFile(QFileDialog* dialog) {
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace

FileCommands::FileCommands(QWidget* window, Workbook& workbook) : window_(window), workbook_(workbook) {}

// The dialogs belong to the window and are made once, so that they remember
// the folder the user last worked in.
QFileDialog* FileCommands::Dialog(const QString& name, bool save) {
    if (auto* existing = window_->findChild<QFileDialog*>(name)) return existing;
    auto* dialog = new QFileDialog(window_);
    dialog->setObjectName(name);
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog behaves the same on every desktop; the program asks
    // about overwriting itself, and the filter names stand without patterns.
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                       QFileDialog::HideNameFilterDetails);
    dialog->setNameFilters({QStringLiteral("Spridarfiler (*.vkf)"), QStringLiteral("Alla filer (*.*)")});
    dialog->setDefaultSuffix(QStringLiteral("vkf"));
    if (QFileInfo(InitialFolder).isDir()) dialog->setDirectory(InitialFolder);
    return dialog;
}

void FileCommands::Save() {
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    if (sheet == nullptr) return;
    QFileDialog* dialog = Dialog(QStringLiteral("SaveDialog1"), true);
    dialog->selectFile(QString::fromStdString(sheet->GetTitle()));
    const QString path = ChooseFile(dialog);
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) && !AskYesNo(window_, QStringLiteral("Ska filen skrivas över?"))) return;
    if (const std::optional<QString> failed = workbook_.SaveCurrentSheet(path)) throw CommandError(*failed);
}

void FileCommands::Open() {
    const QString path = ChooseFile(Dialog(QStringLiteral("OpenDialog1"), false));
    if (!path.isEmpty()) OpenFile(path);
}

void FileCommands::OpenFile(const QString& path) {
    const std::optional<OpenFailure> failed = workbook_.OpenSheet(path);
    if (!failed) return;
    if (failed->kind == OpenFailure::Kind::NotATestFile) {
        ShowPlainMessage(window_, failed->message);
        return;
    }
    throw CommandError(failed->message);
}

}  // namespace kaldoventri
