// The comparison's table as people read it: one line per figure, the
// figure's name first and then one cell per test, the reference first; "–"
// where a figure does not exist. The window, the printed page and the report
// draw these same texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Comparison.h"

namespace kaldoventri {

struct ComparisonTableLine {
    std::string name;                // "VK", "Δ VK" ...
    std::vector<std::string> cells;  // one per test
};

// The line of titles comes first ("Prov"); the rate and correction lines
// only where some test has units, the difference lines only for tests after
// the first (the reference reads "referens").
std::vector<ComparisonTableLine> ComparisonTable(const std::vector<ComparisonRow>& rows,
                                                 std::string_view decimalSeparator);

// A difference as shown: "+2,5", "-1,5", "0" (one decimal, halves to even).
std::string SignedText(double value, std::string_view decimalSeparator);

}  // namespace kaldoventri
