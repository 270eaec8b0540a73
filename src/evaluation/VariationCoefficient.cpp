// VK from the strip sums, following the formula's order of operations so that
// results on a rounding boundary come out the same every time.
#include "VariationCoefficient.h"

#include <cmath>

#include "Rounding.h"

namespace kaldoventri {

VKResult EvaluateVK(const StripSums& sums) {
    const int c = sums.count;
    if (c < 2) return {};
    const double mean = sums.sum / c;
    const double variance = (sums.sumOfSquares - sums.sum * sums.sum / c) / (c - 1);
    if (!(mean > 0.0) || !(variance >= 0.0) || !std::isfinite(variance)) return {};
    const double s = std::sqrt(variance);
    const double percentTimesTen = RoundHalfEven(s / mean * 1000);
    if (!std::isfinite(percentTimesTen)) return {};
    return {percentTimesTen / 10, true};
}

}  // namespace kaldoventri
