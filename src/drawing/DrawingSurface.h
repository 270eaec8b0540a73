// The drawing surface the spread diagram is drawn on: the window's diagram
// area, the clipboard bitmap or a printer page. The renderers talk to nothing
// else, so a test can record every primitive they draw.
//
// Coordinates are pixels from the top left corner, y growing downwards. Boxes
// (fill rectangle, ellipse, rectangle) run from (left, top) up to but not
// including (right, bottom): a box from (x - 2, y - 2) to (x + 3, y + 3) is
// 5 x 5 pixels centred on pixel (x, y). Outlines and lines are drawn with the
// pen centred on those pixel centres.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kaldoventri {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Colour, Colour) = default;
};

inline constexpr Colour Black{0, 0, 0};
inline constexpr Colour White{255, 255, 255};
inline constexpr Colour Blue{0, 0, 255};
inline constexpr Colour Green{0, 128, 0};
inline constexpr Colour Red{255, 0, 0};

struct SurfacePoint {
    int x = 0;
    int y = 0;

    friend constexpr bool operator==(SurfacePoint, SurfacePoint) = default;
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual void SetPenColour(Colour colour) = 0;
    virtual void SetPenWidth(int pixels) = 0;
    virtual void SetBrushColour(Colour colour) = 0;

    // Fills the box with the brush colour; no outline.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line with the pen from the current position; the end becomes the current position.
    virtual void LineTo(int x, int y) = 0;
    // An ellipse filling the box with the brush, outlined with the pen.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // A rectangle filled with the brush, outlined with the pen.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // A closed polygon filled with the brush, outlined with the pen.
    virtual void Polygon(const SurfacePoint* points, int count) = 0;
    // Lines with the pen through the points in turn, joined where they meet;
    // the last point becomes the current position. It looks as MoveTo and
    // LineTo along the points, which is what it does unless a surface knows a
    // faster way.
    virtual void Polyline(const SurfacePoint* points, int count) {
        if (points == nullptr || count < 1) return;
        MoveTo(points[0].x, points[0].y);
        for (int i = 1; i < count; ++i) LineTo(points[i].x, points[i].y);
    }

    // UTF-8 text with its top left corner at (x, y), on a background of the brush colour.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontColour(Colour colour) = 0;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // The decimal separator of the system's number format, for numbers in texts.
    virtual std::string DecimalSeparator() const = 0;
};

}  // namespace kaldoventri
