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

std::array<QString, TrayCount> FieldTexts(const TNewTabSheet& sheet) {
    std::array<QString, TrayCount> texts;
    for (int tray = 1; tray <= TrayCount; ++tray) texts[tray - 1] = QString::number(sheet.GetTrayAmount(tray));
    return texts;
}

const QLocale Swedish(QLocale::Swedish, QLocale::Sweden);

TEST(TestFileWriterTest, KnownSheetGivesExactBytes) {
    const TNewTabSheet sheet = KnownSheet();
    EXPECT_EQ(WriteTestFile(MakeTestFileValues(sheet, FieldTexts(sheet), Swedish)), KnownFile);
}

TEST(TestFileWriterTest, RacetrackSheetGetsOneMoreLine) {
    TNewTabSheet sheet = KnownSheet();
    SetDrivingPattern(sheet, DrivingPattern::Racetrack);
    EXPECT_EQ(WriteTestFile(MakeTestFileValues(sheet, FieldTexts(sheet), Swedish)), KnownFile + "K\xF6rm\xF6nster,Varv\r\n");
}

TEST(TestFileWriterTest, WorkingWidthLineFollowsTheLocale) {
    TNewTabSheet sheet = KnownSheet();
    const QByteArray english = WriteTestFile(MakeTestFileValues(sheet, FieldTexts(sheet), QLocale(QLocale::English)));
    EXPECT_TRUE(english.contains("\r\nArbetsbredd,12.5 m\r\n"));
    sheet.SetABredd(48);
    const QByteArray whole = WriteTestFile(MakeTestFileValues(sheet, FieldTexts(sheet), Swedish));
    EXPECT_TRUE(whole.contains("\r\nArbetsbredd,24 m\r\n"));
    EXPECT_TRUE(whole.contains("\r\nABredd,48\r\n"));
}

struct TrayTextCase {
    const char* name;
    QString fieldText;
    qint32 storedAmount;
    QByteArray written;
};

class TrayTextTest : public ::testing::TestWithParam<TrayTextCase> {};

// What tray 2 of the "Normal" line says for a given field text and stored amount.
TEST_P(TrayTextTest, WrittenValueIsNeverEmptyOrBroken) {
    const TrayTextCase& c = GetParam();
    TNewTabSheet sheet = KnownSheet();
    sheet.SetTrayAmount(c.storedAmount, 2);
    std::array<QString, TrayCount> texts = FieldTexts(KnownSheet());
    texts[1] = c.fieldText;
    const QByteArray file = WriteTestFile(MakeTestFileValues(sheet, texts, Swedish));
    EXPECT_TRUE(file.contains("\r\nNormal,6," + c.written + ",21,29,")) << file.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrayTextTest,
    ::testing::Values(TrayTextCase{"TypedValueAsItStands", "007", 13, "007"},
                      TrayTextCase{"TypedValueWinsOverStoredAmount", "500", 13, "500"},
                      TrayTextCase{"EmptyFieldGivesStoredAmount", "", 13, "13"},
                      TrayTextCase{"EmptyFieldWithLargestAmount", "", 2147483647, "2147483647"},
                      TrayTextCase{"EmptyFieldWithNegativeAmountFromAFile", "", -5, "-5"},
                      TrayTextCase{"PastedTextWithCommaGivesStoredAmount", "1,2", 13, "13"},
                      TrayTextCase{"PastedTextWithBlankGivesStoredAmount", "1 2", 13, "13"},
                      TrayTextCase{"TooManyDigitsGivesStoredAmount", "99999999999", 13, "13"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TestFileWriterTest, NoValueCanBreakALineOrEndTheText) {
    TNewTabSheet sheet = KnownSheet();
    sheet.SetDescription("a\r\nb", "c\x1A" "d", "e\nf", "\u4E2D\u6587", Layout24m, 48, "g\rh", "\xF0\x9F\x98\x80");
    const QByteArray file = WriteTestFile(MakeTestFileValues(sheet, FieldTexts(sheet), Swedish));
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
    std::array<QString, TrayCount> texts;
    const QByteArray file = WriteTestFile(MakeTestFileValues(sheet, texts, Swedish));
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
