// Varied test sheets for benchmarks, made the same way from a seed every
// time: peaked, flat, lopsided and ragged spread patterns, both layouts, every
// working width, both driving patterns, descriptions with Swedish letters.
#pragma once

#include <random>

#include "evaluation/TNewTabSheet.h"

namespace kaldoventri::bench {

// Sheet number `number` of a series; with `record`, a test date within
// 2020–2026, a customer and a tester, as an adviser's season of tests has.
TNewTabSheet RandomSheet(std::mt19937& random, int number, bool record = false);

}  // namespace kaldoventri::bench
