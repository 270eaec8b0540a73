// The full evaluation of the peaked example pattern, with the merged overlap
// walk and with the plain full search side by side, and of an own kit of 100
// trays over the span 10..100; and what a sheet with units adds to every key
// release: the VK's uncertainty at every width, the figures and the warnings.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <vector>

#include "evaluation/CalculateSheet.h"
#include "evaluation/DataWarnings.h"
#include "evaluation/SheetFigures.h"
#include "evaluation/VKUncertainty.h"
#include "evaluation/TrayKit.h"

namespace {

using namespace kaldoventri;

TNewTabSheet PeakedSheet(int layout) {
    constexpr std::array<int, TrayCount> amounts = {6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                                                    98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};
    TNewTabSheet sheet;
    sheet.SetDescription("", "", "", "", layout, layout == Layout12m ? 24 : 48, "", "");
    for (int i = 1; i <= TrayCount; ++i) {
        sheet.SetTrayAmount(amounts[static_cast<std::size_t>(i - 1)], i);
        sheet.SetTrayPosition(i, TrayPlacementFor(layout, i));
    }
    sheet.ToggleLeftPassReversed();
    sheet.ToggleRightPassReversed();
    return sheet;
}

void FullEvaluation(benchmark::State& state, int layout, OverlapScan scan) {
    TNewTabSheet sheet = PeakedSheet(layout);
    for (auto _ : state) {
        CalculateSheet(sheet, YScaleValue, scan);
        benchmark::DoNotOptimize(sheet.GetOptimalVK());
    }
}

// 100 trays 0.485 m apart (±24.0 m), a peaked pattern, at 24 m.
TNewTabSheet HundredTrays() {
    TNewTabSheet sheet;
    sheet.SetDescription("", "", "", "", LayoutOwn, 48, "", "");
    const std::vector<double> places = EvenlySpaced(100, 0.485);
    ApplyKit(TrayKit{LayoutOwn, "100", places, DefaultSearchRange(LastCurveWidthOf(places))}, sheet);
    for (int i = 1; i <= 100; ++i) sheet.SetTrayAmount(100 - static_cast<int>(3 * std::abs(places[i - 1])), i);
    sheet.ToggleLeftPassReversed();
    sheet.ToggleRightPassReversed();
    return sheet;
}

void HundredTrayEvaluation(benchmark::State& state, OverlapScan scan) {
    TNewTabSheet sheet = HundredTrays();
    for (auto _ : state) {
        CalculateSheet(sheet, YScaleValue, scan);
        benchmark::DoNotOptimize(sheet.GetOptimalVK());
    }
}

// The extra of units over the plain evaluation (which already includes the
// uncertainty; this measures it alone, with the figures and the warnings).
void UnitsExtra(benchmark::State& state, TNewTabSheet sheet) {
    sheet.SetUnits(SheetUnits{0.25, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, 200.0});
    CalculateSheet(sheet, YScaleValue);
    for (auto _ : state) {
        ComputeVKUncertainty(sheet);
        benchmark::DoNotOptimize(ComputeSheetFigures(sheet).rate);
        benchmark::DoNotOptimize(DataWarningsOf(sheet, ",").size());
    }
}

BENCHMARK_CAPTURE(UnitsExtra, layout24m, PeakedSheet(Layout24m))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(UnitsExtra, hundred_trays, HundredTrays())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HundredTrayEvaluation, merged, OverlapScan::Merged);
BENCHMARK_CAPTURE(HundredTrayEvaluation, fullscan, OverlapScan::FullScan);
BENCHMARK_CAPTURE(FullEvaluation, layout12m_merged, Layout12m, OverlapScan::Merged);
BENCHMARK_CAPTURE(FullEvaluation, layout12m_fullscan, Layout12m, OverlapScan::FullScan);
BENCHMARK_CAPTURE(FullEvaluation, layout24m_merged, Layout24m, OverlapScan::Merged);
BENCHMARK_CAPTURE(FullEvaluation, layout24m_fullscan, Layout24m, OverlapScan::FullScan);

}  // namespace
