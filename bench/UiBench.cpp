// From a key release in a tray field of a 1600 x 1000 main window (offscreen)
// to the end of the diagram's repaint: reading the tray fields, the one full
// evaluation of the key-up, the labels and the screen diagram; with units
// also the rate, the warnings and the VK's uncertainty band.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "evaluation/TrayKit.h"
#include "evaluation/TrayLayout.h"
#include "ui/views/DiagramView.h"
#include "ui/window/TForm1.h"
#include "ui/dialogs/TTypDokument.h"
#include "workbook/Workbook.h"

namespace {

using namespace kaldoventri;

// Counts the paints of the diagram.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void KeyReleaseToRepaint(benchmark::State& state, int layout, bool withCurve, bool withUnits, bool withMap = false) {
    Workbook workbook;
    TForm1 form(workbook);
    form.SetTypDokument(new TTypDokument(&form));
    form.resize(1600, 1000);
    form.show();
    QApplication::processEvents();

    SheetSettings test;
    if (layout == LayoutOwn) {
        // 100 trays 0,485 m apart across the whole track, a triangular pattern.
        test.kit.layout = LayoutOwn;
        test.kit.name = "Halvmetersbackar";
        test.kit.positions = EvenlySpaced(MostTrays, 0.485);
        test.kit.search = DefaultSearchRange(LastCurveWidthOf(test.kit.positions));
        for (int tray = 0; tray < MostTrays; ++tray) test.amounts.push_back(100 - std::abs(2 * tray - 99));
        test.workingWidth = 48;
    } else {
        test.amounts = {6, 13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98, 98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};
        test.kit = BuiltInKit(layout);
        test.workingWidth = layout == Layout12m ? 24 : 48;
    }
    if (withUnits) test.units = SheetUnits{0.25, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, 400.0};
    workbook.AddSheet(test);
    QApplication::processEvents();

    if (withCurve) form.findChild<QAction*>(QStringLiteral("VisaVKkurva1"))->trigger();
    if (withMap) form.findChild<QAction*>(QStringLiteral("VisaFaltbild1"))->trigger();
    QApplication::processEvents();
    // With the curve shown both views repaint; the run ends when both have.
    PaintCounter counter;
    form.findChild<DiagramView*>(QStringLiteral("Diagram_PaintBox"))->installEventFilter(&counter);
    PaintCounter curveCounter;
    if (withCurve) form.findChild<QWidget*>(QStringLiteral("VKCurveView"))->installEventFilter(&curveCounter);
    PaintCounter mapCounter;
    if (withMap) form.findChild<QWidget*>(QStringLiteral("FieldMapView"))->installEventFilter(&mapCounter);
    auto* field = form.findChild<QLineEdit*>(QStringLiteral("FBox13"));
    int value = 0;
    for (auto _ : state) {
        field->setText(QString::number(90 + (value++ % 10)));  // as if a digit had just been typed
        const int before = counter.paints;
        const int curveBefore = curveCounter.paints;
        const int mapBefore = mapCounter.paints;
        // The field counts a release only after its press (a release whose
        // press went to a message box is no typing); End types nothing.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier);
        QApplication::sendEvent(field, &release);
        while (counter.paints == before || (withCurve && curveCounter.paints == curveBefore) ||
               (withMap && mapCounter.paints == mapBefore))
            QApplication::processEvents();
    }
    if (counter.paints < state.iterations()) state.SkipWithError("the diagram was not repainted every time");
}

BENCHMARK_CAPTURE(KeyReleaseToRepaint, layout_12m, Layout12m, false, false)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK_CAPTURE(KeyReleaseToRepaint, layout_24m, Layout24m, false, false)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK_CAPTURE(KeyReleaseToRepaint, layout_12m_with_curve, Layout12m, true, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
BENCHMARK_CAPTURE(KeyReleaseToRepaint, layout_24m_with_curve, Layout24m, true, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
// The same test with tray area, unit and target: at most 1 ms more than without.
BENCHMARK_CAPTURE(KeyReleaseToRepaint, layout_12m_with_units, Layout12m, false, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
BENCHMARK_CAPTURE(KeyReleaseToRepaint, layout_12m_with_curve_and_units, Layout12m, true, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
BENCHMARK_CAPTURE(KeyReleaseToRepaint, own_kit_100_trays, LayoutOwn, false, false)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK_CAPTURE(KeyReleaseToRepaint, own_kit_100_trays_with_curve, LayoutOwn, true, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
// With the field map beside the diagram (and the VK curve over it): at most 4 ms.
BENCHMARK_CAPTURE(KeyReleaseToRepaint, layout_12m_with_field_map, Layout12m, false, false, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
BENCHMARK_CAPTURE(KeyReleaseToRepaint, layout_12m_with_curve_and_field_map, Layout12m, true, false, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
BENCHMARK_CAPTURE(KeyReleaseToRepaint, own_kit_100_trays_with_field_map, LayoutOwn, false, false, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
