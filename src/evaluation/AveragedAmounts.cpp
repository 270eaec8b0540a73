// Tray-by-tray means in whole numbers. The sums stay integers and the rounding
// is done on quotient and remainder, so a mean that is exactly a half is
// found however many sheets there are.
#include "AveragedAmounts.h"

#include <algorithm>
#include <limits>

#include "TrayKit.h"

namespace kaldoventri {

namespace {

// sum / count rounded to the nearest whole number, halves to even (count > 0).
std::int64_t RoundedQuotient(std::int64_t sum, std::int64_t count) {
    std::int64_t q = sum / count;  // truncated towards zero
    const std::int64_t r = sum % count;
    const std::int64_t twice = 2 * (r < 0 ? -r : r);
    const std::int64_t away = sum < 0 ? -1 : 1;
    if (twice > count || (twice == count && q % 2 != 0)) q += away;
    return q;
}

}  // namespace

std::optional<AveragingObstacle> AveragingObstacleOf(const TNewTabSheet& sheet, const TNewTabSheet& first) {
    if (!SameKit(sheet, first)) return AveragingObstacle::OtherKit;
    if (sheet.GetUnits().unit != first.GetUnits().unit) return AveragingObstacle::OtherUnit;
    return std::nullopt;
}

std::vector<std::int32_t> AveragedAmounts(std::span<const TNewTabSheet* const> sheets) {
    int trays = 0;
    for (const TNewTabSheet* sheet : sheets)
        if (sheet != nullptr) {
            trays = sheet->GetTrayCount();
            break;
        }
    std::vector<std::int64_t> sums(static_cast<std::size_t>(trays > 0 ? trays : TrayCount));
    std::int64_t count = 0;
    for (const TNewTabSheet* sheet : sheets) {
        if (sheet == nullptr) continue;
        ++count;
        for (int tray = 1; tray <= trays; ++tray) sums[static_cast<std::size_t>(tray - 1)] += sheet->GetTrayAmount(tray);
    }
    std::vector<std::int32_t> means(sums.size());
    if (count == 0) return means;
    for (std::size_t i = 0; i < means.size(); ++i) {
        const std::int64_t mean = RoundedQuotient(sums[i], count);
        means[i] = static_cast<std::int32_t>(std::clamp<std::int64_t>(mean, std::numeric_limits<std::int32_t>::min(),
                                                                       std::numeric_limits<std::int32_t>::max()));
    }
    return means;
}

std::vector<double> VarianceOfMeans(std::span<const TNewTabSheet* const> sheets) {
    std::vector<const TNewTabSheet*> given;
    for (const TNewTabSheet* sheet : sheets)
        if (sheet != nullptr) given.push_back(sheet);
    if (given.size() < 2) return {};
    const int trays = given.front()->GetTrayCount();
    const auto k = static_cast<double>(given.size());
    std::vector<double> variance(static_cast<std::size_t>(trays));
    for (int tray = 1; tray <= trays; ++tray) {
        double mean = 0.0;
        for (const TNewTabSheet* sheet : given) mean += sheet->GetTrayAmount(tray);
        mean /= k;
        double squares = 0.0;
        for (const TNewTabSheet* sheet : given) squares += (sheet->GetTrayAmount(tray) - mean) * (sheet->GetTrayAmount(tray) - mean);
        variance[static_cast<std::size_t>(tray - 1)] = squares / (k - 1) / k;
    }
    return variance;
}

}  // namespace kaldoventri
