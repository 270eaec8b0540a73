// The comparison's two plots, each drawn into a box of the surface: the
// measured patterns laid over each other against position across the
// spreader, and the VK curves on the tolerance classes' bands with each
// test's working width marked and its optimum as a point.
#pragma once

#include <vector>

#include "drawing/ComparisonStyle.h"
#include "drawing/DrawingSurface.h"
#include "drawing/VKCurveGeometry.h"
#include "evaluation/Comparison.h"
#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

// `box` is the room the plot, its labels and axes take; the surface's font is
// set. Nothing is drawn in a box too small for a plot.
void DrawPatternPlot(DrawingSurface& surface, PlotRect box, const ScaledPatterns& patterns,
                     const ComparisonStyle& style);
// Gives the plot's mapping (invalid when there was no room).
VKCurveGeometry DrawComparedVKPlot(DrawingSurface& surface, PlotRect box, const std::vector<const TNewTabSheet*>& sheets,
                                   const ComparisonStyle& style);

// The step between labelled values of an axis: 1, 2 or 5 times a power of
// ten, the smallest that keeps labels `needed` pixels apart.
double AxisStepFor(double pixelsPerUnit, double needed);

}  // namespace kaldoventri
