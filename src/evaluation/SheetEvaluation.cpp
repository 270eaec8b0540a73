// The evaluation of one sheet at one working width (`CalcWidth`, half-metres):
// the shuttle driving pattern puts a neighbour pass one working width to each
// side, driven the opposite way, so each neighbour's pattern is the measured
// one mirrored about its own centre line. The neighbours' amounts are
// interpolated at the own trays, summed, and the variation coefficient (VK) is
// taken over the trays within half a working width of the centre line. A
// pattern wide enough to reach the middle strip from two or more widths away
// has those passes added too.
#include <algorithm>
#include <cstddef>
#include <limits>

#include "FurtherPasses.h"
#include "Interpolation.h"
#include "Rounding.h"
#include "TNewTabSheet.h"
#include "VariationCoefficient.h"

namespace kaldoventri {

namespace {

// Largest multiple of 20 that a 32-bit axis top can hold; an axis above 100 is
// always a multiple of 20.
constexpr std::int64_t LargestAxisTop = 2147483640;

}  // namespace

bool TNewTabSheet::InMiddleStrip(int trayIndex0) const {
    const double reach = CalcWidth / 4.0;
    const double p = TrayPosition[static_cast<std::size_t>(trayIndex0)];
    return -reach <= p && p <= reach;
}

void TNewTabSheet::PlaceNeighbours() {
    const auto N = static_cast<std::size_t>(Trays);
    const double shift = CalcWidth / 2.0;
    for (std::size_t i = 0; i < N; ++i) {
        LeftPosition[N - 1 - i] = -TrayPosition[i] - shift;
        RightPosition[N - 1 - i] = -TrayPosition[i] + shift;
    }
}

void TNewTabSheet::Overlap(const Positions& pos, bool reversed, std::array<std::int32_t, TrayRoom>& overlap,
                           OverlapScan scan) const {
    const auto N = static_cast<std::size_t>(Trays);
    Positions amount;
    for (std::size_t j = 0; j < N; ++j) amount[j] = reversed ? TrayAmount[N - 1 - j] : TrayAmount[j];

    // For ascending own and neighbour positions the first neighbour tray at or
    // beyond x never moves left as x grows, so one merged walk finds the same
    // tray as a search from the start for every own tray.
    const bool merged = scan == OverlapScan::Merged && PositionsAscend(TrayPosition.data(), N) && PositionsAscend(pos.data(), N);
    std::size_t j = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const double x = TrayPosition[i];
        if (!merged) j = 0;
        while (j < N && !(pos[j] >= x)) ++j;

        if (j == N) {
            overlap[i] = 0;  // beyond the neighbour's last tray
        } else if (pos[j] == x) {
            overlap[i] = static_cast<std::int32_t>(amount[j]);
        } else if (j == 0) {
            overlap[i] = 0;  // before the neighbour's first tray
        } else {
            // pos[j-1] < x < pos[j], so the two trays never share a position.
            const double k = InterpolationSlope(amount[j - 1], amount[j], pos[j - 1], pos[j]);
            overlap[i] = static_cast<std::int32_t>(InterpolateOnLine(k, pos[j], amount[j], x));
        }
    }
}

void TNewTabSheet::OverlapLeft(OverlapScan scan) { Overlap(LeftPosition, LeftPassReversed, LeftOverlap, scan); }

void TNewTabSheet::OverlapRight(OverlapScan scan) { Overlap(RightPosition, RightPassReversed, RightOverlap, scan); }

void TNewTabSheet::OverlapFurther(OverlapScan scan) {
    const auto N = static_cast<std::size_t>(Trays);
    std::fill_n(FurtherOverlap.begin(), N, 0);
    const int passes = FurtherPasses(TrayPosition.data(), N).At(CalcWidth);
    if (passes == 0) return;
    const bool backAndForth = LeftPassReversed || RightPassReversed;
    const double halfWidth = CalcWidth / 2.0;
    Positions pos;
    std::array<std::int32_t, TrayRoom> share;
    for (int k = 2; k <= passes; ++k) {
        for (const bool right : {false, true}) {
            // Placed as the neighbours are: each tray mirrored about the pass's centre line.
            const double offset = right ? k * halfWidth : -(k * halfWidth);
            for (std::size_t i = 0; i < N; ++i) pos[N - 1 - i] = -TrayPosition[i] + offset;
            const bool reversed = FurtherPasses::Reversed(k, right ? RightPassReversed : LeftPassReversed, backAndForth);
            Overlap(pos, reversed, share, scan);
            for (std::size_t i = 0; i < N; ++i) FurtherOverlap[i] += share[i];
        }
    }
}

void TNewTabSheet::ResetNeighbourPositions() {
    const auto N = static_cast<std::size_t>(Trays);
    for (std::size_t i = 0; i < N; ++i) {
        LeftPosition[i] = LeftPassReversed ? -TrayPosition[i] : TrayPosition[i];
        RightPosition[i] = RightPassReversed ? -TrayPosition[i] : TrayPosition[i];
    }
}

void TNewTabSheet::ComputeVK(int index) {
    const auto N = static_cast<std::size_t>(Trays);
    TrayCountField = Trays;
    StripSums sums;
    for (std::size_t i = 0; i < N; ++i) {
        if (InMiddleStrip(static_cast<int>(i)))
            sums.Add(static_cast<double>(TrayAmount[i]) + LeftOverlap[i] + RightOverlap[i] +
                     static_cast<double>(FurtherOverlap[i]));
    }
    const VKResult vk = EvaluateVK(sums);
    SetVK(index, vk.vk, vk.computed);
}

std::int64_t TNewTabSheet::NormalLevel() const {
    const auto N = static_cast<std::size_t>(Trays);
    std::int64_t total = 0;
    int count = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (!InMiddleStrip(static_cast<int>(i))) continue;
        total += TraySum[i];
        ++count;
    }
    if (count == 0) return 0;
    return RoundToInt<std::int64_t>(static_cast<double>(total) / count);
}

void TNewTabSheet::ScaleYAxis(std::int64_t peak) {
    std::int64_t axis = 0;
    const std::int64_t level = PercentScale == 1 ? NormalLevel() : 0;
    const std::optional<double> kgPerHa = PercentScale == 2 ? KgPerHaPerUnit(Units) : std::nullopt;
    if (kgPerHa) {
        YScaleFactor = *kgPerHa;
        axis = RoundToInt<std::int64_t>(static_cast<double>(peak) * *kgPerHa * 1.25 / 10) * 10 + 10;
    } else if (level > 0) {
        YScaleFactor = 100.0 / static_cast<double>(level);
        const double percentOfLevel = RoundHalfEven(static_cast<double>(peak) / static_cast<double>(level) * 125);
        axis = RoundToInt<std::int64_t>(percentOfLevel / 10) * 10 + 10;
    } else {
        // The value scale, and also the percent scale when there is no positive
        // normal level to refer to (empty middle strip, nothing caught).
        YScaleFactor = 1.0;
        axis = RoundToInt<std::int64_t>(static_cast<double>(peak) * 1.25 / 10) * 10 + 10;
    }
    if (axis > 100 && (axis / 10) % 2 != 0) axis += 10;
    YAxisMax = static_cast<std::int32_t>(std::min(axis, LargestAxisTop));
}

void TNewTabSheet::EvaluateWidth(OverlapScan scan) {
    const auto N = static_cast<std::size_t>(Trays);
    TrayCountField = Trays;
    PlaceNeighbours();
    OverlapLeft(scan);
    OverlapRight(scan);
    OverlapFurther(scan);
    ResetNeighbourPositions();
    ComputeVK(CalcWidth);

    std::int64_t peak = 0;
    for (std::size_t i = 0; i < N; ++i) {
        TraySum[i] = static_cast<std::int64_t>(TrayAmount[i]) + LeftOverlap[i] + RightOverlap[i] + FurtherOverlap[i];
        peak = std::max(peak, TraySum[i]);
    }
    ScaleYAxis(peak);
}

}  // namespace kaldoventri
