// The rate a spreader puts out at the sheet's working width, in kg/ha, and
// how it compares with the rate the tester aims at.
#pragma once

#include <optional>

#include "TNewTabSheet.h"

namespace kaldoventri {

// The mean of the overlapped values (the sum curve) over the middle strip at
// the working width, × grams per unit × 10 / tray area in m², for a sheet
// evaluated at its own width. None without area and unit, or with an empty strip.
std::optional<double> ApplicationRate(const TNewTabSheet& evaluated);

// How far off target: beyond 5 % is worth a look, beyond 10 % a fault.
enum class DeviationMark { None, Beyond5, Beyond10 };

struct TargetComparison {
    double target;            // kg/ha, as the tester gave it
    double deviationPercent;  // (rate / target - 1) × 100: +6 for 212 at a target of 200
    // The factor a linear metering is to be set by: target / rate (0,94 for
    // the example); none when nothing was caught.
    std::optional<double> correction;
    DeviationMark mark;
};

std::optional<TargetComparison> CompareWithTarget(const TNewTabSheet& evaluated);

// The mark of a deviation in percent: beyond ±5 % and beyond ±10 % (the
// comparison marks the deviation rounded to a whole percent, as it is shown).
DeviationMark MarkOf(double deviationPercent);

}  // namespace kaldoventri
