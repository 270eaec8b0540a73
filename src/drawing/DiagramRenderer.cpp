// The scales and the axes of the spread diagram: margins, the X axis in metres
// across the track, the Y axis in amount (or percent of the normal level), the
// centre line and working-width limits, and the neighbour passes' markers.
#include "drawing/DiagramRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "evaluation/Rounding.h"

namespace kaldoventri {

int ToPixel(double v) { return RoundToInt<int>(v, -DiagramRenderer::PixelLimit, -DiagramRenderer::PixelLimit, DiagramRenderer::PixelLimit); }

void DiagramRenderer::DrawDiagram(const TNewTabSheet* sheet, DrawingSurface& surface) {
    Target = &surface;
    W = surface.Width();
    H = surface.Height();
    if (sheet == nullptr) {
        surface.SetBrushColour(White);
        surface.FillRect(0, 0, W, H);
        surface.SetPenColour(Black);
        return;
    }
    WidthMetres = sheet->GetCalcWidth() / 2.0;
    PrepareScale(*sheet);
    ChooseYAxis(*sheet);
    ComputeScale();

    // A surface too small to hold any plot (a tiny window, a printed page at
    // most a quarter as high as it is wide) gets a white page with its header
    // block only: there is no height or width to scale the curves into.
    if (!(PxPerMetre > 0.0) || !(PxPerUnit > 0.0)) {
        ClearPlotSurface();
        if (Style.header.present) DrawHeader(*sheet);
        return;
    }

    DrawAxes(*sheet);
    DrawTrays(*sheet);
    DrawMeasuredPattern(*sheet);
    DrawNeighbourPattern(*sheet, true);
    DrawNeighbourPattern(*sheet, false);
    DrawSumCurve(*sheet);
}

void DiagramRenderer::PrepareScale(const TNewTabSheet& sheet) {
    DrawingSurface& s = *Target;
    if (!Style.penAndFontAfterFill) {
        s.SetPenWidth(Style.penWidth);
        if (Style.fontPoints > 0) s.SetFontSize(Style.fontPoints);
    }

    const double first = sheet.GetTrayPosition(1);
    const double last = sheet.GetTrayPosition(sheet.GetTrayCount());
    const double outer = std::fabs(first) > last ? first : last;
    // At least one metre each side, so that the metre scale never divides by
    // zero when every tray lies at the centre line.
    HalfSpan = std::clamp(RoundToInt<std::int32_t>(std::fabs(outer) + 0.5, 1), std::int32_t{1}, MaxHalfSpan);

    if (Style.margins == MarginRule::FromFont) {
        MarginX = 2 * s.TextWidth("999") + 20;
        MarginY = FontMarginY(H, s.TextHeight("999"));
    } else {
        MarginX = W / 10;
        MarginY = W / 8;
    }
    CentreX = W / 2.0;
    YScale = sheet.GetYScaleFactor();
}

void DiagramRenderer::ChooseYAxis(const TNewTabSheet& sheet) {
    constexpr std::int32_t NeverEvaluatedAxisTop = 100;
    const std::int32_t m = sheet.GetYAxisMax() > 0 ? sheet.GetYAxisMax() : NeverEvaluatedAxisTop;
    const std::int64_t step = m > 160 ? 20 : 10;
    YMax = std::max(m, std::int32_t{10});
    MinorYTicks = step == 10;

    // Only absurd amounts make an axis this tall; its labels would print on
    // top of each other, so label every 2nd, 5th, 10th ... value instead.
    for (std::int64_t decade = 1;; decade *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            YLabelStep = step * factor * decade;
            if (YMax / YLabelStep <= MaxYLabels) return;
        }
    }
}

void DiagramRenderer::ComputeScale() {
    PxPerMetre = (static_cast<double>(W) - 2.0 * MarginX) / (2.0 * HalfSpan);
    PxPerUnit = (static_cast<double>(H) - 2.0 * MarginY) / YMax;
    BaseY = ToPixel(static_cast<double>(H) - MarginY);
    TopY = ToPixel(BaseY - YMax * PxPerUnit);
    const double offset = RoundHalfEven(WidthMetres * PxPerMetre);
    LeftPassX = CentreX - offset;
    RightPassX = offset + CentreX;
}

void DiagramRenderer::ClearPlotSurface() {
    DrawingSurface& s = *Target;
    s.SetBrushColour(White);
    s.FillRect(0, 0, W, H);
    s.SetPenColour(Black);
    if (Style.penAndFontAfterFill) {
        s.SetPenWidth(Style.penWidth);
        if (Style.fontPoints > 0) s.SetFontSize(Style.fontPoints);
    }
}

void DiagramRenderer::DrawAxes(const TNewTabSheet& sheet) {
    DrawingSurface& s = *Target;
    ClearPlotSurface();

    s.MoveTo(MarginX, BaseY);
    s.LineTo(W - MarginX, BaseY);
    DrawYTicks();
    s.MoveTo(MarginX, BaseY);
    s.LineTo(MarginX, TopY);
    DrawCentreAndWidthLines(sheet);

    if (ToPixel(LeftPassX) >= MarginX) DrawNeighbourMarker(LeftPassX, sheet.GetLeftPassReversed());
    if (ToPixel(RightPassX) <= W - MarginX) DrawNeighbourMarker(RightPassX, sheet.GetRightPassReversed());

    s.SetFontColour(Black);
    DrawXTicks();
}

void DiagramRenderer::DrawYTicks() {
    DrawingSurface& s = *Target;
    const auto tickY = [this](std::int64_t v) { return ToPixel(BaseY - static_cast<double>(v) * PxPerUnit); };
    const auto major = [&](std::int64_t v) {
        const int y = tickY(v);
        s.MoveTo(MarginX - Style.majorTickHalf, y);
        s.LineTo(MarginX + Style.majorTickHalf, y);
        const std::string label = std::to_string(v);
        const int width = s.TextWidth(label);
        const int height = s.TextHeight(label);
        Text(MarginX - Style.majorTickHalf - width - Style.yLabelGap, y - ToPixel(height / 2.0), label);
    };

    ThinYLabels(s.TextHeight(std::to_string(YMax)));
    if (MinorYTicks && PxPerUnit >= NarrowestMinorTickSpacing) {
        for (std::int64_t v = 1; v <= YMax; ++v) {
            const int y = tickY(v);
            s.MoveTo(MarginX - Style.minorTickLeft, y);
            s.LineTo(MarginX + Style.minorTickRight, y);
            if (v % YLabelStep == 0) major(v);
        }
    } else {
        for (std::int64_t v = YLabelStep; v <= YMax; v += YLabelStep) major(v);
    }
}

void DiagramRenderer::ThinYLabels(int labelHeight) {
    const double needed = std::ceil(labelHeight * LabelSpacingShare);
    const std::int64_t step = MinorYTicks ? 10 : 20;
    for (std::int64_t decade = 1;; decade *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            const std::int64_t candidate = step * factor * decade;
            if (candidate < YLabelStep) continue;
            // A step beyond the axis top labels nothing, which is all a plot this flat can show.
            if (static_cast<double>(candidate) * PxPerUnit >= needed || candidate > YMax) {
                YLabelStep = candidate;
                return;
            }
        }
    }
}

void DiagramRenderer::DrawVerticalLine(int x) {
    Target->MoveTo(x, BaseY);
    Target->LineTo(x, TopY);
}

void DiagramRenderer::DrawCentreAndWidthLines(const TNewTabSheet& sheet) {
    DrawVerticalLine(ToPixel(CentreX - 1));
    DrawVerticalLine(ToPixel(CentreX + 1));
    DrawPassArrow(ToPixel(CentreX), TopY, sheet.GetOwnPassReversed());

    const double half = WidthMetres / 2;
    DrawVerticalLine(ToPixel(CentreX - half * PxPerMetre));
    DrawVerticalLine(ToPixel(half * PxPerMetre + CentreX));
}

// A reversed pass has its arrow on the X axis pointing down, a normal one on
// the top line pointing up.
void DiagramRenderer::DrawNeighbourMarker(double passX, bool reversed) {
    DrawPassArrow(ToPixel(passX), reversed ? BaseY : TopY, reversed);
    DrawVerticalLine(ToPixel(passX - 1));
    DrawVerticalLine(ToPixel(passX + 1));
}

void DiagramRenderer::DrawPassArrow(int x, int y, bool reversed) {
    DrawingSurface& s = *Target;
    const int a = Style.arrowSize;
    const int baseY = reversed ? y - a : y + a;
    const SurfacePoint triangle[] = {{x, y}, {x - a, baseY}, {x + a, baseY}};
    s.SetBrushColour(Black);
    s.Polygon(triangle, 3);
    s.SetBrushColour(White);
}

void DiagramRenderer::DrawXTicks() {
    DrawingSurface& s = *Target;
    for (std::int32_t k = 1; k <= 2 * HalfSpan - 1; ++k) {
        const int x = ToPixel(RoundHalfEven(k * PxPerMetre) + MarginX);
        s.MoveTo(x, BaseY);
        s.LineTo(x, BaseY + Style.xTickLength);
        const std::int32_t d = std::abs(k - HalfSpan);
        if (d % 2 == 1 && ShowMetres) {
            const std::string label = std::to_string(d);
            Text(x - s.TextWidth(label) / 2, BaseY + Style.metreLabelTop, label);
        }
    }
}

void DiagramRenderer::Text(int x, int y, const std::string& text) { Target->TextOut(x, y, text); }

double DiagramRenderer::ValueAtRow(int surfaceHeight, int y) const {
    // Before the first drawing, or on a surface with no plot height, there is no scale.
    if (YMax == 0) return 0.0;
    const double pxPerUnit = (static_cast<double>(surfaceHeight) - 2.0 * MarginY) / YMax;
    if (pxPerUnit == 0.0) return 0.0;
    return (static_cast<double>(surfaceHeight) - y - MarginY) / pxPerUnit;
}

}  // namespace kaldoventri
