// The PDF report read back as text: the page count known before page 1 ("Sida
// 1 av N"), the table's pages with the header row repeated and every test in
// exactly one row, then one page per test in order, and a known test's row.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "evaluation/FigureTexts.h"
#include "evaluation/SheetFixtures.h"
#include "report/PdfReport.h"

namespace kaldoventri {
namespace {

// Tests "Blad1", "Blad2" ... of peaked trays at 12 m: VK 2.2 %, optimum 0 % at 12.5 m.
std::vector<ReportTest> Tests(int count, const QLocale& locale) {
    TNewTabSheet sheet = testing::MakeSheet(testing::Peaked, Layout12m, 24);
    sheet.SetDescription("Yara", "Bogballe", "NS27", "M2W", Layout12m, 24, "34", "Köping");
    CalculateSheet(sheet, YScaleValue);
    std::vector<ReportTest> tests;
    for (int i = 0; i < count; ++i) tests.push_back(MakeReportTest(QStringLiteral("Blad%1").arg(i + 1), sheet, locale));
    return tests;
}

QString OutputOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PdfReportTest : public ::testing::TestWithParam<int> {};

TEST_P(PdfReportTest, TablePagesThenOnePagePerTestAllNumbered) {
    const int count = GetParam();
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const std::vector<ReportTest> tests = Tests(count, swedish);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rapport.pdf"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        int lastDone = -1, lastTotal = 0;
        ASSERT_TRUE(WritePdfReport(file, tests, {swedish, QStringLiteral("2026-12-09")}, [&](int done, int total) {
            lastDone = done;
            lastTotal = total;
            return true;
        }));
        EXPECT_EQ(lastDone, lastTotal);
    }
    const QString info = OutputOf(QStringLiteral("pdfinfo"), {path});
    const QStringList pages = OutputOf(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    const int n = static_cast<int>(pages.size());
    ASSERT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(n)))) << info.toStdString();

    int tablePages = 0;
    while (tablePages < n && pages[tablePages].contains(QStringLiteral("rapport över %1 prov").arg(count))) ++tablePages;
    ASSERT_EQ(n, tablePages + count);
    for (int p = 0; p < n; ++p) {
        EXPECT_TRUE(pages[p].contains(QStringLiteral("Sida %1 av %2").arg(p + 1).arg(n))) << p;
        EXPECT_TRUE(pages[p].contains(QStringLiteral("2026-12-09"))) << p;
        if (p < tablePages) {
            EXPECT_TRUE(pages[p].contains(QStringLiteral("Körmönster"))) << p;
            EXPECT_FALSE(pages[p].contains(QStringLiteral("Avvikelse"))) << p;  // no test has units
        }
    }
    const QString table = QStringList(pages.mid(0, tablePages)).join(QString());
    for (int t = 0; t < count; ++t) {
        const QString name = QStringLiteral("Blad%1\\b").arg(t + 1);
        EXPECT_EQ(table.count(QRegularExpression(name)), 1) << name.toStdString();
        EXPECT_TRUE(pages[tablePages + t].trimmed().contains(QRegularExpression(QLatin1Char('^') + name))) << t;
    }
    // pdftotext guesses the blanks between words from their distance, so the row is compared without any.
    const auto squeezed = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); };
    const QString firstRow = squeezed(table.split(QLatin1Char('\n')).filter(QRegularExpression(QStringLiteral("Blad1\\b"))).value(0));
    EXPECT_TRUE(firstRow.startsWith(squeezed(QStringLiteral(
        "Blad1 Bogballe M2W 34 NS27 Yara 12 m 12 m Fram och tillbaka 2,2 % Mycket bra 12,5 m 0 %"))))
        << firstRow.toStdString();
    if (count > 60) {
        EXPECT_GE(tablePages, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, PdfReportTest, ::testing::Values(1, 3, 90));

// Only a test with units shows rate, target, warnings and uncertainty.
TEST(PdfReportUnits, OnlyATestWithUnitsShowsRateUncertaintyAndWarnings) {
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    TNewTabSheet flat = testing::MakeSheet(testing::Flat(40), Layout12m, 24);  // not fallen off at the edges
    flat.SetUnits(SheetUnits{0.25, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, 200.0});
    CalculateSheet(flat, YScaleValue);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("rapport.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(WritePdfReport(file, {MakeReportTest(QStringLiteral("E"), flat, swedish), Tests(1, swedish).front()},
                               {swedish, QStringLiteral("2026-12-09")}));
    file.close();
    const QStringList pages = OutputOf(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file.fileName(), QStringLiteral("-")})
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 3);
    for (const char* text : {"Giva:", "Målgiva:", "Avvikelse:", "Doseringen ×", "Varningar", "Ytterbacken",
                             "Backar, backyta 0,25 m², mängd i 0,1 g"}) {
        EXPECT_TRUE(pages[1].contains(QString::fromUtf8(text))) << text;
        EXPECT_FALSE(pages[2].contains(QString::fromUtf8(text))) << text;
    }
    // The table gets the rate columns.
    const QString rate = QString::fromStdString(RateText(ComputeSheetFigures(flat), ","));
    const QString deviation = QString::fromStdString(DeviationText(ComputeSheetFigures(flat)));
    EXPECT_TRUE(pages[0].contains(QRegularExpression(QStringLiteral("Giva\\s+Avvikelse"))));
    EXPECT_TRUE(pages[0].contains(QRegularExpression(QStringLiteral("\\b%1 %2").arg(QRegularExpression::escape(rate), QRegularExpression::escape(deviation)))))
        << pages[0].toStdString();
    const QRegularExpression uncertain(QStringLiteral("\\b\\d+(,\\d+)? % ± \\d"));
    EXPECT_EQ(pages[0].count(uncertain), 1);
    EXPECT_TRUE(pages[1].contains(uncertain) && !pages[2].contains(uncertain));
}

// The records get a table of their own after the tests' table, a test without one an empty row.
TEST(PdfReportRecords, RecordTableFollowsTheTestsTable) {
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    std::vector<ReportTest> tests = Tests(2, swedish);
    TNewTabSheet recorded = tests[1].sheet;
    recorded.SetRecord(TestRecord{"2026-04-12", "Gård Åsa", "Per", 10.5, 540, 2.0, "Nya skovlar"});
    tests[1] = MakeReportTest(QStringLiteral("Blad2"), recorded, swedish);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("rapport.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(WritePdfReport(file, tests, {swedish, QStringLiteral("2026-12-09")}));
    file.close();
    const QStringList pages = OutputOf(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file.fileName(), QStringLiteral("-")})
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 4);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Provuppgifter")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Sida 2 av 4")));
    const QString row = pages[1].split(QLatin1Char('\n')).filter(QStringLiteral("Blad2")).value(0);
    EXPECT_EQ(row, QStringLiteral("Blad2 2026-04-12 Gård Åsa Per 10,5 km/h 540 r/min 2 m/s Nya skovlar")) << row.toStdString();
    EXPECT_EQ(pages[1].split(QLatin1Char('\n')).filter(QStringLiteral("Blad1")).value(0).trimmed(), QStringLiteral("Blad1"));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Gård Åsa")));
}

}  // namespace
}  // namespace kaldoventri
