// Saving one test file and opening it again through the file layer, as the
// window's "Spara som" and "Öppna" do it minus the dialogs. Goal: median of
// save plus open at most 2 ms. Run with --benchmark_repetitions=10 for medians.
#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <type_traits>
#include <variant>

#include "evaluation/CalculateSheet.h"
#include "files/TestFileReader.h"
#include "files/TestFileWriter.h"

namespace {

using namespace kaldoventri;

constexpr std::array<int, TrayCount> Amounts = {6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                                                98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};

struct SheetInWindow {
    TNewTabSheet sheet;
};

SheetInWindow MakeSheet() {
    SheetInWindow s;
    s.sheet.SetDescription("Yara", "Amazone", "NS 27-4", "ZA-M 1500 Profis", Layout24m, 48, "18, v\u00E4nster skiva",
                           "K\u00F6ping");
    for (int tray = 1; tray <= TrayCount; ++tray) {
        s.sheet.SetTrayAmount(Amounts[tray - 1], tray);
        s.sheet.SetTrayPosition(tray, TrayPlacementFor(Layout24m, tray));
    }
    CalculateSheet(s.sheet, YScaleValue);
    return s;
}

void Require(bool condition, benchmark::State& state, const char* what) {
    if (!condition) state.SkipWithError(what);
}

void BM_BuildFileBytes(benchmark::State& state) {
    const SheetInWindow s = MakeSheet();
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    for (auto _ : state) {
        QByteArray bytes = WriteTestFile(MakeTestFileValues(s.sheet, swedish));
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_BuildFileBytes);

void BM_ReadFromMemory(benchmark::State& state) {
    const SheetInWindow s = MakeSheet();
    QByteArray bytes = WriteTestFile(MakeTestFileValues(s.sheet));
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const bool isTestFile = IsTestFile(buffer);
        buffer.seek(0);
        TestFileReadResult read = ReadTestFile(buffer);
        benchmark::DoNotOptimize(read);
        Require(isTestFile && std::holds_alternative<TestFileContents>(read), state, "file refused");
    }
}
BENCHMARK(BM_ReadFromMemory);

// Write the bytes through `Out` into `path`, open the file, check its shape
// and read it back.
template <typename Out>
void SaveAndOpen(benchmark::State& state) {
    const SheetInWindow s = MakeSheet();
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Blad1.vkf"));
    for (auto _ : state) {
        {
            Out out(path);
            Require(out.open(QIODevice::WriteOnly), state, "cannot create");
            out.write(WriteTestFile(MakeTestFileValues(s.sheet, swedish)));
            if constexpr (std::is_same_v<Out, QSaveFile>) Require(out.commit(), state, "cannot write");
        }
        QFile in(path);
        Require(in.open(QIODevice::ReadOnly), state, "cannot open");
        const bool isTestFile = IsTestFile(in);
        in.seek(0);
        TestFileReadResult read = ReadTestFile(in);
        benchmark::DoNotOptimize(read);
        Require(isTestFile && std::holds_alternative<TestFileContents>(read), state, "file refused");
    }
}

// The file layer's share: a plain temporary file.
void BM_SaveAndOpen(benchmark::State& state) { SaveAndOpen<QFile>(state); }
BENCHMARK(BM_SaveAndOpen)->Unit(benchmark::kMicrosecond);

// As the window saves: QSaveFile, whose commit waits for the disk.
void BM_SaveAtomicallyAndOpen(benchmark::State& state) { SaveAndOpen<QSaveFile>(state); }
BENCHMARK(BM_SaveAtomicallyAndOpen)->Unit(benchmark::kMicrosecond);

}  // namespace
