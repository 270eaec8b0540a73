// A test's page.
#include "report/TestPage.h"

#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "display/LocaleText.h"
#include "drawing/PainterSurface.h"
#include "drawing/TPrintDiagram.h"
#include "drawing/VKCurveRenderer.h"
#include "report/SummaryRow.h"
#include "report/TestPageTables.h"

namespace kaldoventri {

namespace {

// The printed page the spread diagram's procedure is made for: A4 landscape
// at the report's resolution. The diagram is drawn on it as on paper, then
// scaled into its box, so its marks and texts keep their proportions.
constexpr int DiagramPageWidth = 7016;
constexpr int DiagramPageHeight = 4961;
// The left column's share of the content's width, the diagram's of the right column's height.
constexpr double LeftShare = 0.36;
constexpr double DiagramShare = 0.56;

void DrawSpreadDiagram(const ReportPageFrame& frame, QRect box, const TNewTabSheet& evaluated) {
    QPainter& p = frame.Painter();
    const double scale = std::min(static_cast<double>(box.width()) / DiagramPageWidth,
                                  static_cast<double>(box.height()) / DiagramPageHeight);
    const double width = DiagramPageWidth * scale;
    const double height = DiagramPageHeight * scale;
    const QRectF placed(box.left() + (box.width() - width) / 2, box.top(), width, height);
    p.save();
    p.translate(placed.topLeft());
    p.scale(scale, scale);
    p.setClipRect(QRect(0, 0, DiagramPageWidth, DiagramPageHeight));
    p.setFont(ReportPageFrame::Font(PagePoints));
    {
        PainterSurface surface(p, DiagramPageWidth, DiagramPageHeight);
        TPrintDiagram().DrawDiagram(&evaluated, surface);
    }
    p.restore();
    p.setPen(QPen(Qt::gray, ReportPageFrame::Mm(0.15)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(placed);
}

void DrawVKCurve(const ReportPageFrame& frame, QRect box, const TNewTabSheet& evaluated) {
    QPainter& p = frame.Painter();
    p.save();
    p.translate(box.topLeft());
    p.setClipRect(QRect(0, 0, box.width(), box.height()));
    p.setFont(ReportPageFrame::Font(PagePoints));
    {
        PainterSurface surface(p, box.width(), box.height());
        VKCurveRenderer(VKCurvePageStyle).Draw(&evaluated, surface);
    }
    p.restore();
}

Facts DescriptionOfSpreader(const TNewTabSheet& s) {
    return {{QStringLiteral("Spridarfabrikat:"), FromUtf8(s.GetSpridarFabrikat())},
            {QStringLiteral("Modell:"), FromUtf8(s.GetSpridarModell())},
            {QStringLiteral("Inställning:"), FromUtf8(s.GetSpridarInstallning())}};
}

Facts DescriptionOfFertiliser(const TNewTabSheet& s) {
    return {{QStringLiteral("Gödselmedel:"), FromUtf8(s.GetGodselMedel())},
            {QStringLiteral("Fabrikat:"), FromUtf8(s.GetGodselFabrikat())},
            {QStringLiteral("Produktionsplats:"), FromUtf8(s.GetProduktionsplats())}};
}

// The settings and figures as the first table words them, under its headers.
Facts Columns(const QStringList& cells, int first, int end) {
    const QStringList headers = SummaryHeaders();
    Facts facts;
    for (int c = first; c < end; ++c) facts.append({headers[c] + QLatin1Char(':'), cells[c]});
    return facts;
}

}  // namespace

void DrawTestPage(const ReportPageFrame& frame, const ReportTest& test) {
    const QRect content = frame.Content();
    const int gap = ReportPageFrame::Mm(6);
    const int section = ReportPageFrame::Mm(3);
    const int leftWidth = static_cast<int>(content.width() * LeftShare);
    QRect left(content.left(), content.top(), leftWidth, content.height());
    const QRect right(content.left() + leftWidth + gap, content.top(), content.width() - leftWidth - gap,
                      content.height());

    const TNewTabSheet& s = test.sheet;
    const QStringList& cells = test.row;
    left.setTop(DrawFacts(frame, left, QStringLiteral("Spridare"), DescriptionOfSpreader(s)) + section);
    left.setTop(DrawFacts(frame, left, QStringLiteral("Gödselmedel"), DescriptionOfFertiliser(s)) + section);
    Facts trial = Columns(cells, 6, FirstFigureColumn);
    if (!s.GetOrigin().empty()) trial.append({QStringLiteral("Ursprung:"), FromUtf8(s.GetOrigin())});
    left.setTop(DrawFacts(frame, left, QStringLiteral("Provet"), trial) + section);
    left.setTop(DrawFacts(frame, left, QStringLiteral("Resultat"), Columns(cells, FirstFigureColumn, SummaryColumnCount)) +
                section);
    DrawTrayTable(frame, left, s);

    const int diagramHeight = static_cast<int>(right.height() * DiagramShare);
    DrawSpreadDiagram(frame, QRect(right.left(), right.top(), right.width(), diagramHeight), s);
    const int legendHeight = ReportPageFrame::Mm(5);
    const QRect curve(right.left(), right.top() + diagramHeight + section, right.width(),
                      right.height() - diagramHeight - section - legendHeight);
    DrawVKCurve(frame, curve, s);
    DrawClassLegend(frame, QRect(curve.left(), curve.bottom() + 1, curve.width(), legendHeight));
}

}  // namespace kaldoventri
