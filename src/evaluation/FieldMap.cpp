#include "FieldMap.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "DrivingPattern.h"

namespace kaldoventri {

namespace {

// The pattern of one pass: trays by place, the amount straight-line
// interpolated between neighbouring trays, zero outside the outermost ones.
class PassPattern {
public:
    explicit PassPattern(const TNewTabSheet& sheet) {
        for (int tray = 1; tray <= sheet.GetTrayCount(); ++tray)
            trays_.emplace_back(sheet.GetTrayPosition(tray), double(sheet.GetTrayAmount(tray)));
        std::stable_sort(trays_.begin(), trays_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    double At(double x) const {
        if (trays_.empty() || x < trays_.front().first || x > trays_.back().first) return 0;
        auto after = std::lower_bound(trays_.begin(), trays_.end(), x,
                                      [](const auto& tray, double at) { return tray.first < at; });
        if (after->first == x || after == trays_.begin()) return after->second;
        auto before = std::prev(after);
        const double share = (x - before->first) / (after->first - before->first);
        return before->second + (after->second - before->second) * share;
    }

private:
    std::vector<std::pair<double, double>> trays_;  // place in metres, amount
};

struct Pass {
    double centre;
    bool mirrored;
};

FieldMapBand Band(const PassPattern& pattern, const std::vector<Pass>& passes, double width, int columns) {
    const double halfSpan = 2 * width;
    std::vector<double> sums(static_cast<std::size_t>(columns));
    double inner = 0;
    int innerCount = 0;
    for (int c = 0; c < columns; ++c) {
        const double x = -halfSpan + (c + 0.5) * (2 * halfSpan) / columns;
        double sum = 0;
        for (const Pass& pass : passes) sum += pattern.At(pass.mirrored ? pass.centre - x : x - pass.centre);
        sums[static_cast<std::size_t>(c)] = sum;
        if (std::abs(x) <= width) {
            inner += sum;
            ++innerCount;
        }
    }
    FieldMapBand band;
    const double mean = innerCount > 0 ? inner / innerCount : 0;
    band.percent.reserve(sums.size());
    for (double sum : sums) band.percent.push_back(mean > 0 ? 100 * sum / mean : std::nan(""));
    return band;
}

}  // namespace

FieldMap ComputeFieldMap(const TNewTabSheet& sheet, int columns) {
    FieldMap map;
    map.width = sheet.GetABredd() / 2.0;
    map.halfSpan = 2 * map.width;
    if (columns < 1 || map.width <= 0) return map;
    const PassPattern pattern(sheet);
    const bool alternate = DrivingPatternOf(sheet) == DrivingPattern::BackAndForth;
    std::vector<Pass> passes;
    for (int k = -FieldMapPassReach; k <= FieldMapPassReach; ++k)
        passes.push_back({k * map.width, sheet.GetOwnPassReversed() != (alternate && k % 2 != 0)});
    map.asDriven = Band(pattern, passes, map.width, columns);
    passes[FieldMapPassReach + 1].centre += FieldMapDrivingError;
    map.driftedOut = Band(pattern, passes, map.width, columns);
    return map;
}

int FieldMapStep(double percent) {
    if (std::isnan(percent)) return -1;
    if (percent < 80) return 0;
    if (percent >= 120) return FieldMapSteps - 1;
    if (percent < 95) return 1 + static_cast<int>((percent - 80) / 5);
    if (percent < 105) return 4;
    return 5 + static_cast<int>((percent - 105) / 5);
}

}  // namespace kaldoventri
