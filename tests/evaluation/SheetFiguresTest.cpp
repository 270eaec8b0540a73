// The analysis figures on hand-made VK curves, where each boundary (5, 10 and
// 15 %, the ends of the span, a VK not computed) is placed on purpose; the
// side balance and replicate means on their rounding halves; the figure texts.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <vector>

#include "SheetFixtures.h"
#include "evaluation/AveragedAmounts.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/FigureTexts.h"

namespace kaldoventri {
namespace {

constexpr double NotComputed = -1.0;  // stored as 0, flagged as not computed

// A curve where every width of the span has VK `rest` unless `vks` says otherwise.
TNewTabSheet CurveSheet(int layout, int aBredd, double rest, const std::map<int, double>& vks, int optimum) {
    TNewTabSheet s = testing::MakeSheet(testing::Peaked, layout, aBredd);
    for (int w = 1; w <= MaxCurveWidth; ++w) {
        const double vk = vks.count(w) ? vks.at(w) : rest;
        s.SetVK(w, vk == NotComputed ? 0.0 : vk, vk != NotComputed);
    }
    s.SetOptimum(optimum / 2.0, s.GetVK(optimum));
    return s;
}

struct CurveCase {
    const char* name;
    TNewTabSheet sheet;
    std::optional<double> drivingError;
    std::optional<std::pair<double, double>> usable;
};

class CurveFigures : public ::testing::TestWithParam<CurveCase> {};

TEST_P(CurveFigures, DrivingErrorAndUsableRange) {
    const SheetFigures f = ComputeSheetFigures(GetParam().sheet);
    EXPECT_EQ(f.drivingErrorVK, GetParam().drivingError);
    ASSERT_EQ(f.usableRange.has_value(), GetParam().usable.has_value());
    if (f.usableRange) {
        EXPECT_EQ(f.usableRange->narrowest, GetParam().usable->first);
        EXPECT_EQ(f.usableRange->widest, GetParam().usable->second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, CurveFigures,
    ::testing::Values(
        CurveCase{"Inside", CurveSheet(Layout12m, 24, 20, {{21, 1}, {22, 1.5}, {23, 3}, {24, 2}, {25, 3.4}, {26, 1}, {27, 9}, {28, 12}, {29, 13}, {30, 14.9}, {31, 15}}, 24),
                  3.4, std::pair{10.5, 15.0}},
        CurveCase{"StopsAtAVKNotComputed", CurveSheet(Layout12m, 24, 2, {{22, NotComputed}, {26, NotComputed}, {30, NotComputed}}, 24),
                  2.0, std::pair{11.5, 12.5}},
        CurveCase{"NoneComputedNearTheWidth", CurveSheet(Layout12m, 24, NotComputed, {{20, 1}, {28, 1}}, 20),
                  std::nullopt, std::pair{10.0, 10.0}},
        CurveCase{"SpanEndsBoundBoth", CurveSheet(Layout12m, 10, 3, {{8, 40}, {9, 40}, {53, 1}, {54, 1}}, 16),
                  3.0, std::pair{5.0, 26.0}},
        CurveCase{"WidthBeyondTheSpan", CurveSheet(Layout12m, 70, 3, {{70, 40}}, 16), std::nullopt, std::pair{5.0, 26.0}},
        CurveCase{"OptimumAtFifteen", CurveSheet(Layout24m, 48, 15, {}, 32), 15.0, std::nullopt},
        CurveCase{"OptimumNotComputed", CurveSheet(Layout24m, 48, 3, {{32, NotComputed}}, 32), 3.0, std::nullopt},
        CurveCase{"NeverEvaluated", TNewTabSheet{}, std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SheetFigures, ToleranceClassBoundaries) {
    const std::vector<std::pair<double, std::optional<ToleranceClass>>> rows = {
        {0.0, ToleranceClass::MycketBra}, {4.9, ToleranceClass::MycketBra},     {5.0, ToleranceClass::Bra},
        {9.9, ToleranceClass::Bra},       {10.0, ToleranceClass::Godtagbar},    {14.9, ToleranceClass::Godtagbar},
        {15.0, ToleranceClass::Otillracklig}, {80.0, ToleranceClass::Otillracklig}};
    for (const auto& [vk, expected] : rows) {
        EXPECT_EQ(ToleranceClassOf(vk, true), expected) << vk;
        EXPECT_EQ(ToleranceClassOf(vk, false), std::nullopt) << vk;
    }
}

TEST(SheetFigures, SideBalanceRoundsHalvesToEvenAndSumsIn64Bits) {
    struct Row { const char* name; int leftTray; int leftAmount; int rightTray; int rightAmount; std::optional<double> left; double right; };
    const int max = std::numeric_limits<std::int32_t>::max();
    for (const Row& r : {Row{"49,6", 1, 496, 26, 504, 49.6, 50.4}, Row{"half to even down", 13, 1, 14, 1999, 0.0, 100},
                         Row{"half to even up", 13, 3, 14, 1997, 0.2, 99.8}, Row{"huge", 1, max, 26, max, 50.0, 50},
                         Row{"nothing caught", 1, 0, 26, 0, std::nullopt, 0}, Row{"negative total", 1, 5, 26, -9, std::nullopt, 0}}) {
        TNewTabSheet s = testing::MakeSheet(testing::Flat(0), Layout24m, 48);
        s.SetTrayAmount(r.leftAmount, r.leftTray);
        s.SetTrayAmount(r.rightAmount, r.rightTray);
        const auto balance = SideBalanceOf(s);
        ASSERT_EQ(balance.has_value(), r.left.has_value()) << r.name;
        if (!balance) continue;
        EXPECT_EQ(balance->left, *r.left) << r.name;
        EXPECT_EQ(balance->right, r.right) << r.name;
    }
}

TEST(AveragedAmounts, MeanPerTrayRoundsHalvesToEven) {
    const int max = std::numeric_limits<std::int32_t>::max();
    struct Row { std::vector<int> amounts; int mean; };
    for (const Row& r : {Row{{7}, 7}, Row{{1, 2}, 2}, Row{{2, 3}, 2}, Row{{-1, -2}, -2}, Row{{-2, -3}, -2},
                         Row{{1, 1, 2}, 1}, Row{{-1, -2, -2}, -2}, Row{{max, max, max - 1}, max}}) {
        std::vector<TNewTabSheet> sheets(r.amounts.size(), TNewTabSheet{});
        std::vector<const TNewTabSheet*> pointers = {nullptr};
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            sheets[i].SetTrayAmount(r.amounts[i], 26);
            pointers.push_back(&sheets[i]);
        }
        const auto means = AveragedAmounts(pointers);
        EXPECT_EQ(means[25], r.mean) << r.amounts.front() << " of " << r.amounts.size();
        EXPECT_EQ(means[0], 0);
    }
}

TEST(DrivingPattern, OnlyBothNeighboursUnreversedIsRacetrack) {
    for (int bits = 0; bits < 4; ++bits) {
        TNewTabSheet s;
        if (bits & 1) s.ToggleLeftPassReversed();
        if (bits & 2) s.ToggleRightPassReversed();
        EXPECT_EQ(DrivingPatternOf(s), bits == 0 ? DrivingPattern::Racetrack : DrivingPattern::BackAndForth) << bits;
        for (const DrivingPattern p : {DrivingPattern::Racetrack, DrivingPattern::BackAndForth}) {
            SetDrivingPattern(s, p);
            EXPECT_EQ(s.GetLeftPassReversed(), p == DrivingPattern::BackAndForth);
            EXPECT_EQ(s.GetRightPassReversed(), p == DrivingPattern::BackAndForth);
        }
    }
}

TEST(FigureTexts, WholeLine) {
    SheetFigures all{2.2, ToleranceClass::MycketBra, 3.4, WidthRangeMetres{9, 14.5}, SideBalance{49.6, 50.4}};
    EXPECT_EQ(FiguresLine(all, ","),
              "VK 2,2 % Mycket bra · Körfel ±1 m: högst 3,4 % · VK under 15 %: 9–14,5 m · Sidobalans V/H 49,6/50,4 %");
    all.toleranceClass = ToleranceClass::Otillracklig;
    const std::string start = "VK 2.2 % Otillräcklig · ";
    EXPECT_EQ(FiguresLine(all, ".").substr(0, start.size()), start);
    EXPECT_EQ(FiguresLine(SheetFigures{}, ","), "VK – · Körfel ±1 m: – · VK under 15 %: – · Sidobalans V/H –");
    EXPECT_EQ(ToleranceClassText(SheetFigures{}), "–");
    TNewTabSheet s;
    s.SetVK(25, 3.1);
    s.SetVK(26, 0.0, false);
    EXPECT_EQ(WidthVKText(s, 25, ","), "12,5 m: VK 3,1 %");
    EXPECT_EQ(WidthVKText(s, 26, "."), "13 m: VK –");
}

}  // namespace
}  // namespace kaldoventri
