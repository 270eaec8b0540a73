// The file commands' dialogs and messages.
#include "ui/mainwindow/FileCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/mainwindow/FileDialogs.h"
#include "ui/mainwindow/MessageBoxes.h"
#include "workbook/CommandError.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

const FileKind TestFiles{QStringLiteral("Spridarfiler"), QStringLiteral("vkf")};

}  // namespace

FileCommands::FileCommands(QWidget* window, Workbook& workbook) : window_(window), workbook_(workbook) {}

QString FileCommands::StartFolder() const {
    if (!lastFolder_.isEmpty() && QFileInfo(lastFolder_).isDir()) return lastFolder_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void FileCommands::Save() {
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    if (sheet == nullptr) return;
    const QString path = ChooseFileToSave(window_, TestFiles, StartFolder(), QString::fromStdString(sheet->GetTitle()));
    if (path.isEmpty()) return;
    if (const std::optional<QString> failed = workbook_.SaveCurrentSheet(path)) throw CommandError(*failed);
    lastFolder_ = QFileInfo(path).absolutePath();
}

void FileCommands::Open() {
    const QString path = ChooseFile(window_, FileDialogPurpose::Open, TestFiles, StartFolder(), {});
    if (!path.isEmpty()) OpenFile(path);
}

void FileCommands::OpenFile(const QString& path) {
    const std::optional<OpenFailure> failed = workbook_.OpenSheet(path);
    if (!failed) {
        lastFolder_ = QFileInfo(path).absolutePath();
        return;
    }
    if (failed->kind == OpenFailure::Kind::NotATestFile) {
        ShowPlainMessage(window_, failed->message);
        return;
    }
    throw CommandError(failed->message);
}

}  // namespace kaldoventri
