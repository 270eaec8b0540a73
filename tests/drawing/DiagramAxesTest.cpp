// The screen diagram's axes and markers, recorded primitive by primitive: the
// Y-axis range and labels, the X span and metre labels, tray marks, the pass
// markers, and how the scales follow the surface size.
#include <gtest/gtest.h>

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
// Margins of the screen diagram with the recording surface's "999", 33 x 19.
constexpr int MarginX = 2 * 33 + 20;
constexpr int MarginY = 3 * 19 + 30;
constexpr int ShortMarginY = 2 * 19 + 22;  // the least a short surface keeps
constexpr int BaseY = H - MarginY;

bool Horizontal(const Primitive& p, int left, int right) { return p.x1 == left && p.x2 == right && p.y1 == p.y2; }
bool Vertical(const Primitive& p) { return p.x1 == p.x2; }

TDiagram ScreenDiagram(int trayMarking = 1, bool showMetres = true) {
    TDiagram d;
    d.SetTrayMarking(trayMarking);
    d.SetShowMetres(showMetres);
    return d;
}

struct YAxisCase {
    const char* name;
    int yAxisMax;
    int yMax;  // the axis drawn: 100 for a sheet never evaluated, at least 10
    int minorTicks;
    std::vector<std::string> labels;
    int height = H;
};

std::vector<std::string> Counting(int from, int to, int step) {
    std::vector<std::string> r;
    for (int v = from; v <= to; v += step) r.push_back(std::to_string(v));
    return r;
}

class YAxis : public ::testing::TestWithParam<YAxisCase> {};

TEST_P(YAxis, TicksAndLabels) {
    const YAxisCase& c = GetParam();
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    sheet.SetYAxisMax(c.yAxisMax);
    TDiagram d = ScreenDiagram();
    const RecordingSurface s = Record(d, &sheet, W, c.height);

    EXPECT_EQ(d.GetYMax(), c.yMax);
    const auto minor = s.Filter(Op::LineTo, [](const Primitive& p) { return Horizontal(p, MarginX - 2, MarginX + 3); });
    const auto major = s.Filter(Op::LineTo, [](const Primitive& p) { return Horizontal(p, MarginX - 5, MarginX + 5); });
    EXPECT_EQ(static_cast<int>(minor.size()), c.minorTicks);
    ASSERT_EQ(major.size(), c.labels.size());

    // Labels: right-aligned 5 pixels left of their major tick, centred on it, upwards from the axis.
    const auto labels = s.Filter(Op::Text, [](const Primitive& p) { return p.x1 + 11 * RecordingSurface::Characters(p.text) == MarginX - 10; });
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        texts.push_back(labels[i].text);
        EXPECT_EQ(labels[i].y1 + 10, major[i].y1) << labels[i].text;
        EXPECT_EQ(labels[i].font, RecordingSurface::InitialFontColour);
        if (i > 0) {
            EXPECT_LT(major[i].y1, major[i - 1].y1);
        }
    }
    EXPECT_EQ(texts, c.labels);
    // The Y axis runs up to YMax; a label at YMax stands at its top.
    const int marginY = c.height == H ? MarginY : ShortMarginY;
    const auto axis = s.Filter(Op::LineTo, [&](const Primitive& p) { return p.x1 == MarginX && p.x2 == MarginX && p.y1 == c.height - marginY; });
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_EQ(axis[0].y2, marginY);
    if (c.yMax == std::stoi(c.labels.back())) {
        EXPECT_EQ(major.back().y1, marginY);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Diagram, YAxis,
    ::testing::Values(YAxisCase{"NeverEvaluated", 0, 100, 100, Counting(10, 100, 10)},
                      YAxisCase{"Negative", -30, 100, 100, Counting(10, 100, 10)},
                      YAxisCase{"At160", 160, 160, 160, Counting(10, 160, 10)},
                      YAxisCase{"At180", 180, 180, 0, Counting(20, 180, 20)},
                      YAxisCase{"At170", 170, 170, 0, Counting(20, 160, 20)},
                      YAxisCase{"At5", 5, 10, 10, {"10"}},
                      YAxisCase{"At1000", 1000, 1000, 0, Counting(20, 1000, 20)},
                      // Labels that would stand closer than three quarters of a line: every 2nd, 5th,
                      // 10th ... value instead, and no minor ticks under 2 pixels apart.
                      YAxisCase{"At39000", 39000, 39000, 0, Counting(1000, 39000, 1000)},
                      // A surface too short for the full margins and a plot of 150 pixels gives up margin.
                      YAxisCase{"PlotOf45Pixels", 160, 160, 0, {"100"}, 2 * ShortMarginY + 45},
                      YAxisCase{"PlotOf150Pixels", 160, 160, 0, Counting(20, 160, 20), 2 * ShortMarginY + 150}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpanCase {
    const char* name;
    double first;
    double last;
    int halfSpan;
};

class XAxis : public ::testing::TestWithParam<SpanCase> {};

// One tick per metre inside the axis ends, labels at the odd distances from the centre.
TEST_P(XAxis, SpanTicksAndMetreLabels) {
    const SpanCase& c = GetParam();
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    sheet.SetTrayPosition(1, c.first);
    sheet.SetTrayPosition(TrayCount, c.last);
    TDiagram d = ScreenDiagram(0, true);
    const RecordingSurface s = Record(d, &sheet, W, H);

    EXPECT_EQ(d.GetHalfSpan(), c.halfSpan);
    const auto ticks = s.Filter(Op::LineTo, [](const Primitive& p) { return Vertical(p) && p.y1 == BaseY && p.y2 == BaseY + 5; });
    ASSERT_EQ(static_cast<int>(ticks.size()), 2 * c.halfSpan - 1);
    EXPECT_GT(ticks.front().x1, MarginX);
    EXPECT_LT(ticks.back().x1, W - MarginX);

    std::vector<std::string> expected;
    for (int k = 1; k < 2 * c.halfSpan; ++k)
        if (std::abs(k - c.halfSpan) % 2 == 1) expected.push_back(std::to_string(std::abs(k - c.halfSpan)));
    const auto labels = s.Filter(Op::Text, [](const Primitive& p) { return p.y1 == BaseY + 25; });
    std::vector<std::string> texts;
    for (const Primitive& p : labels) {
        texts.push_back(p.text);
        EXPECT_EQ(p.font, Black);
    }
    EXPECT_EQ(texts, expected);
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Diagram, XAxis,
    ::testing::Values(SpanCase{"OuterAt12_0", -12.0, 12.0, 12}, SpanCase{"OuterAt12_3", -12.3, 12.3, 13},
                      SpanCase{"OuterAt11_5", -11.5, 11.5, 12}, SpanCase{"OuterAt12_1", -12.1, 12.1, 13},
                      SpanCase{"OuterAt13_0", -13.0, 13.0, 14}, SpanCase{"Layout12m", -12.25, 12.25, 13},
                      SpanCase{"LeftTrayFarther", -14.6, 3.0, 15}, SpanCase{"RightTrayFarther", -3.0, 14.6, 15},
                      SpanCase{"AllAtCentre", 0.0, 0.0, 1}, SpanCase{"NotANumber", NaN, NaN, 1},
                      SpanCase{"Infinite", -Inf, 12.25, DiagramRenderer::MaxHalfSpan},
                      SpanCase{"Huge", -1e300, 1e300, DiagramRenderer::MaxHalfSpan}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DiagramXAxis, MetreLabelsOffKeepsTheTicks) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    TDiagram d = ScreenDiagram(0, false);
    const RecordingSurface s = Record(d, &sheet, W, H);
    EXPECT_TRUE(s.Filter(Op::Text, [](const Primitive& p) { return p.y1 > BaseY; }).empty());
    EXPECT_EQ(s.Filter(Op::LineTo, [](const Primitive& p) { return Vertical(p) && p.y1 == BaseY && p.y2 == BaseY + 5; }).size(), 25u);
}

struct TrayCase {
    int marking;
    std::size_t squares;
    std::size_t numbers;
};

class TrayMarks : public ::testing::TestWithParam<TrayCase> {};

TEST_P(TrayMarks, SquaresAndNumbersAtTheTrays) {
    const TrayCase& c = GetParam();
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    TDiagram d = ScreenDiagram(c.marking, false);
    const RecordingSurface s = Record(d, &sheet, W, H);

    const auto squares = s.All(Op::Rectangle);
    const auto numbers = s.Filter(Op::Text, [](const Primitive& p) { return p.y1 == BaseY + 4; });
    ASSERT_EQ(squares.size(), c.squares);
    ASSERT_EQ(numbers.size(), c.numbers);
    // Each square and number sits on the X axis under its tray's point of the sum curve.
    const auto sum = s.Points(Red);
    for (std::size_t t = 0; t < squares.size(); ++t) {
        const int x = sum[t].x1 + 2;
        EXPECT_EQ(squares[t].x1, x - 3);
        EXPECT_EQ(squares[t].x2, x + 4);
        EXPECT_EQ(squares[t].y1, BaseY - 3);
        EXPECT_EQ(squares[t].y2, BaseY + 4);
        EXPECT_EQ(squares[t].brush, White);
        EXPECT_EQ(squares[t].pen, Black);
        if (!numbers.empty()) {
            EXPECT_EQ(numbers[t].text, std::to_string(t + 1));
            EXPECT_EQ(numbers[t].x1, x - 11 * RecordingSurface::Characters(numbers[t].text) / 2);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Diagram, TrayMarks,
                         ::testing::Values(TrayCase{0, 0, 0}, TrayCase{1, 26, 0}, TrayCase{2, 26, 26}),
                         [](const auto& info) { return "Marking" + std::to_string(info.param.marking); });

struct MarkerCase {
    const char* name;
    int aBredd;
    bool reversed;
    std::size_t arrows;
    std::size_t fullHeightLines;  // Y axis, centre pair, width limits, a pair per neighbour marker
};

class PassMarkers : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(PassMarkers, ArrowsAndDoubleLines) {
    const MarkerCase& c = GetParam();
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, c.aBredd);
    if (!c.reversed) {
        sheet.ToggleLeftPassReversed();
        sheet.ToggleRightPassReversed();
    }
    TDiagram d = ScreenDiagram();
    const RecordingSurface s = Record(d, &sheet, W, H);

    const auto arrows = s.All(Op::Polygon);
    ASSERT_EQ(arrows.size(), c.arrows);
    const auto full = s.Filter(Op::LineTo, [](const Primitive& p) { return Vertical(p) && p.y1 == BaseY && p.y2 == MarginY; });
    EXPECT_EQ(full.size(), c.fullHeightLines);

    // The own pass points up from the top line; a reversed neighbour points
    // down onto the X axis, a normal one up from the top line.
    const std::vector<SurfacePoint> own = {{W / 2, MarginY}, {W / 2 - 8, MarginY + 8}, {W / 2 + 8, MarginY + 8}};
    EXPECT_EQ(arrows[0].points, own);
    for (std::size_t i = 1; i < arrows.size(); ++i) {
        const SurfacePoint apex = arrows[i].points[0];
        EXPECT_EQ(apex.y, c.reversed ? BaseY : MarginY);
        EXPECT_EQ(arrows[i].points[1].y, c.reversed ? BaseY - 8 : MarginY + 8);
        EXPECT_EQ(arrows[i].brush, Black);
        EXPECT_GE(apex.x, MarginX);
        EXPECT_LE(apex.x, W - MarginX);
    }
    EXPECT_EQ(s.log[static_cast<std::size_t>(s.IndexOf([](const Primitive& p) { return p.op == Op::Polygon; })) + 1].op, Op::BrushColour);
}

// At 13 m the neighbours' centre lines fall exactly on the plot's edges and
// are drawn; half a metre more puts them outside.
INSTANTIATE_TEST_SUITE_P(Diagram, PassMarkers,
                         ::testing::Values(MarkerCase{"Width12mReversed", 24, true, 3, 9},
                                           MarkerCase{"Width12mNormal", 24, false, 3, 9},
                                           MarkerCase{"Width13mOnTheEdges", 26, true, 3, 9},
                                           MarkerCase{"Width13_5mOutside", 27, true, 1, 5},
                                           MarkerCase{"Width30mOutside", 60, false, 1, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiagramScale, ResizeRecomputesScalesAndKeepsMargins) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    TDiagram d = ScreenDiagram();
    for (const auto& [w, h] : {std::pair{1600, 1000}, std::pair{800, 500}, std::pair{1601, 999}}) {
        const RecordingSurface s = Record(d, &sheet, w, h);
        EXPECT_EQ(d.GetMarginX(), MarginX);
        EXPECT_EQ(d.GetMarginY(), MarginY);
        EXPECT_DOUBLE_EQ(d.GetCentreX(), w / 2.0);
        const auto xAxis = s.Filter(Op::LineTo, [&](const Primitive& p) { return p.y1 == h - MarginY && p.y2 == h - MarginY; });
        ASSERT_FALSE(xAxis.empty());
        EXPECT_EQ(xAxis[0].x1, MarginX);
        EXPECT_EQ(xAxis[0].x2, w - MarginX);
        // The last sum point sits at 12.25 m of a 13 m half axis.
        const Primitive last = s.Points(Red).back();
        EXPECT_EQ(last.x1 + 2, static_cast<int>(std::nearbyint(12.25 * (w - 2.0 * MarginX) / 26 + w / 2.0)));
    }
}

TEST(DiagramScale, NoSheetOnlyClearsTheSurface) {
    TDiagram d;
    const RecordingSurface s = Record(d, nullptr, 300, 200);
    ASSERT_EQ(s.log.size(), 3u);
    EXPECT_EQ(s.log[0].op, Op::BrushColour);
    EXPECT_EQ(s.log[1].op, Op::FillRect);
    EXPECT_EQ(s.log[1].brush, White);
    EXPECT_EQ(std::vector<int>({s.log[1].x1, s.log[1].y1, s.log[1].x2, s.log[1].y2}), std::vector<int>({0, 0, 300, 200}));
    EXPECT_EQ(s.log[2].op, Op::PenColour);
    EXPECT_EQ(s.log[2].pen, Black);
}

}  // namespace
}  // namespace kaldoventri::drawingtest
