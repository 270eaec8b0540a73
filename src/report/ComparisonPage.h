// The report's comparison page: the comparison of its tests (the first the
// reference) as the comparison window shows it, drawn over the page's
// content. A report of compared sheets begins with it.
#pragma once

#include <QString>

#include <vector>

#include "report/ReportPageFrame.h"
#include "report/ReportTest.h"

namespace kaldoventri {

// Draws into the frame's content; the frame has started the page.
void DrawComparisonPage(const ReportPageFrame& frame, const std::vector<ReportTest>& tests);

// "Jämförelse av 3 prov"
QString ComparisonTitle(int tests);

}  // namespace kaldoventri
