// The curves of the screen diagram, recorded: which points are drawn, which
// are joined, the drawing order of the four curves, the clipping of the
// neighbour patterns, and the Y value under the pointer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "DiagramSheets.h"
#include "RecordingSurface.h"
#include "drawing/TDiagram.h"

namespace kaldoventri::drawingtest {
namespace {

constexpr int W = 1600;
constexpr int H = 1000;
constexpr int MarginX = 86;
constexpr int MarginY = 87;

// Centre of a point's box from (x - 2, y - 2) to (x + 3, y + 3).
SurfacePoint Centre(const Primitive& point) { return {point.x1 + 2, point.y1 + 2}; }

struct MeasuredCase {
    const char* name;
    std::vector<int> negativeTrays;
    std::size_t points;
    std::size_t lines;
};

class MeasuredPattern : public ::testing::TestWithParam<MeasuredCase> {};

// From the first negative amount on, the measured points stand alone; the sum
// curve is joined throughout.
TEST_P(MeasuredPattern, NegativeAmountsEndTheLine) {
    const MeasuredCase& c = GetParam();
    Amounts amounts = Peaked;
    for (const int t : c.negativeTrays) amounts[static_cast<std::size_t>(t - 1)] = -5;
    TNewTabSheet sheet = MakeSheet(amounts, Layout12m, 24);
    TDiagram d;
    const RecordingSurface s = Record(d, &sheet, W, H);

    const auto points = s.Points(Blue);
    const auto lines = s.Lines(Blue);
    EXPECT_EQ(points.size(), c.points);
    ASSERT_EQ(lines.size(), c.lines);
    // The lines join consecutive points, from tray 1 on.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ((SurfacePoint{lines[i].x1, lines[i].y1}), Centre(points[i]));
        EXPECT_EQ((SurfacePoint{lines[i].x2, lines[i].y2}), Centre(points[i + 1]));
        EXPECT_EQ(points[i].pen, Blue);
    }
    for (const Primitive& p : points) EXPECT_EQ(p.x2 - p.x1, 5);
    EXPECT_EQ(s.Points(Red).size(), 26u);
    EXPECT_EQ(s.Lines(Red).size(), 25u);
}

INSTANTIATE_TEST_SUITE_P(Diagram, MeasuredPattern,
                         ::testing::Values(MeasuredCase{"AllPositive", {}, 26, 25},
                                           MeasuredCase{"Tray5Negative", {5}, 25, 3},
                                           MeasuredCase{"Tray1Negative", {1}, 25, 0},
                                           MeasuredCase{"Tray26Negative", {26}, 25, 24},
                                           MeasuredCase{"TwoNegative", {3, 20}, 24, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// Right pass first, then left, each clipped at the plot's edges: a point
// outside only moves the pen, and the pattern continues joined once inside.
TEST(NeighbourPatterns, ClippedAtThePlotEdgesAndRejoined) {
    for (const int aBredd : {24, 36, 50, 1000}) {
        SCOPED_TRACE(aBredd);
        TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, aBredd);
        TDiagram d;
        const RecordingSurface s = Record(d, &sheet, W, H);

        const int greenStart = s.IndexOf([](const Primitive& p) { return p.op == Op::BrushColour && p.brush == Green; });
        const int redStart = s.IndexOf([](const Primitive& p) { return p.op == Op::BrushColour && p.brush == Red; });
        ASSERT_GT(greenStart, 0);
        int leftStart = -1;
        for (int i = greenStart + 1; i < redStart && leftStart < 0; ++i)
            if (s.log[static_cast<std::size_t>(i)].op == Op::BrushColour) leftStart = i;
        ASSERT_GT(leftStart, greenStart);

        for (const auto& [from, to, right] : {std::tuple{greenStart, leftStart, true}, std::tuple{leftStart, redStart, false}}) {
            std::size_t inside = 0;
            std::size_t lines = 0;
            std::size_t runs = 0;
            bool wasInside = false;
            for (int i = from; i < to; ++i) {
                const Primitive& p = s.log[static_cast<std::size_t>(i)];
                if (p.op == Op::MoveTo) {
                    const bool in = p.x1 >= MarginX && p.x1 <= W - MarginX;
                    if (!in) wasInside = false;
                    EXPECT_TRUE(!in || !wasInside) << "an inside point is moved to only at the start of a run";
                }
                if (p.op == Op::Ellipse) {
                    const SurfacePoint c = Centre(p);
                    EXPECT_GE(c.x, MarginX);
                    EXPECT_LE(c.x, W - MarginX);
                    if (!wasInside) ++runs;
                    wasInside = true;
                    ++inside;
                }
                if (p.op == Op::LineTo) {
                    ++lines;
                    EXPECT_GE(std::min(p.x1, p.x2), MarginX);
                    EXPECT_LE(std::max(p.x1, p.x2), W - MarginX);
                }
            }
            EXPECT_EQ(lines, inside - runs);
            EXPECT_LE(runs, 1u);
            // At 12 m each neighbour has the 14 trays from its centre line inwards
            // on the 13 m half axis; at 500 m none.
            if (aBredd == 24) {
                EXPECT_EQ(inside, 14u) << (right ? "right" : "left");
            }
            if (aBredd == 1000) {
                EXPECT_EQ(inside, 0u);
            }
        }
        if (aBredd == 36) {
            // At 18 m the right pass starts inside and leaves, the left one enters.
            const auto green = s.Points(Green);
            ASSERT_FALSE(green.empty());
            EXPECT_GT(Centre(green.front()).x, W / 2);
            EXPECT_LT(Centre(green.back()).x, W / 2);
        }
    }
}

// A pattern that leaves the plot and comes back starts afresh: no line runs
// to or from the point outside. Tray 20 moved far to the left puts the right
// neighbour's tray 20 far beyond the right edge.
TEST(NeighbourPatterns, ReenteringPatternStartsAfresh) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    sheet.SetTrayPosition(20, -30.0);
    CalculateSheet(sheet, YScaleValue);
    TDiagram d;
    const RecordingSurface s = Record(d, &sheet, W, H);

    const int from = s.IndexOf([](const Primitive& p) { return p.op == Op::BrushColour && p.brush == Green; });
    int to = from + 1;
    while (s.log[static_cast<std::size_t>(to)].op != Op::BrushColour) ++to;
    std::size_t points = 0;
    std::size_t lines = 0;
    for (int i = from; i < to; ++i) {
        const Primitive& p = s.log[static_cast<std::size_t>(i)];
        points += p.op == Op::Ellipse;
        if (p.op == Op::LineTo) {
            ++lines;
            EXPECT_LE(std::max(p.x1, p.x2), W - MarginX);
        }
    }
    // Trays 13 to 19 and 21 to 26 of the right pass lie inside: two runs.
    EXPECT_EQ(points, 13u);
    EXPECT_EQ(lines, 11u);
}

// Each curve paints over the ones before it: axes, trays, measured, right, left, sum.
TEST(CurveOrder, LaterCurvesPaintOverEarlierOnes) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    TDiagram d;
    d.SetTrayMarking(2);
    const RecordingSurface s = Record(d, &sheet, W, H);
    const auto last = [&](auto pred) {
        int r = -1;
        for (std::size_t i = 0; i < s.log.size(); ++i)
            if (pred(s.log[i])) r = static_cast<int>(i);
        return r;
    };
    const auto figure = [](Op op, Colour c) { return [=](const Primitive& p) { return p.op == op && p.brush == c; }; };
    const int lastSquare = last([](const Primitive& p) { return p.op == Op::Rectangle; });
    EXPECT_LT(lastSquare, s.IndexOf(figure(Op::Ellipse, Blue)));
    EXPECT_LT(last(figure(Op::Ellipse, Blue)), s.IndexOf(figure(Op::Ellipse, Green)));
    EXPECT_LT(last(figure(Op::Ellipse, Green)), s.IndexOf(figure(Op::Ellipse, Red)));
    EXPECT_EQ(s.log.front().op, Op::PenWidth);
    EXPECT_EQ(s.log.front().x1, 3);
    const int fill = s.IndexOf([](const Primitive& p) { return p.op == Op::FillRect; });
    EXPECT_LT(fill, s.IndexOf([](const Primitive& p) { return p.op == Op::LineTo; }));
}

// The sum curve is amount plus both overlaps in the Y scale of the sheet, so
// on the percent scale the flat pattern's sums of 200 and 300 lie at 92 % and 138 %.
TEST(SumCurve, FollowsTheYScale) {
    for (const int mode : {YScaleValue, YScalePercent}) {
        TNewTabSheet sheet = MakeSheet(Flat(100), Layout12m, 24, mode);
        TDiagram d;
        const RecordingSurface s = Record(d, &sheet, W, H);
        const double pxPerUnit = (H - 2.0 * MarginY) / d.GetYMax();
        const auto sum = s.Points(Red);
        ASSERT_EQ(sum.size(), 26u);
        const double scale = mode == YScaleValue ? 1.0 : 100.0 / 217;
        EXPECT_EQ(Centre(sum[0]).y, H - MarginY - static_cast<int>(std::nearbyint(200 * pxPerUnit * scale)));
        EXPECT_EQ(Centre(sum[12]).y, H - MarginY - static_cast<int>(std::nearbyint(300 * pxPerUnit * scale)));
        EXPECT_EQ(d.GetYMax(), mode == YScaleValue ? 400 : 180);
    }
}

struct PointerCase {
    const char* name;
    int drawnHeight;
    int askedHeight;
    int mouseY;
    double value;
};

class Pointer : public ::testing::TestWithParam<PointerCase> {};

// The peaked sheet's axis runs to 160.
TEST_P(Pointer, ValueAtPointer) {
    const PointerCase& c = GetParam();
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    TDiagram d;
    if (c.drawnHeight > 0) Record(d, &sheet, W, c.drawnHeight);
    sheet.SetMouse(400, c.mouseY);
    EXPECT_NEAR(d.ValueAtPointer(c.askedHeight, sheet), c.value, 1e-9 * std::max(1.0, std::fabs(c.value)));
}

INSTANTIATE_TEST_SUITE_P(
    Diagram, Pointer,
    ::testing::Values(PointerCase{"OnTheXAxis", 1000, 1000, 1000 - MarginY, 0.0},
                      PointerCase{"AtTheTop", 1000, 1000, MarginY, 160.0},
                      PointerCase{"HalfWay", 1000, 1000, 500, 80.0},
                      PointerCase{"BelowTheAxis", 1000, 1000, 1000 - MarginY + 413, -80.0},
                      PointerCase{"TallerSurfaceKeepsMargins", 1000, 1774, 1774 - MarginY - 800, 80.0},
                      PointerCase{"NothingDrawnYet", 0, 1000, 300, 0.0},
                      PointerCase{"NoPlotHeight", 1000, 2 * MarginY, 10, 0.0},
                      PointerCase{"FarPointer", 1000, 1000, std::numeric_limits<int>::min(), 2147484561.0 * 160 / 826}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri::drawingtest
