// Puts what a test file gave into a sheet.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <variant>

#include "TestFileReader.h"
#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

// The amounts of all 26 trays: the file's values first; a tray the file gives
// no value for takes the text of the window's tray field, which must then be a
// whole number (an empty field gives the conversion error, as typing would).
std::variant<std::array<qint32, TrayCount>, TestFileError> CompleteTrayAmounts(
    const TestFileContents& contents, const std::array<QString, TrayCount>& trayFieldTexts);

// Fills a sheet as reading a file leaves it before its evaluation: the
// description (texts in UTF-8), the amounts, the tray positions of the file's
// layout, and the neighbour directions of its driving pattern. Name and title
// are the window's to give.
void FillSheetFromTestFile(TNewTabSheet& sheet, const TestFileContents& contents,
                           const std::array<qint32, TrayCount>& amounts);

}  // namespace kaldoventri
