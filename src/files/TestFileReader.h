// Reads a .vkf test file: the shape check and the reader. The reader takes in
// the whole file before it answers, so its caller gets either every value or
// an error, never a half-read sheet.
//
// Both start at the device's current position and leave it wherever their
// last read ended: seek back to the start between the two.
#pragma once

#include <QIODevice>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <variant>

#include "evaluation/DrivingPattern.h"
#include "evaluation/SheetUnits.h"
#include "evaluation/TrayKit.h"
#include "evaluation/TrayLayout.h"

namespace kaldoventri {

// The shape check: the first line is exactly "Kaldoventri" and lines 2..12
// start with their keys in order (letter case counts), all in code page 1252
// as the program writes them, or all in UTF-8 as another editor may have
// re-saved the file (see testfile::TestFileShape). Values and lines after the
// twelfth are not looked at. Reads at most twelve lines and gives up at
// the first misfit, so a large file that is no test file is refused at once.
// A line longer than the format allows, or a device that fails, gives false.
bool IsTestFile(QIODevice& device);

// What a test file gives a new sheet. Values out of the program's ranges have
// already been brought into them:
//  - `ABredd` is clamped into 10..100 half-metres, the range of the working
//    width control (0 or -40 gives 10, 1000000 gives 100);
//  - `Backuppstallning` is 0 ("12 m") or 1 ("24 m"); every code but 0 means
//    "24 m", as everywhere else in the program.
// Tray amounts are kept as written, negative ones included.
struct TestFileContents {
    // Trays 1..n that the file gives a value for (n <= 26). A later "Normal"
    // line sets again the trays it has values for, so n is the most values any
    // "Normal" line has; trays after n keep what the window's tray fields hold.
    QList<qint32> TrayValues;
    QString SpridarFabrikat;
    QString SpridarModell;
    QString SpridarInstallning;
    QString GodselFabrikat;
    QString GodselMedel;
    QString Produktionsplats;
    qint32 ABredd = DefaultWorkingWidth;
    qint32 Backuppstallning = Layout24m;
    // Racetrack only when the last "Körmönster" line's value is "Varv".
    DrivingPattern Pattern = DrivingPattern::BackAndForth;
    QString Origin;  // "Ursprung": where an averaged sheet came from
    // An own kit, from a file whose first line is "Kaldoventri,2"; a file of a
    // built-in layout has none and takes the layout's.
    std::optional<TrayKit> Kit;
    // Tray area, unit, density and target, from their optional lines.
    SheetUnits Units;
    TestRecord Record;
};

struct TestFileError {
    enum class Kind {
        NotATestFile,  // fails the shape check, or holds an over-long line
        NotAnInteger,  // a value that must be a whole number is not one; `text` holds it
        ReadFailed,    // the device reported an error
        BadKit,        // the lines of an own kit are missing or do not fit; `message` says which, in Swedish
        BadUnit,       // a unit line holds no positive number, or a density without ml; `message` names the line
    };
    Kind kind;
    QString text;
    QString message;  // for the error report; empty for NotATestFile, which the window words itself
};

using TestFileReadResult = std::variant<TestFileContents, TestFileError>;

// Reads the device from its current position to the end of its text.
//
// Lines are read by their first field, the key; the last occurrence of a key
// wins, also on lines after the twelfth. "Normal" gives the tray values (those
// after the 26th are ignored); "ABredd" and "Backuppställning" give their
// second field as a whole number (24 and 1 when the field is missing);
// "Körmönster" gives the driving pattern from its second field; a
// description key gives the whole rest of its line after the key and the
// separators directly after it, inner blanks and commas kept (a text that
// itself begins with a blank or comma therefore loses those). Other lines,
// blank ones included, are ignored. Texts are decoded in the file's encoding.
// The file is checked for its shape while it is read, so a caller may skip
// IsTestFile.
TestFileReadResult ReadTestFile(QIODevice& device);

}  // namespace kaldoventri
