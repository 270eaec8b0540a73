// The two tray layouts of a spreader test and where their 26 trays lie across
// the track. Every tray position in the program comes from this table.
#pragma once

#include <array>

#include "WorkingWidth.h"

namespace kaldoventri {

inline constexpr int TrayCount = 26;

// Layout codes as stored in a sheet and in a test file.
inline constexpr int Layout12m = 0;
inline constexpr int Layout24m = 1;

// Position in metres of tray 1..26 for the layout (0 = "12 m", anything else
// = "24 m"); negative to the left of the pass's centre line.
double TrayPlacementFor(int layout, int tray);

// All 26 positions of a layout, tray 1 first.
std::array<double, TrayCount> TrayPlacementTable(int layout);

// Last width (half-metres) of the layout's VK curve: 52 (26 m) or 100 (50 m).
// Every layout code other than 0 counts as "24 m", as for the tray positions.
int LastCurveWidth(int layout);

// Range of widths (half-metres) searched for the optimum.
struct WidthRange {
    int first;
    int last;

    friend constexpr bool operator==(WidthRange, WidthRange) = default;
};
WidthRange OptimumSearchRange(int layout);

// True when the first `count` positions never decrease from tray to tray (false for NaN).
inline bool PositionsAscend(const double* p, std::size_t count) {
    for (std::size_t i = 1; i < count; ++i)
        if (!(p[i - 1] <= p[i])) return false;
    return count == 0 || p[0] == p[0];
}

}  // namespace kaldoventri
