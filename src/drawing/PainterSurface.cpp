// Painting on QPainter with the pixel conventions of the drawing surface.
// Every figure goes through a clip against a box a little larger than the
// surface first: the renderer's coordinates may lie hundreds of millions of
// pixels away for absurd sheets, and the raster engine's fixed-point numbers
// would overflow on them.
#include "drawing/PainterSurface.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "drawing/SurfaceClipping.h"

namespace kaldoventri {

namespace {

QColor ToQColor(Colour c) { return QColor(c.red, c.green, c.blue); }

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Lines and outlines run through pixel centres.
constexpr double Centre = 0.5;

// No figure of a diagram comes near this size; a larger box is not drawn.
constexpr std::int64_t LargestFigure = std::int64_t{1} << 24;

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, int width, int height)
    : Painter(painter),
      SurfaceWidth(width),
      SurfaceHeight(height),
      Pen(QColor(0, 0, 0), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin),
      BrushColour(255, 255, 255),
      FontColour(qGuiApp ? QGuiApplication::palette().color(QPalette::WindowText) : QColor(0, 0, 0)),
      Font(painter.font()),
      Metrics(Font, painter.device()) {
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing, false);
    StampsUsable = EllipseStamps::Usable(Painter);
}

PainterSurface::~PainterSurface() { Painter.restore(); }

void PainterSurface::SetPenColour(Colour colour) { Pen.setColor(ToQColor(colour)); }

void PainterSurface::SetPenWidth(int pixels) { Pen.setWidth(std::max(1, pixels)); }

void PainterSurface::SetBrushColour(Colour colour) { BrushColour = ToQColor(colour); }

void PainterSurface::UsePenAndBrush() {
    Painter.setPen(Pen);
    Painter.setBrush(BrushColour);
}

bool PainterSurface::BoxVisible(double left, double top, double right, double bottom) const {
    const double reach = Pen.width() + 2.0;
    return right >= -reach && left <= SurfaceWidth + reach && bottom >= -reach && top <= SurfaceHeight + reach;
}

void PainterSurface::FillRect(int left, int top, int right, int bottom) {
    const int l = std::max(left, 0);
    const int t = std::max(top, 0);
    const int r = std::min(right, SurfaceWidth);
    const int b = std::min(bottom, SurfaceHeight);
    if (l >= r || t >= b) return;
    Painter.fillRect(QRect(l, t, r - l, b - t), BrushColour);
}

void PainterSurface::MoveTo(int x, int y) {
    CurrentX = x;
    CurrentY = y;
}

void PainterSurface::LineTo(int x, int y) {
    ClipPoint a{CurrentX + Centre, CurrentY + Centre};
    ClipPoint b{x + Centre, y + Centre};
    CurrentX = x;
    CurrentY = y;
    const double reach = Pen.width() + 2.0;
    const ClipBox box{-reach, -reach, SurfaceWidth + reach, SurfaceHeight + reach};
    if (!ClipSegment(a, b, box)) return;
    // Most lines of a diagram are ticks and axes. Drawn with a thin pen they
    // cover exactly a rectangle of pixels, round ends included, which a fill
    // paints many times faster than the stroker does.
    const int width = Pen.width();
    if ((width == 1 || width == 3) && (a.x == b.x || a.y == b.y)) {
        const int r = width / 2;
        const int left = static_cast<int>(std::floor(std::min(a.x, b.x) - Centre)) - r;
        const int top = static_cast<int>(std::floor(std::min(a.y, b.y) - Centre)) - r;
        const int right = static_cast<int>(std::floor(std::max(a.x, b.x) - Centre)) + r + 1;
        const int bottom = static_cast<int>(std::floor(std::max(a.y, b.y) - Centre)) + r + 1;
        Painter.fillRect(QRect(left, top, right - left, bottom - top), Pen.color());
        return;
    }
    Painter.setPen(Pen);
    Painter.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
}

void PainterSurface::Ellipse(int left, int top, int right, int bottom) {
    const std::int64_t w = std::int64_t{right} - left;
    const std::int64_t h = std::int64_t{bottom} - top;
    if (w <= 0 || h <= 0 || w > LargestFigure || h > LargestFigure) return;
    if (!BoxVisible(left, top, right, bottom)) return;
    if (StampsUsable) {
        Stamps.Draw(Painter, left, top, static_cast<int>(w), static_cast<int>(h), Pen, BrushColour);
        return;
    }
    UsePenAndBrush();
    Painter.drawEllipse(QRectF(left + Centre, top + Centre, static_cast<double>(w - 1), static_cast<double>(h - 1)));
}

void PainterSurface::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top || !BoxVisible(left, top, right, bottom)) return;
    // Edges beyond the pen's reach outside the surface stay invisible when
    // they are pulled in to that reach.
    const int reach = Pen.width() + 2;
    const int l = std::max(left, -reach);
    const int t = std::max(top, -reach);
    const int r = std::min(right, SurfaceWidth + reach);
    const int b = std::min(bottom, SurfaceHeight + reach);
    UsePenAndBrush();
    Painter.drawRect(QRectF(l + Centre, t + Centre, r - l - 1.0, b - t - 1.0));
}

// One stroke for the whole line: a thick pen's round ends, drawn for every
// segment of its own, cost far more than the joins of one stroke. A line
// reaching off the surface goes segment by segment through the clip.
void PainterSurface::Polyline(const SurfacePoint* points, int count) {
    if (points == nullptr || count < 1) return;
    const int reach = Pen.width() + 2;
    const auto inside = [&](SurfacePoint p) {
        return p.x >= -reach && p.y >= -reach && p.x <= SurfaceWidth + reach && p.y <= SurfaceHeight + reach;
    };
    if (count < 3 || !std::all_of(points, points + count, inside)) {
        DrawingSurface::Polyline(points, count);
        return;
    }
    QPolygonF line;
    line.reserve(count);
    for (int i = 0; i < count; ++i) line << QPointF(points[i].x + Centre, points[i].y + Centre);
    Painter.setPen(Pen);
    Painter.drawPolyline(line);
    CurrentX = points[count - 1].x;
    CurrentY = points[count - 1].y;
}

void PainterSurface::Polygon(const SurfacePoint* points, int count) {
    if (points == nullptr || count < 2) return;
    std::vector<ClipPoint> polygon;
    polygon.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) polygon.push_back({points[i].x + Centre, points[i].y + Centre});
    const double reach = Pen.width() + 2.0;
    const std::vector<ClipPoint> clipped =
        ClipPolygon(polygon, ClipBox{-reach, -reach, SurfaceWidth + reach, SurfaceHeight + reach});
    if (clipped.empty()) return;
    QPolygonF shape;
    shape.reserve(static_cast<qsizetype>(clipped.size()));
    for (const ClipPoint& p : clipped) shape << QPointF(p.x, p.y);
    UsePenAndBrush();
    Painter.drawPolygon(shape);
}

void PainterSurface::TextOut(int x, int y, std::string_view text) {
    if (text.empty()) return;
    const QString s = ToQString(text);
    const int w = Metrics.horizontalAdvance(s);
    const int h = Metrics.height();
    if (std::int64_t{x} + w <= 0 || x >= SurfaceWidth || std::int64_t{y} + h <= 0 || y >= SurfaceHeight) return;
    Painter.fillRect(QRect(x, y, w, h), BrushColour);
    Painter.setFont(Font);
    Painter.setPen(FontColour);
    Painter.drawText(QPointF(x, y + Metrics.ascent()), s);
}

int PainterSurface::TextWidth(std::string_view text) { return Metrics.horizontalAdvance(ToQString(text)); }

int PainterSurface::TextHeight(std::string_view) { return Metrics.height(); }

void PainterSurface::SetFontSize(int points) {
    if (points <= 0) return;
    Font.setPointSize(points);
    Metrics = QFontMetrics(Font, Painter.device());
}

void PainterSurface::SetFontColour(Colour colour) { FontColour = ToQColor(colour); }

std::string PainterSurface::DecimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

}  // namespace kaldoventri
