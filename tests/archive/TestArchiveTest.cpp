// The archive on a real SQLite file: a test read back byte for byte, one
// entry for the same test from two files, search as a Swedish user expects
// it, and archives it must not open (a newer schema, no archive at all).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QFileInfo>
#include <QTemporaryDir>

#include "archive/TestArchive.h"
#include "evaluation/CalculateSheet.h"
#include "files/TestFileWriter.h"
#include "files/TestSheetReading.h"

namespace kaldoventri {
namespace {

TNewTabSheet Sample(const std::string& spreaderMaker = "Amazone", const std::string& fertiliser = "NS27-4") {
    auto read = ReadTestSheet(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE), YScaleValue);
    TNewTabSheet sheet = std::get<TNewTabSheet>(read);
    sheet.SetDescription("Yara", spreaderMaker, fertiliser, "ZA-M", sheet.GetBackuppstallning(), sheet.GetABredd(), "18",
                         "Köping");
    CalculateSheet(sheet, YScaleValue);
    return sheet;
}

class ArchiveOnFile : public testing::Test {
protected:
    std::unique_ptr<TestArchive> OpenArchive() {
        ArchiveLocation location;
        location.file = dir_.filePath(QStringLiteral("arkiv.sqlite"));
        auto opened = TestArchive::Open(location);
        if (auto* error = std::get_if<ArchiveError>(&opened)) ADD_FAILURE() << error->message.toStdString();
        return opened.index() == 0 ? std::move(std::get<0>(opened)) : nullptr;
    }
    std::optional<QString> RefusalOf(const QString& file) {
        ArchiveLocation location;
        location.file = file;
        auto opened = TestArchive::Open(location);
        if (auto* error = std::get_if<ArchiveError>(&opened)) return error->message;
        return std::nullopt;
    }
    QTemporaryDir dir_;
};

TEST_F(ArchiveOnFile, ATestComesBackAsItsFileWouldBeWrittenAndOnlyOnce) {
    auto archive = OpenArchive();
    ASSERT_TRUE(archive);
    const TNewTabSheet sheet = Sample();
    EXPECT_EQ(std::get<TestArchive::Added>(archive->Add(sheet, QStringLiteral("/prov/a.vkf"))), TestArchive::Added::New);
    // The same test from another file is the same test, now of the newer file.
    EXPECT_EQ(std::get<TestArchive::Added>(archive->Add(sheet, QStringLiteral("/prov/b.vkf"))),
              TestArchive::Added::AlreadyThere);
    EXPECT_EQ(std::get<TestArchive::Added>(archive->Add(Sample("Bogballe"), QStringLiteral("/prov/c.vkf"))),
              TestArchive::Added::New);
    EXPECT_EQ(std::get<qint64>(archive->Count()), 2);

    const auto found = std::get<std::vector<ArchivedTest>>(archive->Find({}));
    ASSERT_EQ(found.size(), 2u);
    const ArchivedTest& first = found[0].spreaderMaker == QStringLiteral("Amazone") ? found[0] : found[1];
    // Kept as an absolute path: on Windows with the drive in front.
    EXPECT_EQ(first.file, QFileInfo(QStringLiteral("/prov/b.vkf")).absoluteFilePath());
    EXPECT_EQ(first.productionSite, QStringLiteral("Köping"));
    EXPECT_EQ(first.workingWidth, sheet.GetABredd() / 2.0);
    ASSERT_TRUE(first.vk);
    EXPECT_EQ(*first.vk, sheet.GetVK(sheet.GetABredd()));
    EXPECT_EQ(std::get<QByteArray>(archive->Bytes(first.id)), WriteTestFile(MakeTestFileValues(sheet)));

    // Kept after the program is gone.
    archive.reset();
    archive = OpenArchive();
    ASSERT_TRUE(archive);
    EXPECT_EQ(std::get<qint64>(archive->Count()), 2);
    EXPECT_EQ(std::get<int>(archive->Remove({first.id})), 1);
    EXPECT_EQ(std::get<qint64>(archive->Count()), 1);
}

TEST_F(ArchiveOnFile, SearchFoldsCaseButKeepsSwedishLetters) {
    auto archive = OpenArchive();
    ASSERT_TRUE(archive);
    auto added = archive->Add(Sample("Östgöta Maskin"), QStringLiteral("/prov/ost.vkf"));
    if (auto* e = std::get_if<ArchiveError>(&added)) FAIL() << e->message.toStdString();
    TNewTabSheet noted = Sample("Västgöta 50%_x");
    noted.SetRecord(TestRecord{{}, {}, {}, {}, {}, {}, "Nya skovlar"});
    ASSERT_EQ(archive->Add(noted, QStringLiteral("/prov/vast.vkf")).index(), 0u);
    struct Row {
        const char* word;
        std::size_t found;
    } rows[] = {{"ÖSTGÖTA", 1}, {"östgöta", 1}, {"ostgota", 0}, {"göta", 2}, {"50%_", 1}, {"5_%", 0},
                {"vast.vkf", 1}, {"köping", 2}, {"SKOVLAR", 1}, {"", 2},
                {"Yara  västgöta", 1}, {"göta skovlar", 1}, {"östgöta skovlar", 0}, {"\"yara köping\"", 0},
                {"\"göta 50%\" köping", 1}};
    for (const Row& row : rows) {
        const auto found = std::get<std::vector<ArchivedTest>>(archive->Find(ArchiveQuery{SearchWords(QString::fromUtf8(row.word)), {}, {}, {}}));
        EXPECT_EQ(found.size(), row.found) << row.word;
    }
}

TEST_F(ArchiveOnFile, TheTestDateFiltersAndOrdersTheList) {
    auto archive = OpenArchive();
    ASSERT_TRUE(archive);
    const std::pair<const char*, const char*> tests[] = {
        {"2025-04-01", "/prov/c.vkf"}, {"2026-04-12", "/prov/b.vkf"}, {"", "/prov/a.vkf"}, {"2026-04-12", "/prov/a2.vkf"}};
    int n = 0;
    for (const auto& [date, file] : tests) {
        TNewTabSheet sheet = Sample("Maskin " + std::to_string(++n));
        sheet.SetRecord(TestRecord{date, "Gård Åsa", "Per", {}, {}, {}, {}});
        ASSERT_EQ(archive->Add(sheet, QString::fromUtf8(file)).index(), 0u);
    }
    struct Row {
        std::optional<QDate> from, to;
        const char* files;
    } rows[] = {{{}, {}, "a2 b c a"},
                {QDate(2026, 1, 1), {}, "a2 b"},
                {{}, QDate(2026, 4, 11), "c"},
                {QDate(2025, 4, 1), QDate(2026, 4, 12), "a2 b c"}};
    for (const Row& row : rows) {
        const auto found = std::get<std::vector<ArchivedTest>>(archive->Find(ArchiveQuery{{}, row.from, row.to, {}}));
        QStringList files;
        for (const ArchivedTest& test : found) files << QFileInfo(test.file).baseName();
        EXPECT_EQ(files.join(QLatin1Char(' ')), QString::fromUtf8(row.files));
        if (!found.empty()) {
            EXPECT_EQ(found.front().customer, QStringLiteral("Gård Åsa"));
        }
    }
}

#ifdef __linux__
// Whether this process has the file open, as /proc/self/fd tells.
bool HeldOpen(const QString& file) {
    const QString target = QFileInfo(file).canonicalFilePath();
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files))
        if (fd.symLinkTarget() == target) return true;
    return false;
}

// Held between calls, the file's locks would go with any other open and close of it in this program.
TEST_F(ArchiveOnFile, AWindowHoldsTheFileOnlyWhileItWorks) {
    ArchiveLocation location;
    location.file = dir_.filePath(QStringLiteral("arkiv.sqlite"));
    for (const auto holding : {TestArchive::Holding::ForTheRun, TestArchive::Holding::WhileWorking}) {
        auto opened = TestArchive::Open(location, {}, holding);
        ASSERT_EQ(opened.index(), 0u);
        auto& archive = std::get<std::unique_ptr<TestArchive>>(opened);
        ASSERT_EQ(archive->Add(Sample(holding == TestArchive::Holding::ForTheRun ? "A" : "B"), QStringLiteral("/p.vkf")).index(), 0u);
        EXPECT_EQ(HeldOpen(location.file), holding == TestArchive::Holding::ForTheRun);
        EXPECT_EQ(std::get<std::vector<ArchivedTest>>(archive->Find({})).size(),
                  holding == TestArchive::Holding::ForTheRun ? 1u : 2u);
    }
}
#endif

TEST_F(ArchiveOnFile, RefusesWhatItMustNotChange) {
    {
        auto archive = OpenArchive();
        ASSERT_TRUE(archive);
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        other.setDatabaseName(dir_.filePath(QStringLiteral("arkiv.sqlite")));
        ASSERT_TRUE(other.open());
        QSqlQuery(other).exec(QStringLiteral("UPDATE archive_info SET value = '2' WHERE name = 'schema'"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    const auto newer = RefusalOf(dir_.filePath(QStringLiteral("arkiv.sqlite")));
    ASSERT_TRUE(newer);
    EXPECT_TRUE(newer->contains(QStringLiteral("nyare version"))) << newer->toStdString();

    QFile junk(dir_.filePath(QStringLiteral("prov.vkf")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("Kaldoventri\r\nNormal,1,2,3\r\n");
    junk.close();
    const auto notAnArchive = RefusalOf(junk.fileName());
    ASSERT_TRUE(notAnArchive);
    EXPECT_TRUE(notAnArchive->contains(QStringLiteral("inget provarkiv"))) << notAnArchive->toStdString();
    ASSERT_TRUE(junk.open(QIODevice::ReadOnly));
    EXPECT_EQ(junk.readAll(), QByteArray("Kaldoventri\r\nNormal,1,2,3\r\n"));
}

}  // namespace
}  // namespace kaldoventri
