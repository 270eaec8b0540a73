// Passes beyond the neighbours, against a plain sum over every pass of the field.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <vector>

#include "SheetFixtures.h"
#include "evaluation/ApplicationRate.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/FurtherPasses.h"
#include "evaluation/TrayKit.h"
#include "evaluation/VKUncertainty.h"

namespace kaldoventri {
namespace {

// Passes at ±1 ... ±30 widths, each placed mirrored about its centre line,
// every other one reversed when driven back and forth; the amount at an own
// tray searched from the pass's first tray and interpolated on the line
// through its two trays. Beyond the neighbours only where some such pass
// gives an amount to a tray of the middle strip.
struct AllPasses {
    std::vector<double> p, a;
    bool backAndForth;

    std::optional<double> PassAt(double x, int k, bool round) const {
        const std::size_t N = p.size();
        const bool reversed = backAndForth && std::abs(k) % 2 == 1;
        const auto amount = [&](std::size_t j) { return reversed ? a[N - 1 - j] : a[j]; };
        const auto place = [&](std::size_t j) { return -p[N - 1 - j] + (k > 0 ? k * w2 : -(-k * w2)); };
        for (std::size_t j = 0; j < N; ++j) {
            if (!(place(j) >= x)) continue;
            if (place(j) == x) return amount(j);
            if (j == 0) return std::nullopt;
            const double slope = (amount(j) - amount(j - 1)) / (place(j) - place(j - 1));
            const double m = amount(j) - slope * place(j);
            return round ? std::nearbyint(slope * x + m) : slope * x + m;
        }
        return std::nullopt;
    }
    bool InStrip(double x) const { return -w2 / 2 <= x && x <= w2 / 2; }
    // The sum at every own tray at width w (half-metres).
    std::vector<double> Sums(int w, bool round) {
        w2 = w / 2.0;
        bool further = false;
        for (const double x : p)
            for (int k = 2; k <= 30; ++k) further = further || (InStrip(x) && (PassAt(x, k, true) || PassAt(x, -k, true)));
        std::vector<double> sums = a;
        for (std::size_t i = 0; i < p.size(); ++i)
            for (int k = 1; k <= (further ? 30 : 1); ++k) sums[i] += PassAt(p[i], k, round).value_or(0) + PassAt(p[i], -k, round).value_or(0);
        return sums;
    }
    // The VK over the strip, rounded as shown or exact; nothing where it cannot be had.
    std::optional<double> VK(int w, bool round = true) {
        const std::vector<double> sums = Sums(w, round);
        double sum = 0, squares = 0;
        int c = 0;
        for (std::size_t i = 0; i < p.size(); ++i)
            if (InStrip(p[i])) sum += sums[i], squares += sums[i] * sums[i], ++c;
        if (c < 2 || !(sum > 0)) return std::nullopt;
        const double s = std::sqrt((squares - sum * sum / c) / (c - 1));
        return round ? std::nearbyint(s / (sum / c) * 1000) / 10 : s / (sum / c) * 100;
    }
    double w2 = 0;
};

AllPasses PassesOf(const TNewTabSheet& s) {
    AllPasses all{{}, {}, DrivingPatternOf(s) == DrivingPattern::BackAndForth};
    for (int t = 1; t <= s.GetTrayCount(); ++t) all.p.push_back(s.GetTrayPosition(t)), all.a.push_back(s.GetTrayAmount(t));
    return all;
}

// Flat 100 on the 12 m layout at 7 m: the passes at ±14 m reach the trays at
// ±1.75, ±2.25 and ±3.25 m, so six of the eight strip trays hold 400 and the
// two middle ones 300: mean 375, s = √(15000 / 7) = 46.29, VK 12.3 % where
// the neighbours alone gave an even 300 and 0.0 %. The outermost tray gets
// its own 100, the right neighbour's and those of the passes at 14 and 21 m.
TEST(FurtherPasses, HandCheckedFlatPatternAtSevenMetres) {
    TNewTabSheet s = testing::MakeSheet(testing::Flat(100), Layout12m, 14);
    s.SetUnits(SheetUnits{0.25, AmountUnit{1, AmountKind::Mass}, std::nullopt, std::nullopt});
    CalculateSheet(s, YScaleValue);
    EXPECT_EQ(s.GetVK(14), 12.3);
    EXPECT_EQ(s.GetTraySum(13), 300);
    EXPECT_EQ(s.GetTraySum(15), 400);
    EXPECT_EQ(s.GetTraySum(26), 400);
    EXPECT_EQ(s.GetFurtherOverlap(26), 200);
    EXPECT_EQ(s.NormalLevel(), 375);
    EXPECT_EQ(ApplicationRate(s), 375 * 40.0);
    EXPECT_EQ(s.GetYAxisMax(), 520);  // Round(400 x 1.25 / 10) x 10 + 10, even tens
    EXPECT_EQ(s.GetVK(16), 0.0);      // at 8 m only the neighbours reach: 300 everywhere
    // The built-in layouts count further passes up to 7.5 m and 15 m.
    EXPECT_EQ(WidthsCountingFurtherPasses(s), (std::vector<int>{10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(WidthsCountingFurtherPasses(testing::MakeSheet(testing::Flat(1), Layout24m, 48)).back(), 30);
}

// The whole VK curve, the sums at the own width and the VK's uncertainty, on
// both built-in layouts and random own kits, back and forth and racetrack.
TEST(FurtherPasses, EveryNumberIsTheSumOverAllPasses) {
    std::mt19937 rng(2025);
    std::vector<TNewTabSheet> sheets;
    std::array<int, TrayCount> wide;
    for (int layout : {Layout12m, Layout24m}) {
        for (int t = 1; t <= TrayCount; ++t) wide[t - 1] = 120 - static_cast<int>(4 * std::abs(TrayPlacementFor(layout, t)));
        for (const auto& amounts : {testing::Peaked, wide}) sheets.push_back(testing::MakeSheet(amounts, layout, 10 + layout * 20));
    }
    for (int kit = 0; kit < 8; ++kit) {
        std::vector<double> places(std::uniform_int_distribution<std::size_t>(2, 60)(rng));
        for (double& x : places) x = std::round(std::uniform_real_distribution<double>(-24.25, 24.25)(rng) * 100) / 100;
        std::sort(places.begin(), places.end());
        places.erase(std::unique(places.begin(), places.end()), places.end());
        TNewTabSheet s = testing::MakeSheet(testing::Peaked, Layout12m, std::uniform_int_distribution<int>(10, 40)(rng));
        ApplyKit(TrayKit{LayoutOwn, "Slump", places, DefaultSearchRange(LastCurveWidthOf(places))}, s);
        for (int t = 1; t <= s.GetTrayCount(); ++t) s.SetTrayAmount(std::uniform_int_distribution<int>(0, 300)(rng), t);
        sheets.push_back(s);
    }
    for (TNewTabSheet s : sheets) {
        for (const DrivingPattern pattern : {DrivingPattern::BackAndForth, DrivingPattern::Racetrack}) {
            SetDrivingPattern(s, pattern);
            s.SetUnits(SheetUnits{0.25, AmountUnit{1, AmountKind::Mass}, std::nullopt, std::nullopt});
            CalculateSheet(s, YScaleValue);
            AllPasses all = PassesOf(s);
            for (int w = FirstCurveWidth; w <= LastCurveWidthOf(s); ++w) {
                const std::optional<double> vk = all.VK(w);
                ASSERT_EQ(s.GetVKComputed(w), vk.has_value()) << w;
                ASSERT_EQ(s.GetVK(w), vk.value_or(0)) << "width " << w << " trays " << s.GetTrayCount();
                // Linear propagation of ±½ unit: the exact VK's slope in every amount (an even strip has none).
                if (!vk || w % 10 != 0 || !(all.VK(w, false) > 0.1)) continue;
                double variance = 0;
                for (std::size_t t = 0; t < all.a.size(); ++t) {
                    AllPasses up = all, down = all;
                    up.a[t] += 1e-3, down.a[t] -= 1e-3;
                    const double slope = (*up.VK(w, false) - *down.VK(w, false)) / 2e-3;
                    variance += slope * slope / 12;
                }
                ASSERT_NEAR(*VKUncertaintyAt(s, w), std::sqrt(variance), 1e-6 + 1e-5 * std::sqrt(variance)) << w;
            }
            const std::vector<double> sums = all.Sums(s.GetABredd(), true);
            for (int t = 1; t <= s.GetTrayCount(); ++t) ASSERT_EQ(s.GetTraySum(t), sums[t - 1]) << t;
        }
    }
}

}  // namespace
}  // namespace kaldoventri
