// Reading and writing whole files for the program's commands, with the
// standard wording of a failure ("File not found", "File access denied",
// "Disk full", "I/O error %d"). Used by the window and the command line alike.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

namespace kaldoventri {

// The standard wording of a file error. `error` is the system's error number
// of the failing call; when it is 0, the device's own error decides.
QString FileErrorText(const QFileDevice& file, int error);

// Opens a file for reading; the error text when it cannot be opened.
std::optional<QString> OpenForReading(QFile& file);

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
