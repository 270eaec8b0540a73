// Liang-Barsky for segments, Sutherland-Hodgman for polygons.
#include "drawing/SurfaceClipping.h"

#include <cmath>

namespace kaldoventri {

namespace {

// Narrows [t0, t1] by the constraint p * t <= q; false when nothing is left.
bool Narrow(double p, double q, double& t0, double& t1) {
    if (p == 0.0) return q >= 0.0;
    const double r = q / p;
    if (p < 0.0) {
        if (r > t1) return false;
        if (r > t0) t0 = r;
    } else {
        if (r < t0) return false;
        if (r < t1) t1 = r;
    }
    return true;
}

bool Finite(const ClipPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

bool ClipSegment(ClipPoint& a, ClipPoint& b, const ClipBox& box) {
    if (!Finite(a) || !Finite(b)) return false;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0.0;
    double t1 = 1.0;
    if (!Narrow(-dx, a.x - box.left, t0, t1) || !Narrow(dx, box.right - a.x, t0, t1) ||
        !Narrow(-dy, a.y - box.top, t0, t1) || !Narrow(dy, box.bottom - a.y, t0, t1))
        return false;
    const ClipPoint start = a;
    if (t1 < 1.0) b = {start.x + t1 * dx, start.y + t1 * dy};
    if (t0 > 0.0) a = {start.x + t0 * dx, start.y + t0 * dy};
    return true;
}

std::vector<ClipPoint> ClipPolygon(const std::vector<ClipPoint>& polygon, const ClipBox& box) {
    for (const ClipPoint& p : polygon)
        if (!Finite(p)) return {};

    // One edge of the box at a time: inside(p) and the crossing of a-b with that edge.
    enum Edge { Left, Right, Top, Bottom };
    const auto inside = [&box](const ClipPoint& p, Edge e) {
        switch (e) {
            case Left: return p.x >= box.left;
            case Right: return p.x <= box.right;
            case Top: return p.y >= box.top;
            case Bottom: return p.y <= box.bottom;
        }
        return false;
    };
    const auto crossing = [&box](const ClipPoint& a, const ClipPoint& b, Edge e) {
        const bool vertical = e == Left || e == Right;
        const double edge = e == Left ? box.left : e == Right ? box.right : e == Top ? box.top : box.bottom;
        const double t = vertical ? (edge - a.x) / (b.x - a.x) : (edge - a.y) / (b.y - a.y);
        return vertical ? ClipPoint{edge, a.y + t * (b.y - a.y)} : ClipPoint{a.x + t * (b.x - a.x), edge};
    };

    std::vector<ClipPoint> result = polygon;
    for (const Edge e : {Left, Right, Top, Bottom}) {
        if (result.empty()) break;
        std::vector<ClipPoint> input;
        input.swap(result);
        ClipPoint previous = input.back();
        for (const ClipPoint& current : input) {
            const bool currentIn = inside(current, e);
            const bool previousIn = inside(previous, e);
            if (currentIn != previousIn) result.push_back(crossing(previous, current, e));
            if (currentIn) result.push_back(current);
            previous = current;
        }
    }
    return result;
}

}  // namespace kaldoventri
