// The field as the sheet's pattern spreads it, seen from above: a strip from
// −2W to +2W across the driving direction with passes at k·W, k = −3..3
// (back and forth: every other pass mirrored; racetrack: all alike), each
// pass's pattern straight-line interpolated between its trays and zero
// outside them, not rounded, summed at the centre of every column. A second
// band drives the pass at +W one metre too far out, the driving error the
// "Körfel ±1 m" figure speaks of. Each column is judged against the mean of
// the columns within −W..W.
#pragma once

#include <optional>
#include <vector>

#include "TNewTabSheet.h"

namespace kaldoventri {

// Columns' sums relative to the mean over −W..W, in percent; none where the
// field gets nothing there on average.
struct FieldMapBand {
    std::vector<double> percent;
};

struct FieldMap {
    double width = 0;     // W, metres
    double halfSpan = 0;  // 2W: the strip runs from −halfSpan to +halfSpan
    std::optional<FieldMapBand> asDriven;
    std::optional<FieldMapBand> driftedOut;  // the pass at +W one metre further out
};

inline constexpr double FieldMapDrivingError = 1.0;  // metres
inline constexpr int FieldMapPassReach = 3;          // passes at −3W..3W

// The map of an evaluated sheet at its working width, `columns` wide (at least 1).
FieldMap ComputeFieldMap(const TNewTabSheet& sheet, int columns);

// The colour steps: 0 "under 80 %", 1..3 80–95 % in 5 % steps, 4 the white
// 95–105 %, 5..7 105–120 %, 8 "över 120 %"; −1 for a column without a figure.
inline constexpr int FieldMapSteps = 9;
int FieldMapStep(double percent);

}  // namespace kaldoventri
