// The test file of an own tray kit: its exact bytes, the kit read back, and
// every refusal of a "Kaldoventri,2" file whose kit lines do not fit, with
// the line it names. A built-in layout's file stays as it always was.
#include <gtest/gtest.h>

#include "evaluation/CalculateSheet.h"
#include "evaluation/TrayKit.h"
#include "files/SheetFromTestFile.h"
#include "files/TestFileWriter.h"
#include "TestFileFixtures.h"

namespace kaldoventri {
namespace {

// Five trays, one on the centre line, one with three decimals; racetrack.
TNewTabSheet FiveTrays() {
    TNewTabSheet sheet;
    sheet.SetDescription("Yara", "Bogballe", "NS 27-4", "M2W", LayoutOwn, 20, "34", "Köping");
    ApplyKit(TrayKit{LayoutOwn, "Fältkit väst", {-4.125, -2, 0, 2, 4.125}, {10, 16}}, sheet);
    const int amounts[] = {12, 40, 55, 41, 10};
    for (int tray = 1; tray <= 5; ++tray) sheet.SetTrayAmount(amounts[tray - 1], tray);
    return sheet;
}

const QByteArray FiveTraysFile =
    "Kaldoventri,2\r\n"
    "Normal,12,40,55,41,10\r\n"
    "SpridarFabrikat,Bogballe\r\n"
    "SpridarModell,M2W\r\n"
    "SpridarInst\xE4llning,34\r\n"
    "Arbetsbredd,10 m\r\n"
    "G\xF6" "dselFabrikat,Yara\r\n"
    "G\xF6" "dselMedel,NS 27-4\r\n"
    "Produktionsplats,K\xF6ping\r\n"
    "----------------------------------------------------------\r\n"
    "ABredd,20\r\n"
    "Backuppst\xE4llning,2\r\n"
    "Backpositioner,-4.125,-2,0,2,4.125\r\n"
    "S\xF6komr\xE5" "de,10,16\r\n"
    "Uppst\xE4llningsnamn,F\xE4ltkit v\xE4st\r\n"
    "K\xF6rm\xF6nster,Varv\r\n";

TEST(OwnKitFile, WrittenWithItsKitAndReadBack) {
    const QByteArray bytes = WriteTestFile(MakeTestFileValues(FiveTrays(), QLocale(QLocale::Swedish, QLocale::Sweden)));
    EXPECT_EQ(bytes, FiveTraysFile);
    const TestFileContents contents = testing::ContentsOf(testing::ReadBytes(bytes));
    ASSERT_TRUE(contents.Kit.has_value());
    EXPECT_EQ(*contents.Kit, (TrayKit{LayoutOwn, "Fältkit väst", {-4.125, -2, 0, 2, 4.125}, {10, 16}}));
    const auto amounts = CompleteTrayAmounts(contents);
    ASSERT_TRUE(std::holds_alternative<TrayAmounts>(amounts));
    TNewTabSheet reread;
    FillSheetFromTestFile(reread, contents, std::get<TrayAmounts>(amounts));
    EXPECT_EQ(reread.GetTrayCount(), 5);
    EXPECT_EQ(reread.GetTrayAmount(3), 55);
    EXPECT_EQ(KitNameOf(reread), "Fältkit väst");
    EXPECT_EQ(DrivingPatternOf(reread), DrivingPattern::Racetrack);
    EXPECT_EQ(WriteTestFile(MakeTestFileValues(reread, QLocale(QLocale::Swedish, QLocale::Sweden))), bytes);
}

// The kit lines of a built-in layout's file are no part of it.
TEST(OwnKitFile, KitLinesOfAnOlderFileAreIgnored) {
    const TestFileContents contents =
        testing::ContentsOf(testing::ReadBytes(testing::KnownFile + "Backpositioner,x,y\r\nS\xF6komr\xE5" "de,5\r\n"));
    EXPECT_FALSE(contents.Kit.has_value());
    EXPECT_EQ(contents.Backuppstallning, Layout12m);
}

struct RefusalCase {
    const char* name;
    QByteArray from;
    QByteArray to;
    QString message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class OwnKitRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(OwnKitRefusal, NamesTheLine) {
    const RefusalCase& c = GetParam();
    QByteArray bytes = FiveTraysFile;
    ASSERT_TRUE(bytes.contains(c.from));
    bytes.replace(c.from, c.to);
    const TestFileReadResult read = testing::ReadBytes(bytes);
    ASSERT_TRUE(std::holds_alternative<TestFileError>(read));
    EXPECT_EQ(std::get<TestFileError>(read).kind, TestFileError::Kind::BadKit);
    EXPECT_EQ(std::get<TestFileError>(read).message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OwnKitRefusal,
    ::testing::Values(
        RefusalCase{"PositionsMissing", "Backpositioner,-4.125,-2,0,2,4.125\r\n", "", "raden Backpositioner saknas"},
        RefusalCase{"CountDiffers", "-4.125,-2,0,2,4.125", "-4.125,-2,2,4.125",
                    "rad 13 (Backpositioner): 4 backlägen, men raden Normal har 5 mängder"},
        RefusalCase{"NotAscending", "-4.125,-2,0,2,4.125", "-4.125,0,-2,2,4.125",
                    "rad 13 (Backpositioner): Backarnas lägen måste öka från back till back (back 3)."},
        // Places kept to 15 digits: saved, these two would be one place.
        RefusalCase{"OnePlaceWhenKept", "-4.125,-2,0,2,4.125", "-4.125,-2,0,2,2.0000000000000004",
                    "rad 13 (Backpositioner): Backarnas lägen måste öka från back till back (back 5)."},
        RefusalCase{"Outside", "-4.125,-2,0,2,4.125", "-4.125,-2,0,2,24.5",
                    "rad 13 (Backpositioner): Back 5 ligger utanför ±24,25 m."},
        RefusalCase{"NotAPosition", "-4.125,-2,0,2,4.125", "-4.125,-2,0,2,4,125",
                    "rad 13 (Backpositioner): 6 backlägen, men raden Normal har 5 mängder"},
        RefusalCase{"NotANumber", "-4.125,-2,0,2,4.125", "-4.125,-2,noll,2,4.125",
                    "rad 13 (Backpositioner): 'noll' är inget backläge i meter"},
        RefusalCase{"SearchBeyondTheSpan", "de,10,16", "de,10,40",
                    "rad 14 (Sökområde): Sökområdet måste ligga inom 5 m till 10 m."},
        RefusalCase{"SearchBelowFiveMetres", "de,10,16", "de,8,16",
                    "rad 14 (Sökområde): Sökområdet måste ligga inom 5 m till 10 m."},
        RefusalCase{"SearchReversed", "de,10,16", "de,16,12", "rad 14 (Sökområde): Sökområdet börjar efter sitt slut."},
        RefusalCase{"SearchNotWhole", "de,10,16", "de,10", "rad 14 (Sökområde): två hela halvmetrar väntas, som 10,96"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri
