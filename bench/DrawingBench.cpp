// The screen diagram of the peaked example pattern (12 m layout, 12 m working
// width) drawn into a 1600 x 1000 image in the window's 16-pixel bold font,
// and the same drawing procedure on a surface that draws nothing; the VK curve
// drawn into the window's strip.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>

#include <QPicture>

#include "drawing/FieldMapRenderer.h"
#include "drawing/PainterSurface.h"
#include "report/ReportPageFrame.h"
#include "drawing/TDiagram.h"
#include "drawing/VKCurveRenderer.h"
#include "evaluation/CalculateSheet.h"

namespace {

using namespace kaldoventri;

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "drawing_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

TNewTabSheet PeakedSheet() {
    constexpr std::array<int, TrayCount> amounts = {6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                                                    98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};
    TNewTabSheet sheet;
    sheet.SetDescription("Yara", "Bogballe", "", "", Layout12m, 24, "", "");
    for (int i = 1; i <= TrayCount; ++i) {
        sheet.SetTrayAmount(amounts[static_cast<std::size_t>(i - 1)], i);
        sheet.SetTrayPosition(i, TrayPlacementFor(Layout12m, i));
    }
    sheet.ToggleLeftPassReversed();
    sheet.ToggleRightPassReversed();
    CalculateSheet(sheet, YScaleValue);
    return sheet;
}

// Draws into an image in the window's 16-pixel bold font, once per iteration.
template <typename Draw>
void DrawIntoImage(benchmark::State& state, QImage& image, Draw draw) {
    QFont font;
    font.setPixelSize(16);
    font.setBold(true);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setFont(font);
        PainterSurface surface(painter, image.width(), image.height());
        draw(surface);
    }
    benchmark::DoNotOptimize(image.constBits());
}

void ScreenDiagramIntoImage(benchmark::State& state) {
    EnsureApplication();
    TNewTabSheet sheet = PeakedSheet();
    TDiagram diagram;
    diagram.SetTrayMarking(static_cast<int>(state.range(0)));
    diagram.SetShowMetres(true);
    QImage image(1600, 1000, QImage::Format_RGB32);
    DrawIntoImage(state, image, [&](PainterSurface& surface) { diagram.DrawDiagram(&sheet, surface); });
}
BENCHMARK(ScreenDiagramIntoImage)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Fixed metrics, no pixels: the cost of the drawing procedure itself.
class NullSurface : public DrawingSurface {
public:
    void SetPenColour(Colour) override {}
    void SetPenWidth(int) override {}
    void SetBrushColour(Colour) override {}
    void FillRect(int, int, int, int) override { ++count; }
    void MoveTo(int, int) override { ++count; }
    void LineTo(int, int) override { ++count; }
    void Ellipse(int, int, int, int) override { ++count; }
    void Rectangle(int, int, int, int) override { ++count; }
    void Polygon(const SurfacePoint*, int) override { ++count; }
    void TextOut(int, int, std::string_view) override { ++count; }
    int TextWidth(std::string_view text) override { return 11 * static_cast<int>(text.size()); }
    int TextHeight(std::string_view) override { return 19; }
    void SetFontSize(int) override {}
    void SetFontColour(Colour) override {}
    int Width() const override { return 1600; }
    int Height() const override { return 1000; }
    std::string DecimalSeparator() const override { return ","; }
    long count = 0;
};

void DrawingProcedureOnly(benchmark::State& state) {
    TNewTabSheet sheet = PeakedSheet();
    TDiagram diagram;
    diagram.SetTrayMarking(2);
    diagram.SetShowMetres(true);
    NullSurface surface;
    for (auto _ : state) diagram.DrawDiagram(&sheet, surface);
    benchmark::DoNotOptimize(surface.count);
}
BENCHMARK(DrawingProcedureOnly)->Unit(benchmark::kMicrosecond);

// The VK curve with its figures line in the window's 1600 x 330 strip.
void VKCurveIntoImage(benchmark::State& state) {
    EnsureApplication();
    TNewTabSheet sheet = PeakedSheet();
    VKCurveRenderer curve;
    curve.SetShowFigures(true);
    QImage image(1600, 330, QImage::Format_RGB32);
    DrawIntoImage(state, image, [&](PainterSurface& surface) { curve.Draw(&sheet, surface); });
}
BENCHMARK(VKCurveIntoImage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What the field map adds to a report's test page: drawn at the page's
// resolution into its box under the VK curve (about 200 x 55 mm), recorded
// as a PDF writer records it. At most 3 ms.
void FieldMapOnReportPage(benchmark::State& state) {
    EnsureApplication();
    TNewTabSheet sheet = PeakedSheet();
    const int width = ReportPageFrame::Mm(200), height = ReportPageFrame::Mm(55);
    for (auto _ : state) {
        QPicture page;
        QPainter painter(&page);
        painter.setFont(ReportPageFrame::Font(8));
        PainterSurface surface(painter, width, height);
        FieldMapRenderer(FieldMapPageStyle).Draw(&sheet, surface);
        painter.end();
        benchmark::DoNotOptimize(page.size());
    }
}
BENCHMARK(FieldMapOnReportPage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
