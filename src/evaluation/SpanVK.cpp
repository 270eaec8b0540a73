// Quick VK over a span of widths. The arithmetic is that of the sheet's own
// evaluation (same interpolation, same strip test, same sums in tray order);
// it saves time by touching only the trays of the middle strip that a
// neighbour actually reaches, by walking each neighbour's trays once per
// width, and by reusing a segment's slope whenever the same position
// difference comes up again.
#include "SpanVK.h"

#include <algorithm>
#include <limits>

#include "Interpolation.h"

namespace kaldoventri {

namespace {

// First k in 0..N with value(k) >= x (strict: value(k) > x), for values that
// ascend with k and hold no NaN. The search walks from `hint`, which makes it
// nearly free when the answer is close to the previous one.
template <bool Strict, typename Value>
std::size_t FirstFrom(std::size_t N, std::size_t& hint, double x, Value value) {
    const auto below = [&](std::size_t k) { return Strict ? value(k) <= x : value(k) < x; };
    std::size_t k = hint;
    while (k > 0 && !below(k - 1)) --k;
    while (k < N && below(k)) ++k;
    hint = k;
    return k;
}

}  // namespace

SpanVK::SpanVK(const TNewTabSheet& sheet) : n_(static_cast<std::size_t>(sheet.GetTrayCount())) {
    const std::size_t N = n_;
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
    for (Neighbour* n : {&left_, &right_}) std::fill_n(n->segmentWidth.begin(), N, never);
    leftReversed_ = sheet.GetLeftPassReversed();
    rightReversed_ = sheet.GetRightPassReversed();
    furtherReach_ = FurtherPasses(position_.data(), N);
    applies_ = PositionsAscend(position_.data(), N);
}

SpanVK::Neighbour& SpanVK::FurtherPass(int k, bool right) {
    const auto index = static_cast<std::size_t>(2 * (k - 2) + (right ? 1 : 0));
    const std::size_t N = n_;
    while (further_.size() <= index) {
        const bool onRight = further_.size() % 2 == 1;
        const int pass = static_cast<int>(further_.size() / 2) + 2;
        const bool reversed =
            FurtherPasses::Reversed(pass, onRight ? rightReversed_ : leftReversed_, leftReversed_ || rightReversed_);
        Neighbour& n = further_.emplace_back();
        for (std::size_t j = 0; j < N; ++j) n.amount[j] = reversed ? amount_[N - 1 - j] : amount_[j];
        std::fill_n(n.segmentWidth.begin(), N, std::numeric_limits<double>::quiet_NaN());
    }
    return further_[index];
}

void SpanVK::AddOverlap(Neighbour& n, double shift, std::size_t first, std::size_t end, Values& sums) {
    const std::size_t N = n_;
    // Own trays before the neighbour's first tray or beyond its last get nothing.
    const auto own = [this](std::size_t k) { return position_[k]; };
    const auto theirs = [this, shift](std::size_t k) { return mirrored_[k] + shift; };
    const std::size_t reached = std::clamp(FirstFrom<false>(N, n.reachedHint, theirs(0), own), first, end);
    const std::size_t reachedEnd = std::clamp(FirstFrom<true>(N, n.reachedEndHint, theirs(N - 1), own), reached, end);
    if (reached == reachedEnd) return;

    // The own trays from `reached` on all lie at or before the neighbour's
    // last tray, so the walk below never runs past it.
    std::size_t j = FirstFrom<false>(N, n.trayHint, position_[reached], theirs);
    for (std::size_t i = reached; i < reachedEnd; ++i) {
        const double x = position_[i];
        while (!(theirs(j) >= x)) ++j;
        const double at = theirs(j);
        if (at == x) {
            sums[i] += n.amount[j];
            continue;
        }
        // x lies strictly between the neighbour's trays j-1 and j (j > 0 since x >= the first).
        const double before = theirs(j - 1);
        const double width = at - before;
        if (width != n.segmentWidth[j]) {
            n.segmentWidth[j] = width;
            n.slope[j] = InterpolationSlope(n.amount[j - 1], n.amount[j], before, at);
        }
        sums[i] += InterpolateOnLine(n.slope[j], at, n.amount[j], x);
    }
}

VKResult SpanVK::ResultAt(int w) {
    const std::size_t N = n_;
    const double reach = w / 4.0;
    const double halfWidth = w / 2.0;
    // The positions ascend and hold no NaN, so the strip -reach <= x <= reach is one run of trays.
    const auto own = [this](std::size_t k) { return position_[k]; };
    const std::size_t first = FirstFrom<false>(N, stripHint_, -reach, own);
    const std::size_t end = std::max(first, FirstFrom<true>(N, stripEndHint_, reach, own));
    // Each strip value is amount + left + right, added in that order; a
    // neighbour that does not reach a tray adds nothing, as adding 0 would.
    // Only the strip's trays are summed, so only they are copied. A built-in
    // layout's 26 are copied whole: a copy of known size is inlined, where
    // one of the strip's length is a library call that costs more than it saves.
    Values values;
    if (N == TrayCount)
        std::copy_n(amount_.begin(), TrayCount, values.begin());
    else
        std::copy(amount_.begin() + static_cast<std::ptrdiff_t>(first), amount_.begin() + static_cast<std::ptrdiff_t>(end),
                  values.begin() + static_cast<std::ptrdiff_t>(first));
    AddOverlap(left_, -halfWidth, first, end, values);
    AddOverlap(right_, halfWidth, first, end, values);
    // Passes that cannot reach the strip add nothing to it.
    for (int k = 2, passes = furtherReach_.OverStrip(w); k <= passes; ++k) {
        AddOverlap(FurtherPass(k, false), -(k * halfWidth), first, end, values);
        AddOverlap(FurtherPass(k, true), k * halfWidth, first, end, values);
    }
    StripSums sums;
    for (std::size_t i = first; i < end; ++i) sums.Add(values[i]);
    return EvaluateVK(sums);
}

}  // namespace kaldoventri
