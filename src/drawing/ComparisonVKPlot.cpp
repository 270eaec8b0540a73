// The overlaid VK curves: one frame of tolerance bands and axes, wide and
// high enough for every compared test, each curve in its test's colour with
// the test's working width as a line and its optimum as a point.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "drawing/ComparisonPlots.h"
#include "drawing/VKCurveFrame.h"
#include "drawing/VKCurveRenderer.h"
#include "evaluation/TrayKit.h"

namespace kaldoventri {

namespace {

bool Shown(const TNewTabSheet& sheet, int w) { return sheet.GetVKComputed(w) && std::isfinite(sheet.GetVK(w)); }

void DrawCurve(DrawingSurface& s, const VKCurveGeometry& layout, const TNewTabSheet& sheet, Colour colour,
               const ComparisonStyle& style) {
    const PlotRect p = layout.Plot();
    // A VK above the axis runs along its top edge, as on the single curve.
    const auto y = [&](int w) { return std::max(layout.YOfVK(sheet.GetVK(w)), p.top); };
    s.SetPenColour(colour);
    s.SetBrushColour(colour);
    const int own = sheet.GetABredd();
    if (own >= layout.FirstWidth() && own <= layout.LastWidth()) {
        s.SetPenWidth(style.markPen);
        s.MoveTo(layout.XOfWidth(own), p.bottom);
        s.LineTo(layout.XOfWidth(own), p.top);
        const int r = style.plot.clipMark;
        const SurfacePoint mark[] = {{layout.XOfWidth(own) - r, p.bottom}, {layout.XOfWidth(own) + r, p.bottom},
                                     {layout.XOfWidth(own), p.bottom - 2 * r}};
        s.Polygon(mark, 3);
    }
    s.SetPenWidth(style.linePen);
    const int last = std::min(layout.LastWidth(), LastCurveWidthOf(sheet));
    // Each stretch of computed VKs is one line; a VK not computed leaves a gap.
    std::vector<SurfacePoint> stretch;
    for (int w = layout.FirstWidth(); w <= last + 1; ++w) {
        if (w <= last && Shown(sheet, w)) {
            stretch.push_back({layout.XOfWidth(w), y(w)});
            continue;
        }
        if (stretch.size() > 1) s.Polyline(stretch.data(), static_cast<int>(stretch.size()));
        stretch.clear();
    }
    if (!sheet.HasOptimum()) return;
    const double twice = sheet.GetOptimalWidth() * 2;
    if (!(twice >= layout.FirstWidth() && twice <= last) || twice != std::floor(twice)) return;
    const int w = static_cast<int>(twice);
    if (!Shown(sheet, w)) return;
    const int r = style.plot.optimumRadius;
    s.SetPenColour(Black);
    s.SetPenWidth(style.plot.axisPen);
    s.Ellipse(layout.XOfWidth(w) - r, y(w) - r, layout.XOfWidth(w) + r + 1, y(w) + r + 1);
}

}  // namespace

VKCurveGeometry DrawComparedVKPlot(DrawingSurface& s, PlotRect box, const std::vector<const TNewTabSheet*>& sheets,
                                   const ComparisonStyle& style) {
    const VKCurveStyle& axis = style.plot;
    const int textHeight = s.TextHeight("0");
    double top = VKCurveRenderer::LowestAxisTop;
    int last = FirstCurveWidth + 1;
    for (const TNewTabSheet* sheet : sheets) {
        top = std::max(top, VKAxisTop(*sheet));
        last = std::max(last, LastCurveWidthOf(*sheet));
    }
    PlotRect plot;
    plot.left = box.left + s.TextWidth(std::to_string(static_cast<int>(top)) + " %") + axis.labelGap + axis.tickLength;
    plot.top = box.top + textHeight / 2;
    plot.right = box.right - s.TextWidth(std::to_string(last / 2)) / 2 - axis.labelGap - s.TextWidth("m");
    plot.bottom = box.bottom - textHeight - axis.labelGap - axis.tickLength;
    const VKCurveGeometry layout(plot, FirstCurveWidth, last, top);
    if (!layout.Valid()) return layout;
    DrawToleranceBands(s, layout);
    DrawVKAxis(s, layout, axis, textHeight);
    DrawWidthAxis(s, layout, axis);
    // The reference last, on top of the others.
    for (std::size_t t = sheets.size(); t-- > 0;)
        DrawCurve(s, layout, *sheets[t], ComparisonColours[t % std::size(ComparisonColours)], style);
    return layout;
}

}  // namespace kaldoventri
