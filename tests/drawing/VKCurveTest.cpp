// The VK curve recorded primitive by primitive: its plot and mapping, the
// tolerance bands, gaps where a VK was not computed, the cut at 60 %, the
// markers, labels that never touch at any size, and sheets that make no sense.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "DiagramSheets.h"
#include "RecordingSurface.h"
#include "drawing/VKCurveRenderer.h"

namespace kaldoventri::drawingtest {
namespace {

RecordingSurface DrawCurve(VKCurveRenderer& r, const TNewTabSheet* sheet, int w, int h) {
    RecordingSurface s(w, h);
    r.Draw(sheet, s);
    return s;
}

bool IsCurve(const Primitive& p) { return (p.op == Op::LineTo && p.pen == VKCurveColour) || (p.op == Op::Ellipse && p.brush == VKCurveColour); }

struct SizeCase {
    const char* name;
    int width, height, layout;
    bool page, figures;
};

class VKCurveSizes : public ::testing::TestWithParam<SizeCase> {};

// Every text lies on the surface and apart from every other; ticks never run together.
TEST_P(VKCurveSizes, LabelsApartAndMappingRoundTrips) {
    const SizeCase& c = GetParam();
    VKCurveRenderer r(c.page ? VKCurvePageStyle : VKCurveScreenStyle);
    r.SetShowFigures(c.figures);
    TNewTabSheet sheet = MakeSheet(Peaked, c.layout, 24);
    const RecordingSurface s = DrawCurve(r, &sheet, c.width, c.height);
    const auto texts = s.Filter(Op::Text, [](const Primitive& p) { return p.text.rfind("VK ", 0) != 0; });
    ASSERT_GT(texts.size(), 6u);
    const auto box = [&](const Primitive& p) {
        const int cw = p.fontSize > 0 ? p.fontSize : 11;
        return std::array<int, 4>{p.x1, p.y1, p.x1 + cw * RecordingSurface::Characters(p.text), p.y1 + cw + 8};
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto a = box(texts[i]);
        EXPECT_TRUE(a[0] >= 0 && a[1] >= 0 && a[2] <= c.width && a[3] <= c.height) << texts[i].text;
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const auto b = box(texts[j]);
            EXPECT_TRUE(a[2] <= b[0] || b[2] <= a[0] || a[3] <= b[1] || b[3] <= a[1]) << texts[i].text << " / " << texts[j].text;
        }
    }
    const VKCurveGeometry& g = r.Geometry();
    ASSERT_TRUE(g.Valid());
    std::vector<int> tickXs;
    for (const Primitive& p : s.Filter(Op::LineTo, [&](const Primitive& p) { return p.x1 == p.x2 && p.y1 == g.Plot().bottom && p.y2 > p.y1; }))
        tickXs.push_back(p.x1);
    for (std::size_t i = 1; i < tickXs.size(); ++i) EXPECT_GE(tickXs[i] - tickXs[i - 1], 3);
    for (int w = g.FirstWidth(); w <= g.LastWidth(); ++w) ASSERT_EQ(g.WidthAtX(g.XOfWidth(w)), w);
    EXPECT_EQ(g.WidthAtX(-5000), g.FirstWidth());
    EXPECT_EQ(g.WidthAtX(c.width + 5000), g.LastWidth());
    for (const Primitive& p : s.Filter(Op::LineTo, [](const Primitive& p) { return p.pen == VKCurveColour; }))
        EXPECT_EQ(p.penWidth, c.page ? VKCurvePageStyle.curvePen : VKCurveScreenStyle.curvePen);
}

INSTANTIATE_TEST_SUITE_P(VKCurve, VKCurveSizes,
                         ::testing::Values(SizeCase{"Strip12m", 1600, 330, Layout12m, false, true},
                                           SizeCase{"Strip24m", 1600, 330, Layout24m, false, false},
                                           SizeCase{"SmallWindow24m", 900, 200, Layout24m, false, true},
                                           SizeCase{"Tiny24m", 300, 110, Layout24m, false, false},
                                           SizeCase{"Page24m", 9000, 3000, Layout24m, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VKCurve, BandsGapCutAtSixtyAndMarkers) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    sheet.SetVK(20, 0.0, false);
    sheet.SetVK(30, 80.0);
    VKCurveRenderer r;
    const RecordingSurface s = DrawCurve(r, &sheet, 1600, 330);
    const VKCurveGeometry& g = r.Geometry();
    const PlotRect p = g.Plot();
    // Recording metrics: "60 %" is 44 wide, "26" 22, "m" 11, a line 19 high.
    EXPECT_EQ(std::tuple(p.left, p.top, p.right, p.bottom), std::tuple(59, 15, 1568, 296));
    EXPECT_EQ(g.TopVK(), 60.0);
    EXPECT_EQ(g.XOfWidth(10), 59);
    EXPECT_EQ(g.XOfWidth(52), 1568);

    const double limits[] = {0, 5, 10, 15, 60};
    for (int band = 0; band < 4; ++band) {
        const auto fills = s.Filter(Op::FillRect, [&](const Primitive& f) { return f.brush == VKBandColours[band]; });
        ASSERT_EQ(fills.size(), 1u) << band;
        EXPECT_EQ(std::tuple(fills[0].x1, fills[0].y1, fills[0].x2, fills[0].y2),
                  std::tuple(p.left, g.YOfVK(limits[band + 1]), p.right + 1, g.YOfVK(limits[band]) + 1));
    }
    const auto lines = s.Filter(Op::LineTo, [](const Primitive& l) { return l.pen == VKCurveColour; });
    EXPECT_EQ(lines.size(), 42u - 2u);  // 42 joins of the span, less the two at width 20
    for (const Primitive& l : lines) {
        EXPECT_FALSE(l.x1 == g.XOfWidth(20) || l.x2 == g.XOfWidth(20));
        EXPECT_GE(std::min(l.y1, l.y2), p.top);
        if (l.x1 == g.XOfWidth(29) || l.x2 == g.XOfWidth(31)) {
            EXPECT_EQ(std::min(l.y1, l.y2), p.top);
        }
    }
    EXPECT_EQ(s.Points(VKCurveColour).size(), 43u - 2u);
    const auto widthLine = s.Filter(Op::LineTo, [](const Primitive& l) { return l.pen == VKWidthLineColour; });
    ASSERT_EQ(widthLine.size(), 1u);
    EXPECT_EQ(std::tuple(widthLine[0].x1, widthLine[0].y1, widthLine[0].x2, widthLine[0].y2),
              std::tuple(g.XOfWidth(24), p.bottom, g.XOfWidth(24), p.top));
    const auto optimum = s.Points(VKOptimumColour);
    ASSERT_EQ(optimum.size(), 1u);
    EXPECT_EQ((optimum[0].x1 + optimum[0].x2 - 1) / 2, g.XOfWidth(25));
    EXPECT_EQ((optimum[0].y1 + optimum[0].y2 - 1) / 2, g.YOfVK(sheet.GetOptimalVK()));
    const auto bar = s.Filter(Op::FillRect, [](const Primitive& f) { return f.brush == VKSearchRangeColour; });
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(std::pair(bar[0].x1, bar[0].x2), std::pair(g.XOfWidth(16), g.XOfWidth(48) + 1));
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
        EXPECT_EQ(std::count_if(s.log.begin(), s.log.end(), IsCurve), 0);
        EXPECT_TRUE(s.Points(VKOptimumColour).empty());
        EXPECT_EQ(s.Lines(VKWidthLineColour).size(), sheet == &nothingComputed ? 1u : 0u);
        EXPECT_EQ(r.Geometry().Valid(), sheet != nullptr);
        EXPECT_EQ(r.Geometry().TopVK(), sheet ? 20.0 : 0.0);
    }
}

}  // namespace
}  // namespace kaldoventri::drawingtest
