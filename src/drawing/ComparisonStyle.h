// What tells the comparison in a window from the comparison on a printed or
// PDF page: font, pens and gaps in the surface's pixels, and the colour of
// each compared test, the reference first. The drawing is the same for both.
#pragma once

#include "drawing/DrawingSurface.h"
#include "drawing/VKCurveStyle.h"

namespace kaldoventri {

struct ComparisonStyle {
    VKCurveStyle plot;  // axes, ticks, labels and pens of both plots
    int linePen = 2;    // a test's pattern and VK curve
    int markPen = 1;    // a test's working width
    int pointRadius = 2;
    int swatch = 12;    // the side of a legend's colour square
    int cellPadding = 6;
    int gap = 12;       // between the legend, the plots and the table
};

inline constexpr ComparisonStyle ComparisonScreenStyle{};
// About 600 dots per inch, as the report's pages and the printer.
inline constexpr ComparisonStyle ComparisonPageStyle{VKCurvePageStyle, 12, 5, 14, 80, 40, 100};

// The reference in the VK curve's own blue, then colours that stay apart on
// paper and for most colour-blind readers.
inline constexpr Colour ComparisonColours[4] = {{0, 70, 160}, {220, 90, 0}, {0, 150, 110}, {170, 50, 150}};
inline constexpr Colour ComparisonGridColour{170, 170, 170};
inline constexpr Colour ComparisonRuleColour{120, 120, 120};

}  // namespace kaldoventri
