// The VK curve of an evaluated sheet: the VK at every half-metre of working
// width over its layout's span, on the light bands of the four tolerance
// classes, with the optimum search range on the X axis, the sheet's own width
// and the optimum marked, and optionally the figures line above the plot. One
// procedure for the window, images and printed pages; the differences are
// the style.
#pragma once

#include <string>

#include "drawing/DrawingSurface.h"
#include "drawing/VKCurveGeometry.h"
#include "drawing/VKCurveStyle.h"
#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

class VKCurveRenderer {
public:
    explicit VKCurveRenderer(const VKCurveStyle& style = VKCurveScreenStyle) : Style(style) {}

    void SetShowFigures(bool on) { ShowFigures = on; }
    bool GetShowFigures() const { return ShowFigures; }

    // Draws over the whole surface; with no sheet, or on a surface too small
    // for a plot, leaves it white. Reads the sheet only.
    void Draw(const TNewTabSheet* sheet, DrawingSurface& surface);

    // The mapping of the last drawing.
    const VKCurveGeometry& Geometry() const { return Layout; }

    // The Y axis reaches at least 20 %, at most 60 %, in steps of 5.
    static constexpr double LowestAxisTop = 20.0;
    static constexpr double HighestAxisTop = 60.0;
    static constexpr double AxisStep = 5.0;

private:
    void PlaceThePlot(const TNewTabSheet& sheet);
    void DrawBands();
    void DrawSearchRange(const TNewTabSheet& sheet);
    void DrawYAxis();
    void DrawXAxis();
    void DrawWidthLine(const TNewTabSheet& sheet);
    void DrawCurve(const TNewTabSheet& sheet);
    void DrawOptimum(const TNewTabSheet& sheet);
    void DrawPoint(int x, int y, int radius);
    void Label(int x, int y, const std::string& text);

    VKCurveStyle Style;
    bool ShowFigures = false;
    VKCurveGeometry Layout;

    // Per drawing.
    DrawingSurface* Target = nullptr;
    int TextHeight = 0;
};

// The highest VK the curve shows rounded up to a step of the axis, within
// 20..60 %: the top of the Y axis for the sheet.
double VKAxisTop(const TNewTabSheet& sheet);

}  // namespace kaldoventri
