// From a key release in a tray field of a 1600 x 1000 main window (offscreen)
// to the end of the diagram's repaint: the commit of the tray fields, the two
// full evaluations of the key-up, the labels and the screen diagram.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "evaluation/TrayLayout.h"
#include "ui/mainwindow/TForm1.h"
#include "ui/widgets/TTypDokument.h"

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

void KeyReleaseToRepaint(benchmark::State& state, int layout) {
    TForm1 form;
    form.SetTypDokument(new TTypDokument(&form));
    form.resize(1600, 1000);
    form.show();
    QApplication::processEvents();

    constexpr std::array<int, TrayCount> amounts = {6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                                                    98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};
    TNewTabSheet* sheet = form.AddNewSheet(QStringLiteral("Blad1"));
    sheet->SetDescription("Yara", "Bogballe", "NS27", "M2W", layout, layout == Layout12m ? 24 : 48, "34", "Glomfjord");
    for (int tray = 1; tray <= TrayCount; ++tray) {
        sheet->SetTrayAmount(amounts[static_cast<std::size_t>(tray - 1)], tray);
        sheet->SetTrayPosition(tray, TrayPlacementFor(layout, tray));
    }
    sheet->ToggleLeftPassReversed();
    sheet->ToggleRightPassReversed();
    form.ShowActiveSheet();
    QApplication::processEvents();

    PaintCounter counter;
    form.Diagram_PaintBox->installEventFilter(&counter);
    QLineEdit* field = form.TrayEdit(13);
    int value = 0;
    for (auto _ : state) {
        field->setText(QString::number(90 + (value++ % 10)));  // as if a digit had just been typed
        const int before = counter.paints;
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
        QApplication::sendEvent(field, &release);
        while (counter.paints == before) QApplication::processEvents();
    }
    if (counter.paints < state.iterations()) state.SkipWithError("the diagram was not repainted every time");
}

BENCHMARK_CAPTURE(KeyReleaseToRepaint, layout_12m, Layout12m)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK_CAPTURE(KeyReleaseToRepaint, layout_24m, Layout24m)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
