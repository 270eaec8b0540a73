// The field map ("Fältbild") of an evaluated sheet: the title with the width
// and its VK, a legend of the colour steps, the field as driven and, under
// it, the same field with the pass at +W driven a metre too far out, each
// column coloured by its share of the mean over −W..W, with the tramlines and
// a metre scale under the bands. One procedure for the window, the clipboard,
// printed pages, the report and the command line; the differences are the style.
#pragma once

#include "drawing/DrawingSurface.h"
#include "evaluation/FieldMap.h"
#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

struct FieldMapStyle {
    int fontPoints = 0;  // 0 keeps the surface's own font
    int padding = 6;
    int gap = 4;
    int tickLength = 5;
    int tramlinePen = 2;
};

inline constexpr FieldMapStyle FieldMapScreenStyle{};
// About 600 dots per inch, as the VK curve on a page.
inline constexpr FieldMapStyle FieldMapPageStyle{10, 40, 24, 30, 8};

// Deep blue under 80 % through white at 95–105 % to deep red over 120 %.
inline constexpr Colour FieldMapColours[FieldMapSteps] = {{33, 102, 172},  {67, 147, 195},  {146, 197, 222},
                                                          {209, 229, 240}, {250, 250, 250}, {253, 219, 199},
                                                          {244, 165, 130}, {214, 96, 77},   {178, 24, 43}};
inline constexpr Colour FieldMapNoFigureColour{200, 200, 200};

class FieldMapRenderer {
public:
    explicit FieldMapRenderer(const FieldMapStyle& style = FieldMapScreenStyle) : Style(style) {}

    // Draws over the whole surface; with no sheet, or on a surface too small
    // for the bands, leaves it white (with the title where it fits).
    void Draw(const TNewTabSheet* sheet, DrawingSurface& surface);

    // The bands' place in the last drawing: left and right edge, and the top
    // and bottom of each band (asDriven first). Empty when nothing was drawn.
    struct Bands {
        int left = 0, right = 0;
        int top[2] = {0, 0}, bottom[2] = {0, 0};
        bool drawn = false;
    };
    const Bands& LastBands() const { return Placed; }

private:
    void DrawLegend(int top);
    void DrawBand(const FieldMapBand& band, int top, int bottom);
    void DrawTramlines(const FieldMap& map, int band, double shiftedCentre);
    void DrawScale(const FieldMap& map, int top);
    int XOf(const FieldMap& map, double metres) const;

    FieldMapStyle Style;
    Bands Placed;
    DrawingSurface* Target = nullptr;
    int TextHeight = 0;
};

}  // namespace kaldoventri
