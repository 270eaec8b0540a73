// The VK curve of an evaluated sheet: the VK at every half-metre of working
// width over its layout's span, on the light bands of the four tolerance
// classes, with the optimum search range on the X axis, the sheet's own width
// and the optimum marked, a bar along the axis where passes beyond the
// neighbours count, a legend of the bands and the bars, and optionally
// the figures line above the plot. A test with units, or a mean of
// replicates, has the VK's standard uncertainty drawn as a band along the
// curve, and a width whose band reaches across a class limit has a hollow
// point: its class is uncertain. One procedure for the window, images and
// printed pages; the differences are the style.
#pragma once

#include <string>
#include <vector>

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

    // The Y axis reaches at least 5 %, at most 60 %, in steps of 5.
    static constexpr double LowestAxisTop = 5.0;
    static constexpr double HighestAxisTop = 60.0;
    static constexpr double AxisStep = 5.0;

private:
    void PlaceThePlot(const TNewTabSheet& sheet, const std::string& figures);
    // Sets FigureLines: the figures in lines no wider than `room`, broken
    // between figures only; a figure wider than the room keeps a line of its own.
    void WrapFigures(const std::string& figures, int room);
    // The legend's rows within `room` (as many entries to a row as fit) and
    // their place: beside the figures where one row holds it all and fits
    // there, else on rows of their own, else nowhere.
    void BreakTheLegend(int room);
    int PlaceTheLegend(int figuresEnd);
    void DrawLegend();
    void DrawSearchRange(const TNewTabSheet& sheet);
    void DrawFurtherPasses();
    void DrawUncertaintyBand(const TNewTabSheet& sheet);
    void DrawBandStretch(const TNewTabSheet& sheet, int first, int last);
    void DrawWidthLine(const TNewTabSheet& sheet);
    void DrawCurve(const TNewTabSheet& sheet);
    void DrawJoin(double x1, double y1, double x2, double y2);
    void DrawClipMarks(const TNewTabSheet& sheet);
    void DrawClipMark(int x);
    void DrawOptimum(const TNewTabSheet& sheet);
    void DrawPoint(int x, int y, int radius);
    void Label(int x, int y, const std::string& text);

    VKCurveStyle Style;
    bool ShowFigures = false;
    VKCurveGeometry Layout;

    // Per drawing.
    DrawingSurface* Target = nullptr;
    int TextHeight = 0;
    int LegendLeft = -1;  // -1 when the legend has no room
    int LegendTop = 0;
    std::vector<int> LegendRows;  // the number of entries in each row of the legend
    int LegendWidth = 0;          // of its widest row
    std::vector<std::string> FigureLines;  // the figures, wrapped to the surface's width
    bool BandShown = false;
    std::vector<int> FurtherPassWidths;  // where more passes than the neighbours count
};

// True for a sheet whose VK uncertainty the curve shows: one with units or a
// mean of replicates. An older test looks as it always did.
bool ShowsVKUncertainty(const TNewTabSheet& sheet);

// The top of the Y axis for the sheet: the highest VK over the optimum search
// range rounded up to a step of the axis, within 5..60 %. VKs beyond it, at
// widths outside the range or above 60 %, are drawn clipped on the top edge.
double VKAxisTop(const TNewTabSheet& sheet);

}  // namespace kaldoventri
