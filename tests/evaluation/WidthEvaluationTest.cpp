// The evaluation at one working width: overlaps, sum curve, VK, normal level
// and Y axis, on the worked examples of a flat and a peaked spread pattern and
// on the boundaries where rounding, empty strips and huge amounts bite.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "SheetFixtures.h"

namespace kaldoventri {
namespace {

using testing::Flat;
using testing::MakeSheet;
using testing::Peaked;

TNewTabSheet EvaluatedAt(TNewTabSheet sheet, int width, int mode) {
    sheet.SetEvaluationSettings(width, mode);
    sheet.EvaluateWidth();
    return sheet;
}

// Positions ten metres apart, with tray 13 at `centre`.
TNewTabSheet SparseSheet(const std::array<int, TrayCount>& amounts, double centre) {
    TNewTabSheet sheet = MakeSheet(amounts, Layout12m, 24);
    for (int i = 1; i <= TrayCount; ++i) sheet.SetTrayPosition(i, centre + (i - 13) * 10.0);
    return sheet;
}

TEST(WidthEvaluation, FlatPatternAtTwelveMetres) {
    const TNewTabSheet s = EvaluatedAt(MakeSheet(Flat(100), Layout12m, 24), 24, YScaleValue);
    for (int i = 1; i <= TrayCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.GetLeftOverlap(i), i <= 14 ? 100 : 0);
        EXPECT_EQ(s.GetRightOverlap(i), i <= 12 ? 0 : 100);
        EXPECT_EQ(s.GetTraySum(i), (i == 13 || i == 14) ? 300 : 200);
        // After the evaluation the neighbours' positions are relative to their own centre lines.
        EXPECT_EQ(s.GetLeftPosition(i), -s.GetTrayPosition(i));
    }
    EXPECT_EQ(s.GetVK(24), 18.0);
    EXPECT_EQ(s.GetYAxisMax(), 400);
    EXPECT_EQ(s.GetYScaleFactor(), 1.0);
    EXPECT_EQ(s.GetTrayCount(), 26);
}

TEST(WidthEvaluation, FlatPatternOnThePercentScale) {
    const TNewTabSheet s = EvaluatedAt(MakeSheet(Flat(100), Layout12m, 24), 24, YScalePercent);
    EXPECT_EQ(s.NormalLevel(), 217);
    EXPECT_EQ(s.GetYScaleFactor(), 100.0 / 217);
    EXPECT_EQ(s.GetYAxisMax(), 180);
    EXPECT_EQ(s.GetVK(24), 18.0);
}

TEST(WidthEvaluation, InterpolationRoundsHalvesToEven) {
    std::array<int, TrayCount> amounts = Flat(100);
    amounts[0] = 10;
    amounts[1] = 15;
    const TNewTabSheet s = EvaluatedAt(MakeSheet(amounts, Layout12m, 24), 24, YScaleValue);
    EXPECT_EQ(s.GetLeftOverlap(13), 12);  // midway between 15 and 10: 12.5
    EXPECT_EQ(s.GetLeftOverlap(14), 10);  // exactly on the neighbour's tray 1
}

TEST(WidthEvaluation, PeakedPatternAtTwelveMetres) {
    const std::vector<std::int64_t> sums = {104, 107, 108, 108, 108, 108, 108, 108, 107, 108, 108, 108, 114,
                                            114, 108, 108, 108, 107, 108, 108, 108, 108, 108, 108, 107, 104};
    const TNewTabSheet value = EvaluatedAt(MakeSheet(Peaked, Layout12m, 24), 24, YScaleValue);
    for (int i = 1; i <= TrayCount; ++i) EXPECT_EQ(value.GetTraySum(i), sums[static_cast<std::size_t>(i - 1)]) << i;
    EXPECT_EQ(value.GetVK(24), 2.2);
    EXPECT_EQ(value.GetYAxisMax(), 160);

    const TNewTabSheet percent = EvaluatedAt(MakeSheet(Peaked, Layout12m, 24), 24, YScalePercent);
    EXPECT_EQ(percent.NormalLevel(), 109);
    EXPECT_EQ(percent.GetYAxisMax(), 140);
}

TEST(WidthEvaluation, PeakedPatternIsEvenAtTwelveAndAHalfMetres) {
    const TNewTabSheet s = EvaluatedAt(MakeSheet(Peaked, Layout12m, 25), 25, YScaleValue);
    int strip = 0;
    for (int i = 1; i <= TrayCount; ++i) {
        if (std::abs(s.GetTrayPosition(i)) > 25 / 4.0) continue;
        ++strip;
        EXPECT_EQ(s.GetTraySum(i), 104) << i;
    }
    EXPECT_EQ(strip, 14);
    EXPECT_EQ(s.GetVK(25), 0.0);
    EXPECT_TRUE(s.GetVKComputed(25));  // a truly even spread, not a VK that failed
}

// With the neighbours 50 m away nothing overlaps, so the peak is the highest amount.
TEST(WidthEvaluation, ValueScaleAxisTop) {
    struct Row { int peak; int axis; };
    for (const Row& r : {Row{100, 140}, Row{150, 200}, Row{80, 120}, Row{60, 90}, Row{0, 10}, Row{4, 10},
                         Row{7, 20}, Row{2147483647, 2147483640}}) {
        const TNewTabSheet s = EvaluatedAt(MakeSheet(Flat(r.peak), Layout12m, 200), 200, YScaleValue);
        EXPECT_EQ(s.GetYAxisMax(), r.axis) << "peak " << r.peak;
        EXPECT_EQ(s.GetYScaleFactor(), 1.0);
    }
}

TEST(WidthEvaluation, VKThatCannotBeComputedIsZero) {
    struct Row { const char* name; TNewTabSheet sheet; int width; };
    std::array<int, TrayCount> varied = Peaked;
    const Row rows[] = {
        {"one strip tray", SparseSheet(varied, 0.0), 24},
        {"empty strip", SparseSheet(varied, 5.0), 10},
        {"mean of zero", MakeSheet(Flat(0), Layout12m, 24), 24},
        {"negative mean", MakeSheet(Flat(-50), Layout12m, 24), 24},
    };
    for (const Row& r : rows) {
        TNewTabSheet s = r.sheet;
        s.SetVK(r.width, 99.0);
        s = EvaluatedAt(s, r.width, YScaleValue);
        EXPECT_EQ(s.GetVK(r.width), 0.0) << r.name;
        EXPECT_FALSE(s.GetVKComputed(r.width)) << r.name;
    }
}

TEST(WidthEvaluation, PercentScaleWithoutAPositiveNormalLevelFallsBackToValues) {
    struct Row { const char* name; TNewTabSheet sheet; int width; int axis; };
    const Row rows[] = {
        {"empty strip", SparseSheet(Flat(100), 5.0), 10, 400},
        {"nothing caught", MakeSheet(Flat(0), Layout12m, 24), 24, 10},
        {"negative amounts", MakeSheet(Flat(-100), Layout12m, 24), 24, 10},
    };
    for (const Row& r : rows) {
        const TNewTabSheet s = EvaluatedAt(r.sheet, r.width, YScalePercent);
        EXPECT_EQ(s.GetYScaleFactor(), 1.0) << r.name;
        EXPECT_EQ(s.GetYAxisMax(), r.axis) << r.name;
    }
}

TEST(WidthEvaluation, HugeAmountsStayExact) {
    const int max = std::numeric_limits<std::int32_t>::max();
    const TNewTabSheet s = EvaluatedAt(MakeSheet(Flat(max), Layout12m, 24), 24, YScalePercent);
    EXPECT_EQ(s.GetTraySum(13), 3LL * max);
    EXPECT_EQ(s.GetTraySum(1), 2LL * max);
    EXPECT_EQ(s.GetLeftOverlap(1), max);
    EXPECT_EQ(s.GetVK(24), 18.0);  // the VK does not depend on the scale of the amounts
    // Normal level 2600/12 times max; the peak 3 max is 138 % of it.
    EXPECT_EQ(s.NormalLevel(), std::llround(26.0 * max / 12));
    EXPECT_EQ(s.GetYAxisMax(), 180);
}

TEST(WidthEvaluation, ExtremeNeighboursInterpolateWithoutOverflow) {
    const int max = std::numeric_limits<std::int32_t>::max();
    const int min = std::numeric_limits<std::int32_t>::min();
    std::array<int, TrayCount> amounts;
    for (std::size_t i = 0; i < amounts.size(); ++i) amounts[i] = i % 2 ? max : min;
    const TNewTabSheet s = EvaluatedAt(MakeSheet(amounts, Layout12m, 25), 25, YScaleValue);
    for (int i = 1; i <= TrayCount; ++i) {
        EXPECT_EQ(s.GetTraySum(i), std::int64_t{s.GetTrayAmount(i)} + s.GetLeftOverlap(i) + s.GetRightOverlap(i));
    }
    EXPECT_GE(s.GetYAxisMax(), 10);
}

TEST(WidthEvaluation, EqualAndUnorderedPositionsNeverDivideByZero) {
    struct Row { const char* name; std::vector<double> positions; };
    const Row rows[] = {
        {"all at the centre", std::vector<double>(TrayCount, 0.0)},
        {"pairs", {-6, -6, -5, -5, -4, -4, -3, -3, -2, -2, -1, -1, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6}},
        {"descending", {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, -1, -2, -3, -4, -5, -6, -7, -8, -9, -10, -11, -12, -13}},
        {"infinite ends", {-INFINITY, -11, -10, -9, -8, -7, -6, -5, -4, -3, -2, -1, 0, 0.5, 1, 2, 3, 4, 5, 6, 7, 8, 9,
                           10, 11, INFINITY}},
        {"not a number", std::vector<double>(TrayCount, NAN)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
        for (int i = 1; i <= TrayCount; ++i) sheet.SetTrayPosition(i, r.positions[static_cast<std::size_t>(i - 1)]);
        for (int mode : {YScaleValue, YScalePercent}) {
            const TNewTabSheet s = EvaluatedAt(sheet, 24, mode);
            EXPECT_TRUE(std::isfinite(s.GetVK(24)));
            EXPECT_GE(s.GetVK(24), 0.0);
            EXPECT_TRUE(std::isfinite(s.GetYScaleFactor()));
            EXPECT_GE(s.GetYAxisMax(), 10);
        }
    }
}

}  // namespace
}  // namespace kaldoventri
