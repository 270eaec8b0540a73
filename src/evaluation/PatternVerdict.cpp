#include "PatternVerdict.h"

#include <cmath>

namespace kaldoventri {

std::optional<PatternVerdict> JudgePattern(const std::vector<std::pair<double, double>>& trays, double width) {
    const double zone = width / 8;
    const double middle = width / 2;
    double tSum = 0, mSum = 0;
    int tCount = 0, mCount = 0;
    for (const auto& [x, sum] : trays) {
        const double distance = std::fabs(x);
        if (distance <= zone) {
            tSum += sum;
            ++tCount;
        }
        if (distance >= middle - zone && distance <= middle + zone) {
            mSum += sum;
            ++mCount;
        }
    }
    if (tCount == 0 || mCount == 0) return std::nullopt;
    const double m = mSum / mCount;
    if (m <= 0) return std::nullopt;
    const double ratio = (tSum / tCount) / m;
    const PatternKind kind = ratio > 1.10   ? PatternKind::HeavyAtTramline
                             : ratio < 0.90 ? PatternKind::HeavyBetween
                                            : PatternKind::Even;
    return PatternVerdict{kind, ratio};
}

std::optional<PatternVerdict> SheetPatternVerdict(const TNewTabSheet& sheet) {
    std::vector<std::pair<double, double>> trays;
    for (int i = 1; i <= sheet.GetTrayCount(); ++i)
        trays.emplace_back(sheet.GetTrayPosition(i), static_cast<double>(sheet.GetTraySum(i)));
    return JudgePattern(trays, sheet.GetABredd() / 2.0);
}

std::string PatternWords(const std::optional<PatternVerdict>& verdict) {
    if (!verdict) return {};
    switch (verdict->kind) {
    case PatternKind::HeavyAtTramline: return "Tyngd vid körspåret";
    case PatternKind::HeavyBetween: return "Tyngd mellan spåren";
    case PatternKind::Even: return "Jämnt";
    }
    return {};
}

}  // namespace kaldoventri
