// The text of the pointer read-out over the diagram.
#pragma once

#include <optional>

#include <QString>

namespace kaldoventri {

// "Y = " and the value rounded to a whole number (halves to even); nothing
// for a value below 0, which lies under the X axis.
std::optional<QString> ReadoutText(double value);

}  // namespace kaldoventri
