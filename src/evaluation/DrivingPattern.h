// How the neighbouring passes of a spreader test were driven. Back and forth
// (every new sheet) turns at each headland, so both neighbours run the other
// way; a racetrack pattern drives round a block, so the neighbours run the
// same way as the measured pass.
#pragma once

#include "TNewTabSheet.h"

namespace kaldoventri {

enum class DrivingPattern { BackAndForth, Racetrack };

// Only a sheet with neither neighbour reversed is a racetrack sheet; a sheet
// with one neighbour reversed counts as back and forth, as every sheet did
// before racetrack tests could be kept.
DrivingPattern DrivingPatternOf(const TNewTabSheet& sheet);

// Sets both neighbours' direction; the caller evaluates the sheet again.
void SetDrivingPattern(TNewTabSheet& sheet, DrivingPattern pattern);

}  // namespace kaldoventri
