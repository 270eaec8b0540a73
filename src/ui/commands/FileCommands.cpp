// The file commands' dialogs and messages.
#include "ui/commands/FileCommands.h"

#include <QDir>

#include "ui/support/CommandBoundary.h"
#include "ui/support/CommandError.h"
#include "ui/support/FileDialogs.h"
#include "ui/support/MessageBoxes.h"
#include "ui/support/RecentFolder.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

const FileKind TestFiles{QStringLiteral("Spridarfiler"), QStringLiteral("vkf")};

}  // namespace

FileCommands::FileCommands(QWidget* window, Workbook& workbook, RecentFolder& folder)
    : window_(window), workbook_(workbook), folder_(folder) {}

void FileCommands::Save() {
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    if (sheet == nullptr) return;
    const QString path =
        ChooseFileToSave(window_, TestFiles, folder_.StartFolder(), QString::fromStdString(sheet->GetTitle()));
    if (path.isEmpty()) return;
    if (const std::optional<QString> failed = workbook_.SaveCurrentSheet(path)) throw CommandError(*failed);
    folder_.Remember(path);
}

void FileCommands::Open() {
    // Several files open in order, as files given at start do: each refusal
    // has its message and the others still open.
    for (const QString& path : ChooseFilesToOpen(window_, TestFiles, folder_.StartFolder()))
        RunCommand(window_, [this, &path] { OpenFile(path); });
}

void FileCommands::OpenFile(const QString& path) {
    const std::optional<OpenFailure> failed = workbook_.OpenSheet(path);
    if (!failed) {
        folder_.Remember(path);
        return;
    }
    if (failed->kind == OpenFailure::Kind::NotATestFile) {
        ShowPlainMessage(window_, failed->message);
        return;
    }
    throw CommandError(failed->message);
}

void FileCommands::OpenGivenFile(const QString& path) {
    const std::optional<OpenFailure> failed = workbook_.OpenSheet(path);
    if (!failed) {
        folder_.Remember(path);
        return;
    }
    ShowPlainMessage(window_, failed->kind == OpenFailure::Kind::NotATestFile
                                  ? failed->message
                                  : QDir::toNativeSeparators(path) + QStringLiteral(": ") + failed->swedish);
}

}  // namespace kaldoventri
