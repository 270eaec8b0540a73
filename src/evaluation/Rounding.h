// Rounding rules shared by the evaluation and the drawing: whole numbers are
// rounded to the nearest, halves to the even neighbour (12.5 -> 12, 13.5 -> 14).
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kaldoventri {

// Round half to even. Adding and taking away 2^52 leaves exactly the integer
// that the default rounding mode (nearest, ties to even) picks, as
// std::nearbyint does, without the cost of a library call on the hot path of
// the evaluation. Numbers of 2^52 or more are whole already.
inline double RoundHalfEven(double x) {
    constexpr double TwoPow52 = 4503599627370496.0;
    if (!(std::fabs(x) < TwoPow52)) return x;  // whole, infinite or NaN
    const double r = std::fabs(x) + TwoPow52 - TwoPow52;
    return std::copysign(r, x);
}

// Rounded value clamped into [lo, hi]; NaN gives `fallback`. Converting an
// out-of-range double to an integer is undefined behaviour, so every rounding
// that ends in an integer goes through here.
template <typename Int>
Int RoundToInt(double x, Int fallback = 0, Int lo = std::numeric_limits<Int>::min(),
               Int hi = std::numeric_limits<Int>::max()) {
    if (std::isnan(x)) return fallback;
    const double r = RoundHalfEven(x);
    if (r <= static_cast<double>(lo)) return lo;
    if (r >= static_cast<double>(hi)) return hi;
    return static_cast<Int>(r);
}

// The rounded value as a double, clamped into the 32-bit range; NaN gives 0.
// The same number RoundToInt<std::int32_t> gives, without leaving doubles.
inline double RoundedInt32(double x) {
    if (std::isnan(x)) return 0.0;
    const double r = RoundHalfEven(x);
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return r < lo ? lo : (r > hi ? hi : r);
}

}  // namespace kaldoventri
