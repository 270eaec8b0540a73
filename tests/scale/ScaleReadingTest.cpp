// The reading lines of the common laboratory scales, and the amounts they
// give in each amount unit.
#include <gtest/gtest.h>

#include "scale/ScaleReading.h"

namespace kaldoventri {
namespace {

struct LineCase {
    const char* name;
    const char* line;
    std::optional<double> grams;  // none: passed over
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class ScaleLine : public testing::TestWithParam<LineCase> {};

TEST_P(ScaleLine, GivesItsGramsOrIsPassedOver) {
    auto reading = ParseScaleLine(GetParam().line);
    ASSERT_EQ(reading.has_value(), GetParam().grams.has_value());
    if (reading) {
        EXPECT_DOUBLE_EQ(ReadingGrams(*reading, ReadingUnit::Gram), *GetParam().grams);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ScaleLine,
    testing::Values(LineCase{"SignApart", "+   12.34 g", 12.34}, LineCase{"StatusFields", "ST,GS,+00012.34  g", 12.34},
                    LineCase{"NetMarkAndSign", "N     +     12.34 g", 12.34}, LineCase{"Plain", "12.34 g", 12.34},
                    LineCase{"NoUnit", "     12.3", 12.3}, LineCase{"Kilograms", "ST,+0.01234 kg", 12.34},
                    LineCase{"UnitAttached", "12.34g", 12.34}, LineCase{"SettledMarkAfter", "S S      7.5 g", 7.5},
                    LineCase{"NegativeSignApart", "-    0.20 g", -0.2},
                    LineCase{"UnstableStatus", "US,+00012.34  g", std::nullopt},
                    LineCase{"QuestionMark", "    12.34 g ?", std::nullopt},
                    LineCase{"Dynamic", "S D     12.34 g", std::nullopt},
                    LineCase{"Overload", "OL,+9999999 g", std::nullopt}, LineCase{"OtherUnit", "0.43 oz", std::nullopt},
                    LineCase{"NoNumber", "ST,GS", std::nullopt}, LineCase{"TwoNumbers", "12.34 g 12.35 g", std::nullopt},
                    LineCase{"PointWithoutDecimals", "12. g", std::nullopt}, LineCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

SheetUnits Unit(double size, AmountKind kind = AmountKind::Mass, std::optional<double> density = std::nullopt) {
    SheetUnits units;
    units.unit = AmountUnit{size, kind};
    units.density = density;
    return units;
}

struct AmountCase {
    const char* name;
    const char* line;
    SheetUnits units;
    std::optional<std::int64_t> amount;
};

void PrintTo(const AmountCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class ReadingToAmount : public testing::TestWithParam<AmountCase> {};

TEST_P(ReadingToAmount, RoundsHalvesToEven) {
    auto reading = ParseScaleLine(GetParam().line);
    ASSERT_TRUE(reading);
    EXPECT_EQ(ReadingAmount(*reading, ReadingUnit::Gram, GetParam().units), GetParam().amount);
}

// 12.35 and 12.45 are not exact in binary: taken as doubles, 12.35 × 10
// rounds the wrong way.
INSTANTIATE_TEST_SUITE_P(
    Units, ReadingToAmount,
    testing::Values(AmountCase{"TenthsHalfUp", "12.35 g", Unit(0.1), 124},
                    AmountCase{"TenthsHalfDown", "12.45 g", Unit(0.1), 124},
                    AmountCase{"TenthsExact", "12.3 g", Unit(0.1), 123},
                    AmountCase{"GramsHalfToEven", "12.5 g", Unit(1), 12},
                    AmountCase{"GramsHalfUpToEven", "13.5 g", Unit(1), 14},
                    AmountCase{"NoUnitIsGrams", "45.51 g", SheetUnits{}, 46},
                    AmountCase{"KilogramsInTenths", "0.01235 kg", Unit(0.1), 124},
                    AmountCase{"MillilitresByDensity", "11 g", Unit(1, AmountKind::Volume, 1.1), 10},
                    AmountCase{"MillilitresWithoutDensity", "11 g", Unit(1, AmountKind::Volume), std::nullopt},
                    AmountCase{"Negative", "-0.2 g", Unit(0.1), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadingToAmount, UnstatedUnitIsTheOneChosen) {
    auto reading = ParseScaleLine("   0.0123");
    ASSERT_TRUE(reading);
    EXPECT_EQ(ReadingAmount(*reading, ReadingUnit::Kilogram, Unit(0.1)), 123);
    EXPECT_EQ(ReadingAmount(*reading, ReadingUnit::Gram, Unit(0.1)), 0);
}

}  // namespace
}  // namespace kaldoventri
