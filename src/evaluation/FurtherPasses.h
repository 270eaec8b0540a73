// The passes beyond the two neighbours. A pattern that reaches further than
// about one and a half working widths from its centre line puts fertiliser
// from the passes two, three, ... widths away into the middle strip too; the
// field then gets all of them. At such a width the evaluation adds every pass
// at ±2W, ±3W, ... at every tray, placed and interpolated as the neighbours
// are (mirrored tray places about the pass's own centre line). At every other
// width it counts the neighbours alone, exactly as it always has.
#pragma once

#include <cstddef>
#include <vector>

namespace kaldoventri {

class FurtherPasses {
public:
    // `position` are the sheet's `count` tray places in metres, tray 1 first;
    // they are read again by At, so they must outlive this object.
    FurtherPasses(const double* position, std::size_t count);

    // For width w (half-metres): 0 when no pass at ±2W, ±3W, ... reaches a
    // tray of the middle strip; otherwise the number k of the farthest pass
    // on either side that can reach any tray, so that the passes ±2W ... ±kW
    // are all there is to add.
    int At(int w) const;

    // The farthest k whose pass on either side can reach a tray of the
    // middle strip at width w: all the VK needs of the passes At counts.
    int OverStrip(int w) const;

    // The pass k widths to the side of a neighbour that runs reversed or not.
    // Back and forth turns at every headland, so each further pass runs the
    // other way from the one before; a racetrack (no neighbour reversed)
    // drives them all the same way.
    static bool Reversed(int k, bool neighbourReversed, bool backAndForth) {
        return backAndForth && k % 2 == 0 ? !neighbourReversed : neighbourReversed;
    }

    // A bound on k: far more than ±24.25 m at half a metre needs, and it keeps
    // a sheet of nonsense places from running without end.
    static constexpr int MostPasses = 200;

private:
    // Whether the pass whose trays lie at -position[count-1-j] + offset gives
    // an amount (is not before its first or beyond its last tray) at a tray
    // within `reach` of the centre line.
    bool ReachesStrip(double offset, double reach) const;

    const double* position_;
    std::size_t count_;
    bool ascending_ = false;
    double lowest_ = 0.0;
    double highest_ = 0.0;
    bool finite_ = false;
};

class TNewTabSheet;

// The widths of the sheet's VK curve (half-metres, narrowest first) at which
// the further passes count.
std::vector<int> WidthsCountingFurtherPasses(const TNewTabSheet& sheet);

}  // namespace kaldoventri
