// The archive's list a page at a time, in every order a column can give,
// and a test opened from the archive and saved again byte for byte.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <set>

#include "archive/TestArchive.h"
#include "evaluation/CalculateSheet.h"
#include "files/TestSheetReading.h"
#include "workbook/Workbook.h"

namespace kaldoventri {
namespace {

TNewTabSheet Sample(int n) {
    TNewTabSheet sheet = std::get<TNewTabSheet>(ReadTestSheet(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE), YScaleValue));
    // Some share a date and a customer, some have none, so ties and missing values are paged too.
    TestRecord record;
    if (n % 4 != 0) record.date = "2026-0" + std::to_string(1 + n % 3) + "-1" + std::to_string(n % 5);
    if (n % 3 != 0) record.customer = n % 2 == 0 ? "Ekgården" : "Lantbruk AB";
    sheet.SetRecord(record);
    sheet.SetTrayAmount(10 + n * 7, 1 + n % 26);
    sheet.SetABredd(20 + 2 * (n % 6));
    CalculateSheet(sheet, YScaleValue);
    return sheet;
}

class ArchivePaging : public testing::TestWithParam<std::tuple<ArchiveSort, bool, const char*>> {};

TEST_P(ArchivePaging, PagesCoverEveryMatchOnceInTheListsOrder) {
    QTemporaryDir dir;
    ArchiveLocation location;
    location.file = dir.filePath(QStringLiteral("arkiv.sqlite"));
    auto opened = TestArchive::Open(location);
    ASSERT_EQ(opened.index(), 0u);
    TestArchive& archive = *std::get<0>(opened);
    for (int n = 0; n < 23; ++n)
        ASSERT_EQ(archive.Add(Sample(n), dir.filePath(QStringLiteral("prov%1.vkf").arg(n))).index(), 0u);

    const auto [sort, descending, word] = GetParam();
    ArchiveQuery query;
    query.sort = sort;
    query.descending = descending;
    query.words = SearchWords(QString::fromUtf8(word));
    const auto all = std::get<std::vector<ArchivedTest>>(archive.Find(query));
    EXPECT_EQ(std::get<qint64>(archive.CountMatches(query)), static_cast<qint64>(all.size()));
    EXPECT_FALSE(all.empty());

    std::vector<qint64> paged;
    for (qint64 offset = 0;; offset += 4) {
        const auto page = std::get<std::vector<ArchivedTest>>(archive.Find(query, offset, 4));
        if (page.empty()) break;
        EXPECT_LE(page.size(), 4u);
        for (const ArchivedTest& test : page) paged.push_back(test.id);
    }
    // Each page after the last test of the one before, as the window reads it.
    std::vector<qint64> following;
    for (auto page = std::get<std::vector<ArchivedTest>>(archive.Find(query, 0, 5)); !page.empty();
         page = std::get<std::vector<ArchivedTest>>(archive.FindAfter(query, page.back(), 5)))
        for (const ArchivedTest& test : page) following.push_back(test.id);
    std::vector<qint64> whole;
    for (const ArchivedTest& test : all) whole.push_back(test.id);
    EXPECT_EQ(paged, whole);
    EXPECT_EQ(following, whole);
    EXPECT_EQ(std::set<qint64>(paged.begin(), paged.end()).size(), paged.size());
    if (sort == ArchiveSort::TestDate && descending && all.front().testDate.isEmpty() == false) {
        // Newest first, undated last.
        EXPECT_GE(all.front().testDate, all[1].testDate);
        EXPECT_TRUE(all.back().testDate.isEmpty());
    }
}

std::string PagingName(const testing::TestParamInfo<ArchivePaging::ParamType>& info) {
    static const char* const names[] = {"Date", "Customer", "Maker", "Model", "Setting", "Fertiliser",
                                        "Width", "VK", "OptimalWidth", "Rate", "Correction"};
    return std::string(names[static_cast<int>(std::get<0>(info.param))]) +
           (std::get<1>(info.param) ? "Descending" : "Ascending") + (*std::get<2>(info.param) ? "Found" : "All");
}

INSTANTIATE_TEST_SUITE_P(
    Orders, ArchivePaging,
    testing::Values(std::make_tuple(ArchiveSort::TestDate, true, ""), std::make_tuple(ArchiveSort::TestDate, false, ""),
                    std::make_tuple(ArchiveSort::Customer, false, ""), std::make_tuple(ArchiveSort::VK, true, ""),
                    std::make_tuple(ArchiveSort::Width, false, ""), std::make_tuple(ArchiveSort::Correction, true, ""),
                    std::make_tuple(ArchiveSort::Customer, true, "EKGÅRDEN")),
    PagingName);

// A test from the archive opens as its file would and, saved to a new file,
// gives the archived bytes back unchanged.
TEST(ArchivedSheet, SavedAgainGivesTheArchivedBytes) {
    QTemporaryDir dir;
    ArchiveLocation location;
    location.file = dir.filePath(QStringLiteral("arkiv.sqlite"));
    auto archive = std::move(std::get<0>(TestArchive::Open(location)));
    for (const int n : {0, 5, 7}) {
        const QString gone = dir.filePath(QStringLiteral("borta%1.vkf").arg(n));
        ASSERT_EQ(archive->Add(Sample(n), gone).index(), 0u);
        const auto found = std::get<std::vector<ArchivedTest>>(archive->Find({}));
        const auto test = std::find_if(found.begin(), found.end(), [&](const ArchivedTest& t) { return t.file == gone; });
        ASSERT_NE(test, found.end());
        const QByteArray bytes = std::get<QByteArray>(archive->Bytes(test->id));

        Workbook workbook;
        ASSERT_FALSE(workbook.OpenArchivedSheet(bytes, gone));
        ASSERT_EQ(workbook.SheetCount(), 1);
        EXPECT_EQ(workbook.FilePath(0), gone);
        // Its file is gone, so it is not saved anywhere.
        EXPECT_TRUE(workbook.IsModified(0));
        // The same file again only shows the sheet.
        ASSERT_FALSE(workbook.OpenArchivedSheet(bytes, gone));
        EXPECT_EQ(workbook.SheetCount(), 1);

        const QString again = dir.filePath(QStringLiteral("igen%1.vkf").arg(n));
        ASSERT_FALSE(workbook.SaveSheet(0, again));
        QFile saved(again);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), bytes) << n;
    }
}

}  // namespace
}  // namespace kaldoventri
