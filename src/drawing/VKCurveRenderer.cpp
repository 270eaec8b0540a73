// The VK curve's plot: where it lies, the tolerance bands, the curve with its
// gaps, and the markers of the search range, the own width and the optimum.
#include "drawing/VKCurveRenderer.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "drawing/SurfaceClipping.h"
#include "drawing/VKCurveFrame.h"
#include "evaluation/TrayLayout.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/FurtherPasses.h"
#include "evaluation/SheetFigures.h"
#include "evaluation/TrayKit.h"
#include "evaluation/VKUncertainty.h"

namespace kaldoventri {

namespace {

bool Shown(const TNewTabSheet& sheet, int w) { return sheet.GetVKComputed(w) && std::isfinite(sheet.GetVK(w)); }

std::optional<double> BandOf(const TNewTabSheet& sheet, int w) {
    if (!Shown(sheet, w)) return std::nullopt;
    const std::optional<double> u = sheet.GetVKUncertainty(w);
    if (!u || !std::isfinite(*u)) return std::nullopt;
    return u;
}

}  // namespace

bool ShowsVKUncertainty(const TNewTabSheet& sheet) { return sheet.GetUnits().Any() || sheet.HasReplicates(); }

double VKAxisTop(const TNewTabSheet& sheet) {
    const WidthRange range = OptimumSearchRange(sheet.GetBackuppstallning());
    double highest = 0.0;
    for (int w = range.first; w <= range.last; ++w)
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
    BandShown = ShowsVKUncertainty(*sheet);
    FurtherPassWidths = WidthsCountingFurtherPasses(*sheet);

    const std::string figures = ShowFigures ? FiguresLine(ComputeSheetFigures(*sheet), surface.DecimalSeparator()) : "";
    PlaceThePlot(*sheet, figures);
    if (!Layout.Valid()) return;
    for (std::size_t i = 0; i < FigureLines.size(); ++i)
        Label(Layout.Plot().left, Style.padding + static_cast<int>(i) * (TextHeight + Style.labelGap), FigureLines[i]);
    DrawLegend();
    DrawToleranceBands(surface, Layout);
    DrawSearchRange(*sheet);
    DrawFurtherPasses();
    if (BandShown) DrawUncertaintyBand(*sheet);
    DrawVKAxis(surface, Layout, Style, TextHeight);
    DrawWidthAxis(surface, Layout, Style);
    DrawWidthLine(*sheet);
    DrawCurve(*sheet);
    DrawOptimum(*sheet);
}

// Room for the Y labels on the left, the lines of figures and legend above
// with half a label under them for the top label, the X labels below and the
// unit "m" to the right of the last one.
void VKCurveRenderer::PlaceThePlot(const TNewTabSheet& sheet, const std::string& figures) {
    DrawingSurface& s = *Target;
    const double top = VKAxisTop(sheet);
    const int last = LastCurveWidthOf(sheet);
    const int widestYLabel = s.TextWidth(std::to_string(static_cast<int>(top)) + " %");
    const int lastXLabel = s.TextWidth(std::to_string(last / 2));
    PlotRect plot;
    plot.left = Style.padding + widestYLabel + Style.labelGap + Style.tickLength;
    // A curve beside the diagram may be too narrow for the figures on one line.
    FigureLines.clear();
    if (ShowFigures) WrapFigures(figures, s.Width() - Style.padding - plot.left);
    const int moreLines = std::max(0, static_cast<int>(FigureLines.size()) - 1);
    int linesAbove = PlaceTheLegend(ShowFigures ? plot.left + s.TextWidth(FigureLines.back()) : -1);
    LegendTop += moreLines * (TextHeight + Style.labelGap);
    linesAbove += moreLines;
    const auto topUnder = [&](int lines) { return Style.padding + TextHeight / 2 + lines * (TextHeight + Style.labelGap); };
    plot.top = topUnder(linesAbove);
    plot.right = s.Width() - Style.padding - lastXLabel / 2 - Style.labelGap - s.TextWidth("m");
    plot.bottom = s.Height() - Style.padding - TextHeight - Style.labelGap - Style.tickLength;
    // A curve too short for the lines above it keeps its plot: the legend
    // goes first, then the figures, rather than drawing nothing at all.
    const int figureLines = static_cast<int>(FigureLines.size());
    if (plot.top >= plot.bottom && linesAbove > figureLines) {
        LegendLeft = -1;
        plot.top = topUnder(figureLines);
    }
    if (plot.top >= plot.bottom) {
        LegendLeft = -1;
        FigureLines.clear();
        plot.top = topUnder(0);
    }
    Layout = VKCurveGeometry(plot, FirstCurveWidth, last, top);
}

void VKCurveRenderer::DrawSearchRange(const TNewTabSheet& sheet) {
    const WidthRange range = SearchRangeOf(sheet);
    const int bottom = Layout.Plot().bottom;
    Target->SetBrushColour(VKSearchRangeColour);
    Target->FillRect(Layout.XOfWidth(range.first), bottom + 1, Layout.XOfWidth(range.last) + 1, bottom + 1 + Style.searchBar);
}

// A bar standing on the X axis inside the plot, one for each stretch of
// widths that count passes beyond the neighbours.
void VKCurveRenderer::DrawFurtherPasses() {
    const int bottom = Layout.Plot().bottom;
    Target->SetBrushColour(VKFurtherPassesColour);
    for (std::size_t i = 0; i < FurtherPassWidths.size(); ++i) {
        std::size_t last = i;
        while (last + 1 < FurtherPassWidths.size() && FurtherPassWidths[last + 1] == FurtherPassWidths[last] + 1) ++last;
        Target->FillRect(Layout.XOfWidth(FurtherPassWidths[i]), bottom - Style.searchBar,
                         Layout.XOfWidth(FurtherPassWidths[last]) + 1, bottom);
        i = last;
    }
}

// Each stretch of neighbouring widths with an uncertainty is one polygon:
// VK + u from left to right, then VK - u back; a lone width is a bar. The
// band is kept within the plot, between 0 % and the top edge.
void VKCurveRenderer::DrawUncertaintyBand(const TNewTabSheet& sheet) {
    for (int w = Layout.FirstWidth(); w <= Layout.LastWidth(); ++w) {
        if (!BandOf(sheet, w)) continue;
        int last = w;
        while (last < Layout.LastWidth() && BandOf(sheet, last + 1)) ++last;
        DrawBandStretch(sheet, w, last);
        w = last;
    }
}

void VKCurveRenderer::DrawBandStretch(const TNewTabSheet& sheet, int first, int last) {
    DrawingSurface& s = *Target;
    const PlotRect p = Layout.Plot();
    const auto y = [&](double vk) { return std::clamp(Layout.YOfVK(std::max(vk, 0.0)), p.top, p.bottom); };
    s.SetPenColour(VKUncertaintyColour);
    s.SetBrushColour(VKUncertaintyColour);
    s.SetPenWidth(1);
    if (first == last) {
        const double u = *BandOf(sheet, first);
        s.MoveTo(Layout.XOfWidth(first), y(sheet.GetVK(first) - u));
        s.LineTo(Layout.XOfWidth(first), y(sheet.GetVK(first) + u));
        return;
    }
    std::vector<SurfacePoint> outline;
    outline.reserve(static_cast<std::size_t>(2 * (last - first + 1)));
    for (int w = first; w <= last; ++w) outline.push_back({Layout.XOfWidth(w), y(sheet.GetVK(w) + *BandOf(sheet, w))});
    for (int w = last; w >= first; --w) outline.push_back({Layout.XOfWidth(w), y(sheet.GetVK(w) - *BandOf(sheet, w))});
    s.Polygon(outline.data(), static_cast<int>(outline.size()));
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

// Neighbouring computed VKs are joined; a VK not computed leaves a gap. A VK
// above the axis is drawn on its top edge, the curve running along the edge
// while it is above, so that no computed VK is ever left out.
void VKCurveRenderer::DrawCurve(const TNewTabSheet& sheet) {
    DrawingSurface& s = *Target;
    const PlotRect p = Layout.Plot();
    s.SetPenColour(VKCurveColour);
    s.SetBrushColour(VKCurveColour);
    s.SetPenWidth(Style.curvePen);
    for (int w = Layout.FirstWidth() + 1; w <= Layout.LastWidth(); ++w) {
        if (!Shown(sheet, w - 1) || !Shown(sheet, w)) continue;
        DrawJoin(Layout.XOfWidth(w - 1), Layout.YOfVK(sheet.GetVK(w - 1)), Layout.XOfWidth(w), Layout.YOfVK(sheet.GetVK(w)));
    }
    s.SetPenWidth(1);
    for (int w = Layout.FirstWidth(); w <= Layout.LastWidth(); ++w) {
        if (!Shown(sheet, w)) continue;
        const int x = Layout.XOfWidth(w);
        const int y = std::max(Layout.YOfVK(sheet.GetVK(w)), p.top);
        if (!Layout.Contains(x, y)) continue;
        const std::optional<double> u = BandShown ? BandOf(sheet, w) : std::nullopt;
        if (u && ClassUncertain(sheet.GetVK(w), *u)) {
            s.SetBrushColour(White);
            DrawPoint(x, y, Style.pointRadius + 1);
            s.SetBrushColour(VKCurveColour);
        } else {
            DrawPoint(x, y, Style.pointRadius);
        }
    }
    DrawClipMarks(sheet);
}

// Left to right, a join crosses the top edge at most once.
void VKCurveRenderer::DrawJoin(double x1, double y1, double x2, double y2) {
    DrawingSurface& s = *Target;
    const PlotRect p = Layout.Plot();
    const double top = p.top;
    const auto line = [&s](double ax, double ay, double bx, double by) {
        s.MoveTo(static_cast<int>(std::lround(ax)), static_cast<int>(std::lround(ay)));
        s.LineTo(static_cast<int>(std::lround(bx)), static_cast<int>(std::lround(by)));
    };
    if (y1 < top && y2 < top) {
        line(x1, top, x2, top);
        return;
    }
    if (y1 < top || y2 < top) {
        const double crossing = x1 + (top - y1) * (x2 - x1) / (y2 - y1);
        line(y1 < top ? x1 : crossing, top, y2 < top ? x2 : crossing, top);
    }
    ClipPoint a{x1, y1};
    ClipPoint b{x2, y2};
    const ClipBox box{static_cast<double>(p.left), top, static_cast<double>(p.right), static_cast<double>(p.bottom)};
    if (ClipSegment(a, b, box)) line(a.x, a.y, b.x, b.y);
}

// Each stretch of the curve on the top edge is bracketed by a mark where it
// leaves the plot and one where it comes back (or ends), so that it never
// reads as a VK equal to the top.
void VKCurveRenderer::DrawClipMarks(const TNewTabSheet& sheet) {
    const int top = Layout.Plot().top;
    const auto y = [&](int w) { return Layout.YOfVK(sheet.GetVK(w)); };
    const auto above = [&](int w) { return w >= Layout.FirstWidth() && w <= Layout.LastWidth() && Shown(sheet, w) && y(w) < top; };
    const auto inside = [&](int w) { return w >= Layout.FirstWidth() && w <= Layout.LastWidth() && Shown(sheet, w) && y(w) >= top; };
    // Where the join from width `in` (inside) to width `out` (above) meets the top.
    const auto crossing = [&](int in, int out) {
        const double xi = Layout.XOfWidth(in), xo = Layout.XOfWidth(out);
        return static_cast<int>(std::lround(xi + (top - y(in)) * (xo - xi) / (y(out) - y(in))));
    };
    Target->SetPenColour(VKCurveColour);
    Target->SetBrushColour(VKCurveColour);
    Target->SetPenWidth(1);
    for (int w = Layout.FirstWidth(); w <= Layout.LastWidth(); ++w) {
        if (!above(w) || above(w - 1)) continue;
        int last = w;
        while (above(last + 1)) ++last;
        const int from = inside(w - 1) ? crossing(w - 1, w) : Layout.XOfWidth(w);
        const int to = inside(last + 1) ? crossing(last + 1, last) : Layout.XOfWidth(last);
        DrawClipMark(from);
        if (to != from) DrawClipMark(to);
        w = last;
    }
}

// A small triangle standing on the top edge, pointing up.
void VKCurveRenderer::DrawClipMark(int x) {
    const int top = Layout.Plot().top;
    const int r = Style.clipMark;
    const SurfacePoint mark[] = {{x - r, top}, {x + r, top}, {x, top - r}};
    Target->Polygon(mark, 3);
}

// Only an optimum whose VK was computed is one; a VK not computed reads 0 and
// would look like a perfect width. An optimum above the axis sits on its top edge.
void VKCurveRenderer::DrawOptimum(const TNewTabSheet& sheet) {
    if (!sheet.HasOptimum()) return;
    const double twice = sheet.GetOptimalWidth() * 2;
    if (!(twice >= Layout.FirstWidth() && twice <= Layout.LastWidth()) || twice != std::floor(twice)) return;
    const int w = static_cast<int>(twice);
    if (!Shown(sheet, w)) return;
    const int x = Layout.XOfWidth(w);
    const int y = std::max(Layout.YOfVK(sheet.GetOptimalVK()), Layout.Plot().top);
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
