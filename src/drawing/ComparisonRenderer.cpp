// Placing the comparison's parts on the surface: the legend on top, the two
// plots side by side, the table across the foot. The table keeps its full
// height; the plots take what is left.
#include "drawing/ComparisonRenderer.h"

#include <algorithm>
#include <iterator>

#include "drawing/ComparisonPlots.h"
#include "evaluation/Comparison.h"

namespace kaldoventri {

namespace {

constexpr std::string_view ReferenceMark = " (referens)";

// The tests' colours and titles in one line from (left, top); gives its height.
int DrawLegend(DrawingSurface& s, int left, int top, int right, const std::vector<ComparisonRow>& rows,
               const ComparisonStyle& style) {
    const int textHeight = s.TextHeight("Åg");
    const int side = std::min(style.swatch, textHeight);
    const int count = static_cast<int>(rows.size());
    const int room = count > 0 ? (right - left) / count : 0;
    for (int t = 0; t < count; ++t) {
        const int x = left + t * room;
        s.SetBrushColour(ComparisonColours[static_cast<std::size_t>(t) % std::size(ComparisonColours)]);
        s.FillRect(x, top + (textHeight - side) / 2, x + side, top + (textHeight - side) / 2 + side);
        s.SetBrushColour(White);
        const std::string title = rows[static_cast<std::size_t>(t)].title + (t == 0 ? std::string(ReferenceMark) : "");
        s.TextOut(x + side + style.cellPadding, top, ShortenedToFit(s, title, room - side - 2 * style.cellPadding));
    }
    return textHeight;
}

}  // namespace

void ComparisonRenderer::Draw(const std::vector<const TNewTabSheet*>& sheets, DrawingSurface& s) const {
    s.SetBrushColour(White);
    s.FillRect(0, 0, s.Width(), s.Height());
    if (sheets.empty()) return;
    if (Style.plot.fontPoints > 0) s.SetFontSize(Style.plot.fontPoints);
    s.SetFontColour(Black);
    const std::string separator = s.DecimalSeparator();
    const std::vector<ComparisonRow> rows = CompareSheets(sheets);
    const ScaledPatterns patterns = ScalePatterns(sheets);
    const std::vector<ComparisonTableLine> table = ComparisonTable(rows, separator);

    const int pad = Style.plot.padding;
    const int left = pad, right = s.Width() - pad;
    int y = pad;
    y += DrawLegend(s, left, y, right, rows, Style) + Style.gap;

    const int tableHeight = ComparisonTableHeight(s, static_cast<int>(table.size()), Style);
    const int tableTop = std::max(y, s.Height() - pad - tableHeight);
    DrawComparisonTable(s, left, tableTop, right - left, table, Style);

    const int textHeight = s.TextHeight("Åg");
    const int middle = (left + right) / 2;
    const std::string patternCaption = patterns.scale == PatternScale::Percent
                                           ? "Uppmätt mönster, % av medel inom ±W/4"
                                           : "Uppmätt mönster, kg/ha";
    s.SetBrushColour(White);
    s.TextOut(left, y, ShortenedToFit(s, patternCaption, middle - Style.gap / 2 - left));
    s.TextOut(middle + Style.gap / 2, y, "VK-kurvor");
    y += textHeight + Style.plot.labelGap;
    const int plotBottom = tableTop - Style.gap;
    if (plotBottom - y < 4 * textHeight) return;
    DrawPatternPlot(s, PlotRect{left, y, middle - Style.gap / 2, plotBottom}, patterns, Style);
    DrawComparedVKPlot(s, PlotRect{middle + Style.gap / 2, y, right, plotBottom}, sheets, Style);
}

}  // namespace kaldoventri
