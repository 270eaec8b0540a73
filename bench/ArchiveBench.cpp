// The test archive on SQLite, as an adviser's seasons fill it:
// - importing a folder of 10 000 test files into an empty archive (goal 20 s),
//   and the same folder again, every test already there (goal 5 s), with the
//   archive's size per test (goal 4 kB);
// - listing an archive of 100 000 tests for a search word: the first row of
//   the table (goal 100 ms); the archive window's list of them (goal 0.5 s).
// The files are made once, in a temporary folder.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

#include "RandomSheets.h"
#include "app/ArchiveRun.h"
#include "archive/TestArchive.h"
#include "ui/archive/ArchiveTableModel.h"
#include "evaluation/CalculateSheet.h"
#include "files/TestFileWriter.h"
#include "files/TestSheetReading.h"
#include "report/CsvTable.h"

using namespace kaldoventri;

namespace {

constexpr int FolderTests = 10000;
constexpr int ListedTests = 100000;

QTemporaryDir& Work() {
    static QTemporaryDir work;
    return work;
}

// 10 000 varied tests with a date, customer and tester, written once.
QString Folder() {
    static const QString folder = [] {
        const QString path = Work().filePath(QStringLiteral("prov"));
        QDir().mkpath(path);
        std::mt19937 random(7);
        for (int i = 1; i <= FolderTests; ++i) {
            QFile file(QDir(path).filePath(QStringLiteral("prov-%1.vkf").arg(i, 5, 10, QLatin1Char('0'))));
            if (!file.open(QIODevice::WriteOnly)) std::abort();
            file.write(WriteTestFile(MakeTestFileValues(bench::RandomSheet(random, i, true))));
        }
        return path;
    }();
    return folder;
}

int Import(const QString& archive) {
    CommandLine line;
    line.mode = CommandLine::Mode::ArchiveImport;
    line.archive = archive;
    line.files = QStringList{Folder()};
    return RunArchiveImport(line);
}

qint64 SizeOf(const QString& archive) {
    qint64 size = 0;
    for (const char* suffix : {"", "-wal", "-shm"}) size += QFileInfo(archive + QLatin1String(suffix)).size();
    return size;
}

void ImportFolder(benchmark::State& state) {
    Folder();
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString archive = Work().filePath(QStringLiteral("import-%1.sqlite").arg(++run));
        state.ResumeTiming();
        if (Import(archive) != 0) state.SkipWithError("the import failed");
        state.PauseTiming();
        state.counters["bytes_per_test"] = static_cast<double>(SizeOf(archive)) / FolderTests;
        state.ResumeTiming();
    }
}
BENCHMARK(ImportFolder)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

void ImportFolderAgain(benchmark::State& state) {
    const QString archive = Work().filePath(QStringLiteral("again.sqlite"));
    if (Import(archive) != 0) state.SkipWithError("the first import failed");
    for (auto _ : state)
        if (Import(archive) != 0) state.SkipWithError("the import failed");
}
BENCHMARK(ImportFolderAgain)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

// The 10 000 imported tests and nine copies of each under other fingerprints and files.
QString LargeArchive() {
    static const QString archive = [] {
        const QString path = Work().filePath(QStringLiteral("large.sqlite"));
        if (Import(path) != 0) std::abort();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grow"));
            db.setDatabaseName(path);
            if (!db.open()) std::abort();
            QSqlQuery query(db);
            const QString columns = QStringLiteral(
                "bytes, search_text, archived_at, test_date, customer, tester, spreader_maker, spreader_model, "
                "spreader_setting, fertiliser, fertiliser_maker, production_site, kit, working_width, vk, "
                "optimal_width, optimal_vk, rate, correction");
            for (int copy = 1; copy < ListedTests / FolderTests; ++copy)
                if (!query.exec(QStringLiteral("INSERT INTO tests (fingerprint, file, %1) SELECT fingerprint || '-%2', "
                                               "file || '-%2', %1 FROM tests WHERE id <= %3")
                                    .arg(columns)
                                    .arg(copy)
                                    .arg(FolderTests)))
                    std::abort();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("grow"));
        return path;
    }();
    return archive;
}

std::unique_ptr<TestArchive> OpenLarge() {
    auto opened = TestArchive::Open(ArchiveLocation{ArchiveLocation::Kind::SQLite, LargeArchive(), {}, {}, {}, 0});
    if (!std::holds_alternative<std::unique_ptr<TestArchive>>(opened)) std::abort();
    return std::move(std::get<std::unique_ptr<TestArchive>>(opened));
}

// What --list does before its first row: open the archive, count what a
// search finds, read the first page of it and evaluate the first test.
void ListFirstRow(benchmark::State& state) {
    LargeArchive();
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    qint64 found = 0;
    for (auto _ : state) {
        auto archive = OpenLarge();
        ArchiveQuery query;
        query.words = QStringList{QStringLiteral("östra")};
        found = std::get<qint64>(archive->CountMatches(query));
        auto tests = archive->Find(query, 0, ArchiveListPage);
        const ArchivedTest& first = std::get<std::vector<ArchivedTest>>(tests).front();
        auto bytes = archive->Bytes(first.id);
        auto sheet = ReadTestSheetBytes(std::get<QByteArray>(bytes), first.file, YScaleValue);
        benchmark::DoNotOptimize(
            CsvLine(MakeReportTest(first.file, std::get<TNewTabSheet>(std::move(sheet)), swedish), swedish));
    }
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(ListFirstRow)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the archive window does before it shows its list: open the archive,
// count the tests and read the first page, newest first.
void ArchiveWindowList(benchmark::State& state) {
    LargeArchive();
    for (auto _ : state) {
        auto archive = OpenLarge();
        ArchiveTableModel model;
        model.SetArchive(archive.get());
        model.SetQuery(ArchiveQuery{});
        if (model.rowCount() == 0) state.SkipWithError("nothing listed");
    }
}
BENCHMARK(ArchiveWindowList)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
