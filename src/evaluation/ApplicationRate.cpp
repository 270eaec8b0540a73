// The application rate from the sum curve over the middle strip.
#include "ApplicationRate.h"

#include <cmath>
#include <cstdint>

#include "Rounding.h"

namespace kaldoventri {

std::optional<double> ApplicationRate(const TNewTabSheet& evaluated) {
    const auto perUnit = KgPerHaPerUnit(evaluated.GetUnits());
    if (!perUnit) return std::nullopt;
    // The strip of the width the sheet was last evaluated at, its own.
    const double reach = evaluated.GetCalcWidth() / 4.0;
    std::int64_t total = 0;
    int count = 0;
    for (int tray = 1; tray <= evaluated.GetTrayCount(); ++tray) {
        const double p = evaluated.GetTrayPosition(tray);
        if (!(-reach <= p && p <= reach)) continue;
        total += evaluated.GetTraySum(tray);
        ++count;
    }
    if (count == 0) return std::nullopt;
    const double rate = static_cast<double>(total) / count * *perUnit;
    return std::isfinite(rate) ? std::optional<double>(rate) : std::nullopt;
}

DeviationMark MarkOf(double deviationPercent) {
    const double off = std::fabs(deviationPercent);
    if (off > 10.0) return DeviationMark::Beyond10;
    if (off > 5.0) return DeviationMark::Beyond5;
    return DeviationMark::None;
}

std::optional<TargetComparison> CompareWithTarget(const TNewTabSheet& evaluated) {
    const auto target = evaluated.GetUnits().target;
    const auto rate = ApplicationRate(evaluated);
    if (!target || !rate || !(*target > 0.0)) return std::nullopt;
    const double deviation = (*rate / *target - 1) * 100;
    const std::optional<double> correction = *rate > 0.0 ? std::optional<double>(*target / *rate) : std::nullopt;
    // Marked as shown: a deviation that reads "+5 %" is no mark, however the
    // rate's last bits fell.
    return TargetComparison{*target, deviation, correction, MarkOf(RoundHalfEven(deviation))};
}

}  // namespace kaldoventri
