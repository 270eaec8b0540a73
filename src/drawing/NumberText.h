// Numbers as the diagram's texts show them.
#pragma once

#include <string>
#include <string_view>

namespace kaldoventri {

// The shortest general form with up to 15 significant digits, like "%.15g",
// with `decimalSeparator` in place of the point and no group separators:
// 6.8 gives "6,8" under a decimal comma, 12 gives "12".
std::string FormatGeneral(double value, std::string_view decimalSeparator);

}  // namespace kaldoventri
