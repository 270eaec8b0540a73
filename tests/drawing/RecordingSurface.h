// A drawing surface that records every primitive with the state it was drawn
// in, and has fixed text metrics: each character is as wide as the font size
// says (11 pixels before any size is set, so "999" is 33 wide like the
// window's font) and a line is that plus 8 high (19 at first).
#pragma once

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "drawing/DrawingSurface.h"
#include "evaluation/TNewTabSheet.h"

namespace kaldoventri::drawingtest {

enum class Op { PenColour, PenWidth, BrushColour, FillRect, MoveTo, LineTo, Ellipse, Rectangle, Polygon, Text, FontSize, FontColour };

struct Primitive {
    Op op = Op::MoveTo;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // box, line from-to, text top left, or a setting's value in x1
    std::string text;
    std::vector<SurfacePoint> points;
    Colour pen, brush, font;
    int penWidth = 0;
    int fontSize = 0;
};

class RecordingSurface : public DrawingSurface {
public:
    RecordingSurface(int width, int height, std::string separator = ",") : W(width), H(height), Separator(std::move(separator)) {}

    std::vector<Primitive> log;
    // Colour of text before anything sets it: stands for the system's window-text colour.
    static constexpr Colour InitialFontColour{10, 20, 30};

    void SetPenColour(Colour c) override { pen = c; Add(Make(Op::PenColour)); }
    void SetPenWidth(int w) override { penWidth = w; Add(Make(Op::PenWidth, w)); }
    void SetBrushColour(Colour c) override { brush = c; Add(Make(Op::BrushColour)); }
    void FillRect(int l, int t, int r, int b) override { Add(Make(Op::FillRect, l, t, r, b)); }
    void MoveTo(int x, int y) override { cx = x; cy = y; Add(Make(Op::MoveTo, x, y)); }
    void LineTo(int x, int y) override { Add(Make(Op::LineTo, cx, cy, x, y)); cx = x; cy = y; }
    void Ellipse(int l, int t, int r, int b) override { Add(Make(Op::Ellipse, l, t, r, b)); }
    void Rectangle(int l, int t, int r, int b) override { Add(Make(Op::Rectangle, l, t, r, b)); }
    void Polygon(const SurfacePoint* p, int n) override {
        Primitive q = Make(Op::Polygon);
        q.points.assign(p, p + n);
        Add(q);
    }
    void TextOut(int x, int y, std::string_view text) override {
        Primitive q = Make(Op::Text, x, y);
        q.text = std::string(text);
        Add(q);
    }
    int TextWidth(std::string_view text) override { ++measured; return CharWidth() * Characters(text); }
    int TextHeight(std::string_view) override { ++measured; return CharWidth() + 8; }
    void SetFontSize(int points) override { fontSize = points; Add(Make(Op::FontSize, points)); }
    void SetFontColour(Colour c) override { font = c; Add(Make(Op::FontColour)); }
    int Width() const override { return W; }
    int Height() const override { return H; }
    std::string DecimalSeparator() const override { return Separator; }

    int CharWidth() const { return fontSize > 0 ? fontSize : 11; }
    static int Characters(std::string_view text) {
        return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    }

    // Every primitive of one kind, optionally in one pen (lines) or brush (figures) colour.
    std::vector<Primitive> All(Op op) const {
        std::vector<Primitive> r;
        std::copy_if(log.begin(), log.end(), std::back_inserter(r), [op](const Primitive& p) { return p.op == op; });
        return r;
    }
    std::vector<Primitive> Lines(Colour c) const { return Filter(Op::LineTo, [c](const Primitive& p) { return p.pen == c; }); }
    std::vector<Primitive> Points(Colour c) const { return Filter(Op::Ellipse, [c](const Primitive& p) { return p.brush == c; }); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> r;
        for (const Primitive& p : All(Op::Text)) r.push_back(p.text);
        return r;
    }
    template <typename Pred>
    std::vector<Primitive> Filter(Op op, Pred pred) const {
        std::vector<Primitive> r;
        for (const Primitive& p : log)
            if (p.op == op && pred(p)) r.push_back(p);
        return r;
    }
    // Index in the log of the first primitive that matches, or -1.
    template <typename Pred>
    int IndexOf(Pred pred) const {
        for (std::size_t i = 0; i < log.size(); ++i)
            if (pred(log[i])) return static_cast<int>(i);
        return -1;
    }

    int measured = 0;

private:
    static Primitive Make(Op op, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0) {
        Primitive p;
        p.op = op;
        p.x1 = x1;
        p.y1 = y1;
        p.x2 = x2;
        p.y2 = y2;
        return p;
    }
    void Add(Primitive p) {
        p.pen = pen;
        p.brush = brush;
        p.font = font;
        p.penWidth = penWidth;
        p.fontSize = fontSize;
        log.push_back(std::move(p));
    }

    int W;
    int H;
    std::string Separator;
    int cx = 0, cy = 0;
    Colour pen = Black;
    Colour brush = White;
    Colour font = InitialFontColour;
    int penWidth = 1;
    int fontSize = 0;
};

// Draws the sheet with the renderer on a fresh recording surface of the given size.
template <typename Renderer>
RecordingSurface Record(Renderer& renderer, TNewTabSheet* sheet, int width, int height, std::string separator = ",") {
    RecordingSurface surface(width, height, std::move(separator));
    renderer.DrawDiagram(sheet, surface);
    return surface;
}

}  // namespace kaldoventri::drawingtest
