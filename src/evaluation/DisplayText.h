// How the program writes its numbers and names for people: in the window's
// labels, the diagram's header block, the VK curve, the report, the CSV
// table and the working-width line of a test file. One home for every such
// rule, so that "12,5 m" and "2,2 %" read the same everywhere. Texts are
// UTF-8; the decimal separator is handed in (the locale's, in the windows).
#pragma once

#include <string>
#include <string_view>

#include "DrivingPattern.h"
#include "SheetFigures.h"

namespace kaldoventri {

// A figure that does not exist (a VK that could not be computed, no optimum).
inline constexpr std::string_view MissingFigure = "–";

// The shortest general form with up to 15 significant digits, like "%.15g",
// with `decimalSeparator` in place of the point, no group separators and a
// plain minus sign: 6.8 gives "6,8" under a decimal comma, 12 gives "12",
// 1234567 gives "1234567". -0 is written as 0.
std::string FormatGeneral(double value, std::string_view decimalSeparator);

// "12,5 m"
std::string MetresText(double metres, std::string_view decimalSeparator);
// A working width in half-metres, in metres: 25 gives "12,5 m".
std::string WidthText(int halfMetres, std::string_view decimalSeparator);
// "2,2 %"
std::string PercentText(double percent, std::string_view decimalSeparator);
// The working width of a sheet as its result panel and header name it: "12 m",
// or "12 m, varvkörning" for a racetrack pattern.
std::string WorkingWidthText(int halfMetres, DrivingPattern pattern, std::string_view decimalSeparator);

// The tray layout as the test entry dialog names it: "12 m" or "24 m"; every
// code other than 0 is "24 m".
std::string LayoutName(int layout);
// "Fram och tillbaka" or "Varvkörning".
std::string_view DrivingPatternName(DrivingPattern pattern);

// "Mycket bra", "Bra", "Godtagbar", "Otillräcklig".
std::string_view ToleranceClassName(ToleranceClass tolerance);
// The VKs of a class: "under 5 %" ... "15 % och mer".
std::string ToleranceClassRange(ToleranceClass tolerance, std::string_view decimalSeparator);

}  // namespace kaldoventri
