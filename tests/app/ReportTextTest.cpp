// The report of a season's replicates with long names and settings, written by
// the real executable and read back with poppler: every name and setting
// printed whole, no two names alike, and no page running into its foot.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kaldoventri {
namespace {

QString OutputOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Squeezed(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

TEST(ReportTextTest, LongNamesAndSettingsPrintWholeOnPagesThatHoldThem) {
    QFile sample(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray file = sample.readAll();
    QTemporaryDir dir;
    QStringList arguments{QStringLiteral("--report"), dir.filePath(QStringLiteral("rapport.pdf"))};
    struct Test { QString name, setting; };
    std::vector<Test> tests;
    // Names that differ only at their ends, settings long enough to wrap in the table.
    for (int i = 1; i <= 30; ++i) {
        const QString name = QStringLiteral("2026-04-12 Lantbruksnämnden Skara upprepning %1.vkf").arg(i, 2, 10, QLatin1Char('0'));
        const QString setting = QStringLiteral("18 vänster skiva, 19 höger skiva, PTO 540 varv, spårvidd 1,8 m, skovlar "
                                               "långa nya 2025, gränsspridning av, prov %1").arg(i, 2, 10, QLatin1Char('0'));
        QFile out(dir.filePath(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(file).replace("Inst\xE4llning,18", "Inst\xE4llning," + setting.toLatin1()));
        tests.push_back({name, setting});
        arguments << out.fileName();
    }
    QProcess program;
    program.start(QStringLiteral(KALDOVENTRI_EXECUTABLE), arguments);
    ASSERT_TRUE(program.waitForFinished(60000));
    ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    const QString pdf = dir.filePath(QStringLiteral("rapport.pdf"));
    const QStringList pages = OutputOf(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")})
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    const qsizetype tablePages = pages.size() - static_cast<qsizetype>(tests.size());
    ASSERT_GE(tablePages, 2);
    const QString table = Squeezed(pages.mid(0, tablePages).join(QString()));
    for (std::size_t t = 0; t < tests.size(); ++t) {
        SCOPED_TRACE(tests[t].name.toStdString());
        EXPECT_EQ(table.count(Squeezed(tests[t].name)), 1);
        EXPECT_EQ(table.count(Squeezed(tests[t].setting)), 1);
        const QString page = Squeezed(pages[tablePages + static_cast<qsizetype>(t)]);
        EXPECT_TRUE(page.contains(Squeezed(tests[t].name)));
        EXPECT_TRUE(page.contains(Squeezed(tests[t].setting)));
    }

    // Nothing but "Sida 3 av 63" reaches down to the page number at the foot.
    const QStringList boxes = OutputOf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")})
                                  .split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1);
    ASSERT_EQ(boxes.size(), pages.size());
    const QRegularExpression word(QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)<"));
    for (qsizetype p = 0; p < boxes.size(); ++p) {
        double foot = 0.0;
        std::vector<double> bottoms;
        for (const QRegularExpressionMatch& m : word.globalMatch(boxes[p])) {
            if (m.captured(3) == QLatin1String("Sida")) foot = m.captured(1).toDouble();
            bottoms.push_back(m.captured(2).toDouble());
        }
        EXPECT_EQ(std::count_if(bottoms.begin(), bottoms.end(), [foot](double y) { return y > foot; }), 4) << "page " << p + 1;
    }
}

}  // namespace
}  // namespace kaldoventri
