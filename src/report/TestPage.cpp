// A test's page.
#include "report/TestPage.h"

#include <QDate>

#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <limits>

#include "display/LocaleText.h"
#include "drawing/PainterSurface.h"
#include "drawing/DiagramRenderer.h"
#include "drawing/FieldMapRenderer.h"
#include "drawing/VKCurveRenderer.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/SheetFigures.h"
#include "report/SummaryRow.h"
#include "report/TestPageTables.h"

namespace kaldoventri {

namespace {

// The printed page the spread diagram's procedure is made for: A4 landscape
// at the report's resolution. The diagram is drawn on it as on paper, then
// scaled into its box, so its marks and texts keep their proportions.
constexpr int DiagramPageWidth = 7016;
constexpr int DiagramPageHeight = 4961;
// The left column's share of the content's width; the diagram's and the VK
// curve's of the right column's height, the field map taking the rest.
constexpr double LeftShare = 0.36;
constexpr double DiagramShare = 0.48;
constexpr double CurveShare = 0.30;
// A data warning takes at most this many lines of the left column.
constexpr int MostWarningLines = 4;

// The printed page's diagram, except that makes long enough to push the VK
// and the working width off the box are shortened in the middle: the page
// prints them whole beside it.
class PageDiagram : public DiagramRenderer {
public:
    PageDiagram() : DiagramRenderer(HeaderThatFits()) {
        SetTrayMarking(1);
        SetShowMetres(true);
    }

private:
    static DiagramStyle HeaderThatFits() {
        DiagramStyle style = PrintStyle;
        style.header.shortenToFit = true;
        return style;
    }
};

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
        PageDiagram().DrawDiagram(&evaluated, surface);
    }
    p.restore();
    p.setPen(QPen(Qt::gray, ReportPageFrame::Mm(0.15)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(placed);
}

// The test record as the page's "Provet" block lists it: what was given, in the report's locale.
Facts RecordFacts(const TestRecord& record, const QLocale& locale) {
    Facts facts;
    const QStringList headers = RecordHeaders();
    const QStringList texts = RecordTexts(record, locale);
    for (qsizetype i = 0; i < headers.size(); ++i)
        if (!texts[i].isEmpty()) facts.append({headers[i] + QLatin1Char(':'), texts[i]});
    return facts;
}

void DrawFieldMap(const ReportPageFrame& frame, QRect box, const TNewTabSheet& evaluated) {
    frame.DrawInBox(box, PagePoints, [&](DrawingSurface& surface) { FieldMapRenderer(FieldMapPageStyle).Draw(&evaluated, surface); });
}

void DrawVKCurve(const ReportPageFrame& frame, QRect box, const TNewTabSheet& evaluated) {
    frame.DrawInBox(box, PagePoints, [&](DrawingSurface& surface) { VKCurveRenderer(VKCurvePageStyle).Draw(&evaluated, surface); });
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

// Every value is printed whole where the left column holds them all; where
// absurdly long texts would run off the page, the longest are shortened to
// the most lines per value that still fits.
int LinesPerValue(const ReportPageFrame& frame, int width, int room, const QList<QPair<QString, Facts>>& blocks) {
    const auto height = [&](int maxLines) {
        int total = 0;
        for (const auto& block : blocks) total += FactsHeight(frame, width, block.second, maxLines);
        return total;
    };
    constexpr int Unlimited = std::numeric_limits<int>::max();
    if (height(Unlimited) <= room) return Unlimited;
    int fits = 1;
    // No value can take more lines than the room has pixels.
    for (int tooMany = std::max(2, room); tooMany - fits > 1;) {
        const int lines = (fits + tooMany) / 2;
        if (height(lines) <= room)
            fits = lines;
        else
            tooMany = lines;
    }
    return fits;
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
    Facts trial = Columns(cells, 6, FirstFigureColumn);
    if (!s.GetOrigin().empty()) trial.append({QStringLiteral("Ursprung:"), FromUtf8(s.GetOrigin())});
    trial.append(RecordFacts(s.GetRecord(), frame.Settings().locale));
    Facts results = Columns(cells, FirstFigureColumn, SummaryColumnCount);
    const QLocale& locale = frame.Settings().locale;
    for (const auto& [label, text] : RateCells(s, locale)) results.append({label + QLatin1Char(':'), text});
    results.append({QStringLiteral("Mönster:"), FromUtf8(PatternVerdictText(ComputeSheetFigures(s)))});
    const QList<QPair<QString, Facts>> blocks{{QStringLiteral("Spridare"), DescriptionOfSpreader(s)},
                                              {QStringLiteral("Gödselmedel"), DescriptionOfFertiliser(s)},
                                              {QStringLiteral("Provet"), trial},
                                              {QStringLiteral("Resultat"), results}};
    // Read whole: the texts above are shortened first.
    Facts warnings;
    for (const QString& line : WarningLines(s, locale)) warnings.append({QString(), line});
    const int warningsHeight = warnings.isEmpty() ? 0 : FactsHeight(frame, left.width(), warnings, MostWarningLines) + section;
    const int room = left.height() - TrayTableHeight(frame) - warningsHeight - static_cast<int>(blocks.size()) * section;
    const int maxLines = LinesPerValue(frame, left.width(), room, blocks);
    for (const auto& [heading, facts] : blocks) left.setTop(DrawFacts(frame, left, heading, facts, maxLines) + section);
    if (!warnings.isEmpty())
        left.setTop(DrawFacts(frame, left, QStringLiteral("Varningar"), warnings, MostWarningLines) + section);
    DrawTrayTable(frame, left, s);

    const int diagramHeight = static_cast<int>(right.height() * DiagramShare);
    const int curveHeight = static_cast<int>(right.height() * CurveShare);
    DrawSpreadDiagram(frame, QRect(right.left(), right.top(), right.width(), diagramHeight), s);
    // The curve carries its own legend of the bands and the search range, the field map its colour steps.
    int top = right.top() + diagramHeight + section;
    DrawVKCurve(frame, QRect(right.left(), top, right.width(), curveHeight - section), s);
    top += curveHeight;
    DrawFieldMap(frame, QRect(right.left(), top, right.width(), right.bottom() + 1 - top), s);
}

}  // namespace kaldoventri
