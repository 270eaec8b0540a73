// The mean of replicate tests: several runs of the same spreader setting
// averaged tray by tray into one set of amounts.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "TNewTabSheet.h"

namespace kaldoventri {

// The 26 mean amounts, tray 1 first, each rounded to a whole number with
// halves to even and brought into 32 bits. Null entries are skipped; with no
// sheet at all every amount is 0.
std::array<std::int32_t, TrayCount> AveragedAmounts(std::span<const TNewTabSheet* const> sheets);

}  // namespace kaldoventri
