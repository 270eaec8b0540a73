// Puts what a test file gave into a sheet.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <variant>

#include "TestFileReader.h"
#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

using TrayAmounts = std::array<qint32, TrayCount>;

// The amounts of all 26 trays: the file's values first; a tray the file gives
// no value for keeps the amount the window shows for it, `shownAmounts` (the
// current sheet's). With no sheet shown such a tray has no value, which gives
// the conversion error of an empty text.
std::variant<TrayAmounts, TestFileError> CompleteTrayAmounts(const TestFileContents& contents,
                                                             const std::optional<TrayAmounts>& shownAmounts);

// Fills a sheet as reading a file leaves it before its evaluation: the
// description (texts in UTF-8), the amounts, the tray positions of the file's
// layout, and the neighbour directions of its driving pattern. Name and title
// are the window's to give.
void FillSheetFromTestFile(TNewTabSheet& sheet, const TestFileContents& contents, const TrayAmounts& amounts);

}  // namespace kaldoventri
