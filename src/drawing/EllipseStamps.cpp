#include "drawing/EllipseStamps.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QTransform>
#include <cmath>

namespace kaldoventri {

namespace {

constexpr double Centre = 0.5;
constexpr int LargestStamp = 64;
constexpr int StampedPenWidth = 3;

// The pen's reach beyond the figure's box, with a pixel to spare.
int Margin(const QPen& pen) { return pen.width() + 2; }

bool IsWhole(qreal value) { return value == std::floor(value); }

}  // namespace

bool EllipseStamps::Usable(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) return false;
    if (painter.device() == nullptr || painter.device()->devicePixelRatio() != 1.0) return false;
    if (painter.testRenderHint(QPainter::Antialiasing)) return false;
    if (painter.compositionMode() != QPainter::CompositionMode_SourceOver || painter.opacity() != 1.0) return false;
    const QTransform shift = painter.deviceTransform();
    return shift.type() <= QTransform::TxTranslate && IsWhole(shift.dx()) && IsWhole(shift.dy());
}

void EllipseStamps::Draw(QPainter& painter, int left, int top, int w, int h, const QPen& pen, const QColor& brush) {
    // Only with the three-pixel pen of the screen and the clipboard picture is the raster
    // engine's ellipse the same wherever it lies (checked over thousands of positions along
    // both axes); with thinner and wider pens some edge pixels round differently by position.
    if (pen.width() != StampedPenWidth || w > LargestStamp || h > LargestStamp || pen.color().alpha() != 255 ||
        brush.alpha() != 255) {
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.drawEllipse(QRectF(left + Centre, top + Centre, w - 1.0, h - 1.0));
        return;
    }
    const int margin = Margin(pen);
    painter.drawImage(QPoint(left - margin, top - margin), StampFor(w, h, pen, brush));
}

const QImage& EllipseStamps::StampFor(int w, int h, const QPen& pen, const QColor& brush) {
    for (const Stamp& stamp : stamps_)
        if (stamp.w == w && stamp.h == h && stamp.pen == pen.color().rgb() && stamp.penWidth == pen.width() &&
            stamp.brush == brush.rgb())
            return stamp.image;
    const int margin = Margin(pen);
    QImage image(w + 2 * margin, h + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter stampPainter(&image);
        stampPainter.setRenderHint(QPainter::Antialiasing, false);
        stampPainter.setPen(pen);
        stampPainter.setBrush(brush);
        stampPainter.drawEllipse(QRectF(margin + Centre, margin + Centre, w - 1.0, h - 1.0));
    }
    stamps_.push_back({w, h, pen.color().rgb(), pen.width(), brush.rgb(), std::move(image)});
    return stamps_.back().image;
}

}  // namespace kaldoventri
