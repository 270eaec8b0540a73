// How the program writes a real number for people: in the window's labels, on
// the working-width line of a test file and in the diagram's header block.
#pragma once

#include <string>
#include <string_view>

namespace kaldoventri {

// The shortest general form with up to 15 significant digits, like "%.15g",
// with `decimalSeparator` in place of the point, no group separators and a
// plain minus sign: 6.8 gives "6,8" under a decimal comma, 12 gives "12",
// 1234567 gives "1234567". -0 is written as 0.
std::string FormatGeneral(double value, std::string_view decimalSeparator);

}  // namespace kaldoventri
