// The VK curve's plot: where it lies, the tolerance bands, the curve with its
// gaps, and the markers of the search range, the own width and the optimum.
#include "drawing/VKCurveRenderer.h"

#include <algorithm>
#include <cmath>

#include "drawing/SurfaceClipping.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/SheetFigures.h"

namespace kaldoventri {

namespace {

bool Shown(const TNewTabSheet& sheet, int w) { return sheet.GetVKComputed(w) && std::isfinite(sheet.GetVK(w)); }

int LastWidthOf(const TNewTabSheet& sheet) { return LastCurveWidth(sheet.GetBackuppstallning()); }

}  // namespace

double VKAxisTop(const TNewTabSheet& sheet) {
    double highest = 0.0;
    for (int w = FirstCurveWidth; w <= LastWidthOf(sheet); ++w)
        if (Shown(sheet, w)) highest = std::max(highest, sheet.GetVK(w));
    const double top = std::ceil(std::min(highest, VKCurveRenderer::HighestAxisTop) / VKCurveRenderer::AxisStep) *
                       VKCurveRenderer::AxisStep;
    return std::clamp(top, VKCurveRenderer::LowestAxisTop, VKCurveRenderer::HighestAxisTop);
}

void VKCurveRenderer::Draw(const TNewTabSheet* sheet, DrawingSurface& surface) {
    Target = &surface;
    Layout = VKCurveGeometry();
    surface.SetBrushColour(White);
    surface.FillRect(0, 0, surface.Width(), surface.Height());
    if (sheet == nullptr) return;
    if (Style.fontPoints > 0) surface.SetFontSize(Style.fontPoints);
    surface.SetFontColour(Black);
    TextHeight = surface.TextHeight("0");

    PlaceThePlot(*sheet);
    if (!Layout.Valid()) return;
    if (ShowFigures) Label(Layout.Plot().left, Style.padding, FiguresLine(ComputeSheetFigures(*sheet), surface.DecimalSeparator()));
    DrawBands();
    DrawSearchRange(*sheet);
    DrawYAxis();
    DrawXAxis();
    DrawWidthLine(*sheet);
    DrawCurve(*sheet);
    DrawOptimum(*sheet);
}

// Room for the Y labels on the left, half a label above the top label, the X
// labels below and the unit "m" to the right of the last one.
void VKCurveRenderer::PlaceThePlot(const TNewTabSheet& sheet) {
    DrawingSurface& s = *Target;
    const double top = VKAxisTop(sheet);
    const int last = LastWidthOf(sheet);
    const int widestYLabel = s.TextWidth(std::to_string(static_cast<int>(top)) + " %");
    const int lastXLabel = s.TextWidth(std::to_string(last / 2));
    PlotRect plot;
    plot.left = Style.padding + widestYLabel + Style.labelGap + Style.tickLength;
    plot.top = Style.padding + TextHeight / 2 + (ShowFigures ? TextHeight + Style.labelGap : 0);
    plot.right = s.Width() - Style.padding - lastXLabel / 2 - Style.labelGap - s.TextWidth("m");
    plot.bottom = s.Height() - Style.padding - TextHeight - Style.labelGap - Style.tickLength;
    Layout = VKCurveGeometry(plot, FirstCurveWidth, last, top);
}

void VKCurveRenderer::DrawBands() {
    DrawingSurface& s = *Target;
    const PlotRect p = Layout.Plot();
    const double limits[] = {0.0, ToleranceClassLimits[0], ToleranceClassLimits[1], ToleranceClassLimits[2],
                             Layout.TopVK()};
    for (int band = 0; band < 4; ++band) {
        s.SetBrushColour(VKBandColours[band]);
        s.FillRect(p.left, Layout.YOfVK(limits[band + 1]), p.right + 1, Layout.YOfVK(limits[band]) + 1);
    }
}

void VKCurveRenderer::DrawSearchRange(const TNewTabSheet& sheet) {
    const WidthRange range = OptimumSearchRange(sheet.GetBackuppstallning());
    const int bottom = Layout.Plot().bottom;
    Target->SetBrushColour(VKSearchRangeColour);
    Target->FillRect(Layout.XOfWidth(range.first), bottom + 1, Layout.XOfWidth(range.last) + 1, bottom + 1 + Style.searchBar);
}

void VKCurveRenderer::DrawWidthLine(const TNewTabSheet& sheet) {
    const int own = sheet.GetABredd();
    if (own < Layout.FirstWidth() || own > Layout.LastWidth()) return;
    const int x = Layout.XOfWidth(own);
    Target->SetPenColour(VKWidthLineColour);
    Target->SetPenWidth(Style.widthLinePen);
    Target->MoveTo(x, Layout.Plot().bottom);
    Target->LineTo(x, Layout.Plot().top);
}

// Neighbouring computed VKs are joined; a VK not computed leaves a gap. The
// axis ends at 60 %, so a higher VK's lines are cut at the top and its point
// is not drawn.
void VKCurveRenderer::DrawCurve(const TNewTabSheet& sheet) {
    DrawingSurface& s = *Target;
    const PlotRect p = Layout.Plot();
    s.SetPenColour(VKCurveColour);
    s.SetBrushColour(VKCurveColour);
    s.SetPenWidth(Style.curvePen);
    const ClipBox box{static_cast<double>(p.left), static_cast<double>(p.top), static_cast<double>(p.right),
                      static_cast<double>(p.bottom)};
    for (int w = Layout.FirstWidth() + 1; w <= Layout.LastWidth(); ++w) {
        if (!Shown(sheet, w - 1) || !Shown(sheet, w)) continue;
        ClipPoint a{static_cast<double>(Layout.XOfWidth(w - 1)), static_cast<double>(Layout.YOfVK(sheet.GetVK(w - 1)))};
        ClipPoint b{static_cast<double>(Layout.XOfWidth(w)), static_cast<double>(Layout.YOfVK(sheet.GetVK(w)))};
        if (!ClipSegment(a, b, box)) continue;
        s.MoveTo(static_cast<int>(std::lround(a.x)), static_cast<int>(std::lround(a.y)));
        s.LineTo(static_cast<int>(std::lround(b.x)), static_cast<int>(std::lround(b.y)));
    }
    s.SetPenWidth(1);
    for (int w = Layout.FirstWidth(); w <= Layout.LastWidth(); ++w) {
        if (!Shown(sheet, w)) continue;
        const int x = Layout.XOfWidth(w);
        const int y = Layout.YOfVK(sheet.GetVK(w));
        if (Layout.Contains(x, y)) DrawPoint(x, y, Style.pointRadius);
    }
}

// Only an optimum whose VK was computed is one; a VK not computed reads 0 and
// would look like a perfect width.
void VKCurveRenderer::DrawOptimum(const TNewTabSheet& sheet) {
    if (!sheet.HasOptimum()) return;
    const double twice = sheet.GetOptimalWidth() * 2;
    if (!(twice >= Layout.FirstWidth() && twice <= Layout.LastWidth()) || twice != std::floor(twice)) return;
    const int w = static_cast<int>(twice);
    if (!Shown(sheet, w)) return;
    const int x = Layout.XOfWidth(w);
    const int y = Layout.YOfVK(sheet.GetOptimalVK());
    if (!Layout.Contains(x, y)) return;
    Target->SetPenColour(Black);
    Target->SetPenWidth(Style.axisPen);
    Target->SetBrushColour(VKOptimumColour);
    DrawPoint(x, y, Style.optimumRadius);
}

void VKCurveRenderer::DrawPoint(int x, int y, int radius) { Target->Ellipse(x - radius, y - radius, x + radius + 1, y + radius + 1); }

void VKCurveRenderer::Label(int x, int y, const std::string& text) {
    Target->SetBrushColour(White);
    Target->TextOut(x, y, text);
}

}  // namespace kaldoventri
