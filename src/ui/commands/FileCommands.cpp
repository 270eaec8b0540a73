// The file commands' dialogs and messages.
#include "ui/commands/FileCommands.h"

#include <QDir>
#include <QFileInfo>

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

bool FileCommands::Save(int index) {
    const QString path = workbook_.FilePath(index);
    if (workbook_.Sheet(index) == nullptr) return false;
    if (path.isEmpty()) return SaveAs(index);
    if (const std::optional<QString> failed = workbook_.SaveSheet(index, path)) throw CommandError(*failed);
    folder_.Remember(path);
    Tell(index, FileEvent::Saved);
    return true;
}

bool FileCommands::SaveAs(int index) {
    const TNewTabSheet* sheet = workbook_.Sheet(index);
    if (sheet == nullptr) return false;
    const QString own = workbook_.FilePath(index);
    const QString start = !own.isEmpty() && QFileInfo(own).absoluteDir().exists() ? QFileInfo(own).absolutePath()
                                                                                   : folder_.StartFolder();
    const QString path = ChooseFileToSave(window_, TestFiles, start, QString::fromStdString(sheet->GetTitle()));
    if (path.isEmpty()) return false;
    if (const std::optional<QString> failed = workbook_.SaveSheet(index, path)) throw CommandError(*failed);
    folder_.Remember(path);
    Tell(index, FileEvent::Saved);
    return true;
}

void FileCommands::Open() {
    // Several files open in order, as files given at start do: each refusal
    // has its message and the others still open.
    for (const QString& path : ChooseFilesToOpen(window_, TestFiles, folder_.StartFolder()))
        RunCommand(window_, [this, &path] { OpenFile(path); });
}

void FileCommands::OpenFile(const QString& path) {
    const int before = workbook_.SheetCount();
    const std::optional<OpenFailure> failed = workbook_.OpenSheet(path);
    if (!failed) {
        folder_.Remember(path);
        // A file open already only came to the front: nothing new to keep.
        if (workbook_.SheetCount() > before) Tell(workbook_.CurrentIndex(), FileEvent::Opened);
        return;
    }
    // The same words as the command line's, naming the file.
    ShowPlainMessage(window_, failed->kind == OpenFailure::Kind::NotATestFile
                                  ? failed->message
                                  : QDir::toNativeSeparators(path) + QStringLiteral(": ") + failed->swedish);
}

}  // namespace kaldoventri
