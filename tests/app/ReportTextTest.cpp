// The report of a season's replicates with long names and settings, written by
// the real executable and read back with poppler: every name and setting
// printed whole, no two names alike, and no page running into its foot.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    const QString pdf = dir.filePath(QStringLiteral("rapport.pdf"));
    QStringList arguments{QStringLiteral("--report"), pdf}, names, settings;
    // Names that differ only at their ends, settings long enough to wrap in the table.
    for (int i = 1; i <= 30; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        names << QStringLiteral("2026-04-12 Lantbruksnämnden Skara upprepning %1.vkf").arg(number);
        settings << QStringLiteral("18 vänster skiva, 19 höger skiva, PTO 540 varv, spårvidd 1,8 m, skovlar långa nya 2025, "
                                   "gränsspridning av, prov %1").arg(number);
        QFile out(dir.filePath(names.last()));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(file).replace("Inst\xE4llning,18", "Inst\xE4llning," + settings.last().toLatin1()));
        arguments << out.fileName();
    }
    QProcess program;
    program.start(QStringLiteral(KALDOVENTRI_EXECUTABLE), arguments);
    ASSERT_TRUE(program.waitForFinished(60000) && program.exitCode() == 0) << program.readAllStandardError().toStdString();

    const QStringList pages = OutputOf(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")})
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    const qsizetype tablePages = pages.size() - names.size();
    ASSERT_GE(tablePages, 2);
    const QString table = Squeezed(pages.mid(0, tablePages).join(QString()));
    for (qsizetype t = 0; t < names.size(); ++t) {
        const QString page = Squeezed(pages[tablePages + t]);
        EXPECT_TRUE(table.count(Squeezed(names[t])) == 1 && table.count(Squeezed(settings[t])) == 1) << t;
        EXPECT_TRUE(page.contains(Squeezed(names[t])) && page.contains(Squeezed(settings[t]))) << t;
    }

    // Nothing but the four words of "Sida 3 av 63" reaches down to the page number.
    const QStringList boxes = OutputOf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")})
                                  .split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1);
    ASSERT_EQ(boxes.size(), pages.size());
    const QRegularExpression word(QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)<"));
    for (qsizetype p = 0; p < boxes.size(); ++p) {
        double foot = 0.0;
        QList<double> bottoms;
        for (const QRegularExpressionMatch& m : word.globalMatch(boxes[p])) {
            if (m.captured(3) == QLatin1String("Sida")) foot = m.captured(1).toDouble();
            bottoms.append(m.captured(2).toDouble());
        }
        EXPECT_EQ(std::count_if(bottoms.begin(), bottoms.end(), [foot](double y) { return y > foot; }), 4) << "page " << p + 1;
    }
}

}  // namespace
}  // namespace kaldoventri
