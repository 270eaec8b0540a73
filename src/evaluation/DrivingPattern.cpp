// The driving pattern as the two neighbour directions of a sheet.
#include "DrivingPattern.h"

namespace kaldoventri {

DrivingPattern DrivingPatternOf(const TNewTabSheet& sheet) {
    return !sheet.GetLeftPassReversed() && !sheet.GetRightPassReversed() ? DrivingPattern::Racetrack
                                                                          : DrivingPattern::BackAndForth;
}

void SetDrivingPattern(TNewTabSheet& sheet, DrivingPattern pattern) {
    const bool reversed = pattern == DrivingPattern::BackAndForth;
    if (sheet.GetLeftPassReversed() != reversed) sheet.ToggleLeftPassReversed();
    if (sheet.GetRightPassReversed() != reversed) sheet.ToggleRightPassReversed();
}

}  // namespace kaldoventri
