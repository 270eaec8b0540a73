// The application rate and target on hand-checked sheets, the VK's
// uncertainty against a brute-force Monte Carlo, and each data warning
// triggered and not triggered by a pair of sheets.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "SheetFixtures.h"
#include "evaluation/AveragedAmounts.h"
#include "evaluation/DataWarnings.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/VKUncertainty.h"

namespace kaldoventri {
namespace {

SheetUnits Grams(double unit, double area, std::optional<double> target = std::nullopt) {
    return SheetUnits{area, AmountUnit{unit, AmountKind::Mass}, std::nullopt, target};
}

// At 50 m no neighbour reaches the 12 m layout's trays, and the strip holds
// all 26: the strip mean is the flat amount itself.
TNewTabSheet FlatAtFifty(int amount, const SheetUnits& units) {
    TNewTabSheet s = testing::MakeSheet(testing::Flat(amount), Layout12m, 100);
    s.SetUnits(units);
    CalculateSheet(s, YScaleValue);
    return s;
}

TEST(ApplicationRate, HandCheckedSheets) {
    const SheetUnits millilitres{0.25, AmountUnit{1, AmountKind::Volume}, 1.05, 200.0};
    struct Row { const char* name; int amount; SheetUnits units; std::optional<double> rate; const char* deviation; const char* correction; };
    const Row rows[] = {
        {"one unit of 0,1 g in 50 x 50 cm is 4 kg/ha", 1, Grams(0.1, 0.25), 4.0, "", ""},
        {"target 200, six percent over", 53, Grams(0.1, 0.25, 200), 212.0, "+6 % !", "Doseringen × 0,94"},
        {"fifteen percent under", 53, Grams(0.1, 0.25, 250), 212.0, "-15 % !!", "Doseringen × 1,18"},
        {"ml with density, five percent is no mark", 5, millilitres, 210.0, "+5 %", "Doseringen × 0,95"},
        {"ml without density", 5, SheetUnits{0.25, AmountUnit{1, AmountKind::Volume}, {}, {}}, std::nullopt, "", ""},
        {"no area", 5, SheetUnits{{}, AmountUnit{1, AmountKind::Mass}, {}, 200.0}, std::nullopt, "", ""},
        {"nothing caught", 0, Grams(1, 0.25, 200), 0.0, "-100 % !!", ""},
    };
    for (const Row& r : rows) {
        const SheetFigures f = ComputeSheetFigures(FlatAtFifty(r.amount, r.units));
        ASSERT_EQ(f.rate.has_value(), r.rate.has_value()) << r.name;
        if (r.rate) {
            EXPECT_NEAR(*f.rate, *r.rate, 1e-9) << r.name;
        }
        EXPECT_EQ(DeviationText(f), r.deviation) << r.name;
        EXPECT_EQ(CorrectionText(f, ","), r.correction) << r.name;
    }
}

TEST(ApplicationRate, KgPerHaScaleDrawsTheRateAndFallsBackWithoutUnits) {
    TNewTabSheet s = testing::MakeSheet(testing::Flat(25), Layout12m, 100);
    s.SetUnits(Grams(0.1, 0.25));
    CalculateSheet(s, YScaleKgPerHa);
    EXPECT_DOUBLE_EQ(s.GetYScaleFactor(), 4.0);
    EXPECT_EQ(s.GetYAxisMax(), 140);  // 100 kg/ha × 1,25 rounded to tens, plus 10, even tens above 100
    s.SetUnits({});
    CalculateSheet(s, YScaleKgPerHa);
    EXPECT_DOUBLE_EQ(s.GetYScaleFactor(), 1.0);
}

// The VK of amounts that need not be whole, with both neighbours driven the
// other way and interpolated without truncation: written afresh from the
// driving pattern, not from the program's overlap.
double PlainVK(const std::vector<double>& p, const std::vector<double>& a, int w) {
    const auto neighbour = [&](double x, double shift) {
        // Tray t of a neighbour lies at -p[t] + shift; its places ascend from the last tray.
        for (std::size_t k = p.size() - 1; k > 0; --k) {
            const double x0 = -p[k] + shift, x1 = -p[k - 1] + shift;
            if (x0 <= x && x <= x1) return a[k] + (a[k - 1] - a[k]) * (x - x0) / (x1 - x0);
        }
        return 0.0;
    };
    std::vector<double> v;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (std::fabs(p[i]) <= w / 4.0) v.push_back(a[i] + neighbour(p[i], -w / 2.0) + neighbour(p[i], w / 2.0));
    double m = 0, q = 0;
    for (double x : v) m += x / static_cast<double>(v.size());
    for (double x : v) q += (x - m) * (x - m);
    return 100 * std::sqrt(q / static_cast<double>(v.size() - 1)) / m;
}

double MonteCarloSpread(const TNewTabSheet& s, int w) {
    std::mt19937_64 random(19);
    const int n = s.GetTrayCount();
    std::vector<double> p(static_cast<std::size_t>(n)), a(p.size());
    const auto uniform = [&] { return static_cast<double>(random() >> 11) / 9007199254740992.0 - 0.5; };
    const auto normal = [&] {  // twelve uniforms: deterministic everywhere
        double sum = 0;
        for (int i = 0; i < 12; ++i) sum += uniform();
        return sum;
    };
    std::vector<double> vks;
    for (int draw = 0; draw < 20000; ++draw) {
        for (int t = 1; t <= n; ++t) {
            const auto i = static_cast<std::size_t>(t - 1);
            p[i] = s.GetTrayPosition(t);
            a[i] = s.GetTrayAmount(t) + uniform() + std::sqrt(s.GetReplicateVariance(t)) * normal();
        }
        vks.push_back(PlainVK(p, a, w));
    }
    double m = 0, q = 0;
    for (double x : vks) m += x / static_cast<double>(vks.size());
    for (double x : vks) q += (x - m) * (x - m);
    return std::sqrt(q / static_cast<double>(vks.size() - 1));
}

TEST(VKUncertainty, AgreesWithABruteForceMonteCarloAndShrinksAsAmountsGrow) {
    std::array<int, TrayCount> tenfold = testing::Peaked;
    for (int& v : tenfold) v *= 10;
    TNewTabSheet replicates = testing::MakeSheet(testing::Peaked, Layout24m, 40);
    replicates.SetReplicateVariance(std::vector<double>(TrayCount, 4.0));
    struct Row { const char* name; TNewTabSheet sheet; int width; };
    const Row rows[] = {{"peaked 12 m at 11 m", testing::MakeSheet(testing::Peaked, Layout12m, 22), 22},
                        {"tenfold amounts", testing::MakeSheet(tenfold, Layout12m, 22), 22},
                        {"replicates, 24 m at 20 m", replicates, 40}};
    std::vector<double> linear;
    for (const Row& r : rows) {
        const auto u = VKUncertaintyAt(r.sheet, r.width);
        ASSERT_TRUE(u) << r.name;
        const double mc = MonteCarloSpread(r.sheet, r.width);
        EXPECT_NEAR(*u / mc, 1.0, 0.05) << r.name << ": " << *u << " against " << mc;
        linear.push_back(*u);
    }
    EXPECT_NEAR(linear[1], linear[0] / 10, linear[0] / 100);
    // Every tray's variance 4 + 1/12 against 1/12 alone: seven times the uncertainty.
    EXPECT_NEAR(linear[2] / VKUncertaintyAt(testing::MakeSheet(testing::Peaked, Layout24m, 40), 40).value(), 7.0, 1e-9);
}

// Computed only for a test with units (or a mean of replicates), and cleared
// again when the units go.
TEST(VKUncertainty, StoredAtComputedWidthsOnlyWithUnits) {
    TNewTabSheet s = testing::MakeSheet(testing::Peaked, Layout12m, 24);
    CalculateSheet(s, YScaleValue);
    EXPECT_FALSE(s.GetVKUncertainty(24));
    EXPECT_FALSE(ComputeSheetFigures(s).vkUncertainty);
    s.SetUnits(Grams(1, 0.25));
    CalculateSheet(s, YScaleValue);
    EXPECT_TRUE(s.GetVKUncertainty(24) && s.GetVKUncertainty(52));
    EXPECT_FALSE(s.GetVKUncertainty(53));
    EXPECT_EQ(ComputeSheetFigures(s).vkUncertainty, s.GetVKUncertainty(24));
    s.SetUnits(SheetUnits{});
    CalculateSheet(s, YScaleValue);
    EXPECT_FALSE(s.GetVKUncertainty(24));
}

TEST(VKUncertainty, ClassUncertainWhereTheBandCrossesALimit) {
    struct Row { double vk, u; bool uncertain; };
    for (const Row& r : {Row{13.2, 0.8, false}, Row{14.5, 0.8, true}, Row{15.3, 0.8, true}, Row{4.9, 0.0, false},
                         Row{9.5, 0.5, true}, Row{2.0, 2.9, false}})
        EXPECT_EQ(ClassUncertain(r.vk, r.u), r.uncertain) << r.vk << " ± " << r.u;
}

TEST(VKUncertainty, VarianceOfReplicateMeans) {
    std::vector<TNewTabSheet> sheets(3);
    const int amounts[] = {10, 12, 14};
    std::vector<const TNewTabSheet*> pointers;
    for (std::size_t i = 0; i < 3; ++i) {
        sheets[i].SetTrayAmount(amounts[i], 5);
        pointers.push_back(&sheets[i]);
    }
    const auto v = VarianceOfMeans(pointers);
    ASSERT_EQ(v.size(), 26u);
    EXPECT_DOUBLE_EQ(v[4], 4.0 / 3);  // sample variance 4 over 3 replicates
    EXPECT_DOUBLE_EQ(v[0], 0.0);
    EXPECT_TRUE(VarianceOfMeans(std::span(pointers).first(1)).empty());
}

bool Warns(TNewTabSheet s, WarningKind kind, bool units) {
    if (units) s.SetUnits(Grams(1, 0.25));
    CalculateSheet(s, YScaleValue);
    for (const DataWarning& w : DataWarningsOf(s, ",")) if (w.kind == kind) return true;
    return false;
}

// Every warning comes with units and without: the usual test has none.
TEST(DataWarnings, EachTriggeredByOneOfAPairOfSheets) {
    std::array<int, TrayCount> slip = testing::Peaked, lopsided = testing::Peaked, wide = testing::Peaked, small{};
    slip[9] = 57;  // tray 10: 75 typed as 57
    for (int i = 13; i < TrayCount; ++i) lopsided[static_cast<std::size_t>(i)] += 15;
    wide[0] = 12;  // 12 of 98
    // Two or three units a tray: the ±½ unit of the weighing moves the VK across a limit.
    small = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2, 2, 2, 1, 1, 1, 0, 0};
    std::array<int, TrayCount> large = small;
    for (int& v : large) v *= 100;
    struct Row { const char* name; WarningKind kind; std::array<int, TrayCount> warns, quiet; int width; };
    const Row rows[] = {{"catch too small", WarningKind::CatchTooSmall, small, large, 24},
                        {"not fallen off", WarningKind::NotFallenOff, wide, testing::Peaked, 24},
                        {"flat catch not fallen off", WarningKind::NotFallenOff, testing::Flat(40), testing::Peaked, 24},
                        {"tray stands out", WarningKind::StandsOut, slip, testing::Peaked, 24},
                        {"side imbalance", WarningKind::SideImbalance, lopsided, testing::Peaked, 24}};
    for (const Row& r : rows) {
        for (const bool units : {true, false}) {
            EXPECT_TRUE(Warns(testing::MakeSheet(r.warns, Layout12m, r.width), r.kind, units)) << r.name << units;
            EXPECT_FALSE(Warns(testing::MakeSheet(r.quiet, Layout12m, r.width), r.kind, units)) << r.name << units;
        }
    }
    EXPECT_EQ(TrayStandingOut(testing::MakeSheet(slip, Layout12m, 24)), 10);
}

TEST(SheetFiguresWithUnits, FiguresLine) {
    SheetFigures f{13.2, ToleranceClass::Godtagbar, 14.0, std::nullopt, SideBalance{50, 50}};
    f.vkUncertainty = 0.84;
    f.classUncertain = true;
    f.rate = 211.6;
    f.target = TargetComparison{200, 5.8, 200 / 211.6, DeviationMark::Beyond5};
    EXPECT_EQ(FiguresLine(f, ","),
              "VK 13,2 % ± 0,8 Godtagbar (osäker klass) · Körfel ±1 m: högst 14 % · VK under 15 %: – · "
              "Sidobalans V/H 50/50 % · Mönster: – · Giva 212 kg/ha, mål 200: +6 % !, Doseringen × 0,95");
}

}  // namespace
}  // namespace kaldoventri
