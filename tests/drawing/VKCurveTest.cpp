// The VK curve recorded primitive by primitive: its plot and mapping, the
// tolerance bands, gaps where a VK was not computed, the axis top and the VKs
// clipped on its edge, the markers and the legend, labels that never touch at
// any size, and sheets that make no sense.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "DiagramSheets.h"
#include "RecordingSurface.h"
#include "drawing/VKCurveRenderer.h"
#include "evaluation/CalculateSheet.h"

namespace kaldoventri::drawingtest {
namespace {

RecordingSurface DrawCurve(VKCurveRenderer& r, const TNewTabSheet* sheet, int w, int h) {
    RecordingSurface s(w, h);
    r.Draw(sheet, s);
    return s;
}

std::array<int, 4> Box(const Primitive& p) {
    const int cw = p.fontSize > 0 ? p.fontSize : 11;
    return {p.x1, p.y1, p.x1 + cw * RecordingSurface::Characters(p.text), p.y1 + cw + 8};
}

// Every text lies on the surface apart from every other, and a pixel maps
// back to the width drawn there.
TEST(VKCurve, LabelsApartAndMappingRoundTripsAtEverySize) {
    struct Row { int width, height, layout; bool page, figures; };
    for (const Row& c : {Row{1600, 330, Layout12m, false, true}, Row{900, 200, Layout24m, false, true},
                         Row{300, 110, Layout24m, false, false}, Row{9000, 3000, Layout24m, true, true},
                         Row{900, 70, Layout12m, false, true}}) {  // too short for the lines above: the plot stays
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        VKCurveRenderer r(c.page ? VKCurvePageStyle : VKCurveScreenStyle);
        r.SetShowFigures(c.figures);
        TNewTabSheet sheet = MakeSheet(Peaked, c.layout, 24);
        const RecordingSurface s = DrawCurve(r, &sheet, c.width, c.height);
        const auto texts = s.Filter(Op::Text, [](const Primitive& p) { return p.text.rfind("VK ", 0) != 0; });
        ASSERT_GT(texts.size(), 6u);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const auto a = Box(texts[i]);
            EXPECT_TRUE(a[0] >= 0 && a[1] >= 0 && a[2] <= c.width && a[3] <= c.height) << texts[i].text;
            for (std::size_t j = i + 1; j < texts.size(); ++j) {
                const auto b = Box(texts[j]);
                EXPECT_TRUE(a[2] <= b[0] || b[2] <= a[0] || a[3] <= b[1] || b[3] <= a[1]) << texts[i].text << "/" << texts[j].text;
            }
        }
        const VKCurveGeometry& g = r.Geometry();
        for (int w = g.FirstWidth(); w <= g.LastWidth(); ++w) ASSERT_EQ(g.WidthAtX(g.XOfWidth(w)), w);
        EXPECT_EQ(std::pair(g.WidthAtX(-5000), g.WidthAtX(c.width + 5000)), std::pair(g.FirstWidth(), g.LastWidth()));
    }
}

// A curve beside the diagram of a test with units: the legend, too wide for
// one line, takes rows of its own under the figures and their rate line.
TEST(VKCurve, LegendStaysOnANarrowCurveWithTheRateLine) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    sheet.SetUnits(SheetUnits{0.25, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, 200.0});
    CalculateSheet(sheet, YScaleValue);
    VKCurveRenderer r;
    r.SetShowFigures(true);
    const RecordingSurface s = DrawCurve(r, &sheet, 700, 330);
    const auto texts = s.All(Op::Text);
    for (const char* name : {"Mycket bra", "Otillräcklig", "Sökområde för optimum", "VK ± osäkerhet"})
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [&](const Primitive& p) { return p.text == name; }), 1) << name;
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const Primitive& p) { return p.text.rfind("Giva ", 0) == 0; }));
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const auto a = Box(texts[i]), b = Box(texts[j]);
            EXPECT_TRUE(a[2] <= b[0] || b[2] <= a[0] || a[3] <= b[1] || b[3] <= a[1]) << texts[i].text << "/" << texts[j].text;
        }
    EXPECT_GT(r.Geometry().Plot().bottom - r.Geometry().Plot().top, 100);
}

TEST(VKCurve, BandsGapClipAtSixtyAndMarkers) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    sheet.SetVK(20, 0.0, false);
    sheet.SetVK(30, 80.0);
    VKCurveRenderer r;
    const RecordingSurface s = DrawCurve(r, &sheet, 1600, 330);
    const VKCurveGeometry& g = r.Geometry();
    const PlotRect p = g.Plot();
    // Recording metrics: "60 %" is 44 wide, "26" 22, "m" 11, a line 19 high; the legend's line is above the plot.
    EXPECT_EQ(std::tuple(p.left, p.top, p.right, p.bottom, g.TopVK(), g.XOfWidth(52)), std::tuple(59, 38, 1568, 296, 60.0, 1568));
    const auto one = [&](Op op, Colour c) {
        const auto all = s.Filter(op, [&](const Primitive& q) { return (op == Op::LineTo ? q.pen : q.brush) == c; });
        EXPECT_EQ(all.size(), 1u);
        return all.empty() ? std::tuple(0, 0, 0, 0) : std::tuple(all[0].x1, all[0].y1, all[0].x2, all[0].y2);
    };
    const double limits[] = {0, 5, 10, 15, 60};
    for (int band = 0; band < 4; ++band)
        EXPECT_EQ(one(Op::FillRect, VKBandColours[band]), std::tuple(p.left, g.YOfVK(limits[band + 1]), p.right + 1, g.YOfVK(limits[band]) + 1));
    EXPECT_EQ(one(Op::LineTo, VKWidthLineColour), std::tuple(g.XOfWidth(24), p.bottom, g.XOfWidth(24), p.top));
    EXPECT_EQ(std::get<0>(one(Op::FillRect, VKSearchRangeColour)), g.XOfWidth(16));
    EXPECT_EQ(std::get<2>(one(Op::FillRect, VKSearchRangeColour)), g.XOfWidth(48) + 1);
    // The 12 m layout counts passes beyond the neighbours up to 7,5 m.
    EXPECT_EQ(one(Op::FillRect, VKFurtherPassesColour), std::tuple(g.XOfWidth(10), p.bottom - 4, g.XOfWidth(15) + 1, p.bottom));
    EXPECT_EQ(s.Filter(Op::Text, [](const Primitive& q) { return q.text == "Fler drag räknas"; }).size(), 1u);
    EXPECT_EQ(one(Op::Ellipse, VKOptimumColour), std::tuple(g.XOfWidth(25) - 5, g.YOfVK(sheet.GetOptimalVK()) - 5, g.XOfWidth(25) + 6, g.YOfVK(sheet.GetOptimalVK()) + 6));

    // 42 joins of the span, less the two at width 20; the two at width 30 go on along the top edge.
    const auto lines = s.Lines(VKCurveColour);
    EXPECT_EQ(lines.size(), 42u - 2u + 2u);
    for (const Primitive& l : lines) {
        EXPECT_FALSE(l.x1 == g.XOfWidth(20) || l.x2 == g.XOfWidth(20));
        EXPECT_GE(std::min(l.y1, l.y2), p.top);
        EXPECT_EQ(l.y1 == p.top && l.y2 == p.top, l.x1 == g.XOfWidth(30) || l.x2 == g.XOfWidth(30));
    }
    EXPECT_EQ(s.Points(VKCurveColour).size(), 43u - 1u);
    // A mark stands on the edge on each side of width 30, where the curve crosses it.
    const auto marks = s.All(Op::Polygon);
    ASSERT_EQ(marks.size(), 2u);
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(marks[i].points[2].x > g.XOfWidth(29 + i) && marks[i].points[2].x < g.XOfWidth(30 + i));
}

// The top follows the highest VK over the search range, in steps of 5 within
// 5..60 %; every computed VK is drawn, those above the top on its edge, and
// each stretch on the edge is bracketed by marks.
TEST(VKCurve, TopFollowsTheSearchRangeAndClipsTheRest) {
    struct Row { const char* name; int layout; double inRange, outside; double top; std::size_t marks; };
    const Row rows[] = {{"LowCurveSteepEnds", Layout12m, 3.2, 40.0, 5.0, 4}, {"HiddenBandsAbove", Layout12m, 7.5, 7.5, 10.0, 0},
                        {"RoundedUp", Layout24m, 12.3, 12.0, 15.0, 0}, {"EverythingAboveTheCap", Layout24m, 150.0, 150.0, 60.0, 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TNewTabSheet sheet = MakeSheet(Peaked, row.layout, 24);
        const WidthRange range = OptimumSearchRange(row.layout);
        for (int w = FirstCurveWidth; w <= LastCurveWidth(row.layout); ++w)
            sheet.SetVK(w, w >= range.first && w <= range.last ? row.inRange : row.outside);
        sheet.SetOptimum(range.first / 2.0, row.inRange);
        VKCurveRenderer r;
        const RecordingSurface s = DrawCurve(r, &sheet, 900, 300);
        const VKCurveGeometry& g = r.Geometry();
        const PlotRect p = g.Plot();
        EXPECT_EQ(g.TopVK(), row.top);
        const auto points = s.Points(VKCurveColour);
        ASSERT_EQ(points.size(), static_cast<std::size_t>(LastCurveWidth(row.layout) - FirstCurveWidth + 1));
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double vk = sheet.GetVK(FirstCurveWidth + static_cast<int>(i));
            EXPECT_EQ(points[i].y1 + 2, vk > row.top ? p.top : g.YOfVK(vk)) << i;
        }
        EXPECT_EQ(s.All(Op::Polygon).size(), row.marks);
        const auto optimum = s.Points(VKOptimumColour);
        ASSERT_EQ(optimum.size(), 1u);
        EXPECT_EQ(optimum[0].y1 + 5, std::max(g.YOfVK(row.inRange), p.top));
        // Bands above the top are left out, not squeezed in over the plot.
        const auto bands = s.Filter(Op::FillRect, [](const Primitive& q) {
            return q.brush != White && q.brush != VKSearchRangeColour && q.brush != VKFurtherPassesColour;
        });
        EXPECT_EQ(bands.size(), std::min(4u, static_cast<unsigned>(row.top / 5)));
        for (const Primitive& b : bands) EXPECT_GE(b.y1, p.top);
    }
}

TEST(VKCurve, SheetsWithNothingToShowDrawOnlyTheAxes) {
    TNewTabSheet nothingComputed = MakeSheet(Flat(0), Layout24m, 48);
    TNewTabSheet notANumber = MakeSheet(Peaked, 7, 1000000);
    for (int w = 1; w <= MaxCurveWidth; ++w) notANumber.SetVK(w, std::numeric_limits<double>::quiet_NaN());
    notANumber.SetOptimum(std::numeric_limits<double>::quiet_NaN(), 3.0);
    const TNewTabSheet never;
    for (const TNewTabSheet* sheet : std::vector<const TNewTabSheet*>{&never, &nothingComputed, &notANumber, nullptr}) {
        VKCurveRenderer r;
        const RecordingSurface s = DrawCurve(r, sheet, 900, 200);
        EXPECT_TRUE(s.Lines(VKCurveColour).empty() && s.Points(VKCurveColour).empty() && s.Points(VKOptimumColour).empty());
        EXPECT_EQ(s.Lines(VKWidthLineColour).size(), sheet == &nothingComputed ? 1u : 0u);
        EXPECT_EQ(r.Geometry().TopVK(), sheet ? 5.0 : 0.0);
    }
}

// With units the band VK ± u lies under the curve, upper edge left to right
// and lower edge back, and a width whose band crosses a class limit has a
// hollow point; an older sheet draws neither.
TEST(VKCurve, UncertaintyBandOnlyWithUnits) {
    Amounts small;
    std::transform(Peaked.begin(), Peaked.end(), small.begin(), [](int a) { return a / 8; });
    TNewTabSheet sheet = MakeSheet(small, Layout12m, 24);
    for (const bool units : {false, true}) {
        if (units) {
            sheet.SetUnits(SheetUnits{0.25, AmountUnit{1.0, AmountKind::Mass}, std::nullopt, std::nullopt});
            CalculateSheet(sheet, YScaleValue);
        }
        VKCurveRenderer r;
        const RecordingSurface s = DrawCurve(r, &sheet, 1600, 330);
        const VKCurveGeometry& g = r.Geometry();
        const auto bands = s.Filter(Op::Polygon, [](const Primitive& p) { return p.brush == VKUncertaintyColour; });
        const auto hollow = s.Filter(Op::Ellipse, [](const Primitive& p) { return p.brush == White && p.pen == VKCurveColour; });
        const auto n = static_cast<std::size_t>(g.LastWidth() - g.FirstWidth() + 1);
        ASSERT_EQ(bands.size(), units ? 1u : 0u);
        std::size_t uncertain = 0;
        for (int w = g.FirstWidth(); units && w <= g.LastWidth(); ++w) {
            const double vk = sheet.GetVK(w), u = *sheet.GetVKUncertainty(w);
            const auto y = [&](double v) { return std::clamp(g.YOfVK(std::max(v, 0.0)), g.Plot().top, g.Plot().bottom); };
            const auto k = static_cast<std::size_t>(w - g.FirstWidth());
            ASSERT_EQ(bands[0].points.size(), 2 * n);
            EXPECT_EQ(bands[0].points[k], (SurfacePoint{g.XOfWidth(w), y(vk + u)}));
            EXPECT_EQ(bands[0].points[2 * n - 1 - k], (SurfacePoint{g.XOfWidth(w), y(vk - u)}));
            const auto classOf = [](double v) { return (v >= 5) + (v >= 10) + (v >= 15); };
            uncertain += classOf(vk - u) != classOf(vk + u);
        }
        EXPECT_EQ(hollow.size(), uncertain);
        EXPECT_EQ(uncertain > 0, units);
    }
}
}  // namespace
}  // namespace kaldoventri::drawingtest
