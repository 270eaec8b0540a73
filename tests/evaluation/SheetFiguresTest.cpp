// The analysis figures on hand-made VK curves with each boundary (15 %, the
// span's ends, a VK not computed) placed on purpose; side balance and
// replicate means on their rounding halves; the figure texts.
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

constexpr double NotComputed = -1.0;
constexpr int Max = std::numeric_limits<std::int32_t>::max();
using Range = std::optional<std::pair<double, double>>;

// Every width has VK `rest` unless `vks` says otherwise; the optimum is set by hand.
TNewTabSheet CurveSheet(int layout, int aBredd, double rest, const std::map<int, double>& vks, int optimum) {
    TNewTabSheet s = testing::MakeSheet(testing::Peaked, layout, aBredd);
    for (int w = 1; w <= MaxCurveWidth; ++w) {
        const double vk = vks.count(w) ? vks.at(w) : rest;
        s.SetVK(w, vk == NotComputed ? 0.0 : vk, vk != NotComputed);
    }
    s.SetOptimum(optimum / 2.0, s.GetVK(optimum));
    return s;
}

TEST(SheetFigures, DrivingErrorAndUsableRange) {
    struct Row { const char* name; TNewTabSheet sheet; std::optional<double> drivingError; Range usable; };
    const Row rows[] = {
        {"inside", CurveSheet(Layout12m, 24, 20, {{21, 1}, {22, 1.5}, {23, 3}, {24, 2}, {25, 3.4}, {26, 1}, {27, 9},
                                                  {28, 12}, {29, 13}, {30, 14.9}, {31, 15}}, 24),
         3.4, std::pair{10.5, 15.0}},
        {"gaps", CurveSheet(Layout12m, 24, 2, {{22, NotComputed}, {26, NotComputed}}, 24), 2.0, std::pair{11.5, 12.5}},
        {"none near the width", CurveSheet(Layout12m, 24, NotComputed, {{20, 1}}, 20), std::nullopt, std::pair{10.0, 10.0}},
        {"span ends", CurveSheet(Layout12m, 10, 3, {{8, 40}, {9, 40}, {53, 1}}, 16), 3.0, std::pair{5.0, 26.0}},
        {"width beyond the span", CurveSheet(Layout12m, 70, 3, {{70, 40}}, 16), std::nullopt, std::pair{5.0, 26.0}},
        {"optimum at 15", CurveSheet(Layout24m, 48, 15, {}, 32), 15.0, std::nullopt},
        {"optimum not computed", CurveSheet(Layout24m, 48, 3, {{32, NotComputed}}, 32), 3.0, std::nullopt},
        {"never evaluated", TNewTabSheet{}, std::nullopt, std::nullopt}};
    for (const Row& r : rows) {
        const SheetFigures f = ComputeSheetFigures(r.sheet);
        const Range usable = f.usableRange ? Range(std::pair{f.usableRange->narrowest, f.usableRange->widest}) : std::nullopt;
        EXPECT_EQ(std::pair(f.drivingErrorVK, usable), std::pair(r.drivingError, r.usable)) << r.name;
    }
}

TEST(SheetFigures, ToleranceClassBoundaries) {
    using enum ToleranceClass;
    for (const auto& [vk, expected] : std::vector<std::pair<double, ToleranceClass>>{
             {4.9, MycketBra}, {5.0, Bra}, {9.9, Bra}, {10.0, Godtagbar}, {14.9, Godtagbar}, {15.0, Otillracklig}}) {
        EXPECT_EQ(ToleranceClassOf(vk, true), expected) << vk;
        EXPECT_EQ(ToleranceClassOf(vk, false), std::nullopt) << vk;
    }
}

TEST(SheetFigures, SideBalanceRoundsHalvesToEvenAndSumsIn64Bits) {
    struct Row { int leftTray, leftAmount, rightTray, rightAmount; std::optional<std::pair<double, double>> shares; };
    for (const Row& r : {Row{1, 496, 26, 504, std::pair{49.6, 50.4}}, Row{13, 1, 14, 1999, std::pair{0.0, 100.0}},
                         Row{13, 3, 14, 1997, std::pair{0.2, 99.8}}, Row{1, Max, 26, Max, std::pair{50.0, 50.0}},
                         Row{1, 0, 26, 0, std::nullopt}, Row{1, 5, 26, -9, std::nullopt}}) {
        TNewTabSheet s = testing::MakeSheet(testing::Flat(0), Layout24m, 48);
        s.SetTrayAmount(r.leftAmount, r.leftTray);
        s.SetTrayAmount(r.rightAmount, r.rightTray);
        const auto b = SideBalanceOf(s);
        EXPECT_EQ(b ? std::optional(std::pair{b->left, b->right}) : std::nullopt, r.shares) << r.leftAmount;
    }
}

TEST(SheetFigures, AveragedAmountsRoundHalvesToEven) {
    struct Row { std::vector<int> amounts; int mean; };
    for (const Row& r : {Row{{1, 2}, 2}, Row{{2, 3}, 2}, Row{{-1, -2}, -2}, Row{{-2, -3}, -2}, Row{{1, 1, 2}, 1},
                         Row{{-1, -2, -2}, -2}, Row{{Max, Max, Max - 1}, Max}}) {
        std::vector<TNewTabSheet> sheets(r.amounts.size());
        std::vector<const TNewTabSheet*> pointers = {nullptr};
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            sheets[i].SetTrayAmount(r.amounts[i], 26);
            pointers.push_back(&sheets[i]);
        }
        EXPECT_EQ(AveragedAmounts(pointers)[25], r.mean) << r.amounts.front() << " of " << r.amounts.size();
    }
}

TEST(SheetFigures, MixedNeighbourDirectionsCountAsBackAndForth) {
    TNewTabSheet mixed;
    mixed.ToggleLeftPassReversed();
    EXPECT_EQ(DrivingPatternOf(mixed), DrivingPattern::BackAndForth);
}

TEST(SheetFigures, Texts) {
    SheetFigures all{2.2, ToleranceClass::MycketBra, 3.4, WidthRangeMetres{9, 14.5}, SideBalance{49.6, 50.4},
                     PatternVerdict{PatternKind::HeavyAtTramline, 1.2}};
    EXPECT_EQ(FiguresLine(all, ","),
              "VK 2,2 % Mycket bra · Körfel ±1 m: högst 3,4 % · VK under 15 %: 9–14,5 m · Sidobalans V/H 49,6/50,4 % · "
              "Mönster: Tyngd vid körspåret (bredda spridningen eller kör smalare)");
    all.toleranceClass = ToleranceClass::Otillracklig;
    EXPECT_EQ(FiguresLine(all, ".").substr(0, 26), "VK 2.2 % Otillräcklig · ");
    EXPECT_EQ(FiguresLine(SheetFigures{}, ","),
              "VK – · Körfel ±1 m: – · VK under 15 %: – · Sidobalans V/H – · Mönster: –");
    TNewTabSheet s;
    s.SetVK(25, 3.1);
    EXPECT_EQ(WidthVKText(s, 25, ",") + " / " + WidthVKText(s, 26, "."), "12,5 m: VK 3,1 % / 13 m: VK –");
}

}  // namespace
}  // namespace kaldoventri
