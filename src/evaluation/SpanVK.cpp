// Quick VK over a span of widths. The arithmetic is that of the sheet's own
// evaluation (same interpolation, same strip test, same sums in tray order);
// it saves time by touching only the trays of the middle strip, by walking
// each neighbour's trays once per width, and by reusing a segment's slope
// whenever the same position difference comes up again.
#include "SpanVK.h"

#include <limits>

#include "Interpolation.h"
#include "VariationCoefficient.h"

namespace kaldoventri {

namespace {
constexpr std::size_t N = TrayCount;
}

SpanVK::SpanVK(const TNewTabSheet& sheet) {
    for (std::size_t i = 0; i < N; ++i) {
        position_[i] = sheet.GetTrayPosition(static_cast<int>(i) + 1);
        amount_[i] = sheet.GetTrayAmount(static_cast<int>(i) + 1);
    }
    for (std::size_t j = 0; j < N; ++j) {
        mirrored_[j] = -position_[N - 1 - j];
        left_.amount[j] = sheet.GetLeftPassReversed() ? amount_[N - 1 - j] : amount_[j];
        right_.amount[j] = sheet.GetRightPassReversed() ? amount_[N - 1 - j] : amount_[j];
    }
    const double never = std::numeric_limits<double>::quiet_NaN();  // equal to nothing
    left_.segmentWidth.fill(never);
    right_.segmentWidth.fill(never);
    applies_ = PositionsAscend(position_);
}

double SpanVK::OverlapAt(Neighbour& n, double shift, double x) {
    std::size_t j = n.next;
    while (j < N && !(mirrored_[j] + shift >= x)) ++j;
    n.next = j;
    if (j == N) return 0.0;
    const double at = mirrored_[j] + shift;
    if (at == x) return n.amount[j];
    if (j == 0) return 0.0;
    const double before = mirrored_[j - 1] + shift;
    const double width = at - before;
    if (width != n.segmentWidth[j]) {
        n.segmentWidth[j] = width;
        n.slope[j] = InterpolationSlope(n.amount[j - 1], n.amount[j], before, at);
    }
    return InterpolateOnLine(n.slope[j], at, n.amount[j], x);
}

double SpanVK::At(int w) {
    const double reach = w / 4.0;
    const double halfWidth = w / 2.0;
    left_.next = 0;
    right_.next = 0;
    StripSums sums;
    for (std::size_t i = 0; i < N; ++i) {
        const double x = position_[i];
        if (!(-reach <= x && x <= reach)) continue;
        // The left neighbour's trays lie at -position - W/2, the right one's at -position + W/2.
        const double leftOverlap = OverlapAt(left_, -halfWidth, x);
        const double rightOverlap = OverlapAt(right_, halfWidth, x);
        sums.Add(amount_[i] + leftOverlap + rightOverlap);
    }
    return VKFromSums(sums);
}

}  // namespace kaldoventri
