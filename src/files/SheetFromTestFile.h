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

// The amounts of all trays of the file's kit (26 for a built-in layout): the
// file's values first; a tray the file gives no value for keeps the amount
// the window shows for it, `shownAmounts` (the current sheet's). With no
// such amount the tray has no value, which gives the conversion error of an
// empty text.
std::variant<TrayAmounts, TestFileError> CompleteTrayAmounts(const TestFileContents& contents,
                                                             const std::optional<TrayAmounts>& shownAmounts);

// Fills a sheet as reading a file leaves it before its evaluation: the
// description (texts in UTF-8), the file's kit (a built-in layout's, or its
// own), the amounts, and the neighbour directions of its driving pattern. Name and title
// are the window's to give.
void FillSheetFromTestFile(TNewTabSheet& sheet, const TestFileContents& contents, const TrayAmounts& amounts);

}  // namespace kaldoventri
