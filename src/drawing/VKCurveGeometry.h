// Where the VK curve's plot lies on its surface and how widths and VKs map to
// pixels, kept after drawing so the window can tell which working width lies
// under the pointer and where a click puts the sheet's width.
#pragma once

namespace kaldoventri {

// Pixels of the plot area: the X axis runs along `bottom`, the top of the Y
// axis along `top`; both ends are on the plot.
struct PlotRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class VKCurveGeometry {
public:
    VKCurveGeometry() = default;
    // Widths in half-metres, first < last; topVK > 0.
    VKCurveGeometry(PlotRect plot, int firstWidth, int lastWidth, double topVK);

    // False before a drawing and on a surface too small to hold a plot.
    bool Valid() const { return valid_; }
    PlotRect Plot() const { return plot_; }
    int FirstWidth() const { return first_; }
    int LastWidth() const { return last_; }
    double TopVK() const { return top_; }

    int XOfWidth(int halfMetres) const;
    // The nearest width of the span (half-metres), also for an x outside the plot.
    int WidthAtX(int x) const;
    int YOfVK(double vk) const;
    bool Contains(int x, int y) const;

private:
    PlotRect plot_;
    int first_ = 0;
    int last_ = 0;
    double top_ = 0.0;
    bool valid_ = false;
};

}  // namespace kaldoventri
