// Small ellipses drawn once into an image and then copied. A diagram of a
// 100-tray kit draws several hundred equal curve points, and the stroker's
// work on each small circle was most of a repaint; on a raster device without
// scaling or antialiasing a copy covers exactly the pixels the figure would.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <vector>

namespace kaldoventri {

class EllipseStamps {
public:
    // True when copies on this painter give the same pixels as drawn figures.
    static bool Usable(const QPainter& painter);

    // The ellipse QPainter::drawEllipse(QRectF(left + 0.5, top + 0.5, w - 1, h - 1))
    // would draw with this pen and brush. Figures a copy would not match, or
    // too large to be worth an image, are drawn directly.
    void Draw(QPainter& painter, int left, int top, int w, int h, const QPen& pen, const QColor& brush);

private:
    struct Stamp {
        int w;
        int h;
        QRgb pen;
        int penWidth;
        QRgb brush;
        QImage image;
    };
    const QImage& StampFor(int w, int h, const QPen& pen, const QColor& brush);

    std::vector<Stamp> stamps_;
};

}  // namespace kaldoventri
