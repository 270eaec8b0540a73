// Checks of a test's data that tell the tester where its figures may mislead:
// a catch too small for the weighing resolution, a pattern that had not
// fallen off at the outermost trays, a tray that stands out from its
// neighbours (a typing or weighing slip), and a lopsided spread. Each is a
// short Swedish line for the figures and the report, never a question.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TNewTabSheet.h"

namespace kaldoventri {

enum class WarningKind { CatchTooSmall, NotFallenOff, StandsOut, SideImbalance };

struct DataWarning {
    WarningKind kind;
    std::string text;  // UTF-8, with the decimal separator handed in
};

// An outer tray above this share of the highest tray has not fallen off.
inline constexpr double FallenOffShare = 0.10;
// Halves whose catches differ by more than this share of the smaller one.
inline constexpr double SideImbalanceShare = 0.10;

// A mean catch over the middle strip below this many amount units makes the
// VK coarse: each strip value carries up to half a unit from the weighing and
// from every rounded overlap, about half a unit of scatter together, which
// below 50 units moves the VK by a percentage point or more.
inline constexpr double CoarseCatchUnits = 50.0;

// The warnings of an evaluated sheet, in the order of the kinds above. Every
// test gets them; units add only the check of the class against the VK's
// uncertainty.
std::vector<DataWarning> DataWarningsOf(const TNewTabSheet& evaluated, std::string_view decimalSeparator);

// The tray (1..N) that stands out furthest from the line between its two
// neighbours, when it stands out by more than six times the pattern's own
// scatter of such differences (robustly: the median's), by more than a tenth
// of the highest tray and by more than two units; 0 when none does.
int TrayStandingOut(const TNewTabSheet& sheet);

}  // namespace kaldoventri
