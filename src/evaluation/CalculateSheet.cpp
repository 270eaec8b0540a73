// Full evaluation of a sheet over its layout's span of working widths.
#include "CalculateSheet.h"

#include <array>

#include "SpanVK.h"

namespace kaldoventri {

namespace {

// The VK at every width of the span. Only these VKs survive the loop (the sheet
// is evaluated once more at its own width afterwards), so the quick path
// computes nothing else; the full search evaluates every width completely.
void ComputeSpan(TNewTabSheet& sheet, int last, OverlapScan scan, std::array<VKResult, MaxCurveWidth + 1>& kept) {
    SpanVK quick(sheet);
    const bool useQuick = scan == OverlapScan::Merged && quick.Applies();
    for (int w = FirstCurveWidth; w <= last; ++w) {
        if (useQuick) {
            kept[static_cast<std::size_t>(w)] = quick.ResultAt(w);
            continue;
        }
        sheet.SetCalcWidth(w);
        sheet.EvaluateWidth(scan);
        kept[static_cast<std::size_t>(w)] = {sheet.GetVK(w), sheet.GetVKComputed(w)};
    }
}

}  // namespace

void CalculateSheet(TNewTabSheet& sheet, int yScaleMode, OverlapScan scan) {
    sheet.SetEvaluationSettings(sheet.GetABredd(), yScaleMode);
    sheet.SetTrayCount(TrayCount);
    const int ownWidth = sheet.GetCalcWidth();

    const int layout = sheet.GetBackuppstallning();
    const int last = LastCurveWidth(layout);
    std::array<VKResult, MaxCurveWidth + 1> kept{};
    ComputeSpan(sheet, last, scan, kept);

    // Leaves every per-tray array and the axis as they are at the sheet's own
    // width, also when that width lies outside the span.
    sheet.SetCalcWidth(ownWidth);
    sheet.EvaluateWidth(scan);
    for (int w = FirstCurveWidth; w <= last; ++w) {
        const VKResult& vk = kept[static_cast<std::size_t>(w)];
        sheet.SetVK(w, vk.vk, vk.computed);
    }

    // Strictly lower wins, so ties keep the narrowest width.
    const WidthRange range = OptimumSearchRange(layout);
    double best = sheet.GetVK(range.first);
    double width = range.first / 2.0;
    for (int w = range.first; w <= range.last; ++w) {
        if (sheet.GetVK(w) < best) {
            best = sheet.GetVK(w);
            width = w / 2.0;
        }
    }
    sheet.SetOptimum(width, best);
}

}  // namespace kaldoventri
