// What tells the VK curve in a window from the VK curve on a printed page:
// font, pen widths and mark sizes in the surface's pixels. The drawing
// procedure is the same for both.
#pragma once

#include "drawing/DrawingSurface.h"

namespace kaldoventri {

struct VKCurveStyle {
    int fontPoints = 0;  // 0 keeps the surface's own font
    int axisPen = 1;
    int curvePen = 2;
    int widthLinePen = 1;  // the sheet's own working width
    int pointRadius = 2;
    int optimumRadius = 5;
    int tickLength = 5;
    int minorTickLength = 3;
    int labelGap = 4;   // between a tick and its label, and the least room between two labels
    int padding = 6;    // around the whole drawing
    int searchBar = 4;  // thickness of the optimum search range's bar under the X axis
    int clipMark = 6;   // half-width and height of the mark where the curve runs off the top
};

inline constexpr VKCurveStyle VKCurveScreenStyle{};

// About 600 dots per inch: a 10-point font, half-millimetre curve.
inline constexpr VKCurveStyle VKCurvePageStyle{10, 5, 12, 5, 14, 34, 40, 24, 30, 40, 30, 30};

// Tolerance classes as light bands behind the curve, best first.
inline constexpr Colour VKBandColours[4] = {{214, 240, 214}, {236, 244, 200}, {253, 230, 199}, {250, 213, 213}};
inline constexpr Colour VKCurveColour{0, 70, 160};
// The VK ± its standard uncertainty, a light band under the curve.
inline constexpr Colour VKUncertaintyColour{185, 200, 228};
inline constexpr Colour VKSearchRangeColour{110, 130, 160};
// Along the X axis where the passes beyond the neighbours count.
inline constexpr Colour VKFurtherPassesColour{160, 90, 170};
inline constexpr Colour VKWidthLineColour{90, 90, 90};
inline constexpr Colour VKOptimumColour{0, 128, 0};
inline constexpr Colour VKSwatchOutlineColour{150, 150, 150};

}  // namespace kaldoventri
