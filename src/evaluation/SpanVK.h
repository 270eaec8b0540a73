// The VK at every width of a layout's span, computed from a snapshot of the
// sheet without touching the sheet's per-tray arrays. The full evaluation keeps
// only the VK of those widths, so this is all it needs; it gives bit for bit
// what the sheet's own evaluation at that width stores.
#pragma once

#include <array>

#include "TNewTabSheet.h"

namespace kaldoventri {

class SpanVK {
public:
    explicit SpanVK(const TNewTabSheet& sheet);

    // Whether the quick walk applies: only for tray positions that ascend.
    bool Applies() const { return applies_; }

    // The VK at width w half-metres, as TNewTabSheet::ComputeVK stores it after
    // PlaceNeighbours, OverlapLeft and OverlapRight at that width.
    double At(int w);

private:
    // One neighbour pass: its tray positions are mirrored[j] + shift, and the
    // slope of each of its segments is remembered with the position difference
    // it came from, because for most layouts that difference is the same at
    // every width and the division need not be repeated.
    struct Neighbour {
        std::array<double, TrayCount> amount{};
        std::array<double, TrayCount> segmentWidth{};
        std::array<double, TrayCount> slope{};
        std::size_t next = 0;  // first tray at or beyond the last x asked for
    };
    double OverlapAt(Neighbour& n, double shift, double x);

    std::array<double, TrayCount> position_{};
    std::array<double, TrayCount> mirrored_{};  // -position of tray N-j, tray order of the neighbour
    std::array<double, TrayCount> amount_{};
    Neighbour left_;
    Neighbour right_;
    bool applies_ = false;
};

}  // namespace kaldoventri
