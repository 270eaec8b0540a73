// The full evaluation of a sheet: the VK for every working width of its
// layout's span, the sheet left evaluated at its own working width `ABredd`,
// the Y-axis scale, and the optimal working width.
#pragma once

#include "TNewTabSheet.h"

namespace kaldoventri {

// Y-scale modes of the main window.
inline constexpr int YScaleValue = 0;    // "Y-Skala värde": amounts
inline constexpr int YScalePercent = 1;  // "Y-Skala %": percent of the normal level
// "Y-Skala kg/ha": each amount as the rate it stands for; a sheet without
// tray area and unit is drawn on the value scale.
inline constexpr int YScaleKgPerHa = 2;

// Takes `ABredd` as the width to evaluate at and `yScaleMode` as the sheet's
// percent scale setting, then evaluates. `scan` only chooses how overlaps are
// searched; every result is the same either way.
void CalculateSheet(TNewTabSheet& sheet, int yScaleMode, OverlapScan scan = OverlapScan::Merged);

}  // namespace kaldoventri
