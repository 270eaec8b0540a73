// Own tray kits: the span and search-range rule, which gives the built-in
// layouts their 52 and 100, the kit's own checks, and evaluations worked out
// by hand for kits of 2, 3 (one tray on the centre line, places with three
// decimals) and 100 trays.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "evaluation/CalculateSheet.h"
#include "evaluation/TrayKit.h"

namespace kaldoventri {
namespace {

TEST(TrayKit, SpanFollowsTheOutermostTray) {
    struct Row { std::vector<double> positions; int last; };
    for (const Row& r : {Row{BuiltInKit(Layout12m).positions, 52}, Row{BuiltInKit(Layout24m).positions, 100},
                         Row{{-12.3, 12.3}, 53}, Row{{-2.5, 1}, 13}, Row{{-24.25, 24.25}, 100}, Row{{0.0, 3.0}, 15}}) {
        EXPECT_EQ(LastCurveWidthOf(r.positions), r.last) << r.positions.back();
        EXPECT_EQ(DefaultSearchRange(r.last), (WidthRange{10, std::max(10, r.last - 4)}));
    }
}

TEST(TrayKit, ProblemsOfAKit) {
    struct Row { TrayKit kit; const char* problem; };
    const auto kit = [](std::vector<double> p, WidthRange search = {10, 40}) { return TrayKit{LayoutOwn, "x", p, search}; };
    for (const Row& r : {Row{kit({-10, 10}), ""}, Row{kit({-10}), "En uppställning har 2 till 100 backar."},
                         Row{kit(std::vector<double>(101, 0.0)), "En uppställning har 2 till 100 backar."},
                         Row{kit({-10, -10, 10}), "Backarnas lägen måste öka från back till back (back 2)."},
                         Row{kit({-24.26, 10}), "Back 1 ligger utanför ±24,25 m."},
                         Row{kit({-10, 10}, {10, 44}), "Sökområdet måste ligga inom 5 m till 21,5 m."},
                         Row{kit({-10, 10}, {30, 20}), "Sökområdet börjar efter sitt slut."}}) {
        EXPECT_EQ(KitProblem(r.kit).value_or(""), r.problem);
    }
    EXPECT_EQ(EvenlySpaced(4, 1.5), (std::vector<double>{-2.25, -0.75, 0.75, 2.25}));
    // 3 x 0.1 is 0.30000000000000004 in binary; the kit keeps the 0.3 its file will hold.
    EXPECT_EQ(EvenlySpaced(7, 0.1), (std::vector<double>{-0.3, -0.2, -0.1, 0, 0.1, 0.2, 0.3}));
}

TNewTabSheet Kit(const std::vector<double>& positions, const std::vector<int>& amounts, int aBredd) {
    TNewTabSheet sheet;
    sheet.SetDescription("", "", "", "", LayoutOwn, aBredd, "", "");
    ApplyKit(TrayKit{LayoutOwn, "Kit", positions, DefaultSearchRange(LastCurveWidthOf(positions))}, sheet);
    for (std::size_t i = 0; i < amounts.size(); ++i) sheet.SetTrayAmount(amounts[i], static_cast<int>(i) + 1);
    sheet.ToggleLeftPassReversed();
    sheet.ToggleRightPassReversed();
    return sheet;
}

struct HandCase {
    const char* name;
    std::vector<double> positions;
    std::vector<int> amounts;
    int aBredd;
    std::vector<std::int64_t> sums;  // of the trays given, from the first
    double vk;
};

class KitByHand : public ::testing::TestWithParam<HandCase> {};

TEST_P(KitByHand, OverlapsAndVK) {
    const HandCase& c = GetParam();
    TNewTabSheet sheet = Kit(c.positions, c.amounts, c.aBredd);
    CalculateSheet(sheet, YScaleValue);
    ASSERT_EQ(sheet.GetTrayCount(), static_cast<int>(c.positions.size()));
    for (std::size_t i = 0; i < c.sums.size(); ++i) EXPECT_EQ(sheet.GetTraySum(static_cast<int>(i) + 1), c.sums[i]) << i;
    EXPECT_TRUE(sheet.GetVKComputed(c.aBredd));
    EXPECT_EQ(sheet.GetVK(c.aBredd), c.vk);
    // The merged walk and the plain search agree on the whole span.
    TNewTabSheet reference = Kit(c.positions, c.amounts, c.aBredd);
    CalculateSheet(reference, YScaleValue, OverlapScan::FullScan);
    for (int w = 1; w <= MaxCurveWidth; ++w) ASSERT_EQ(sheet.GetVK(w), reference.GetVK(w)) << w;
}

std::vector<double> HundredTrays() {
    std::vector<double> p;
    for (int i = 0; i < 100; ++i) p.push_back((i - 49.5) * 0.25);
    return p;
}

// Two trays 3 m apart at 3 m: each neighbour's mirrored tray falls on an own
// tray, sums 20 and 60, VK 28.28 / 40. Five trays, one on the centre line and
// the outer ones at 4.125 m, at 5 m: the neighbours are interpolated, e.g.
// 40 + (12 - 40) / 2.125 = 26.82, rounded 27, at -2 m; sums 60, 67, 55, 67,
// 59 and over the strip (-2, 0, 2 m) VK 6.93 / 63. A hundred trays 0.25 m
// apart at 12 m: the neighbours' trays fall on the own ones, the four round
// the centre line get both (300), the rest one (200); 4 of the 48 strip trays
// are 300, VK 27.93 / 208.33.
std::vector<std::int64_t> HundredTraySums() {
    std::vector<std::int64_t> sums(100, 200);
    for (int i = 48; i <= 51; ++i) sums[static_cast<std::size_t>(i)] = 300;
    return sums;
}

INSTANTIATE_TEST_SUITE_P(
    Kits, KitByHand,
    ::testing::Values(HandCase{"TwoTrays", {-1.5, 1.5}, {10, 30}, 6, {20, 60}, 70.7},
                      HandCase{"FiveTraysOneOnTheCentreLine", {-4.125, -2, 0, 2, 4.125}, {12, 40, 55, 41, 10}, 10,
                               {60, 67, 55, 67, 59}, 11.0},
                      HandCase{"HundredTrays", HundredTrays(), std::vector<int>(100, 100), 24, HundredTraySums(), 13.4}),
    [](const ::testing::TestParamInfo<HandCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri
