// The VK curve recorded primitive by primitive: its plot and mapping, the
// tolerance bands, gaps where a VK was not computed, the cut at 60 %, the
// markers, labels that never touch at any size, and sheets that make no sense.
#include <gtest/gtest.h>

#include <algorithm>
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

std::array<int, 4> Box(const Primitive& p) {
    const int cw = p.fontSize > 0 ? p.fontSize : 11;
    return {p.x1, p.y1, p.x1 + cw * RecordingSurface::Characters(p.text), p.y1 + cw + 8};
}

// Every text lies on the surface apart from every other, and a pixel maps
// back to the width drawn there.
TEST(VKCurve, LabelsApartAndMappingRoundTripsAtEverySize) {
    struct Row { int width, height, layout; bool page, figures; };
    for (const Row& c : {Row{1600, 330, Layout12m, false, true}, Row{900, 200, Layout24m, false, true},
                         Row{300, 110, Layout24m, false, false}, Row{9000, 3000, Layout24m, true, true}}) {
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

TEST(VKCurve, BandsGapCutAtSixtyAndMarkers) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    sheet.SetVK(20, 0.0, false);
    sheet.SetVK(30, 80.0);
    VKCurveRenderer r;
    const RecordingSurface s = DrawCurve(r, &sheet, 1600, 330);
    const VKCurveGeometry& g = r.Geometry();
    const PlotRect p = g.Plot();
    // Recording metrics: "60 %" is 44 wide, "26" 22, "m" 11, a line 19 high.
    EXPECT_EQ(std::tuple(p.left, p.top, p.right, p.bottom, g.TopVK(), g.XOfWidth(52)), std::tuple(59, 15, 1568, 296, 60.0, 1568));
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
    EXPECT_EQ(one(Op::Ellipse, VKOptimumColour), std::tuple(g.XOfWidth(25) - 5, g.YOfVK(sheet.GetOptimalVK()) - 5, g.XOfWidth(25) + 6, g.YOfVK(sheet.GetOptimalVK()) + 6));

    const auto lines = s.Lines(VKCurveColour);
    EXPECT_EQ(lines.size(), 42u - 2u);  // 42 joins of the span, less the two at width 20
    for (const Primitive& l : lines) {
        EXPECT_FALSE(l.x1 == g.XOfWidth(20) || l.x2 == g.XOfWidth(20));
        EXPECT_GE(std::min(l.y1, l.y2), p.top);
        EXPECT_EQ(std::min(l.y1, l.y2) == p.top, l.x1 == g.XOfWidth(29) || l.x2 == g.XOfWidth(31));
    }
    EXPECT_EQ(s.Points(VKCurveColour).size(), 43u - 2u);
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
        EXPECT_EQ(r.Geometry().TopVK(), sheet ? 20.0 : 0.0);
    }
}

}  // namespace
}  // namespace kaldoventri::drawingtest
