// Tray positions of the "12 m" and "24 m" layouts. The trays lie symmetrically
// about the centre line; the four middle trays are closer together so that the
// overlap of neighbouring passes near the centre is measured finely.
#include "TrayLayout.h"

namespace kaldoventri {

namespace {

constexpr std::array<double, TrayCount> Positions12m = {
    -12.25, -11.25, -10.25, -9.25, -8.25, -7.25, -6.25, -5.25, -4.25, -3.25, -2.25, -1.75, -0.25,
    0.25,   1.75,   2.25,   3.25,  4.25,  5.25,  6.25,  7.25,  8.25,  9.25,  10.25, 11.25, 12.25};

constexpr std::array<double, TrayCount> Positions24m = {
    -24.25, -22.25, -20.25, -18.25, -16.25, -14.25, -12.25, -10.25, -8.25, -6.25, -4.25, -2.25, -0.25,
    0.25,   2.25,   4.25,   6.25,   8.25,   10.25,  12.25,  14.25,  16.25,  18.25, 20.25, 22.25, 24.25};

}  // namespace

std::array<double, TrayCount> TrayPlacementTable(int layout) {
    return layout == Layout12m ? Positions12m : Positions24m;
}

double TrayPlacementFor(int layout, int tray) {
    if (tray < 1 || tray > TrayCount) return 0.0;
    return TrayPlacementTable(layout)[static_cast<std::size_t>(tray - 1)];
}

int LastCurveWidth(int layout) { return layout != Layout12m ? 100 : 52; }

WidthRange OptimumSearchRange(int layout) {
    return layout != Layout12m ? WidthRange{32, 52} : WidthRange{16, 48};
}

}  // namespace kaldoventri
