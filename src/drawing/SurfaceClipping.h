// Clipping of lines and polygons to a box before they reach a raster engine,
// whose fixed-point coordinates overflow far outside the picture. The box is
// chosen larger than the picture by more than the pen width, so the clipped
// figure looks exactly like the whole one.
#pragma once

#include <vector>

namespace kaldoventri {

struct ClipPoint {
    double x = 0.0;
    double y = 0.0;
};

struct ClipBox {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// Cuts the segment a-b down to its part inside the box; false when none of it is.
bool ClipSegment(ClipPoint& a, ClipPoint& b, const ClipBox& box);

// The part of a closed polygon inside the box (empty when none is).
std::vector<ClipPoint> ClipPolygon(const std::vector<ClipPoint>& polygon, const ClipBox& box);

}  // namespace kaldoventri
