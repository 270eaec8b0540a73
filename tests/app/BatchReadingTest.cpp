// The batch run in the process: each test file is read and evaluated once
// whatever outputs are asked for, and the report's pages follow the files in
// the order of the table's rows, each with its own figures.
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

#include "app/BatchRun.h"

namespace kaldoventri {
namespace {

QByteArray Sample() {
    QFile file(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct OutputsCase {
    const char* name;
    bool report;
    bool csv;
};

void PrintTo(const OutputsCase& c, std::ostream* out) { *out << c.name; }

class BatchReading : public testing::TestWithParam<OutputsCase> {};

TEST_P(BatchReading, ReadsEachFileOnce) {
    const OutputsCase& c = GetParam();
    int argc = 1;
    char name[] = "batch";
    char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);

    QTemporaryDir dir;
    QStringList files;
    for (const char* file : {"a.vkf", "b.vkf", "c.vkf"}) {
        files << dir.filePath(QString::fromLatin1(file));
        QFile out(files.back());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        // b is driven at 15 m instead of 12 m, so its page must show its own width.
        out.write(file[0] == 'b' ? Sample().replace("ABredd,24", "ABredd,30") : Sample());
    }
    CommandLine line;
    line.mode = CommandLine::Mode::Batch;
    line.files = files;
    if (c.report) line.reportPath = dir.filePath(QStringLiteral("out.pdf"));
    if (c.csv) line.csvPath = dir.filePath(QStringLiteral("out.csv"));

    std::map<QString, int> reads;
    const TestReader counting = [&reads](const QString& path, const QLocale& locale) {
        ++reads[path];
        return ReadReportTest(path, locale);
    };
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    ASSERT_EQ(RunBatch(line, swedish, counting), 0);
    for (const QString& file : files) EXPECT_EQ(reads[file], 1) << file.toStdString();

    if (c.csv) {
        QFile csv(line.csvPath);
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        EXPECT_EQ(csv.readAll().count("\r\n"), 4);
    }
    if (c.report) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {line.reportPath, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(60000));
        const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        ASSERT_EQ(pages.size(), 4);
        const QString table = QString(pages[0]).remove(QRegularExpression(QStringLiteral("\\s")));
        EXPECT_TRUE(table.indexOf(QStringLiteral("a.vkf")) < table.indexOf(QStringLiteral("b.vkf")) &&
                    table.indexOf(QStringLiteral("b.vkf")) < table.indexOf(QStringLiteral("c.vkf")));
        for (int page = 1; page <= 3; ++page) {
            const QString text = QString(pages[page]).remove(QRegularExpression(QStringLiteral("\\s")));
            EXPECT_TRUE(text.startsWith(QStringLiteral("%1.vkf").arg(QChar(u'a' + page - 1)))) << page;
            EXPECT_EQ(text.contains(QStringLiteral("Arbetsbredd:15m")), page == 2) << page;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Outputs, BatchReading,
                         testing::Values(OutputsCase{"report", true, false}, OutputsCase{"table", false, true},
                                         OutputsCase{"report_and_table", true, true}),
                         [](const testing::TestParamInfo<OutputsCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri
