// The frame every VK plot stands in: the light bands of the tolerance
// classes and the two axes (VK in percent upwards, working width in metres
// across). The VK curve of one sheet and the comparison's overlaid curves
// draw the same frame, so a class reads the same in both.
#pragma once

#include "drawing/DrawingSurface.h"
#include "drawing/VKCurveGeometry.h"
#include "drawing/VKCurveStyle.h"

namespace kaldoventri {

// A top below a class limit cuts the upper bands off rather than squeezing
// them in: the bands below it keep their true scale.
void DrawToleranceBands(DrawingSurface& surface, const VKCurveGeometry& layout);

// `textHeight` is the height of a label in the surface's current font.
void DrawVKAxis(DrawingSurface& surface, const VKCurveGeometry& layout, const VKCurveStyle& style, int textHeight);
void DrawWidthAxis(DrawingSurface& surface, const VKCurveGeometry& layout, const VKCurveStyle& style);

}  // namespace kaldoventri
