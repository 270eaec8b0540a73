// The drawing surface on a QPainter: the window's diagram area, an off-screen
// QImage and a QPrinter page alike. Boxes keep their right and bottom edges
// outside, and lines and outlines run through pixel centres, so a figure
// covers the same pixels on every device.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "drawing/DrawingSurface.h"
#include "drawing/EllipseStamps.h"

namespace kaldoventri {

class PainterSurface : public DrawingSurface {
public:
    // Starts with the painter's current font, a black pen one pixel wide, a
    // white brush and the system's window-text colour for text. The painter's
    // own state is restored when the surface goes.
    PainterSurface(QPainter& painter, int width, int height);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    void SetPenColour(Colour colour) override;
    void SetPenWidth(int pixels) override;
    void SetBrushColour(Colour colour) override;

    void FillRect(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Polygon(const SurfacePoint* points, int count) override;
    void Polyline(const SurfacePoint* points, int count) override;

    void TextOut(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void SetFontSize(int points) override;
    void SetFontColour(Colour colour) override;

    int Width() const override { return SurfaceWidth; }
    int Height() const override { return SurfaceHeight; }
    std::string DecimalSeparator() const override;

private:
    void UsePenAndBrush();
    // True when a box (with the pen's reach around it) touches the surface.
    bool BoxVisible(double left, double top, double right, double bottom) const;

    QPainter& Painter;
    int SurfaceWidth;
    int SurfaceHeight;
    QPen Pen;
    QColor BrushColour;
    QColor FontColour;
    QFont Font;
    QFontMetrics Metrics;
    bool StampsUsable;
    EllipseStamps Stamps;
    int CurrentX = 0;
    int CurrentY = 0;
};

}  // namespace kaldoventri
