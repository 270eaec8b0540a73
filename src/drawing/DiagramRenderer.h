// The one drawing procedure of the spread diagram: axes, trays, the measured
// pattern in blue, both neighbour patterns in green and the sum curve in red,
// read from a sheet as its last evaluation left it. `TDiagram`, `TCopyDiagram`
// and `TPrintDiagram` are this procedure with their own `DiagramStyle`.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "drawing/DiagramStyle.h"
#include "drawing/DrawingSurface.h"
#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

class DiagramRenderer {
public:
    // Draws the whole diagram of the sheet; with no sheet, clears the surface.
    // A sheet never evaluated (`YAxisMax` 0 or less) is drawn with an axis to 100.
    void DrawDiagram(const TNewTabSheet* sheet, DrawingSurface& surface);

    // 0 = trays not marked, 1 = tray squares, 2 = squares and tray numbers.
    void SetTrayMarking(int mode) { TrayMarking = mode; }
    void SetShowMetres(bool on) { ShowMetres = on; }

    // The geometry of the last drawing.
    std::int32_t GetMarginX() const { return MarginX; }
    std::int32_t GetMarginY() const { return MarginY; }
    // The margin above and below the plot on a surface of this height with a
    // font of this height. A short surface (a small window, the curve beside
    // the diagram) gives up margin before the plot drops below the height that
    // keeps it readable; the labels under the axis keep their room.
    static constexpr std::int32_t ReadablePlotHeight = 150;
    static std::int32_t FontMarginY(std::int32_t surfaceHeight, std::int32_t textHeight) {
        const std::int32_t full = 3 * textHeight + 30;
        if (surfaceHeight - 2 * full >= ReadablePlotHeight) return full;
        return std::max(2 * textHeight + 22, (surfaceHeight - ReadablePlotHeight) / 2);
    }
    // The axis top of the last drawing: the sheet's `YAxisMax`, 100 for a
    // sheet never evaluated, at least 10.
    std::int32_t GetYMax() const { return YMax; }
    std::int32_t GetHalfSpan() const { return HalfSpan; }
    double GetCentreX() const { return CentreX; }
    double GetLeftPassX() const { return LeftPassX; }
    double GetRightPassX() const { return RightPassX; }
    double GetWidthMetres() const { return WidthMetres; }
    double GetYScale() const { return YScale; }
    int GetTrayMarking() const { return TrayMarking; }
    bool GetShowMetres() const { return ShowMetres; }

    // Widest X axis drawn, in metres each side of the centre line. Tray
    // positions lie within about 25 m; beyond this the axis would only
    // multiply ticks that merge into one another.
    static constexpr std::int32_t MaxHalfSpan = 1000;
    // Most Y labels drawn; a taller axis labels every 2nd, 5th, 10th ... value.
    static constexpr std::int64_t MaxYLabels = 500;
    // Y labels stand at least this share of a text line apart: a line's height
    // holds its leading and descent besides the digits, so labels this close
    // still stand clear of each other, and closer ones run into a black bar.
    static constexpr double LabelSpacingShare = 0.75;
    // Minor Y ticks closer than this merge into a bar and are left out.
    static constexpr double NarrowestMinorTickSpacing = 2.0;
    // Pixel coordinates are kept within this many pixels of the origin, far
    // outside any surface yet safe from overflow in every sum the drawing makes.
    static constexpr int PixelLimit = 1 << 28;

protected:
    explicit DiagramRenderer(const DiagramStyle& style) : Style(style) {}

    // The Y-axis value at row y of a surface of the given height, by the last drawing's scale.
    double ValueAtRow(int surfaceHeight, int y) const;

private:
    void PrepareScale(const TNewTabSheet& sheet);
    void ChooseYAxis(const TNewTabSheet& sheet);
    void ComputeScale();
    void ClearPlotSurface();
    void DrawAxes(const TNewTabSheet& sheet);
    void DrawYTicks();
    // Labels every 2nd, 5th, 10th ... value until they stand apart on the plot's height.
    void ThinYLabels(int labelHeight);
    void DrawCentreAndWidthLines(const TNewTabSheet& sheet);
    void DrawNeighbourMarker(double passX, bool reversed);
    void DrawXTicks();
    void DrawPassArrow(int x, int y, bool reversed);
    void DrawVerticalLine(int x);
    void DrawTrays(const TNewTabSheet& sheet);
    void DrawHeader(const TNewTabSheet& sheet);
    void DrawMeasuredPattern(const TNewTabSheet& sheet);
    void DrawNeighbourPattern(const TNewTabSheet& sheet, bool rightPass);
    void DrawSumCurve(const TNewTabSheet& sheet);

    // A curve point joined to the one before it when `joined`, else the start of a new stroke.
    void StrokePoint(int x, int y, bool& joined);
    void DrawPoint(int x, int y);
    void Text(int x, int y, const std::string& text);

    // x of a position p metres across the track: rnd(p * pxPerMetre + offset).
    double TrayX(double metres, double offset) const;
    // y of an amount in the current Y scale: BaseY - rnd(amount * pxPerUnit * YScale).
    double AmountY(double amount) const;

    DiagramStyle Style;

    // Fields of the renderer, recomputed by each drawing.
    std::int32_t MarginX = 0;
    std::int32_t MarginY = 0;
    std::int32_t YMax = 0;
    double CentreX = 0.0;
    double LeftPassX = 0.0;
    double RightPassX = 0.0;
    double WidthMetres = 0.0;
    std::int32_t HalfSpan = 0;
    DrawingSurface* Target = nullptr;
    double YScale = 0.0;
    bool ShowMetres = false;
    std::int32_t TrayMarking = 0;

    // Derived per drawing.
    int W = 0;
    int H = 0;
    double PxPerMetre = 0.0;
    double PxPerUnit = 0.0;
    int BaseY = 0;
    int TopY = 0;
    std::int64_t YLabelStep = 10;
    bool MinorYTicks = true;
};

// Rounds a pixel coordinate half to even and keeps it within
// +-DiagramRenderer::PixelLimit; NaN gives -PixelLimit.
int ToPixel(double v);

}  // namespace kaldoventri
