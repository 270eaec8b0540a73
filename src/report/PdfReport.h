// The PDF report: first the table of all tests over as many pages as it
// needs (after the comparison page, for a report of compared sheets), then
// one page per test, numbered "Sida 3 av 12". The page count is
// known before the first page is drawn, and each page goes out when the next
// begins.
#pragma once

#include <QIODevice>

#include <vector>

#include "evaluation/MachineHistory.h"
#include "report/ReportPageFrame.h"
#include "report/ReportTest.h"

namespace kaldoventri {

// Writes the whole document to `device`, each test's row in the table and its
// page in the tests' order, calling `progress` after each page; false when
// progress cancelled the run, and what was written is then to be thrown away.
// A report of one machine's tests may have its history on a page after the table.
bool WritePdfReport(QIODevice& device, const std::vector<ReportTest>& tests, const ReportSettings& settings,
                    const ReportProgress& progress = {}, const MachineHistory* history = nullptr);

// The title of the table pages: "Kaldoventri – rapport över 12 prov".
QString ReportTitle(int tests);

}  // namespace kaldoventri
