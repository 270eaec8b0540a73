// The archive on a real PostgreSQL server the test starts itself: a test kept
// once from two files and found again, and two imports into the one database
// at the same moment, as two advisers of an office would run them.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "PostgresServer.h"
#include "archive/TestArchive.h"
#include "evaluation/CalculateSheet.h"
#include "files/TestSheetReading.h"

namespace kaldoventri {
namespace {

QByteArray Sample(int number) {
    QFile file(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE));
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return bytes.replace("Produktionsplats,K\xF6ping", "Produktionsplats,K\xF6ping " + QByteArray::number(number));
}

TEST(ArchiveOnPostgres, KeepsATestOnceFindsItAndTakesTwoImportsAtOnce) {
    testing::PostgresServer server;
    ASSERT_TRUE(server.Ready()) << "no PostgreSQL server could be started (scripts/install-deps installs postgresql)";
    const auto location = ParseArchiveLocation(server.Uri());
    ASSERT_TRUE(location);
    {
        auto opened = TestArchive::Open(*location);
        if (auto* error = std::get_if<ArchiveError>(&opened)) FAIL() << error->message.toStdString();
        auto& archive = *std::get<std::unique_ptr<TestArchive>>(opened);
        auto read = ReadTestSheet(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE), YScaleValue);
        const TNewTabSheet sheet = std::get<TNewTabSheet>(read);
        EXPECT_EQ(std::get<TestArchive::Added>(archive.Add(sheet, QStringLiteral("/a.vkf"))), TestArchive::Added::New);
        EXPECT_EQ(std::get<TestArchive::Added>(archive.Add(sheet, QStringLiteral("/b.vkf"))), TestArchive::Added::AlreadyThere);
        const auto found = std::get<std::vector<ArchivedTest>>(archive.Find(ArchiveQuery{{QStringLiteral("KÖPING")}, {}, {}, {}}));
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].file, QStringLiteral("/b.vkf"));
        EXPECT_EQ(std::get<QByteArray>(archive.Bytes(found[0].id)).left(11), QByteArray("Kaldoventri"));
    }

    // 1..40 and 21..60 imported at once: 60 tests besides the one above.
    QTemporaryDir dir;
    for (int n = 1; n <= 60; ++n) {
        for (const char* folder : {"a", "b"}) {
            if ((folder[0] == 'a' && n > 40) || (folder[0] == 'b' && n <= 20)) continue;
            QDir().mkpath(dir.filePath(QLatin1String(folder)));
            QFile file(dir.filePath(QStringLiteral("%1/%2.vkf").arg(QLatin1String(folder)).arg(n)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(Sample(n));
        }
    }
    QProcess first, second;
    for (auto [program, folder] : {std::pair{&first, "a"}, std::pair{&second, "b"}}) {
        program->setWorkingDirectory(dir.path());
        program->start(QStringLiteral(KALDOVENTRI_EXECUTABLE),
                       {QStringLiteral("--archive"), server.Uri(), QStringLiteral("--import"), QLatin1String(folder)});
    }
    for (QProcess* program : {&first, &second}) {
        ASSERT_TRUE(program->waitForFinished(120000));
        EXPECT_EQ(program->exitCode(), 0) << program->readAllStandardError().toStdString();
    }
    auto opened = TestArchive::Open(*location);
    ASSERT_EQ(opened.index(), 0u);
    TestArchive& archive = *std::get<std::unique_ptr<TestArchive>>(opened);
    EXPECT_EQ(std::get<qint64>(archive.Count()), 61);

    // The window's pages on this server too: each after the last one's test, in any order.
    for (const ArchiveSort sort : {ArchiveSort::TestDate, ArchiveSort::VK, ArchiveSort::Customer}) {
        ArchiveQuery query;
        query.sort = sort;
        const auto all = std::get<std::vector<ArchivedTest>>(archive.Find(query));
        EXPECT_EQ(std::get<qint64>(archive.CountMatches(query)), 61);
        std::vector<qint64> whole, paged;
        for (const ArchivedTest& test : all) whole.push_back(test.id);
        for (auto page = std::get<std::vector<ArchivedTest>>(archive.Find(query, 0, 7)); !page.empty();
             page = std::get<std::vector<ArchivedTest>>(archive.FindAfter(query, page.back(), 7)))
            for (const ArchivedTest& test : page) paged.push_back(test.id);
        EXPECT_EQ(paged, whole);
    }
}

}  // namespace
}  // namespace kaldoventri
