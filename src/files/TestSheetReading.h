// A test file read into an evaluated sheet, the one way every part of the
// program opens a test: the window's "Öppna" and file arguments (through the
// workbook), the report and the command line.
#pragma once

#include <QString>

#include <variant>

#include "evaluation/TNewTabSheet.h"
#include "files/SheetFromTestFile.h"

namespace kaldoventri {

// Why a test file could not be opened as a sheet.
struct OpenFailure {
    enum class Kind {
        NotATestFile,  // the file is no test file: the window says so in its own words
        Error,         // the standard wording of a file or conversion error
    };
    Kind kind;
    QString message;  // for NotATestFile: "<name> är ingen Kaldoventrifil!"
    // The same in Swedish without the file's name, for the command line and
    // the files given at start, which name the file themselves.
    QString swedish;
};

// One line naming the file and why it was refused: "<path> är ingen
// Kaldoventrifil!" or "<path>: filen finns inte".
QString RefusalText(const QString& path, const OpenFailure& failure);

// Reads the file at `path` as "Öppna" does and evaluates it on the given Y
// scale: the sheet is titled after the file, its neighbours run as the file
// says. A file with fewer amounts than its kit has trays is refused, whatever
// sheet the window shows ("<name>: raden Normal har för få värden"). A large
// file that is no test file is refused before it is read through.
std::variant<TNewTabSheet, OpenFailure> ReadTestSheet(const QString& path, int yScaleMode);

// The same for a test file's bytes kept elsewhere (the archive); `path` is
// the file they came from, which names the sheet and the messages.
std::variant<TNewTabSheet, OpenFailure> ReadTestSheetBytes(const QByteArray& bytes, const QString& path, int yScaleMode);

}  // namespace kaldoventri
