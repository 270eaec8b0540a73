// The pattern verdict on hand-made sum curves at W = 24 m: the tramline zone
// is |x| <= 3, the midway zones 9 <= |x| <= 15, both bounds inclusive.
#include <gtest/gtest.h>

#include "evaluation/PatternVerdict.h"

namespace kaldoventri {
namespace {

using Trays = std::vector<std::pair<double, double>>;

TEST(PatternVerdict, WordsAndNone) {
    struct Row { const char* name; Trays trays; std::string words; double ratio; };
    const Row rows[] = {
        // T = (120 + 100) / 2 = 110, M = (90 + 110) / 2 = 100 -> 1,10 is still even
        {"even at the bound", {{-3, 120}, {3, 100}, {4, 999}, {8.9, 999}, {-9, 90}, {15, 110}, {15.1, 999}}, "Jämnt", 1.10},
        {"heavy at the tramline", {{0, 112}, {12, 100}}, "Tyngd vid körspåret", 1.12},
        {"heavy between", {{0, 89}, {-12, 100}, {12, 100}}, "Tyngd mellan spåren", 0.89},
        {"trays short of W/2 - W/8", {{0, 100}, {6, 100}, {8.99, 100}}, "", 0},
        {"no tray at the tramline", {{-3.01, 100}, {12, 100}}, "", 0},
        {"M zero", {{0, 100}, {12, 0}}, "", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto verdict = JudgePattern(row.trays, 24.0);
        EXPECT_EQ(PatternWords(verdict), row.words);
        if (!row.words.empty()) {
            ASSERT_TRUE(verdict);
            EXPECT_NEAR(verdict->ratio, row.ratio, 1e-9);
        } else {
            EXPECT_FALSE(verdict);
        }
    }
}

}  // namespace
}  // namespace kaldoventri
