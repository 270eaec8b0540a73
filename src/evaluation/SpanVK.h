// The VK at every width of a layout's span, computed from a snapshot of the
// sheet without touching the sheet's per-tray arrays. The full evaluation keeps
// only the VK of those widths, so this is all it needs; it gives bit for bit
// what the sheet's own evaluation at that width stores.
#pragma once

#include <array>
#include <vector>

#include "FurtherPasses.h"
#include "TNewTabSheet.h"
#include "VariationCoefficient.h"

namespace kaldoventri {

class SpanVK {
public:
    explicit SpanVK(const TNewTabSheet& sheet);
    // The further passes read the places held here.
    SpanVK(const SpanVK&) = delete;
    SpanVK& operator=(const SpanVK&) = delete;

    // Whether the quick walk applies: only for tray positions that ascend.
    bool Applies() const { return applies_; }

    // The VK at width w half-metres, as TNewTabSheet::ComputeVK stores it after
    // PlaceNeighbours, OverlapLeft and OverlapRight at that width.
    VKResult ResultAt(int w);
    double At(int w) { return ResultAt(w).vk; }

private:
    using Values = std::array<double, 100>;

    // One neighbour pass. The slope of each of its segments is remembered with
    // the position difference it came from: for most layouts that difference
    // is the same at every width, and the division need not be repeated.
    // The arrays are written for the kit's trays before they are read; the rest
    // of their room is left as it is, not cleared at every evaluation.
    struct Neighbour {
        Values amount;
        Values segmentWidth;
        Values slope;
        // Where the searches of the previous width ended; the next width
        // starts from there, since the answers move little from width to width.
        std::size_t reachedHint = 0;
        std::size_t reachedEndHint = 0;
        std::size_t trayHint = 0;
    };

    // Adds the neighbour's amount at each own tray of [first, end) to `sums`;
    // the neighbour's trays lie at mirrored_[j] + shift.
    void AddOverlap(Neighbour& n, double shift, std::size_t first, std::size_t end, Values& sums);

    std::size_t n_ = 0;  // trays of the sheet's kit
    std::size_t stripHint_ = 0;
    std::size_t stripEndHint_ = 0;
    Values position_;
    Values mirrored_;  // -position of tray N-j: the neighbour's trays in ascending order
    Values amount_;
    Neighbour left_;
    Neighbour right_;
    // The passes beyond the neighbours, left and right of each k = 2, 3, ...
    // in turn, made as they are first needed.
    Neighbour& FurtherPass(int k, bool right);
    std::vector<Neighbour> further_;
    FurtherPasses furtherReach_{nullptr, 0};
    bool leftReversed_ = false;
    bool rightReversed_ = false;
    bool applies_ = false;
};

}  // namespace kaldoventri
