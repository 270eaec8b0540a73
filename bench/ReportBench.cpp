// The report layer's share of a batch run: one test's CSV line, a report of
// ten tests written to memory (a table page and ten test pages), and the
// xlsx table of 1000 tests written to a temporary file. The whole
// command-line run over 1000 files is measured by report_bench.sh.
#include <QBuffer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "evaluation/CalculateSheet.h"
#include "evaluation/TrayLayout.h"
#include "report/CsvTable.h"
#include "report/PdfReport.h"
#include "report/XlsxTable.h"

namespace {

using namespace kaldoventri;

std::vector<ReportTest> Tests(int count, const QLocale& locale) {
    constexpr int amounts[] = {6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                               98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};
    TNewTabSheet sheet;
    sheet.SetDescription("Yara", "Bogballe", "NS 27-4", "M2W", Layout12m, 24, "34", "Köping");
    for (int tray = 1; tray <= TrayCount; ++tray) {
        sheet.SetTrayAmount(amounts[tray - 1], tray);
        sheet.SetTrayPosition(tray, TrayPlacementFor(Layout12m, tray));
    }
    sheet.ToggleLeftPassReversed();
    sheet.ToggleRightPassReversed();
    CalculateSheet(sheet, YScaleValue);
    std::vector<ReportTest> tests;
    for (int i = 0; i < count; ++i) tests.push_back(MakeReportTest(QStringLiteral("Blad%1").arg(i + 1), sheet, locale));
    return tests;
}

void BM_CsvLine(benchmark::State& state) {
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const ReportTest test = Tests(1, swedish).front();
    for (auto _ : state) benchmark::DoNotOptimize(CsvLine(test, swedish));
}
BENCHMARK(BM_CsvLine);

void BM_ReportOfTenTests(benchmark::State& state) {
    const ReportSettings settings{QLocale(QLocale::Swedish, QLocale::Sweden), QStringLiteral("2026-12-09")};
    const std::vector<ReportTest> tests = Tests(10, settings.locale);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WritePdfReport(buffer, tests, settings);
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(BM_ReportOfTenTests)->Unit(benchmark::kMillisecond);

void BM_XlsxOfThousandTests(benchmark::State& state) {
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const std::vector<ReportTest> tests = Tests(1000, swedish);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tabell.xlsx"));
    for (auto _ : state) benchmark::DoNotOptimize(SaveXlsxTable(path, tests, swedish).kind);
}
BENCHMARK(BM_XlsxOfThousandTests)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
