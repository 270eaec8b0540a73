// Rounding to whole numbers: halves go to the even neighbour everywhere, and
// no rounding that ends in an integer can overflow.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "evaluation/Rounding.h"

namespace kaldoventri {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    struct Row { double x; double rounded; };
    for (const Row& r : {Row{12.5, 12}, Row{13.5, 14}, Row{-12.5, -12}, Row{-13.5, -14}, Row{0.5, 0}, Row{1.5, 2},
                         Row{2.4999999999999996, 2}, Row{37.5, 38}, Row{7.5, 8}, Row{4503599627370495.5, 4503599627370496},
                         Row{1e300, 1e300}, Row{-0.2, 0}}) {
        EXPECT_EQ(RoundHalfEven(r.x), r.rounded) << r.x;
    }
}

TEST(Rounding, AgreesWithTheLibraryOnRandomNumbers) {
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> wide(-1e17, 1e17);
    std::uniform_int_distribution<std::int64_t> halves(-1000000, 1000000);
    for (int n = 0; n < 200000; ++n) {
        const double a = wide(rng) / std::pow(10.0, static_cast<double>(rng() % 18));
        const double b = static_cast<double>(halves(rng)) + 0.5;
        ASSERT_EQ(RoundHalfEven(a), std::nearbyint(a)) << a;
        ASSERT_EQ(RoundHalfEven(b), std::nearbyint(b)) << b;
    }
}

TEST(Rounding, IntegerResultsAreClampedAndNaNGivesTheFallback) {
    constexpr auto max32 = std::numeric_limits<std::int32_t>::max();
    constexpr auto min32 = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(RoundToInt<std::int32_t>(1e12), max32);
    EXPECT_EQ(RoundToInt<std::int32_t>(-1e12), min32);
    EXPECT_EQ(RoundToInt<std::int32_t>(INFINITY), max32);
    EXPECT_EQ(RoundToInt<std::int32_t>(NAN), 0);
    EXPECT_EQ(RoundToInt<std::int32_t>(NAN, 7), 7);
    EXPECT_EQ(RoundToInt<std::int32_t>(2147483646.5), 2147483646);
    EXPECT_EQ(RoundToInt<std::int64_t>(6442450941.0 * 1.25), 8053063676);
    EXPECT_EQ(RoundedInt32(2147483647.4), 2147483647.0);
    EXPECT_EQ(RoundedInt32(-3e9), static_cast<double>(min32));
    EXPECT_EQ(RoundedInt32(NAN), 0.0);
}

}  // namespace
}  // namespace kaldoventri
