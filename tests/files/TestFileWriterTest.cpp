// The bytes the writer produces.
#include <QLocale>

#include <gtest/gtest.h>

#include "TestFileFixtures.h"
#include "files/Cp1252.h"
#include "files/TestFileWriter.h"

namespace kaldoventri {
namespace {

using testing::KnownFile;

constexpr std::array<qint32, TrayCount> KnownAmounts = {6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                                                        98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 0};

TNewTabSheet KnownSheet() {
    TNewTabSheet sheet;
    sheet.SetDescription("Yara", "Amazone", "NS 27-4", "ZA-M 1500 Profis", Layout12m, 25, "18, v\u00E4nster skiva",
                         "K\u00F6ping ");
    for (int tray = 1; tray <= TrayCount; ++tray) sheet.SetTrayAmount(KnownAmounts[tray - 1], tray);
    SetDrivingPattern(sheet, DrivingPattern::BackAndForth);  // as every new sheet
    return sheet;
}


const QLocale Swedish(QLocale::Swedish, QLocale::Sweden);

TEST(TestFileWriterTest, KnownSheetGivesExactBytes) {
    const TNewTabSheet sheet = KnownSheet();
    EXPECT_EQ(WriteTestFile(MakeTestFileValues(sheet, Swedish)), KnownFile);
}

TEST(TestFileWriterTest, RacetrackSheetGetsOneMoreLine) {
    TNewTabSheet sheet = KnownSheet();
    SetDrivingPattern(sheet, DrivingPattern::Racetrack);
    EXPECT_EQ(WriteTestFile(MakeTestFileValues(sheet, Swedish)), KnownFile + "K\xF6rm\xF6nster,Varv\r\n");
}

TEST(TestFileWriterTest, WorkingWidthLineFollowsTheLocale) {
    TNewTabSheet sheet = KnownSheet();
    const QByteArray english = WriteTestFile(MakeTestFileValues(sheet, QLocale(QLocale::English)));
    EXPECT_TRUE(english.contains("\r\nArbetsbredd,12.5 m\r\n"));
    sheet.SetABredd(48);
    const QByteArray whole = WriteTestFile(MakeTestFileValues(sheet, Swedish));
    EXPECT_TRUE(whole.contains("\r\nArbetsbredd,24 m\r\n"));
    EXPECT_TRUE(whole.contains("\r\nABredd,48\r\n"));
}

struct TrayAmountCase {
    const char* name;
    qint32 storedAmount;
    QByteArray written;
};

class TrayAmountTest : public ::testing::TestWithParam<TrayAmountCase> {};

// What tray 2 of the "Normal" line says for the amount the sheet holds.
TEST_P(TrayAmountTest, WrittenAsPlainDecimal) {
    const TrayAmountCase& c = GetParam();
    TNewTabSheet sheet = KnownSheet();
    sheet.SetTrayAmount(c.storedAmount, 2);
    const QByteArray file = WriteTestFile(MakeTestFileValues(sheet, Swedish));
    EXPECT_TRUE(file.contains("\r\nNormal,6," + c.written + ",21,29,")) << file.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrayAmountTest,
    ::testing::Values(TrayAmountCase{"Zero", 0, "0"}, TrayAmountCase{"Largest", 2147483647, "2147483647"},
                      TrayAmountCase{"NegativeFromAFile", -5, "-5"},
                      TrayAmountCase{"Smallest", -2147483647 - 1, "-2147483648"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TestFileWriterTest, NoValueCanBreakALineOrEndTheText) {
    TNewTabSheet sheet = KnownSheet();
    sheet.SetDescription("a\r\nb", "c\x1A" "d", "e\nf", "\u4E2D\u6587", Layout24m, 48, "g\rh", "\xF0\x9F\x98\x80");
    const QByteArray file = WriteTestFile(MakeTestFileValues(sheet, Swedish));
    EXPECT_FALSE(file.contains('\x1A'));
    EXPECT_EQ(file.count('\n'), 12);
    EXPECT_EQ(file.count('\r'), 12);
    EXPECT_EQ(file.count("\r\n"), 12);
    EXPECT_TRUE(file.endsWith("\r\n"));
    EXPECT_TRUE(file.contains("\r\nG\xF6" "dselFabrikat,a??b\r\n"));
    EXPECT_TRUE(file.contains("\r\nSpridarFabrikat,c?d\r\n"));
    EXPECT_TRUE(file.contains("\r\nSpridarModell,??\r\n"));
    EXPECT_TRUE(file.contains("\r\nProduktionsplats,?\r\n"));
}

TEST(TestFileWriterTest, EmptyTextsGiveKeyAndCommaAlone) {
    TNewTabSheet sheet;
    sheet.SetDescription("", "", "", "", Layout24m, 48, "", "");
    SetDrivingPattern(sheet, DrivingPattern::BackAndForth);
    const QByteArray file = WriteTestFile(MakeTestFileValues(sheet, Swedish));
    EXPECT_EQ(file,
              "Kaldoventri\r\n"
              "Normal,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
              "SpridarFabrikat,\r\nSpridarModell,\r\nSpridarInst\xE4llning,\r\nArbetsbredd,24 m\r\n"
              "G\xF6" "dselFabrikat,\r\nG\xF6" "dselMedel,\r\nProduktionsplats,\r\n"
              "----------------------------------------------------------\r\n"
              "ABredd,48\r\nBackuppst\xE4llning,1\r\n");
}

}  // namespace
}  // namespace kaldoventri
