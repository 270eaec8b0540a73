// The field map on triangle patterns, whose sums are known by hand: a
// triangle reaching exactly W sums to an even field; at a wider width the
// field has bare strips between the passes and peaks at the tramlines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "evaluation/CalculateSheet.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/FieldMap.h"
#include "evaluation/TrayKit.h"

namespace kaldoventri {
namespace {

// Trays every metre from −12 to 12 m holding 1200 − 100·|x|; `skew` adds
// that much per metre to the right side, which mirrored passes show.
TNewTabSheet Triangle(int halfMetres, bool racetrack, double skew = 0) {
    TNewTabSheet sheet;
    TrayKit kit{LayoutOwn, "triangel", EvenlySpaced(25, 1.0), {10, 90}};
    ApplyKit(kit, sheet);
    for (int tray = 1; tray <= 25; ++tray) {
        const double x = kit.positions[static_cast<std::size_t>(tray - 1)];
        sheet.SetTrayAmount(static_cast<std::int32_t>(1200 - 100 * std::abs(x) + (x > 0 ? skew * x : 0)), tray);
    }
    sheet.SetABredd(halfMetres);
    SetDrivingPattern(sheet, racetrack ? DrivingPattern::Racetrack : DrivingPattern::BackAndForth);
    CalculateSheet(sheet, YScaleValue);
    return sheet;
}

struct Steps {
    int lowest, highest;
};
Steps StepsOf(const FieldMapBand& band) {
    Steps steps{FieldMapSteps, -1};
    for (double percent : band.percent) {
        steps.lowest = std::min(steps.lowest, FieldMapStep(percent));
        steps.highest = std::max(steps.highest, FieldMapStep(percent));
    }
    return steps;
}

TEST(FieldMap, StepsOfKnownFields) {
    struct Row {
        const char* name;
        int halfMetres;
        bool racetrack;
        Steps asDriven;
    };
    const Row rows[] = {
        {"a triangle reaching W is even", 24, false, {4, 4}},
        {"the same driven as a racetrack", 24, true, {4, 4}},
        // At 18 m the passes leave 6 m bare between them and peak at 1200
        // over a mean of 800: both ends of the scale.
        {"too wide shows bare strips and peaks", 36, false, {0, FieldMapSteps - 1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FieldMap map = ComputeFieldMap(Triangle(row.halfMetres, row.racetrack), 480);
        ASSERT_TRUE(map.asDriven);
        const Steps steps = StepsOf(*map.asDriven);
        EXPECT_EQ(steps.lowest, row.asDriven.lowest);
        EXPECT_EQ(steps.highest, row.asDriven.highest);
        EXPECT_EQ(map.halfSpan, row.halfMetres);
    }
}

// Driving the pass at +W (12 m) a metre out, to 13 m: the triangles sum to
// 1200 left of the tramline at 0, to 1200 − 100x over the first metre right
// of it, to 1100 up to 12 m and to 1300 beyond 13 m, where the moved pass
// and the one at 24 m overlap by a metre more. The mean over −12..12 m is
// (12·1200 + 1150 + 11·1100) / 24.
TEST(FieldMap, DrivingErrorBandByHand) {
    const FieldMap map = ComputeFieldMap(Triangle(24, false), 480);  // 0,1 m a column over −24..24
    ASSERT_TRUE(map.driftedOut);
    const double mean = (12 * 1200.0 + 1150 + 11 * 1100) / 24;
    const std::pair<double, double> rows[] = {{-6.05, 1200}, {0.55, 1145}, {6.05, 1100}, {18.05, 1300}};
    for (const auto& [x, sum] : rows) {
        const auto column = static_cast<std::size_t>(std::lround((x + 24) * 10 - 0.5));
        EXPECT_NEAR(map.driftedOut->percent[column], 100 * sum / mean, 1e-9) << x;
    }
}

// Back and forth mirrors every other pass, so a pattern heavier on its right
// gives a field symmetric about the midway line W/2; on a racetrack every
// pass is alike and the field repeats itself every W instead.
TEST(FieldMap, BackAndForthMirrorsEveryOtherPass) {
    const FieldMap forth = ComputeFieldMap(Triangle(24, false, 20), 480);
    const FieldMap round = ComputeFieldMap(Triangle(24, true, 20), 480);
    ASSERT_TRUE(forth.asDriven && round.asDriven);
    const auto& f = forth.asDriven->percent;
    const auto& r = round.asDriven->percent;
    int asymmetric = 0;
    for (std::size_t j = 0; j < 180; ++j) {
        EXPECT_NEAR(f[299 - j], f[300 + j], 1e-9);  // 6 ∓ (j + 0,5)·0,1 m
        EXPECT_NEAR(r[j], r[j + 120], 1e-9);         // 12 m further on
        if (std::abs(r[299 - j] - r[300 + j]) > 1) ++asymmetric;
    }
    EXPECT_GT(asymmetric, 0);
}

TEST(FieldMap, StepLimits) {
    const std::pair<double, int> rows[] = {{79.99, 0}, {80, 1}, {94.99, 3}, {95, 4}, {104.99, 4},
                                           {105, 5},   {119.99, 7}, {120, 8}, {std::nan(""), -1}};
    for (const auto& [percent, step] : rows) EXPECT_EQ(FieldMapStep(percent), step) << percent;
}

}  // namespace
}  // namespace kaldoventri
