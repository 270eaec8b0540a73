// Mapping between widths, VKs and pixels of the VK curve.
#include "drawing/VKCurveGeometry.h"

#include <algorithm>
#include <cmath>

#include "evaluation/Rounding.h"

namespace kaldoventri {

namespace {

// Far outside any surface, yet safe in every sum the drawing makes.
constexpr int PixelLimit = 1 << 28;

int Pixel(double v) { return RoundToInt<int>(v, -PixelLimit, -PixelLimit, PixelLimit); }

}  // namespace

VKCurveGeometry::VKCurveGeometry(PlotRect plot, int firstWidth, int lastWidth, double topVK)
    : plot_(plot), first_(firstWidth), last_(lastWidth), top_(topVK) {
    valid_ = plot.right > plot.left && plot.bottom > plot.top && lastWidth > firstWidth && topVK > 0.0;
}

int VKCurveGeometry::XOfWidth(int halfMetres) const {
    if (!valid_) return 0;
    const double perWidth = static_cast<double>(plot_.right - plot_.left) / (last_ - first_);
    return Pixel(plot_.left + (static_cast<double>(halfMetres) - first_) * perWidth);
}

int VKCurveGeometry::WidthAtX(int x) const {
    if (!valid_) return first_;
    const double perWidth = static_cast<double>(plot_.right - plot_.left) / (last_ - first_);
    const double width = first_ + (static_cast<double>(x) - plot_.left) / perWidth;
    return std::clamp(RoundToInt<int>(width), first_, last_);
}

int VKCurveGeometry::YOfVK(double vk) const {
    if (!valid_) return 0;
    return Pixel(plot_.bottom - vk * (plot_.bottom - plot_.top) / top_);
}

bool VKCurveGeometry::Contains(int x, int y) const {
    return valid_ && x >= plot_.left && x <= plot_.right && y >= plot_.top && y <= plot_.bottom;
}

}  // namespace kaldoventri
