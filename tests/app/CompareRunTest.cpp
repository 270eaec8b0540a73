// --compare --csv in the process: the table's columns for each file in the
// order given, and each test's differences to the first, read back against
// the VK, optimal width and rate columns of the same table.
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/BatchRun.h"

namespace kaldoventri {
namespace {

QByteArray Sample() {
    QFile file(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct CompareCase {
    const char* name;
    std::vector<QByteArray> widths;  // the ABredd line of each file
    std::vector<bool> units;         // a tray area and unit of 0,1 g in each file
};

void PrintTo(const CompareCase& c, std::ostream* out) { *out << c.name; }

class CompareCsv : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareCsv, DifferencesToTheFirstFile) {
    const CompareCase& c = GetParam();
    int argc = 1;
    char name[] = "compare";
    char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    QTemporaryDir dir;
    CommandLine line;
    line.mode = CommandLine::Mode::Batch;
    line.compare = true;
    line.csvPath = dir.filePath(QStringLiteral("out.csv"));
    for (std::size_t i = 0; i < c.widths.size(); ++i) {
        line.files << dir.filePath(QStringLiteral("%1.vkf").arg(QChar(u'a' + static_cast<int>(i))));
        QFile out(line.files.back());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        QByteArray bytes = Sample().replace("ABredd,24", "ABredd," + c.widths[i]);
        if (c.units[i]) bytes += "Enhet,0.1,g\r\nBackyta,0.25\r\n";
        out.write(bytes);
    }
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    ASSERT_EQ(RunBatch(line, swedish), 0);

    QFile csv(line.csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(c.widths.size()) + 2);  // the header, a line per file, nothing after
    std::vector<QStringList> fields;
    for (const QByteArray& l : lines.mid(0, lines.size() - 1)) fields.push_back(QString::fromUtf8(l.chopped(1)).split(u';'));
    const QStringList& header = fields[0];
    ASSERT_EQ(header.mid(header.size() - 3),
              (QStringList{QStringLiteral("Δ VK %-enheter"), QStringLiteral("Δ optimal bredd m"), QStringLiteral("Δ giva %")}));
    const auto number = [&](std::size_t row, const QString& column) {
        const QString text = fields[row][header.indexOf(column)];
        return text.isEmpty() ? std::optional<double>() : std::optional<double>(swedish.toDouble(text));
    };
    for (std::size_t row = 1; row < fields.size(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(fields[row].size(), header.size());
        EXPECT_TRUE(fields[row][0].startsWith(QChar(u'a' + static_cast<int>(row) - 1)));
        const auto difference = [&](const QString& column) -> std::optional<double> {
            const auto mine = number(row, column), reference = number(1, column);
            if (row == 1 || !mine || !reference) return std::nullopt;
            return column == QStringLiteral("Giva kg/ha") ? (*mine / *reference - 1) * 100 : *mine - *reference;
        };
        const std::pair<const char*, QString> checks[] = {{"Δ VK %-enheter", QStringLiteral("VK %")},
                                                          {"Δ optimal bredd m", QStringLiteral("Optimal bredd m")},
                                                          {"Δ giva %", QStringLiteral("Giva kg/ha")}};
        for (const auto& [delta, column] : checks) {
            const auto want = difference(column);
            const auto got = number(row, QString::fromUtf8(delta));
            ASSERT_EQ(got.has_value(), want.has_value()) << delta;
            // The table rounds differences to one decimal.
            if (want) {
                EXPECT_NEAR(*got, *want, 0.05 + 1e-9) << delta;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, CompareCsv,
    testing::Values(CompareCase{"two_widths", {"24", "30"}, {false, false}},
                    CompareCase{"four_with_units_on_some", {"24", "20", "30", "36"}, {true, true, false, true}}),
    [](const testing::TestParamInfo<CompareCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri
