// The full evaluation: the VK curve over the layout's span, the sheet left at
// its own working width, and the choice of the optimal working width.
#include <gtest/gtest.h>

#include "SheetFixtures.h"

namespace kaldoventri {
namespace {

using testing::Flat;
using testing::MakeSheet;
using testing::Peaked;

// Marks every VK entry so that the test can see which ones an evaluation wrote.
constexpr double Untouched = -1.0;
void MarkCurve(TNewTabSheet& sheet) {
    for (int i = 1; i <= MaxCurveWidth; ++i) sheet.SetVK(i, Untouched);
}

TEST(CalculateSheet, PeakedPatternHasItsOptimumAtTwelveAndAHalfMetres) {
    TNewTabSheet s = MakeSheet(Peaked, Layout12m, 24);
    CalculateSheet(s, YScaleValue);
    EXPECT_EQ(s.GetCalcWidth(), 24);
    EXPECT_EQ(s.GetPercentScale(), YScaleValue);
    EXPECT_EQ(s.GetVK(24), 2.2);
    EXPECT_EQ(s.GetVK(25), 0.0);
    EXPECT_EQ(s.GetOptimalWidth(), 12.5);
    EXPECT_EQ(s.GetOptimalVK(), 0.0);
    // The per-tray results are those at 12 m, not at the last width of the span.
    EXPECT_EQ(s.GetTraySum(13), 114);
    EXPECT_EQ(s.GetYAxisMax(), 160);
}

TEST(CalculateSheet, CurveCoversTheLayoutsSpanAndTheOwnWidth) {
    struct Row { const char* name; int layout; int aBredd; int last; };
    for (const Row& r : {Row{"12 m", Layout12m, 24, 52}, Row{"24 m", Layout24m, 48, 100},
                         Row{"12 m, width beyond the span", Layout12m, 70, 52}, Row{"width 0", Layout12m, 0, 52},
                         Row{"width beyond the curve", Layout24m, 1000000, 100},
                         Row{"negative width", Layout24m, -40, 100}}) {
        SCOPED_TRACE(r.name);
        TNewTabSheet s = MakeSheet(Peaked, r.layout, r.aBredd);
        MarkCurve(s);
        CalculateSheet(s, YScaleValue);
        for (int w = 1; w <= MaxCurveWidth; ++w) {
            const bool written = (w >= 10 && w <= r.last) || w == r.aBredd;
            EXPECT_EQ(s.GetVK(w) != Untouched, written) << "width " << w;
        }
        EXPECT_EQ(s.GetCalcWidth(), r.aBredd);
    }
}

TEST(CalculateSheet, WidthOutsideTheSpanIsShownButNotSearched) {
    TNewTabSheet s = MakeSheet(Peaked, Layout12m, 70);
    CalculateSheet(s, YScaleValue);
    EXPECT_GT(s.GetVK(70), 0.0);
    EXPECT_GE(s.GetOptimalWidth(), 8.0);
    EXPECT_LE(s.GetOptimalWidth(), 24.0);
}

TEST(CalculateSheet, OptimumIsTheNarrowestLowestVKOfTheSearchRange) {
    struct Row { const char* name; int layout; std::array<int, TrayCount> amounts; };
    std::array<int, TrayCount> wide = Peaked;
    for (auto& a : wide) a += 40;
    for (const Row& r : {Row{"12 m peaked", Layout12m, Peaked}, Row{"24 m peaked", Layout24m, Peaked},
                         Row{"24 m wide", Layout24m, wide}, Row{"12 m flat", Layout12m, Flat(100)},
                         Row{"all zero", Layout24m, Flat(0)}}) {
        SCOPED_TRACE(r.name);
        TNewTabSheet s = MakeSheet(r.amounts, r.layout, r.layout == Layout12m ? 24 : 48);
        CalculateSheet(s, YScaleValue);
        const WidthRange range = OptimumSearchRange(r.layout);
        int expected = 0;  // widths whose VK could not be computed are no optimum
        for (int w = range.first; w <= range.last; ++w)
            if (s.GetVKComputed(w) && (expected == 0 || s.GetVK(w) < s.GetVK(expected))) expected = w;
        EXPECT_EQ(s.HasOptimum(), expected != 0);
        EXPECT_EQ(s.GetOptimalWidth(), expected / 2.0);
        EXPECT_EQ(s.GetOptimalVK(), s.GetVK(expected));
    }
}

TEST(CalculateSheet, TwentyFourMetreLayoutSearchesSixteenToTwentySixMetresOnly) {
    // A narrow pattern is most even well below 16 m; the optimum stays inside 16..26 m.
    std::array<int, TrayCount> narrow = Flat(0);
    for (int tray = 11; tray <= 16; ++tray) narrow[static_cast<std::size_t>(tray - 1)] = 100;
    TNewTabSheet s = MakeSheet(narrow, Layout24m, 48);
    CalculateSheet(s, YScaleValue);
    double lowestOutside = 1e9;
    for (int w = 10; w <= 100; ++w)
        if (w < 32 || w > 52) lowestOutside = std::min(lowestOutside, s.GetVK(w));
    EXPECT_LT(lowestOutside, s.GetOptimalVK());
    EXPECT_GE(s.GetOptimalWidth(), 16.0);
    EXPECT_LE(s.GetOptimalWidth(), 26.0);
}

TEST(CalculateSheet, PercentScaleFollowsTheMode) {
    TNewTabSheet s = MakeSheet(Flat(100), Layout12m, 24);
    CalculateSheet(s, YScalePercent);
    EXPECT_EQ(s.GetPercentScale(), YScalePercent);
    EXPECT_EQ(s.GetYAxisMax(), 180);
    CalculateSheet(s, YScaleValue);
    EXPECT_EQ(s.GetYAxisMax(), 400);
    EXPECT_EQ(s.GetYScaleFactor(), 1.0);
}

}  // namespace
}  // namespace kaldoventri
