// The comparison window following a change: one amount of the reference is
// changed, the sheet evaluated once (as the workbook does), and the whole
// comparison (both plots and the table of four tests) drawn into a
// 1600 x 1000 image in the window's 14-pixel font. Four 12 m tests, and four
// tests of an own kit of 100 trays.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <vector>

#include "drawing/ComparisonRenderer.h"
#include "drawing/PainterSurface.h"
#include "evaluation/CalculateSheet.h"
#include "evaluation/TrayKit.h"

namespace {

using namespace kaldoventri;

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "comparison_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

// Four tests a little apart: the same kit, amounts and width shifted per test.
std::vector<TNewTabSheet> Tests(int layout) {
    std::vector<TNewTabSheet> tests;
    for (int t = 0; t < 4; ++t) {
        TNewTabSheet sheet;
        TrayKit kit = BuiltInKit(layout == LayoutOwn ? Layout12m : layout);
        int width = 24 + 2 * t;
        if (layout == LayoutOwn) {
            kit.layout = LayoutOwn;
            kit.name = "Halvmetersbackar";
            kit.positions = EvenlySpaced(MostTrays, 0.485);
            kit.search = DefaultSearchRange(LastCurveWidthOf(kit.positions));
            width = 48 + 2 * t;
        }
        sheet.SetDescription("Yara", "Bogballe", "", "", layout, width, "", "");
        ApplyKit(kit, sheet);
        const int trays = sheet.GetTrayCount();
        for (int i = 1; i <= trays; ++i) sheet.SetTrayAmount(100 + 5 * t - std::abs(2 * i - trays - 1) * 90 / trays, i);
        sheet.ToggleLeftPassReversed();
        sheet.ToggleRightPassReversed();
        sheet.SetTitle("Prov " + std::to_string(t + 1));
        CalculateSheet(sheet, YScaleValue);
        tests.push_back(sheet);
    }
    return tests;
}

void ChangeAndRedraw(benchmark::State& state, int layout) {
    EnsureApplication();
    std::vector<TNewTabSheet> tests = Tests(layout);
    const std::vector<const TNewTabSheet*> sheets{&tests[0], &tests[1], &tests[2], &tests[3]};
    QImage image(1600, 1000, QImage::Format_RGB32);
    QFont font;
    font.setPixelSize(14);
    const ComparisonRenderer renderer;
    int step = 0;
    for (auto _ : state) {
        tests[0].SetTrayAmount(90 + (step++ % 20), 3);
        CalculateSheet(tests[0], YScaleValue);
        QPainter painter(&image);
        painter.setFont(font);
        PainterSurface surface(painter, image.width(), image.height());
        renderer.Draw(sheets, surface);
    }
    benchmark::DoNotOptimize(image.constBits());
}

}  // namespace

BENCHMARK_CAPTURE(ChangeAndRedraw, four_tests_12m, Layout12m)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK_CAPTURE(ChangeAndRedraw, four_tests_100_trays, LayoutOwn)->Unit(benchmark::kMillisecond)->Repetitions(5);
