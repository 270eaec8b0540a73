// Full evaluation of a sheet over its layout's span of working widths.
#include "CalculateSheet.h"

#include <array>
#include <optional>

#include "SpanVK.h"
#include "TrayKit.h"
#include "VKUncertainty.h"

namespace kaldoventri {

namespace {

// The VK at every width of the span, stored as it comes. The quick path
// computes nothing else; the full search evaluates every width completely,
// which stores its VK too. A width's VK depends on nothing the evaluation of
// another width leaves behind, so the final evaluation at the sheet's own
// width stores the same VK there again.
void ComputeSpan(TNewTabSheet& sheet, int last, OverlapScan scan) {
    SpanVK quick(sheet);
    const bool useQuick = scan == OverlapScan::Merged && quick.Applies();
    for (int w = FirstCurveWidth; w <= last; ++w) {
        if (useQuick) {
            const VKResult vk = quick.ResultAt(w);
            sheet.SetVK(w, vk.vk, vk.computed);
            continue;
        }
        sheet.SetCalcWidth(w);
        sheet.EvaluateWidth(scan);
    }
}

}  // namespace

void CalculateSheet(TNewTabSheet& sheet, int yScaleMode, OverlapScan scan) {
    sheet.SetEvaluationSettings(sheet.GetABredd(), yScaleMode);
    sheet.SetTrayCount(sheet.GetTrayCount());
    const int ownWidth = sheet.GetCalcWidth();

    const int last = LastCurveWidthOf(sheet);
    ComputeSpan(sheet, last, scan);

    // Leaves every per-tray array and the axis as they are at the sheet's own
    // width, also when that width lies outside the span.
    sheet.SetCalcWidth(ownWidth);
    sheet.EvaluateWidth(scan);

    // Strictly lower wins, so ties keep the narrowest width. A width whose VK
    // could not be computed reads 0 and is passed over: it is no even spread.
    const WidthRange range = SearchRangeOf(sheet);
    std::optional<int> best;
    for (int w = range.first; w <= range.last; ++w) {
        if (!sheet.GetVKComputed(w)) continue;
        if (!best || sheet.GetVK(w) < sheet.GetVK(*best)) best = w;
    }
    if (best)
        sheet.SetOptimum(*best / 2.0, sheet.GetVK(*best));
    else
        sheet.ClearOptimum();
    ComputeVKUncertainty(sheet);
}

}  // namespace kaldoventri
