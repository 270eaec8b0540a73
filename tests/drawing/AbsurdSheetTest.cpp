// Sheets with values no test ever produces (from a damaged file or a sheet
// never evaluated) must draw quickly and stay within safe coordinates: the
// number of primitives stays bounded and every coordinate stays far from
// integer overflow.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>

#include "DiagramSheets.h"
#include "RecordingSurface.h"
#include "drawing/TDiagram.h"
#include "drawing/TPrintDiagram.h"

namespace kaldoventri::drawingtest {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

struct AbsurdCase {
    const char* name;
    std::function<void(TNewTabSheet&)> spoil;
    bool evaluate;  // run the evaluation after spoiling, as the window does
};

void AllPositions(TNewTabSheet& s, double v) {
    for (int t = 1; t <= TrayCount; ++t) s.SetTrayPosition(t, v);
}
void AllAmounts(TNewTabSheet& s, int v) {
    for (int t = 1; t <= TrayCount; ++t) s.SetTrayAmount(v, t);
}

class AbsurdSheet : public ::testing::TestWithParam<AbsurdCase> {};

TEST_P(AbsurdSheet, DrawsBoundedAndSafe) {
    const AbsurdCase& c = GetParam();
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    c.spoil(sheet);
    if (c.evaluate) CalculateSheet(sheet, YScaleValue);

    TDiagram screen;
    screen.SetTrayMarking(2);
    screen.SetShowMetres(true);
    TPrintDiagram page;
    for (const auto& [renderer, w, h] : {std::tuple<DiagramRenderer*, int, int>{&screen, 1600, 1000},
                                         std::tuple<DiagramRenderer*, int, int>{&page, 13699, 9583}}) {
        RecordingSurface s(w, h);
        renderer->DrawDiagram(&sheet, s);
        EXPECT_LT(s.log.size(), 8000u);
        constexpr long Limit = DiagramRenderer::PixelLimit + 100;
        const auto safe = [](int v) { return std::labs(v) <= Limit; };
        for (const Primitive& p : s.log) {
            if (p.op == Op::PenWidth || p.op == Op::FontSize) continue;
            EXPECT_TRUE(safe(p.x1) && safe(p.y1) && safe(p.x2) && safe(p.y2)) << static_cast<int>(p.op);
            for (const SurfacePoint& q : p.points) EXPECT_TRUE(safe(q.x) && safe(q.y));
        }
        // The axis labels stay few, evenly stepped and within the axis.
        const auto labels = s.Filter(Op::Text, [&](const Primitive& p) {
            return p.x1 + (p.fontSize > 0 ? p.fontSize : 11) * RecordingSurface::Characters(p.text) < renderer->GetMarginX() - 5 &&
                   p.y1 < h - renderer->GetMarginY();
        });
        ASSERT_FALSE(labels.empty());
        EXPECT_LE(static_cast<long>(labels.size()), DiagramRenderer::MaxYLabels);
        const long step = std::stol(labels.front().text);
        for (std::size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(std::stol(labels[i].text), step * static_cast<long>(i + 1));
        EXPECT_LE(step * static_cast<long>(labels.size()), renderer->GetYMax());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Diagram, AbsurdSheet,
    ::testing::Values(
        AbsurdCase{"HugeAmounts", [](TNewTabSheet& s) { AllAmounts(s, INT_MAX); }, true},
        AbsurdCase{"MostNegativeAmounts", [](TNewTabSheet& s) { AllAmounts(s, INT_MIN); }, true},
        AbsurdCase{"AxisAtIntMax", [](TNewTabSheet& s) { s.SetYAxisMax(INT_MAX); }, false},
        AbsurdCase{"AxisTooShortForTheAmounts",
                   [](TNewTabSheet& s) {
                       AllAmounts(s, INT_MAX);
                       CalculateSheet(s, YScaleValue);
                       s.SetYAxisMax(1);
                   },
                   false},
        AbsurdCase{"WidthZero", [](TNewTabSheet& s) { s.SetABredd(0); }, true},
        AbsurdCase{"WidthMillionHalfMetres", [](TNewTabSheet& s) { s.SetABredd(1000000); }, true},
        AbsurdCase{"WidthNegative", [](TNewTabSheet& s) { s.SetABredd(-40); }, true},
        AbsurdCase{"WidthIntMin", [](TNewTabSheet& s) { s.SetCalcWidth(INT_MIN); }, false},
        AbsurdCase{"PositionsNotANumber", [](TNewTabSheet& s) { AllPositions(s, NaN); }, true},
        AbsurdCase{"OnePositionNotANumber", [](TNewTabSheet& s) { s.SetTrayPosition(7, NaN); }, true},
        AbsurdCase{"PositionsInfinite",
                   [](TNewTabSheet& s) {
                       s.SetTrayPosition(1, -Inf);
                       s.SetTrayPosition(TrayCount, Inf);
                   },
                   true},
        AbsurdCase{"PositionsHuge", [](TNewTabSheet& s) { AllPositions(s, 1e300); }, true},
        AbsurdCase{"AllAtCentre", [](TNewTabSheet& s) { AllPositions(s, 0.0); }, true},
        AbsurdCase{"NeverEvaluated", [](TNewTabSheet& s) { s = TNewTabSheet(); }, false},
        AbsurdCase{"PercentScaleOfHugePeak",
                   [](TNewTabSheet& s) {
                       s.SetTrayAmount(INT_MAX, 13);
                       CalculateSheet(s, YScalePercent);
                   },
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

// A sheet with absurd amounts keeps the axis that the evaluation gave it, and
// labels it in round steps rather than hundreds of millions of labels.
TEST(AbsurdSheet, TallestAxisIsLabelledInRoundSteps) {
    TNewTabSheet sheet = MakeSheet(Flat(INT_MAX), Layout12m, 24);
    ASSERT_EQ(sheet.GetYAxisMax(), 2147483640);
    TDiagram d;
    RecordingSurface s(1600, 1000);
    d.DrawDiagram(&sheet, s);
    const auto major = s.Filter(Op::LineTo, [](const Primitive& p) { return p.y1 == p.y2 && p.x1 == 86 - 5 && p.x2 == 86 + 5; });
    EXPECT_EQ(major.size(), 53u);  // every 40 000 000th value up to 2 147 483 640, 15 pixels apart
    EXPECT_TRUE(s.Filter(Op::LineTo, [](const Primitive& p) { return p.x1 == 86 - 2 && p.x2 == 86 + 3; }).empty());
}

}  // namespace
}  // namespace kaldoventri::drawingtest
