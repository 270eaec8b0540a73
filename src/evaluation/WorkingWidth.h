// Working widths, in half-metres everywhere they are stored or passed (24
// means 12 m), and the limits every part of the program holds them to.
#pragma once

#include <algorithm>

namespace kaldoventri {

inline constexpr int DefaultWorkingWidth = 24;  // 12 m, a new test's width
inline constexpr int HalfMetresPerMetre = 2;

// Both working-width arrows (the test entry dialog's and the main window's)
// and a test file's "ABredd" line: 5 m to 50 m.
inline constexpr int NarrowestWorkingWidth = 10;
inline constexpr int WidestWorkingWidth = 100;

// The VK curve: every curve starts at 5 m; it has room for widths up to 101.
inline constexpr int FirstCurveWidth = 10;
inline constexpr int MaxCurveWidth = 101;

// A width brought into the range the dialog and test files allow.
inline constexpr int ClampWorkingWidth(int halfMetres) {
    return std::clamp(halfMetres, NarrowestWorkingWidth, WidestWorkingWidth);
}

}  // namespace kaldoventri
