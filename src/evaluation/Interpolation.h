// The straight-line interpolation that gives a neighbour pass's amount at an
// own tray lying between two of the neighbour's trays. Kept in one place so
// that every way of evaluating a sheet does the same arithmetic in the same
// order, and so gets the same bits.
#pragma once

#include <cstdint>

#include "Rounding.h"

namespace kaldoventri {

// Slope between two neighbour trays. The amounts are doubles before they are
// subtracted: two 32-bit amounts can differ by more than 32 bits hold.
inline double InterpolationSlope(double amountBefore, double amountAt, double positionBefore, double positionAt) {
    return (amountAt - amountBefore) / (positionAt - positionBefore);
}

// Amount at x on the line with slope k through (positionAt, amountAt), rounded
// to a whole number in the 32-bit range (returned as a double).
inline double InterpolateOnLine(double k, double positionAt, double amountAt, double x) {
    const double m = amountAt - k * positionAt;
    return RoundedInt32(k * x + m);
}

}  // namespace kaldoventri
