// The comparison page.
#include "report/ComparisonPage.h"

#include "drawing/ComparisonRenderer.h"
#include "report/TestPageTables.h"

namespace kaldoventri {

QString ComparisonTitle(int tests) { return QStringLiteral("Jämförelse av %1 prov").arg(tests); }

void DrawComparisonPage(const ReportPageFrame& frame, const std::vector<ReportTest>& tests) {
    std::vector<const TNewTabSheet*> sheets;
    sheets.reserve(tests.size());
    for (const ReportTest& test : tests) sheets.push_back(&test.sheet);
    frame.DrawInBox(frame.Content(), PagePoints,
                    [&](DrawingSurface& surface) { ComparisonRenderer(ComparisonPageStyle).Draw(sheets, surface); });
}

}  // namespace kaldoventri
