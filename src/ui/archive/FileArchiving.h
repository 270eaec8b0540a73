// Tests saved or opened in the main window go into the archive as they are
// written to or read from their file, unless the user turned that off.
// Neither ever fails because the archive did: a saved file stays saved and
// says it is not archived and why; an opened sheet stays open, and a failing
// archive is told of once per run on opening.
#pragma once

#include "ui/commands/FileCommands.h"

class QWidget;

namespace kaldoventri {

class ArchiveSession;
class Workbook;

class FileArchiving {
public:
    FileArchiving(QWidget* window, const Workbook& workbook, ArchiveSession& session);

    // A FileCommands::FileHook.
    void Keep(int index, FileCommands::FileEvent event);

private:
    QWidget* window_;
    const Workbook& workbook_;
    ArchiveSession& session_;
    bool openFailureShown_ = false;
};

}  // namespace kaldoventri
