// The analysis figures, read from the VK curve, its computed flags and the
// tray amounts of an evaluated sheet.
#include "SheetFigures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "TrayKit.h"
#include "VKUncertainty.h"

namespace kaldoventri {

namespace {

bool UsableAt(const TNewTabSheet& sheet, int w) { return sheet.GetVKComputed(w) && sheet.GetVK(w) < UsableVKLimit; }

}  // namespace

std::optional<ToleranceClass> ToleranceClassOf(double vk, bool computed) {
    if (!computed || std::isnan(vk)) return std::nullopt;
    for (std::size_t i = 0; i < ToleranceClassLimits.size(); ++i)
        if (vk < ToleranceClassLimits[i]) return static_cast<ToleranceClass>(i);
    return ToleranceClass::Otillracklig;
}

std::optional<double> DrivingErrorVK(const TNewTabSheet& evaluated) {
    const std::int64_t own = evaluated.GetABredd();
    const std::int64_t first = std::max<std::int64_t>(own - DrivingErrorReach, FirstCurveWidth);
    const std::int64_t last =
        std::min<std::int64_t>(own + DrivingErrorReach, LastCurveWidthOf(evaluated));
    std::optional<double> worst;
    for (std::int64_t w = first; w <= last; ++w) {
        const int width = static_cast<int>(w);
        if (!evaluated.GetVKComputed(width)) continue;
        worst = std::max(worst.value_or(evaluated.GetVK(width)), evaluated.GetVK(width));
    }
    return worst;
}

std::optional<WidthRangeMetres> UsableWidthRange(const TNewTabSheet& evaluated) {
    if (!evaluated.HasOptimum()) return std::nullopt;
    const double twice = evaluated.GetOptimalWidth() * 2;
    const int last = LastCurveWidthOf(evaluated);
    // Only a width of the span can be the optimum; anything else is a sheet never evaluated.
    if (!(twice >= FirstCurveWidth && twice <= last) || twice != std::floor(twice)) return std::nullopt;
    const int optimum = static_cast<int>(twice);
    if (!(evaluated.GetOptimalVK() < UsableVKLimit) || !UsableAt(evaluated, optimum)) return std::nullopt;

    int narrowest = optimum;
    while (narrowest > FirstCurveWidth && UsableAt(evaluated, narrowest - 1)) --narrowest;
    int widest = optimum;
    while (widest < last && UsableAt(evaluated, widest + 1)) ++widest;
    return WidthRangeMetres{narrowest / 2.0, widest / 2.0};
}

std::optional<SideBalance> SideBalanceOf(const TNewTabSheet& sheet) {
    std::int64_t left = 0;
    std::int64_t total = 0;
    for (int tray = 1; tray <= sheet.GetTrayCount(); ++tray) {
        total += sheet.GetTrayAmount(tray);
        if (sheet.GetTrayPosition(tray) < 0.0) left += sheet.GetTrayAmount(tray);
    }
    if (total <= 0) return std::nullopt;
    // Tenths of a percent in one division of two exact integers: both stay far
    // below 2^53, so a share that is exactly a half tenth comes out as one and
    // rounds to even.
    const double tenths = std::nearbyint(static_cast<double>(left * 1000) / static_cast<double>(total));
    return SideBalance{tenths / 10, (1000 - tenths) / 10};
}

SheetFigures ComputeSheetFigures(const TNewTabSheet& evaluated) {
    SheetFigures figures;
    const int own = evaluated.GetABredd();
    if (evaluated.GetVKComputed(own)) {
        figures.vk = evaluated.GetVK(own);
        figures.toleranceClass = ToleranceClassOf(*figures.vk, true);
    }
    figures.drivingErrorVK = DrivingErrorVK(evaluated);
    figures.usableRange = UsableWidthRange(evaluated);
    figures.sideBalance = SideBalanceOf(evaluated);
    figures.pattern = SheetPatternVerdict(evaluated);
    if (!evaluated.GetUnits().Any()) return figures;
    if (figures.vk) {
        figures.vkUncertainty = evaluated.GetVKUncertainty(own);
        figures.classUncertain = figures.vkUncertainty && ClassUncertain(*figures.vk, *figures.vkUncertainty);
    }
    figures.rate = ApplicationRate(evaluated);
    figures.target = CompareWithTarget(evaluated);
    return figures;
}

}  // namespace kaldoventri
