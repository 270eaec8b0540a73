// The command line: which mode each call asks for, and the usage errors.
#include <gtest/gtest.h>

#include <ostream>

#include "app/CommandLine.h"
#include "files/Cp1252.h"

namespace kaldoventri {
namespace {

struct LineCase {
    const char* name;
    QStringList arguments;  // after the program's name
    CommandLine::Mode mode;
    QStringList files;
    QString report;
    QString csv;
    QString error;
    QString xlsx = {};
};

void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

class CommandLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLineTest, GivesTheModeAndItsFiles) {
    const LineCase& c = GetParam();
    const CommandLine line = ParseCommandLine(QStringList{QStringLiteral("kaldoventri")} + c.arguments);
    EXPECT_EQ(line.mode, c.mode);
    EXPECT_EQ(line.files, c.files);
    EXPECT_EQ(line.reportPath, c.report);
    EXPECT_EQ(line.csvPath, c.csv);
    EXPECT_EQ(line.error, c.error);
    EXPECT_EQ(line.xlsxPath, c.xlsx);
}

using Mode = CommandLine::Mode;

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(
        LineCase{"Nothing", {}, Mode::Window, {}, {}, {}, {}},
        LineCase{"FilesToOpen", {"a.vkf", "b c.vkf"}, Mode::Window, {"a.vkf", "b c.vkf"}, {}, {}, {}},
        LineCase{"Report", {"--report", "out.pdf", "a.vkf"}, Mode::Batch, {"a.vkf"}, "out.pdf", {}, {}},
        LineCase{"TableToStandardOutput", {"--csv", "-", "a.vkf", "b.vkf"}, Mode::Batch, {"a.vkf", "b.vkf"}, {}, "-", {}},
        LineCase{"Both", {"a.vkf", "--csv=t.csv", "--report", "r.pdf"}, Mode::Batch, {"a.vkf"}, "r.pdf", "t.csv", {}},
        LineCase{"Workbook", {"--xlsx", "t.xlsx", "a.vkf"}, Mode::Batch, {"a.vkf"}, {}, {}, {}, "t.xlsx"},
        LineCase{"EmptyWorkbookName", {"--xlsx=", "a.vkf"}, Mode::UsageError, {}, {}, {}, "Ingen utfil angiven."},
        LineCase{"NoInputFile", {"--report", "out.pdf"}, Mode::UsageError, {}, {}, {}, "Inga provfiler angivna."},
        LineCase{"NoOutputNamed", {"--csv"}, Mode::UsageError, {}, {}, {},
                 "Felaktigt anrop: värdet saknas efter --csv."},
        LineCase{"EmptyOutputName", {"--report=", "a.vkf"}, Mode::UsageError, {}, {}, {}, "Ingen utfil angiven."},
        LineCase{"UnknownOption", {"--pdf", "x", "a.vkf"}, Mode::UsageError, {}, {}, {}, "Okänd flagga: pdf"},
        LineCase{"Help", {"a.vkf", "--help"}, Mode::Help, {}, {}, {}, {}},
        LineCase{"Version", {"--version"}, Mode::Version, {}, {}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The Windows program writes its help in the ANSI code page, 1252 on a
// Swedish Windows, where a character beyond it shows as "?".
TEST(CommandLineTest, HelpShowsWholeOnAWindowsConsole) {
    EXPECT_EQ(Unrepresentable(QString(UsageText()).remove(QLatin1Char('\n'))), QStringList{});
}

TEST(CommandLineTest, VersionOfTheVersionRecord) { EXPECT_EQ(VersionText(), QStringLiteral("Kaldoventri 1.0.3.0")); }

}  // namespace
}  // namespace kaldoventri
