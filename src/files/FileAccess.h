// Reading and writing whole files for the program's commands, with the
// standard wording of a failure ("File not found", "File access denied",
// "Disk full", "I/O error %d") that the window's commands show, and a Swedish
// one ("filen finns inte") for the command line and the files given at start.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

namespace kaldoventri {

// A failed file operation: the system's error number of the call (0 when it
// set none; the device's own error then decides) and what the path is.
struct FileError {
    int number = 0;
    QFileDevice::FileError device = QFileDevice::NoError;
    bool folder = false;         // the path names a folder, not a file
    bool folderMissing = false;  // the folder the file lies in does not exist
};

FileError FileErrorOf(const QFileDevice& file, int number);

// "File not found", "I/O error 5" ...
QString StandardWording(const FileError& error);
// "filen finns inte", "mappen finns inte", "är en mapp, ingen fil" ...
QString SwedishWording(const FileError& error);

// The standard wording of the device's error after a call that set `error`.
QString FileErrorText(const QFileDevice& file, int error);

// Opens a file for reading; the error when it cannot be opened.
std::optional<FileError> OpenForReading(QFile& file);

// Writes `bytes` as the whole new contents of `path`. The file is made beside
// the target and replaces it only once it is completely on disk, so a failure
// part way leaves an existing file as it was; the replaced file's permissions
// carry over. In a folder where no file may be created, a writable existing
// file is overwritten in place instead. Gives the error text on failure.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes);

// "<name with extension> är ingen Kaldoventrifil!" for a file that is no test file.
QString NotATestFileMessage(const QString& path);

// A test file's name without folder and extension: the title of its sheet.
QString SheetTitleOf(const QString& path);

}  // namespace kaldoventri
