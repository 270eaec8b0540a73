// Keeping saved and opened tests in the archive.
#include "ui/archive/FileArchiving.h"

#include <QDir>

#include "evaluation/CalculateSheet.h"
#include "ui/archive/ArchiveSession.h"
#include "ui/support/MessageBoxes.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

FileArchiving::FileArchiving(QWidget* window, const Workbook& workbook, ArchiveSession& session)
    : window_(window), workbook_(workbook), session_(session) {}

void FileArchiving::Keep(int index, FileCommands::FileEvent event) {
    const TNewTabSheet* shown = workbook_.Sheet(index);
    if (shown == nullptr || !session_.ArchivesFiles()) return;
    const bool saved = event == FileCommands::FileEvent::Saved;
    if (!saved && openFailureShown_) return;
    const QString path = workbook_.FilePath(index);
    // The archive's figures are those of the value scale, whatever the window shows.
    TNewTabSheet sheet = *shown;
    CalculateSheet(sheet, YScaleValue);
    QString error;
    auto archive = session_.Archive(window_);
    if (auto* failed = std::get_if<ArchiveError>(&archive)) {
        error = failed->message;
    } else {
        const auto added = std::get<TestArchive*>(archive)->Add(sheet, path);
        if (const auto* failedAdd = std::get_if<ArchiveError>(&added)) error = failedAdd->message;
    }
    if (error.isEmpty()) return;
    if (saved) {
        ShowPlainMessage(window_, QStringLiteral("Provet är sparat i %1 men har inte arkiverats.\n\n%2")
                                      .arg(QDir::toNativeSeparators(path), error));
    } else {
        openFailureShown_ = true;
        ShowPlainMessage(window_, QStringLiteral("Provet är öppnat men har inte arkiverats.\n\n%1").arg(error));
    }
}

}  // namespace kaldoventri
