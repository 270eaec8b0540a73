// The test archive's part of the program: the archive of this run, the
// keeping of saved and opened tests, and the "Provarkiv" window, made when
// first asked for. Connected to the main window by ConnectArchive.
#pragma once

#include <QObject>
#include <QPointer>

#include "ui/archive/ArchiveSession.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/archive/FileArchiving.h"

namespace kaldoventri {

class TForm1;

class ArchiveRoom : public QObject {
public:
    // Lives as long as the main window.
    explicit ArchiveRoom(TForm1& window);

    // Arkiv > "Provarkiv...": shows the window, its list read anew.
    void ShowWindow();
    ArchiveSession& Session() { return session_; }
    ArchiveWindow* Window() const { return archiveWindow_; }

private:
    TForm1& window_;
    ArchiveSession session_;
    FileArchiving files_;
    // "Jämför..." opens the main window's comparison of the chosen tests.
    ArchiveWindow::CompareHook compare_;
    QPointer<ArchiveWindow> archiveWindow_;
};

}  // namespace kaldoventri
