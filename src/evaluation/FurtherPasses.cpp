// Which widths count the passes beyond the neighbours, and how far out.
#include "FurtherPasses.h"

#include <algorithm>
#include <cmath>

#include "TNewTabSheet.h"
#include "TrayKit.h"
#include "TrayLayout.h"

namespace kaldoventri {

FurtherPasses::FurtherPasses(const double* position, std::size_t count) : position_(position), count_(count) {
    if (count == 0) return;
    ascending_ = PositionsAscend(position, count);
    finite_ = std::all_of(position, position + count, [](double p) { return std::isfinite(p); });
    if (!finite_) return;
    const auto [low, high] = std::minmax_element(position, position + count);
    lowest_ = *low;
    highest_ = *high;
}

bool FurtherPasses::ReachesStrip(double offset, double reach) const {
    const std::size_t N = count_;
    const double* p = position_;
    if (ascending_) {
        // The pass's trays ascend too, and it gives an amount from its first
        // tray to its last: is there an own tray of the strip in between?
        const double from = std::max(-p[N - 1] + offset, -reach);
        const double to = std::min(-p[0] + offset, reach);
        const double* tray = std::lower_bound(p, p + N, from);
        return tray != p + N && *tray <= to;
    }
    // As the overlap's own search from the first tray finds it.
    for (std::size_t i = 0; i < N; ++i) {
        const double x = p[i];
        if (!(-reach <= x && x <= reach)) continue;
        std::size_t j = 0;
        while (j < N && !(-p[N - 1 - j] + offset >= x)) ++j;
        if (j < N && (j > 0 || -p[N - 1] + offset == x)) return true;
    }
    return false;
}

int FurtherPasses::At(int w) const {
    if (w <= 0 || !finite_) return 0;
    const double halfWidth = w / 2.0;
    const double reach = w / 4.0;
    // Beyond k = 2 x the outermost place / half the width no pass meets a tray.
    const double farthest = std::floor(std::max(2 * highest_, -2 * lowest_) / halfWidth);
    const int passes = farthest >= MostPasses ? MostPasses : static_cast<int>(farthest);
    for (int k = 2; k <= passes; ++k) {
        const double right = k * halfWidth;
        const double left = -(k * halfWidth);
        // Where the places ascend, a pass that starts beyond the strip has
        // every pass after it beyond it too.
        const bool rightBeyond = ascending_ && -position_[count_ - 1] + right > reach;
        const bool leftBeyond = ascending_ && -position_[0] + left < -reach;
        if (rightBeyond && leftBeyond) return 0;
        if ((!rightBeyond && ReachesStrip(right, reach)) || (!leftBeyond && ReachesStrip(left, reach))) return passes;
    }
    return 0;
}

int FurtherPasses::OverStrip(int w) const {
    if (w <= 0 || !finite_) return 0;
    const double reach = w / 4.0;
    // One more than the division gives, should it round down past a pass that just meets the edge.
    const double farthest = std::floor(std::max(highest_ + reach, reach - lowest_) / (w / 2.0)) + 1;
    return std::min(At(w), farthest >= MostPasses ? MostPasses : static_cast<int>(farthest));
}

std::vector<int> WidthsCountingFurtherPasses(const TNewTabSheet& sheet) {
    std::vector<double> places(static_cast<std::size_t>(sheet.GetTrayCount()));
    for (std::size_t i = 0; i < places.size(); ++i) places[i] = sheet.GetTrayPosition(static_cast<int>(i) + 1);
    const FurtherPasses further(places.data(), places.size());
    std::vector<int> widths;
    for (int w = FirstCurveWidth; w <= LastCurveWidthOf(sheet); ++w)
        if (further.At(w) > 0) widths.push_back(w);
    return widths;
}

}  // namespace kaldoventri
