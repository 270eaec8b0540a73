// Many random sheets: the merged overlap walk must give exactly what the plain
// search from the first tray gives, and every evaluation must leave the sheet
// consistent with itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "SheetFixtures.h"
#include "evaluation/SpanVK.h"
#include "evaluation/TrayKit.h"

namespace kaldoventri {
namespace {

constexpr int Sheets = 3000;

int RandomAmount(std::mt19937& rng) {
    switch (rng() % 8) {
        case 0: return std::numeric_limits<std::int32_t>::max();
        case 1: return 0;
        case 2: return std::uniform_int_distribution<int>(std::numeric_limits<std::int32_t>::min(), -1)(rng);
        case 3: return std::uniform_int_distribution<int>(0, std::numeric_limits<std::int32_t>::max())(rng);
        default: return std::uniform_int_distribution<int>(0, 200)(rng);
    }
}

TNewTabSheet RandomSheet(std::mt19937& rng) {
    std::array<int, TrayCount> amounts;
    for (auto& a : amounts) a = RandomAmount(rng);
    const int layout = static_cast<int>(rng() % 2);
    TNewTabSheet sheet = testing::MakeSheet(amounts, layout, std::uniform_int_distribution<int>(10, 100)(rng));
    if (rng() % 4 == 0) sheet.ToggleLeftPassReversed();
    if (rng() % 4 == 0) sheet.ToggleRightPassReversed();
    // An own kit of 2 to 100 trays at ascending places within ±24.25 m.
    if (rng() % 3 == 0) {
        const int trays = std::uniform_int_distribution<int>(2, 100)(rng);
        std::vector<double> places(static_cast<std::size_t>(trays));
        for (double& p : places) p = std::round(std::uniform_real_distribution<double>(-24.25, 24.25)(rng) * 1000) / 1000;
        std::sort(places.begin(), places.end());
        ApplyKit(TrayKit{LayoutOwn, "Slump", places, DefaultSearchRange(LastCurveWidthOf(places))}, sheet);
        for (int tray = 1; tray <= trays; ++tray) sheet.SetTrayAmount(RandomAmount(rng), tray);
        return sheet;
    }
    // Ascending positions with random gaps, some of them repeated.
    if (rng() % 3 == 0) {
        double p = -std::uniform_real_distribution<double>(0, 30)(rng);
        for (int i = 1; i <= TrayCount; ++i) {
            if (rng() % 5) p += std::uniform_real_distribution<double>(0, 3)(rng);
            sheet.SetTrayPosition(i, rng() % 2 ? p : std::round(p * 4) / 4);
        }
    }
    return sheet;
}

void ExpectSameResults(const TNewTabSheet& a, const TNewTabSheet& b) {
    ASSERT_EQ(a.GetTrayCount(), b.GetTrayCount());
    for (int i = 1; i <= a.GetTrayCount(); ++i) {
        ASSERT_EQ(a.GetLeftOverlap(i), b.GetLeftOverlap(i)) << "tray " << i;
        ASSERT_EQ(a.GetRightOverlap(i), b.GetRightOverlap(i)) << "tray " << i;
        ASSERT_EQ(a.GetTraySum(i), b.GetTraySum(i)) << "tray " << i;
        ASSERT_EQ(a.GetLeftPosition(i), b.GetLeftPosition(i)) << "tray " << i;
        ASSERT_EQ(a.GetRightPosition(i), b.GetRightPosition(i)) << "tray " << i;
    }
    for (int w = 1; w <= MaxCurveWidth; ++w) {
        ASSERT_EQ(a.GetVK(w), b.GetVK(w)) << "width " << w;
        ASSERT_EQ(a.GetVKComputed(w), b.GetVKComputed(w)) << "width " << w;
    }
    ASSERT_EQ(a.GetYAxisMax(), b.GetYAxisMax());
    ASSERT_EQ(a.GetYScaleFactor(), b.GetYScaleFactor());
    ASSERT_EQ(a.GetOptimalWidth(), b.GetOptimalWidth());
    ASSERT_EQ(a.GetOptimalVK(), b.GetOptimalVK());
}

TEST(RandomSheets, MergedWalkMatchesTheFullSearch) {
    std::mt19937 rng(20261209);
    for (int n = 0; n < Sheets; ++n) {
        SCOPED_TRACE(n);
        TNewTabSheet merged = RandomSheet(rng);
        TNewTabSheet full = merged;
        const int mode = static_cast<int>(rng() % 2);
        CalculateSheet(merged, mode, OverlapScan::Merged);
        CalculateSheet(full, mode, OverlapScan::FullScan);
        ExpectSameResults(merged, full);
    }
}

TEST(RandomSheets, EveryEvaluationLeavesAConsistentSheet) {
    std::mt19937 rng(7);
    for (int n = 0; n < Sheets; ++n) {
        SCOPED_TRACE(n);
        TNewTabSheet s = RandomSheet(rng);
        CalculateSheet(s, static_cast<int>(rng() % 2));
        ASSERT_EQ(s.GetCalcWidth(), s.GetABredd());
        for (int i = 1; i <= s.GetTrayCount(); ++i) {
            ASSERT_EQ(s.GetTraySum(i), std::int64_t{s.GetTrayAmount(i)} + s.GetLeftOverlap(i) + s.GetRightOverlap(i) +
                                           s.GetFurtherOverlap(i));
        }
        for (int w = 10; w <= 100; ++w) {
            ASSERT_GE(s.GetVK(w), 0.0);
            ASSERT_EQ(s.GetVK(w), std::round(s.GetVK(w) * 10) / 10);
            if (!s.GetVKComputed(w)) {
                ASSERT_EQ(s.GetVK(w), 0.0) << "width " << w;
            }
        }
        ASSERT_GE(s.GetYAxisMax(), 10);
        ASSERT_EQ(s.GetYAxisMax() % 10, 0);
        if (s.GetYAxisMax() > 100) {
            ASSERT_EQ(s.GetYAxisMax() % 20, 0);
        }
        ASSERT_GT(s.GetYScaleFactor(), 0.0);
    }
}

// The span evaluation remembers where its searches ended; asking for the
// widths in any order must still give what the sheet's own evaluation stores.
TEST(RandomSheets, SpanVKDoesNotDependOnTheOrderOfWidths) {
    std::mt19937 rng(1234);
    std::vector<int> widths;
    for (int w = 1; w <= MaxCurveWidth; ++w) widths.push_back(w);
    for (int n = 0; n < 300; ++n) {
        SCOPED_TRACE(n);
        TNewTabSheet sheet = RandomSheet(rng);
        SpanVK span(sheet);
        if (!span.Applies()) continue;
        std::shuffle(widths.begin(), widths.end(), rng);
        for (int w : widths) {
            TNewTabSheet reference = sheet;
            reference.SetCalcWidth(w);
            reference.EvaluateWidth(OverlapScan::FullScan);
            ASSERT_EQ(span.At(w), reference.GetVK(w)) << "width " << w;
            ASSERT_EQ(span.ResultAt(w).computed, reference.GetVKComputed(w)) << "width " << w;
        }
    }
}

TEST(RandomSheets, EvaluatingTwiceGivesTheSameSheet) {
    std::mt19937 rng(99);
    for (int n = 0; n < 200; ++n) {
        TNewTabSheet once = RandomSheet(rng);
        CalculateSheet(once, YScalePercent);
        TNewTabSheet twice = once;
        CalculateSheet(twice, YScalePercent);
        ExpectSameResults(once, twice);
    }
}

}  // namespace
}  // namespace kaldoventri
