// The program's file dialogs: Qt's own dialog, new for each use, with the
// filter names shown without their patterns, and the save dialog followed by
// the program's own overwrite question. Used for test files, reports and tables.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kaldoventri {

// The files a dialog is for: "Spridarfiler" with suffix "vkf".
struct FileKind {
    QString filterName;
    QString suffix;  // without the dot
};

enum class FileDialogPurpose { Open, Save };

// The chosen path, or an empty text when the dialog was cancelled. A name
// saved under the kind's filter always ends with its suffix.
QString ChooseFile(QWidget* parent, FileDialogPurpose purpose, const FileKind& kind, const QString& startFolder,
                   const QString& offeredName);

// The open dialog, where one file or several can be chosen (or a name typed
// that need not exist), in the order the dialog gives them; empty when cancelled.
QStringList ChooseFilesToOpen(QWidget* parent, const FileKind& kind, const QString& startFolder);

// The save dialog, then "Ska filen skrivas över?" when the chosen file
// exists; an empty text when the user cancelled or answered No.
QString ChooseFileToSave(QWidget* parent, const FileKind& kind, const QString& startFolder, const QString& offeredName);

}  // namespace kaldoventri
