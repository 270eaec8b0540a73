// File patterns on the command line, which cmd.exe and PowerShell leave to
// the program.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/ArgumentExpansion.h"

namespace kaldoventri {
namespace {

struct PatternCase {
    const char* name;
    QStringList arguments;  // "@" stands for the folder of the files
    QStringList expected;
};

void PrintTo(const PatternCase& c, std::ostream* os) { *os << c.name; }

class ArgumentExpansionTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(ArgumentExpansionTest, Expands) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char16_t* name : {u"b.vkf", u"A.VKF", u"prov ö.vkf", u"c.txt", u"d.vkf.bak"}) {
        QFile file(folder.filePath(QString::fromUtf16(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString at = QDir::toNativeSeparators(folder.path());
    QStringList arguments = GetParam().arguments;
    QStringList expected = GetParam().expected;
    for (QString& a : arguments) a.replace(QLatin1Char('@'), at);
    for (QString& e : expected) e.replace(QLatin1Char('@'), at);
    // Files named bare are matched in the current folder.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const QStringList expanded = ExpandFilePatterns(arguments);
    QDir::setCurrent(before);
    EXPECT_EQ(expanded, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, ArgumentExpansionTest,
    ::testing::Values(
        PatternCase{"BareNamesInNameOrderAnyCase", {"kaldoventri", "--csv", "-", "*.vkf"},
                    {"kaldoventri", "--csv", "-", "A.VKF", "b.vkf", "prov ö.vkf"}},
        PatternCase{"FolderKeptInFrontOfEachName", {"k", "@\\?.vkf"}, {"k", "@\\A.VKF", "@\\b.vkf"}},
        PatternCase{"NoMatchStaysForTheMissingFileMessage", {"k", "*.pdf"}, {"k", "*.pdf"}},
        PatternCase{"PlainNamesAndOptionsUntouched", {"k", "--report", "prov.pdf", "c.txt"},
                    {"k", "--report", "prov.pdf", "c.txt"}},
        PatternCase{"ProgramNameNeverExpanded", {"*.txt", "*.txt"}, {"*.txt", "c.txt"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri
