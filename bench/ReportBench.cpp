// The report layer's share of a batch run: one test's CSV line, and a report
// of ten tests written to memory (a table page and ten test pages). The whole
// command-line run over 1000 files is measured by report_bench.sh.
#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "report/CsvTable.h"
#include "report/PdfReport.h"
#include "report/SummaryRow.h"
#include "report/WorkbookSheets.h"

namespace {

using namespace kaldoventri;

void AddSheets(Workbook& workbook, int count) {
    SheetSettings settings{"Bogballe", "M2W", "34", "NS 27-4", "Yara", "Köping"};
    settings.amounts = {6, 13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98, 98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};
    for (int i = 0; i < count; ++i) workbook.AddSheet(settings);
}

void BM_CsvLine(benchmark::State& state) {
    Workbook workbook;
    AddSheets(workbook, 1);
    WorkbookSheets tests(workbook);
    const ReportTest& test = *std::get<const ReportTest*>(tests.At(0));
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    for (auto _ : state) benchmark::DoNotOptimize(CsvLine(test, swedish));
}
BENCHMARK(BM_CsvLine);

void BM_ReportOfTenTests(benchmark::State& state) {
    Workbook workbook;
    AddSheets(workbook, 10);
    WorkbookSheets tests(workbook);
    const ReportSettings settings{QLocale(QLocale::Swedish, QLocale::Sweden), QStringLiteral("2026-12-09")};
    const std::vector<QStringList> rows = SummaryRowsOf(tests, settings.locale);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WritePdfReport(buffer, rows, tests, settings);
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(BM_ReportOfTenTests)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
