// The VK plot's frame: the tolerance bands, VK in percent upwards and working
// width in metres across.
// Labels are thinned to every 2nd, 5th, 10th ... value wherever they would
// otherwise touch, and the small ticks between them are left out when they
// would run together.
#include <algorithm>
#include <string>

#include "drawing/VKCurveFrame.h"
#include "drawing/VKCurveRenderer.h"
#include "evaluation/SheetFigures.h"

namespace kaldoventri {

namespace {

// Closer than this, ticks merge into a bar.
constexpr double NarrowestTickSpacing = 3.0;

// The first step whose labels stand `needed` pixels apart, or 0 when none does.
template <std::size_t N>
int LabelStep(const int (&steps)[N], double pixelsPerUnit, double needed) {
    for (const int step : steps)
        if (step * pixelsPerUnit >= needed) return step;
    return 0;
}

void Label(DrawingSurface& s, int x, int y, const std::string& text) {
    s.SetBrushColour(White);
    s.TextOut(x, y, text);
}

}  // namespace

void DrawToleranceBands(DrawingSurface& s, const VKCurveGeometry& layout) {
    const PlotRect p = layout.Plot();
    const double top = layout.TopVK();
    const double limits[] = {0.0, ToleranceClassLimits[0], ToleranceClassLimits[1], ToleranceClassLimits[2], top};
    for (int band = 0; band < 4 && limits[band] < top; ++band) {
        s.SetBrushColour(VKBandColours[band]);
        const double upper = std::min(limits[band + 1], top);
        s.FillRect(p.left, layout.YOfVK(upper), p.right + 1, layout.YOfVK(limits[band]) + 1);
    }
}

void DrawVKAxis(DrawingSurface& s, const VKCurveGeometry& layout, const VKCurveStyle& style, int textHeight) {
    const PlotRect p = layout.Plot();
    s.SetPenColour(Black);
    s.SetPenWidth(style.axisPen);
    const int top = static_cast<int>(layout.TopVK());
    const double perPercent = static_cast<double>(p.bottom - p.top) / layout.TopVK();
    // Whole percents are labelled where a low top leaves room for them;
    // otherwise the band limits 5, 10 and 15 stay among the labels as long as
    // the height allows.
    static constexpr int Steps[] = {1, 5, 10, 20, 30, 60};
    const int labelStep = LabelStep(Steps, perPercent, textHeight + style.labelGap + 1.0);
    // Whole percents get small ticks where they stand well apart.
    const int tickStep = perPercent >= 2 * NarrowestTickSpacing ? 1 : static_cast<int>(VKCurveRenderer::AxisStep);
    const bool minorTicks = tickStep * perPercent >= NarrowestTickSpacing;
    for (int v = 0; v <= top; v += tickStep) {
        const bool labelled = labelStep > 0 && v % labelStep == 0;
        if (!labelled && !minorTicks) continue;
        const int y = layout.YOfVK(v);
        s.MoveTo(p.left - (labelled ? style.tickLength : style.minorTickLength), y);
        s.LineTo(p.left, y);
        if (!labelled) continue;
        const std::string text = std::to_string(v) + " %";
        Label(s, p.left - style.tickLength - style.labelGap - s.TextWidth(text), y - textHeight / 2, text);
    }
    s.MoveTo(p.left, p.bottom);
    s.LineTo(p.left, p.top);
}

void DrawWidthAxis(DrawingSurface& s, const VKCurveGeometry& layout, const VKCurveStyle& style) {
    const PlotRect p = layout.Plot();
    s.SetPenColour(Black);
    s.SetPenWidth(style.axisPen);
    const int first = layout.FirstWidth() / 2;
    const int last = layout.LastWidth() / 2;
    const double perMetre = static_cast<double>(p.right - p.left) / (last - first);
    const int widest = s.TextWidth(std::to_string(last));
    static constexpr int Steps[] = {1, 2, 5, 10, 25};
    const int labelStep = LabelStep(Steps, perMetre, widest + style.labelGap + 1.0);
    const bool minorTicks = perMetre >= NarrowestTickSpacing;
    const int labelTop = p.bottom + style.tickLength + style.labelGap;
    for (int m = first; m <= last; ++m) {
        const bool labelled = labelStep > 0 && m % labelStep == 0;
        if (!labelled && !minorTicks) continue;
        const int x = layout.XOfWidth(2 * m);
        s.MoveTo(x, p.bottom);
        s.LineTo(x, p.bottom + (labelled ? style.tickLength : style.minorTickLength));
        if (!labelled) continue;
        const std::string text = std::to_string(m);
        Label(s, x - s.TextWidth(text) / 2, labelTop, text);
    }
    s.MoveTo(p.left, p.bottom);
    s.LineTo(p.right, p.bottom);
    Label(s, p.right + widest / 2 + style.labelGap, labelTop, "m");
}

}  // namespace kaldoventri
