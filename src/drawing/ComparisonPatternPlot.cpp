// The overlaid measured patterns: position across the spreader in metres,
// each test's amounts on the common scale (percent of its own centre mean,
// or kg/ha), one coloured line with its trays as points.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "drawing/ComparisonPlots.h"
#include "evaluation/DisplayText.h"
#include "evaluation/Rounding.h"

namespace kaldoventri {

namespace {

// Far outside any surface, yet safe in every sum the drawing makes.
constexpr int PixelLimit = 1 << 28;

int Pixel(double v) { return RoundToInt<int>(v, 0, -PixelLimit, PixelLimit); }

struct Span {
    double low;
    double high;
};

Span PositionSpan(const ScaledPatterns& patterns) {
    Span span{0.0, 0.0};
    bool any = false;
    for (const auto& curve : patterns.curves)
        for (const PatternPoint& p : curve) {
            if (!std::isfinite(p.position)) continue;
            span = any ? Span{std::min(span.low, p.position), std::max(span.high, p.position)} : Span{p.position, p.position};
            any = true;
        }
    // Whole metres at both ends, and never an empty span; a damaged kit's
    // far-off places stay within what the axis can count.
    constexpr double Farthest = 1e6;
    span.low = std::clamp(std::floor(span.low), -Farthest, Farthest);
    span.high = std::clamp(std::ceil(span.high), -Farthest, Farthest);
    if (span.high <= span.low) span.high = span.low + 1.0;
    return span;
}

double HighestValue(const ScaledPatterns& patterns) {
    double highest = 0.0;
    for (const auto& curve : patterns.curves)
        for (const PatternPoint& p : curve)
            if (std::isfinite(p.value)) highest = std::max(highest, p.value);
    return highest;
}

void Label(DrawingSurface& s, int x, int y, const std::string& text) {
    s.SetBrushColour(White);
    s.TextOut(x, y, text);
}

}  // namespace

double AxisStepFor(double pixelsPerUnit, double needed) {
    if (!(pixelsPerUnit > 0.0) || !std::isfinite(pixelsPerUnit)) return 0.0;
    for (double power = 1e-3; power <= 1e9; power *= 10)
        for (const double factor : {1.0, 2.0, 5.0})
            if (factor * power * pixelsPerUnit >= needed) return factor * power;
    return 0.0;
}

void DrawPatternPlot(DrawingSurface& s, PlotRect box, const ScaledPatterns& patterns, const ComparisonStyle& style) {
    const VKCurveStyle& axis = style.plot;
    const int textHeight = s.TextHeight("0");
    const std::string separator = s.DecimalSeparator();
    const bool percent = patterns.scale == PatternScale::Percent;
    const Span x = PositionSpan(patterns);
    // Percent plots keep 100 % well inside; kg/ha plots start at 0 too.
    const double highest = std::max(HighestValue(patterns), percent ? 120.0 : 1.0);
    // The caption above names the unit; the top label needs half a line.
    const int plotTop = box.top + textHeight / 2;
    const int plotBottom = box.bottom - textHeight - axis.labelGap - axis.tickLength;
    const double roughStep = AxisStepFor((plotBottom - plotTop) / highest, textHeight + axis.labelGap + 1.0);
    if (roughStep <= 0.0) return;
    const double top = std::ceil(highest / roughStep) * roughStep;
    const int widestY = s.TextWidth(FormatGeneral(top, separator));
    const int plotLeft = box.left + widestY + axis.labelGap + axis.tickLength;
    const int plotRight = box.right - s.TextWidth("m") - axis.labelGap - s.TextWidth("-00") / 2;
    if (plotRight - plotLeft < 20 || plotBottom - plotTop < 20) return;
    const auto px = [&](double metres) { return Pixel(plotLeft + (metres - x.low) * (plotRight - plotLeft) / (x.high - x.low)); };
    const auto py = [&](double value) { return Pixel(plotBottom - value * (plotBottom - plotTop) / top); };
    const double yStep = AxisStepFor((plotBottom - plotTop) / top, textHeight + axis.labelGap + 1.0);
    if (yStep <= 0.0) return;

    s.SetPenWidth(axis.axisPen);
    // Light rules across the plot at each labelled value; 100 % stands out.
    // Counted in whole steps, so that 0 and 100 % are met exactly.
    for (long k = 0; k * yStep <= top + yStep / 2; ++k) {
        const double v = k * yStep;
        const int y = py(v);
        s.SetPenColour(percent && v == 100.0 ? ComparisonRuleColour : ComparisonGridColour);
        if (k > 0) {
            s.MoveTo(plotLeft, y);
            s.LineTo(plotRight, y);
        }
        s.SetPenColour(Black);
        s.MoveTo(plotLeft - axis.tickLength, y);
        s.LineTo(plotLeft, y);
        const std::string text = FormatGeneral(RoundHalfEven(v * 1000) / 1000, separator);
        Label(s, plotLeft - axis.tickLength - axis.labelGap - s.TextWidth(text), y - textHeight / 2, text);
    }
    const double xStep = AxisStepFor((plotRight - plotLeft) / (x.high - x.low), s.TextWidth("-00") + axis.labelGap + 1.0);
    if (xStep <= 0.0) return;
    const int labelTop = plotBottom + axis.tickLength + axis.labelGap;
    // The centre line of the spreader runs up through the plot.
    for (long k = static_cast<long>(std::ceil(x.low / xStep)); k * xStep <= x.high + xStep / 1000; ++k) {
        const double m = k * xStep;
        const int xp = px(m);
        if (k == 0) {
            s.SetPenColour(ComparisonRuleColour);
            s.MoveTo(xp, plotBottom);
            s.LineTo(xp, plotTop);
        }
        s.SetPenColour(Black);
        s.MoveTo(xp, plotBottom);
        s.LineTo(xp, plotBottom + axis.tickLength);
        const std::string text = FormatGeneral(RoundHalfEven(m * 1000) / 1000 + 0.0, separator);
        Label(s, xp - s.TextWidth(text) / 2, labelTop, text);
    }
    Label(s, plotRight + axis.labelGap + s.TextWidth("-00") / 2, labelTop, "m");
    s.SetPenColour(Black);
    s.MoveTo(plotLeft, plotTop);
    s.LineTo(plotLeft, plotBottom);
    s.LineTo(plotRight, plotBottom);

    for (std::size_t t = 0; t < patterns.curves.size(); ++t) {
        std::vector<PatternPoint> curve = patterns.curves[t];
        std::sort(curve.begin(), curve.end(), [](const PatternPoint& a, const PatternPoint& b) { return a.position < b.position; });
        const Colour colour = ComparisonColours[t % std::size(ComparisonColours)];
        s.SetPenColour(colour);
        s.SetBrushColour(colour);
        s.SetPenWidth(style.linePen);
        std::vector<SurfacePoint> line;
        line.reserve(curve.size());
        for (const PatternPoint& p : curve) line.push_back({px(p.position), std::max(py(p.value), plotTop)});
        s.Polyline(line.data(), static_cast<int>(line.size()));
        // Trays closer than a few points' width read as the line itself.
        const int r = style.pointRadius;
        if (curve.size() < 2 || (plotRight - plotLeft) / static_cast<double>(curve.size() - 1) < 4.0 * r) continue;
        s.SetPenWidth(1);
        for (const PatternPoint& p : curve) {
            const int cx = px(p.position), cy = std::max(py(p.value), plotTop);
            s.Ellipse(cx - r, cy - r, cx + r + 1, cy + r + 1);
        }
    }
}

}  // namespace kaldoventri
