// The VK curve's axes: VK in percent upwards, working width in metres across.
// Labels are thinned to every 2nd, 5th, 10th ... value wherever they would
// otherwise touch, and the small ticks between them are left out when they
// would run together.
#include <algorithm>
#include <string>

#include "drawing/VKCurveRenderer.h"

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

}  // namespace

void VKCurveRenderer::DrawYAxis() {
    DrawingSurface& s = *Target;
    const PlotRect p = Layout.Plot();
    s.SetPenColour(Black);
    s.SetPenWidth(Style.axisPen);
    const int top = static_cast<int>(Layout.TopVK());
    const double perPercent = static_cast<double>(p.bottom - p.top) / Layout.TopVK();
    // Whole percents are labelled where a low top leaves room for them;
    // otherwise the band limits 5, 10 and 15 stay among the labels as long as
    // the height allows.
    static constexpr int Steps[] = {1, 5, 10, 20, 30, 60};
    const int labelStep = LabelStep(Steps, perPercent, TextHeight + Style.labelGap + 1.0);
    // Whole percents get small ticks where they stand well apart.
    const int tickStep = perPercent >= 2 * NarrowestTickSpacing ? 1 : static_cast<int>(AxisStep);
    const bool minorTicks = tickStep * perPercent >= NarrowestTickSpacing;
    for (int v = 0; v <= top; v += tickStep) {
        const bool labelled = labelStep > 0 && v % labelStep == 0;
        if (!labelled && !minorTicks) continue;
        const int y = Layout.YOfVK(v);
        s.MoveTo(p.left - (labelled ? Style.tickLength : Style.minorTickLength), y);
        s.LineTo(p.left, y);
        if (!labelled) continue;
        const std::string text = std::to_string(v) + " %";
        Label(p.left - Style.tickLength - Style.labelGap - s.TextWidth(text), y - TextHeight / 2, text);
    }
    s.MoveTo(p.left, p.bottom);
    s.LineTo(p.left, p.top);
}

void VKCurveRenderer::DrawXAxis() {
    DrawingSurface& s = *Target;
    const PlotRect p = Layout.Plot();
    s.SetPenColour(Black);
    s.SetPenWidth(Style.axisPen);
    const int first = Layout.FirstWidth() / 2;
    const int last = Layout.LastWidth() / 2;
    const double perMetre = static_cast<double>(p.right - p.left) / (last - first);
    const int widest = s.TextWidth(std::to_string(last));
    static constexpr int Steps[] = {1, 2, 5, 10, 25};
    const int labelStep = LabelStep(Steps, perMetre, widest + Style.labelGap + 1.0);
    const bool minorTicks = perMetre >= NarrowestTickSpacing;
    const int labelTop = p.bottom + Style.tickLength + Style.labelGap;
    for (int m = first; m <= last; ++m) {
        const bool labelled = labelStep > 0 && m % labelStep == 0;
        if (!labelled && !minorTicks) continue;
        const int x = Layout.XOfWidth(2 * m);
        s.MoveTo(x, p.bottom);
        s.LineTo(x, p.bottom + (labelled ? Style.tickLength : Style.minorTickLength));
        if (!labelled) continue;
        const std::string text = std::to_string(m);
        Label(x - s.TextWidth(text) / 2, labelTop, text);
    }
    s.MoveTo(p.left, p.bottom);
    s.LineTo(p.right, p.bottom);
    Label(p.right + widest / 2 + Style.labelGap, labelTop, "m");
}

}  // namespace kaldoventri
