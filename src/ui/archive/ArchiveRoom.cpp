// Connecting the archive to the main window.
#include "ui/archive/ArchiveRoom.h"

#include "ui/window/TForm1.h"

namespace kaldoventri {

ArchiveRoom::ArchiveRoom(TForm1& window)
    : QObject(&window), window_(window), files_(&window, window.GetWorkbook(), session_),
      compare_([&window](const std::vector<int>& sheets) { window.CompareSheets(sheets); }) {
    window.ConnectArchive([this] { ShowWindow(); },
                          [this](int index, FileCommands::FileEvent event) { files_.Keep(index, event); });
}

void ArchiveRoom::ShowWindow() {
    if (!archiveWindow_) {
        archiveWindow_ = new ArchiveWindow(session_, window_.GetWorkbook(), window_.Reports(), &window_);
        // Closed, it is only hidden: a folder import goes on, and comes back with it.
        archiveWindow_->SetCompareHook(compare_);
    }
    archiveWindow_->show();
    archiveWindow_->raise();
    archiveWindow_->activateWindow();
    // Tests saved since it was last shown are listed too.
    archiveWindow_->ConnectArchive();
}

}  // namespace kaldoventri
