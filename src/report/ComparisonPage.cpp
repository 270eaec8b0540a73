// The comparison page.
#include "report/ComparisonPage.h"

#include <QPainter>

#include "drawing/ComparisonRenderer.h"
#include "drawing/PainterSurface.h"
#include "report/TestPageTables.h"

namespace kaldoventri {

QString ComparisonTitle(int tests) { return QStringLiteral("Jämförelse av %1 prov").arg(tests); }

void DrawComparisonPage(const ReportPageFrame& frame, const std::vector<ReportTest>& tests) {
    std::vector<const TNewTabSheet*> sheets;
    sheets.reserve(tests.size());
    for (const ReportTest& test : tests) sheets.push_back(&test.sheet);
    const QRect box = frame.Content();
    QPainter& p = frame.Painter();
    p.save();
    p.translate(box.topLeft());
    p.setClipRect(QRect(0, 0, box.width(), box.height()));
    p.setFont(ReportPageFrame::Font(PagePoints));
    {
        PainterSurface surface(p, box.width(), box.height());
        ComparisonRenderer(ComparisonPageStyle).Draw(sheets, surface);
    }
    p.restore();
}

}  // namespace kaldoventri
