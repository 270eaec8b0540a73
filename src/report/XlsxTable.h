// The table of many tests as an Excel workbook: the cells of TableCells.h,
// typed, so that a figure is a number a spreadsheet computes with and a text
// stays as it was typed (an NPK grade "27-3-3" or a setting "12/3" never
// becomes a date, "001" keeps its zeros), and a number is written as the
// program shows it (8.7). A sheet "Tabell" of the tests and a sheet "Backar"
// of every test's trays (file, tray, position in m, amount), each with its
// header row frozen and every column as wide as what it holds. Written whole
// or not at all.
#pragma once

#include <QLocale>
#include <QString>

#include <vector>

#include "report/ReportTest.h"
#include "report/SavedOutput.h"

namespace kaldoventri {

// Writes the workbook of `tests` to `path`; the headers take the locale's
// number form ("VK 5,5 m"), the cells none: Excel shows numbers in the
// reader's own.
SaveOutcome SaveXlsxTable(const QString& path, const std::vector<ReportTest>& tests, const QLocale& locale);

}  // namespace kaldoventri
