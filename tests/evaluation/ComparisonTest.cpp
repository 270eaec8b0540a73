// The comparison's differences to the reference on sheets whose figures are
// known by hand, and the patterns scaled to a common measure.
#include <gtest/gtest.h>

#include <optional>

#include "SheetFixtures.h"
#include "evaluation/Comparison.h"
#include "evaluation/ComparisonTexts.h"

namespace kaldoventri {
namespace {

// A flat 12 m kit at 50 m catches only its own pass, so with 0,1 g in a
// quarter square metre the rate is the amount × 4 kg/ha. The VK at the
// working width and the optimum are set by hand over the evaluated curve.
TNewTabSheet Known(int amount, bool units, std::optional<double> vk, std::optional<double> optimum, double optimalVK) {
    TNewTabSheet s = testing::MakeSheet(testing::Flat(amount), Layout12m, 100);
    if (units) s.SetUnits(SheetUnits{0.25, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, std::nullopt});
    CalculateSheet(s, YScaleValue);
    s.SetVK(100, vk.value_or(0.0), vk.has_value());
    if (optimum) {
        s.SetVK(static_cast<int>(*optimum * 2), optimalVK);
        s.SetOptimum(*optimum, optimalVK);
    } else {
        s.ClearOptimum();
    }
    return s;
}

struct DifferenceCase {
    const char* name;
    TNewTabSheet reference, other;
    std::optional<double> deltaVK, deltaWidth, deltaRate;
    const char* shownVK;  // the table's "Δ VK" cell of the other test
};

TEST(Comparison, DifferencesToTheReference) {
    const DifferenceCase cases[] = {
        {"worse, narrower, six percent more", Known(50, true, 4.0, 24.5, 3.2), Known(53, true, 6.5, 23.0, 5.0),
         2.5, -1.5, 6.0, "+2,5 %-enheter"},
        {"better, wider, a quarter less", Known(40, true, 7.3, 20.0, 6.0), Known(30, true, 3.1, 25.5, 2.0),
         -4.2, 5.5, -25.0, "-4,2 %-enheter"},
        {"no units on the other: no rate difference", Known(50, true, 4.0, 24.5, 3.2), Known(53, false, 4.0, 24.5, 3.2),
         0.0, 0.0, std::nullopt, "0 %-enheter"},
        {"VK not computed, no optimum", Known(50, false, 4.0, 24.5, 3.2), Known(53, false, std::nullopt, std::nullopt, 0),
         std::nullopt, std::nullopt, std::nullopt, "–"},
    };
    for (const DifferenceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = CompareSheets({&c.reference, &c.other});
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_FALSE(rows[0].deltaVK || rows[0].deltaOptimalWidth || rows[0].deltaRate);
        const auto near = [](const std::optional<double>& got, const std::optional<double>& want) {
            ASSERT_EQ(got.has_value(), want.has_value());
            if (want) {
                EXPECT_NEAR(*got, *want, 1e-9);
            }
        };
        near(rows[1].deltaVK, c.deltaVK);
        near(rows[1].deltaOptimalWidth, c.deltaWidth);
        near(rows[1].deltaRate, c.deltaRate);
        std::string shown;
        for (const auto& line : ComparisonTable(rows, ","))
            if (line.name == "Δ VK") shown = line.cells[1];
        EXPECT_EQ(shown, c.shownVK);
    }
}

// A flat pattern reads 100 % of its own centre mean whatever its amount; with
// units on every test the amounts are kg/ha instead.
TEST(Comparison, PatternsOnACommonScale) {
    const TNewTabSheet light = Known(20, true, 1.0, std::nullopt, 0), heavy = Known(80, true, 1.0, std::nullopt, 0);
    const TNewTabSheet plain = Known(80, false, 1.0, std::nullopt, 0);
    const ScaledPatterns percent = ScalePatterns({&light, &plain});
    ASSERT_EQ(percent.scale, PatternScale::Percent);
    for (const auto& curve : percent.curves) {
        ASSERT_EQ(curve.size(), 26u);
        for (const PatternPoint& p : curve) EXPECT_DOUBLE_EQ(p.value, 100.0);
    }
    const ScaledPatterns rated = ScalePatterns({&light, &heavy});
    ASSERT_EQ(rated.scale, PatternScale::KgPerHa);
    EXPECT_DOUBLE_EQ(rated.curves[0][5].value, 80.0);
    EXPECT_DOUBLE_EQ(rated.curves[1][5].value, 320.0);
}

}  // namespace
}  // namespace kaldoventri
