// What the reader takes from a file, and the errors it gives instead.
#include <gtest/gtest.h>

#include "TestFileFixtures.h"
#include "files/Cp1252.h"
#include "files/SheetFromTestFile.h"

namespace kaldoventri {
namespace {

using testing::ContentsOf;
using testing::KnownFile;
using testing::ReadBytes;

QByteArray Replaced(QByteArray file, const QByteArray& before, const QByteArray& after) {
    EXPECT_TRUE(file.contains(before)) << before.toStdString();
    return file.replace(before, after);
}

TEST(TestFileReaderTest, KnownFileGivesEveryValue) {
    const TestFileContents c = ContentsOf(ReadBytes(KnownFile));
    EXPECT_EQ(c.TrayValues, QList<qint32>({6, 13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                                           98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 0}));
    EXPECT_EQ(c.SpridarFabrikat, u"Amazone");
    EXPECT_EQ(c.SpridarModell, u"ZA-M 1500 Profis");
    EXPECT_EQ(c.SpridarInstallning, u"18, v\u00E4nster skiva");
    EXPECT_EQ(c.GodselFabrikat, u"Yara");
    EXPECT_EQ(c.GodselMedel, u"NS 27-4");
    EXPECT_EQ(c.Produktionsplats, u"K\u00F6ping ");
    EXPECT_EQ(c.ABredd, 25);
    EXPECT_EQ(c.Backuppstallning, 0);
}

struct TextCase {
    const char* name;
    QByteArray line;  // replaces the SpridarModell line
    QString expected;
};

class DescriptionTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(DescriptionTextTest, RestOfTheLineAfterKeyAndSeparators) {
    const TextCase& c = GetParam();
    const QByteArray file = Replaced(KnownFile, "SpridarModell,ZA-M 1500 Profis", c.line);
    EXPECT_EQ(ContentsOf(ReadBytes(file)).SpridarModell, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DescriptionTextTest,
    ::testing::Values(TextCase{"OneWord", "SpridarModell,ZA-M", "ZA-M"},
                      TextCase{"SeveralWords", "SpridarModell,ZA-M 1500  Profis", "ZA-M 1500  Profis"},
                      TextCase{"CommasKept", "SpridarModell,a,b,,c", "a,b,,c"},
                      TextCase{"TrailingSeparatorsKept", "SpridarModell,ZA-M , ", "ZA-M , "},
                      TextCase{"RunOfSeparatorsAfterKeyDropped", "SpridarModell , ,ZA-M", "ZA-M"},
                      TextCase{"KeyWithCommaAlone", "SpridarModell,", ""},
                      TextCase{"KeyAlone", "SpridarModell", ""},
                      TextCase{"Cp1252Letters", "SpridarModell,\xC5s \x80 \x96 \x9F", QStringLiteral(u"\u00C5s \u20AC \u2013 \u0178")},
                      TextCase{"UndefinedByteKept", "SpridarModell,a\x81" "b", QStringLiteral(u"a\u0081b")},
                      TextCase{"LineFeedIsACharacter", "SpridarModell,a\nb", "a\nb"},
                      TextCase{"TabIsNoSeparator", "SpridarModell,\tx", "\tx"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file another editor re-saved as UTF-8 is read as UTF-8, its Körmönster
// line too; a file whose keys are code page 1252 stays code page 1252
// whatever its texts look like, and a file valid in neither is refused.
struct EncodingCase {
    const char* name;
    QByteArray file;
    bool utf8;                      // the UTF-8 Körmönster line counts
    std::optional<QString> modell;  // none: refused as no test file
    QString installning;
};

QByteArray Utf8(const QByteArray& cp1252) { return DecodeCp1252(cp1252).toUtf8(); }

const QByteArray Swedish = Replaced(KnownFile, "ZA-M 1500 Profis", "V\xE4" "derstad \xC5ker");

class EncodingTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(EncodingTest, Utf8ReadWhereTheKeysAreUtf8) {
    const EncodingCase& c = GetParam();
    EXPECT_EQ(testing::IsTestFileBytes(c.file), c.modell.has_value());
    const TestFileReadResult read = ReadBytes(c.file + Utf8("K\xF6rm\xF6nster,Varv\r\n"));
    if (!c.modell) {
        ASSERT_TRUE(std::holds_alternative<TestFileError>(read));
        EXPECT_EQ(std::get<TestFileError>(read).kind, TestFileError::Kind::NotATestFile);
        return;
    }
    const TestFileContents contents = ContentsOf(read);
    EXPECT_EQ(std::tuple(contents.SpridarModell, contents.SpridarInstallning, contents.Produktionsplats),
              std::tuple(*c.modell, c.installning, QStringLiteral(u"K\u00F6ping ")));
    EXPECT_EQ(contents.Pattern == DrivingPattern::Racetrack, c.utf8);
}

const QString SwedishModell = QStringLiteral(u"V\u00E4derstad \u00C5ker");
const QString KnownInstallning = QStringLiteral(u"18, v\u00E4nster skiva");

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodingTest,
    ::testing::Values(
        EncodingCase{"Utf8WithMark", "\xEF\xBB\xBF" + Utf8(Swedish), true, SwedishModell, KnownInstallning},
        EncodingCase{"Utf8WithoutMark", Utf8(Swedish), true, SwedishModell, KnownInstallning},
        EncodingCase{"Utf8BeyondTheCodePage", Utf8(KnownFile).replace("18, v\xC3\xA4nster", "\xC5\x81\xC3\xB3" "d\xC5\xBA \xE2\x9C\x93"),
                     true, QStringLiteral(u"ZA-M 1500 Profis"), QStringLiteral(u"\u0141\u00F3d\u017A \u2713 skiva")},
        EncodingCase{"Cp1252TextThatIsValidUtf8", Replaced(Swedish, "18, v\xE4nster", "\xC3\xA5r"), false, SwedishModell,
                     QStringLiteral(u"\u00C3\u00A5r skiva")},
        EncodingCase{"Utf8KeysWithACp1252Text", Utf8(KnownFile).replace("ZA-M 1500", "\xC5ker"), true, std::nullopt, {}},
        EncodingCase{"MarkBeforeCp1252Keys", "\xEF\xBB\xBF" + KnownFile, false, std::nullopt, {}},
        EncodingCase{"Utf8KeyInLowerCase", Utf8(KnownFile).replace("G\xC3\xB6" "dselMedel", "g\xC3\xB6" "dselMedel"), true,
                     std::nullopt, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct NumberCase {
    const char* name;
    QByteArray aBreddLine;
    QByteArray layoutLine;
    qint32 aBredd;
    qint32 layout;
};

class NumberLineTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberLineTest, DefaultsAndRangesOfTheNumberLines) {
    const NumberCase& c = GetParam();
    QByteArray file = Replaced(KnownFile, "ABredd,25", c.aBreddLine);
    file = Replaced(file, "Backuppst\xE4llning,0", c.layoutLine);
    const TestFileContents contents = ContentsOf(ReadBytes(file));
    EXPECT_EQ(contents.ABredd, c.aBredd);
    EXPECT_EQ(contents.Backuppstallning, c.layout);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberLineTest,
    ::testing::Values(NumberCase{"AsWritten", "ABredd,25", "Backuppst\xE4llning,1", 25, 1},
                      NumberCase{"MissingValues", "ABredd,", "Backuppst\xE4llning,", 24, 1},
                      NumberCase{"KeysAlone", "ABredd", "Backuppst\xE4llning", 24, 1},
                      NumberCase{"FurtherFieldsIgnored", "ABredd,30,x y", "Backuppst\xE4llning 0 junk", 30, 0},
                      NumberCase{"SignsAccepted", "ABredd,+40", "Backuppst\xE4llning,-0", 40, 0},
                      NumberCase{"LowestWidth", "ABredd,10", "Backuppst\xE4llning,0", 10, 0},
                      NumberCase{"HighestWidth", "ABredd,100", "Backuppst\xE4llning,0", 100, 0},
                      NumberCase{"ZeroWidthRaisedToLowest", "ABredd,0", "Backuppst\xE4llning,0", 10, 0},
                      NumberCase{"NegativeWidthRaisedToLowest", "ABredd,-40", "Backuppst\xE4llning,0", 10, 0},
                      NumberCase{"HugeWidthLoweredToHighest", "ABredd,1000000", "Backuppst\xE4llning,0", 100, 0},
                      NumberCase{"JustOutsideRange", "ABredd,9", "Backuppst\xE4llning,0", 10, 0},
                      NumberCase{"LayoutSevenIs24m", "ABredd,48", "Backuppst\xE4llning,7", 48, 1},
                      NumberCase{"LayoutMinusOneIs24m", "ABredd,48", "Backuppst\xE4llning,-1", 48, 1},
                      NumberCase{"LayoutSmallestIs24m", "ABredd,48", "Backuppst\xE4llning,-2147483648", 48, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TestFileReaderTest, ArbetsbreddLineHasNoEffect) {
    QByteArray file = Replaced(KnownFile, "Arbetsbredd,12,5 m", "Arbetsbredd,99 m");
    file = Replaced(file, "ABredd,25", "ABredd,30");
    EXPECT_EQ(ContentsOf(ReadBytes(file)).ABredd, 30);
}

TEST(TestFileReaderTest, KeyLinesAfterTheTwelfthTakeEffectAndLastWins) {
    const QByteArray file = KnownFile +
                            "SpridarModell,Ny modell\r\n"
                            "Arbetsbredd,abc\r\n"
                            "Kommentar,fr\xE5n f\xE4ltet\r\n"
                            "\r\n"
                            "ABredd,40\r\n"
                            "ABredd,36\r\n"
                            "Backuppst\xE4llning,1\r\n"
                            "G\xF6" "dselMedel\r\n";
    const TestFileContents c = ContentsOf(ReadBytes(file));
    EXPECT_EQ(c.SpridarModell, u"Ny modell");
    EXPECT_EQ(c.ABredd, 36);
    EXPECT_EQ(c.Backuppstallning, 1);
    EXPECT_EQ(c.GodselMedel, u"");
    EXPECT_EQ(c.SpridarFabrikat, u"Amazone");
}

TEST(TestFileReaderTest, LaterNormalLineSetsAgainOnlyTheTraysItHasValuesFor) {
    const TestFileContents c = ContentsOf(ReadBytes(KnownFile + "Normal,1,2,3\r\n"));
    ASSERT_EQ(c.TrayValues.size(), 26);
    EXPECT_EQ(c.TrayValues.mid(0, 4), QList<qint32>({1, 2, 3, 29}));
    EXPECT_EQ(c.TrayValues.last(), 0);
}

struct TrayCase {
    const char* name;
    QByteArray normalLine;
    QList<qint32> expected;
};

class NormalLineTest : public ::testing::TestWithParam<TrayCase> {};

TEST_P(NormalLineTest, TrayValuesInOrder) {
    const TrayCase& c = GetParam();
    const QByteArray file = Replaced(KnownFile, KnownFile.mid(13, KnownFile.indexOf("\r\nSpridarFabrikat") - 13),
                                     c.normalLine);
    EXPECT_EQ(ContentsOf(ReadBytes(file)).TrayValues, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NormalLineTest,
    ::testing::Values(TrayCase{"NoValues", "Normal", {}},
                      TrayCase{"FewerThan26", "Normal,5, 7 ,,9", {5, 7, 9}},
                      TrayCase{"SignsAndLeadingZeros", "Normal,-5,+6,007,-2147483648,2147483647",
                               {-5, 6, 7, -2147483647 - 1, 2147483647}},
                      TrayCase{"MoreThan26IgnoredBeyondThe26th",
                               "Normal,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,x",
                               {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    QByteArray before;
    QByteArray after;
    QString offendingText;
};

class ConversionErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ConversionErrorTest, WholeReadRefusedWithTheStandardMessage) {
    const ErrorCase& c = GetParam();
    const TestFileReadResult read = ReadBytes(Replaced(KnownFile, c.before, c.after));
    ASSERT_TRUE(std::holds_alternative<TestFileError>(read));
    const TestFileError& error = std::get<TestFileError>(read);
    EXPECT_EQ(error.kind, TestFileError::Kind::NotAnInteger);
    EXPECT_EQ(error.text, c.offendingText);
    EXPECT_EQ(error.message, "'" + c.offendingText + "' is not a valid integer value");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionErrorTest,
    ::testing::Values(ErrorCase{"FractionalTray", "Normal,6,13,", "Normal,6,12.5,", "12.5"},
                      ErrorCase{"TrayBeyond32Bits", "Normal,6,", "Normal,2147483648,", "2147483648"},
                      ErrorCase{"ExponentTray", ",0\r\nSpridar", ",1e3\r\nSpridar", "1e3"},
                      ErrorCase{"LetterTrayInCodePage", "Normal,6,", "Normal,\xE5t,", QStringLiteral(u"\u00E5t")},
                      ErrorCase{"LetterABredd", "ABredd,25", "ABredd,abc", "abc"},
                      ErrorCase{"FractionalLayout", "Backuppst\xE4llning,0", "Backuppst\xE4llning,0.5", "0.5"},
                      ErrorCase{"FirstErrorInFileOrderWins", "ABredd,25\r\n",
                                "ABredd,x1\r\nBackuppst\xE4llning,x2\r\nABredd,24\r\n", "x1"},
                      ErrorCase{"BrokenValueOnALaterLine", "Backuppst\xE4llning,0\r\n",
                                "Backuppst\xE4llning,0\r\nNormal,1,zz\r\n", "zz"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TestFileReaderTest, ShapeMisfitWinsOverAnEarlierBrokenValue) {
    const QByteArray file = Replaced(Replaced(KnownFile, "Normal,6,", "Normal,x,"), "ABredd,25", "Abredd,25");
    const TestFileReadResult read = ReadBytes(file);
    ASSERT_TRUE(std::holds_alternative<TestFileError>(read));
    EXPECT_EQ(std::get<TestFileError>(read).kind, TestFileError::Kind::NotATestFile);
}

struct LineEndCase {
    const char* name;
    QByteArray file;
    QString spridarModell;
    qint32 aBredd;
};

class LineEndTest : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEndTest, CarriageReturnEndsALineAndTextEndStopsReading) {
    const LineEndCase& c = GetParam();
    const TestFileContents contents = ContentsOf(ReadBytes(c.file));
    EXPECT_EQ(contents.SpridarModell, c.spridarModell);
    EXPECT_EQ(contents.ABredd, c.aBredd);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineEndTest,
    ::testing::Values(
        LineEndCase{"TextEndHidesLaterKeyLines", KnownFile + "\x1A" "ABredd,40\r\nSpridarModell,X\r\n", "ZA-M 1500 Profis",
                    25},
        LineEndCase{"TextEndInsideALine", KnownFile + "ABredd,40\x1A" "0\r\n", "ZA-M 1500 Profis", 40},
        LineEndCase{"CarriageReturnAloneEndsALine", KnownFile + "SpridarModell,a\rABredd,40\r\n", "a", 40},
        LineEndCase{"LineFeedAloneDoesNot", KnownFile + "SpridarModell,a\nABredd,40\r\n", "a\nABredd,40", 25},
        LineEndCase{"OnlyOneLineFeedBelongsToTheLineEnd", KnownFile + "SpridarModell,a\r\n\nABredd,40\r\n", "a", 25},
        LineEndCase{"LastLineWithoutLineEnd", KnownFile + "ABredd,40", "ZA-M 1500 Profis", 40}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TestFileReaderTest, DeviceErrorIsAReadFailure) {
    for (const qint64 failAt : {qint64{0}, qint64{20}, KnownFile.size() - 3}) {
        testing::FailingDevice device(KnownFile, failAt);
        const TestFileReadResult read = ReadTestFile(device);
        ASSERT_TRUE(std::holds_alternative<TestFileError>(read)) << failAt;
        EXPECT_EQ(std::get<TestFileError>(read).kind, TestFileError::Kind::ReadFailed);
        EXPECT_EQ(std::get<TestFileError>(read).message, u"Disk read error");
    }
}

struct CompleteCase {
    const char* name;
    QByteArray normalLine;
    std::optional<QString> offendingText;  // empty when the amounts are complete
};

class CompleteTrayAmountsTest : public ::testing::TestWithParam<CompleteCase> {};

TEST_P(CompleteTrayAmountsTest, AShortTrayLineIsRefused) {
    const CompleteCase& c = GetParam();
    const QByteArray file = Replaced(KnownFile, KnownFile.mid(13, KnownFile.indexOf("\r\nSpridarFabrikat") - 13),
                                     c.normalLine);
    const auto amounts = CompleteTrayAmounts(ContentsOf(ReadBytes(file)));
    if (c.offendingText) {
        ASSERT_TRUE(std::holds_alternative<TestFileError>(amounts));
        EXPECT_EQ(std::get<TestFileError>(amounts).text, *c.offendingText);
        EXPECT_EQ(std::get<TestFileError>(amounts).kind, TestFileError::Kind::NotAnInteger);
        return;
    }
    ASSERT_TRUE((std::holds_alternative<TrayAmounts>(amounts)));
    const auto& a = std::get<TrayAmounts>(amounts);
    ASSERT_EQ(a.size(), std::size_t{TrayCount});
    EXPECT_EQ(a[0], 5);
    EXPECT_EQ(a[1], 7);
    EXPECT_EQ(a[25], 40);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompleteTrayAmountsTest,
    ::testing::Values(CompleteCase{"TwoValues", "Normal,5,7", QString()},
                      CompleteCase{"TwentyFiveValues",
                                   "Normal,5,7,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", QString()},
                      CompleteCase{"All26Given",
                                   "Normal,5,7,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,40", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FillSheetFromTestFileTest, GivesTheSheetAsReadingLeavesIt) {
    const TestFileContents contents = ContentsOf(ReadBytes(Replaced(KnownFile, "ABredd,25", "ABredd,0")));
    const TrayAmounts amounts(contents.TrayValues.begin(), contents.TrayValues.end());
    TNewTabSheet sheet;
    FillSheetFromTestFile(sheet, contents, amounts);
    EXPECT_EQ(sheet.GetSpridarInstallning(), "18, v\u00E4nster skiva");
    EXPECT_EQ(sheet.GetProduktionsplats(), "K\u00F6ping ");
    EXPECT_EQ(sheet.GetABredd(), 10);
    EXPECT_EQ(sheet.GetBackuppstallning(), 0);
    EXPECT_EQ(sheet.GetTrayAmount(13), 98);
    EXPECT_EQ(sheet.GetTrayPosition(1), -12.25);
    EXPECT_EQ(sheet.GetTrayPosition(15), 1.75);
    EXPECT_TRUE(sheet.GetLeftPassReversed());
    EXPECT_TRUE(sheet.GetRightPassReversed());
    EXPECT_FALSE(sheet.GetOwnPassReversed());
}

}  // namespace
}  // namespace kaldoventri
