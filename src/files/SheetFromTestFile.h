// Puts what a test file gave into a sheet.
#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>
#include <optional>
#include <variant>

#include "TestFileReader.h"
#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

using TrayAmounts = std::vector<qint32>;

// The amounts of all trays of the file's kit (26 for a built-in layout). A
// file with fewer values than its kit has trays is refused with the
// conversion error of an empty text: a tray without a value never takes one
// from another test.
std::variant<TrayAmounts, TestFileError> CompleteTrayAmounts(const TestFileContents& contents);

// Fills a sheet as reading a file leaves it before its evaluation: the
// description (texts in UTF-8), the file's kit (a built-in layout's, or its
// own), the amounts, and the neighbour directions of its driving pattern. Name and title
// are the window's to give.
void FillSheetFromTestFile(TNewTabSheet& sheet, const TestFileContents& contents, const TrayAmounts& amounts);

}  // namespace kaldoventri
