// The full evaluation of the peaked example pattern, with the merged overlap
// walk and with the plain full search side by side.
#include <benchmark/benchmark.h>

#include <array>

#include "evaluation/CalculateSheet.h"

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

BENCHMARK_CAPTURE(FullEvaluation, layout12m_merged, Layout12m, OverlapScan::Merged);
BENCHMARK_CAPTURE(FullEvaluation, layout12m_fullscan, Layout12m, OverlapScan::FullScan);
BENCHMARK_CAPTURE(FullEvaluation, layout24m_merged, Layout24m, OverlapScan::Merged);
BENCHMARK_CAPTURE(FullEvaluation, layout24m_fullscan, Layout24m, OverlapScan::FullScan);

}  // namespace
