// The coefficient of variation (VK) of the summed amounts over a pass's
// middle strip, in percent with one decimal.
#pragma once

namespace kaldoventri {

// Running sums of the strip values, added in tray order.
struct StripSums {
    double sum = 0.0;
    double sumOfSquares = 0.0;
    int count = 0;

    void Add(double v) {
        sum += v;
        sumOfSquares += v * v;
        ++count;
    }
};

// A VK and whether it could be computed at all: a VK of 0 is a perfectly
// even spread only when `computed` is true.
struct VKResult {
    double vk = 0.0;
    bool computed = false;
};

// Sample standard deviation over the mean, rounded to a tenth of a percent.
// A VK that cannot be computed (fewer than two values, no positive mean, a
// variance that rounding drove below zero, an overflow) is 0, not computed.
VKResult EvaluateVK(const StripSums& sums);

inline double VKFromSums(const StripSums& sums) { return EvaluateVK(sums).vk; }

}  // namespace kaldoventri
