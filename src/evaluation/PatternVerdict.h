// Whether the sum curve at the working width is heavier at the tramline or
// between the tramlines: the mean over the trays within W/8 of the tramline
// (T) against the mean over those within W/8 of the midway line (M).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TNewTabSheet.h"

namespace kaldoventri {

enum class PatternKind { HeavyAtTramline, HeavyBetween, Even };

struct PatternVerdict {
    PatternKind kind;
    double ratio;  // T / M
};

// One (position in metres, sum) per tray; W the working width in metres.
// No verdict without a tray in either zone or with M <= 0.
std::optional<PatternVerdict> JudgePattern(const std::vector<std::pair<double, double>>& trays, double width);
// The verdict of a sheet as it stands after its evaluation at its own width.
std::optional<PatternVerdict> SheetPatternVerdict(const TNewTabSheet& sheet);

// "Tyngd vid körspåret", "Tyngd mellan spåren", "Jämnt"; empty for none.
std::string PatternWords(const std::optional<PatternVerdict>& verdict);

}  // namespace kaldoventri
