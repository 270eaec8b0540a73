// The figures a user judges an evaluated test by, beside the VK curve itself:
// the tolerance class of the VK at the sheet's working width, the worst VK
// within a metre of driving error, the working widths that stay under 15 %
// around the optimum, and how the catch splits between left and right.
#pragma once

#include <array>
#include <optional>

#include "ApplicationRate.h"
#include "PatternVerdict.h"
#include "TNewTabSheet.h"

namespace kaldoventri {

enum class ToleranceClass { MycketBra, Bra, Godtagbar, Otillracklig };

// The upper limits of the first three classes, in percent: a VK under 5 % is
// "Mycket bra", under 10 % "Bra", under 15 % "Godtagbar", the rest
// "Otillräcklig". The figures, the VK curve's bands and the report's legend
// all take them from here.
inline constexpr std::array<double, 3> ToleranceClassLimits{5.0, 10.0, 15.0};

// A VK that was not computed (or is not a number) has no class.
std::optional<ToleranceClass> ToleranceClassOf(double vk, bool computed);

struct WidthRangeMetres {
    double narrowest;
    double widest;
};

// Percent of the total catch on each side of the centre line.
struct SideBalance {
    double left;
    double right;
};

// Widths are in half-metres: ±1 m of driving error is ±2.
inline constexpr int DrivingErrorReach = 2;
inline constexpr double UsableVKLimit = ToleranceClassLimits.back();

struct SheetFigures {
    std::optional<double> vk;  // at ABredd, when computed
    std::optional<ToleranceClass> toleranceClass;
    std::optional<double> drivingErrorVK;         // "Körfel ±1 m"
    std::optional<WidthRangeMetres> usableRange;  // VK under 15 %
    std::optional<SideBalance> sideBalance;
    std::optional<PatternVerdict> pattern{};  // "Mönster": heavy at the tramline, between, or even
    // Only for a sheet with units (SheetUnits::Any), so that an older test
    // shows what it always showed:
    std::optional<double> vkUncertainty{};  // at ABredd, percentage points
    bool classUncertain = false;          // VK ± uncertainty crosses a class limit
    std::optional<double> rate{};           // kg/ha at ABredd
    std::optional<TargetComparison> target{};
};

// The figures of a sheet as CalculateSheet left it; a figure that cannot be
// had from it (a VK not computed, nothing caught) is left out.
SheetFigures ComputeSheetFigures(const TNewTabSheet& evaluated);

// The single figures, for callers that need only one.
std::optional<double> DrivingErrorVK(const TNewTabSheet& evaluated);
std::optional<WidthRangeMetres> UsableWidthRange(const TNewTabSheet& evaluated);
std::optional<SideBalance> SideBalanceOf(const TNewTabSheet& sheet);

}  // namespace kaldoventri
