// The shape check: which files count as test files. The reader checks the same
// shape while it reads, so every case is put to both.
#include <QByteArrayList>

#include <gtest/gtest.h>

#include "TestFileFixtures.h"
#include "files/TestFileFormat.h"

namespace kaldoventri {
namespace {

using testing::KnownFile;

// `file` (KnownFile unless given) with line `number` (1-based) replaced by `line`.
QByteArray WithLine(const QByteArray& file, int number, const QByteArray& line) {
    QByteArrayList lines = file.chopped(2).split('\n');
    lines[number - 1] = line + '\r';
    return lines.join('\n') + '\n';
}

QByteArray WithLine(int number, const QByteArray& line) { return WithLine(KnownFile, number, line); }

QByteArray WithoutLastLine() { return KnownFile.left(KnownFile.lastIndexOf("Backuppst")); }

struct ShapeCase {
    const char* name;
    QByteArray file;
    bool isTestFile;
};

class ShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeTest, IsTestFileAndReaderAgree) {
    const ShapeCase& c = GetParam();
    EXPECT_EQ(testing::IsTestFileBytes(c.file), c.isTestFile);
    const TestFileReadResult read = testing::ReadBytes(c.file);
    const auto* error = std::get_if<TestFileError>(&read);
    EXPECT_EQ(error && error->kind == TestFileError::Kind::NotATestFile, !c.isTestFile);
}

const QByteArray Hyphens57(57, '-');
const QByteArray Hyphens58(58, '-');
const QByteArray Hyphens59(59, '-');

INSTANTIATE_TEST_SUITE_P(
    Refused, ShapeTest,
    ::testing::Values(
        ShapeCase{"MagicInUpperCase", WithLine(1, "KALDOVENTRI"), false},
        ShapeCase{"MagicInLowerCase", WithLine(1, "kaldoventri"), false},
        ShapeCase{"MagicWithTrailingBlank", WithLine(1, "Kaldoventri "), false},
        ShapeCase{"MagicWithLeadingBlank", WithLine(1, " Kaldoventri"), false},
        ShapeCase{"MagicWithCommaAndMore", WithLine(1, "Kaldoventri,1.0"), false},
        ShapeCase{"MagicCutShort", WithLine(1, "Kaldoventr"), false},
        ShapeCase{"ElevenLines", WithoutLastLine(), false},
        ShapeCase{"MagicLineAlone", "Kaldoventri\r\n", false},
        ShapeCase{"EmptyFile", "", false},
        ShapeCase{"LineFeedOnlyLineEnds", QByteArray(KnownFile).replace("\r\n", "\n"), false},
        ShapeCase{"KeyInLowerCase", WithLine(2, "normal,1,2,3"), false},
        ShapeCase{"KeyWithTrailingLetter", WithLine(4, "SpridarModellX,a"), false},
        ShapeCase{"KeyWithoutSwedishLetter", WithLine(12, "Backuppstallning,1"), false},
        ShapeCase{"KeyInUtf8", WithLine(7, "G\xC3\xB6" "dselFabrikat,Yara"), false},
        ShapeCase{"Hyphens57", WithLine(10, Hyphens57), false},
        ShapeCase{"Hyphens59", WithLine(10, Hyphens59), false},
        ShapeCase{"EmptyLineAmongTheTwelve", WithLine(5, ""), false},
        ShapeCase{"SeparatorsOnlyAmongTheTwelve", WithLine(9, " , ,"), false},
        ShapeCase{"LinesSwapped", WithLine(WithLine(3, "SpridarModell,a"), 4, "SpridarFabrikat,b"), false},
        ShapeCase{"TextEndBeforeTheTwelfthLine", WithLine(11, "ABredd,25\x1A"), false},
        ShapeCase{"ArbetsbreddKeyMissing", WithLine(6, "12,5 m"), false},
        ShapeCase{"OverLongLineAmongTheTwelve",
                  WithLine(3, "SpridarFabrikat," + QByteArray(testfile::MaxLineBytes, 'x')), false}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Accepted, ShapeTest,
    ::testing::Values(
        ShapeCase{"AsWritten", KnownFile, true},
        ShapeCase{"ExtraLinesAfterTheTwelfth", KnownFile + "Kommentar,fr\xE5n f\xE4ltet\r\n\r\n , \r\nx", true},
        ShapeCase{"KeyLinesWithoutValues",
                  WithLine(3, "SpridarFabrikat").replace("ABredd,25", "ABredd,").replace("Normal,6,", "Normal ,,6,"),
                  true},
        ShapeCase{"SeparatorsBeforeAKey", WithLine(8, " ,G\xF6" "dselMedel,NS"), true},
        ShapeCase{"HyphensFollowedBySeparatorsAndFields", WithLine(10, Hyphens58 + " ,x y"), true},
        ShapeCase{"CarriageReturnOnlyLineEnds", QByteArray(KnownFile).replace("\r\n", "\r"), true},
        ShapeCase{"LastLineWithoutLineEnd", KnownFile.chopped(2), true},
        ShapeCase{"TextEndAfterTheTwelfthLine", KnownFile + "\x1A" "Kaldoventri\r\nGarbage\r\n", true},
        ShapeCase{"TextEndRightAfterTheLastValue", KnownFile.chopped(2) + "\x1A\r\nmore", true},
        ShapeCase{"LineFeedInsideAValue", WithLine(4, "SpridarModell,ZA\nM"), true},
        ShapeCase{"ArbetsbreddValueNotLookedAt", WithLine(6, "Arbetsbredd,99 m"), true},
        ShapeCase{"ValuesNotLookedAt", WithLine(11, "ABredd,abc"), true}),
    [](const auto& info) { return std::string(info.param.name); });

// The check stops at the twelfth line; the reader goes on and refuses a line
// it will not hold in memory wherever it stands.
TEST(ShapeTest, OverLongLineAfterTheTwelfthRefusedByTheReaderAlone) {
    const QByteArray file = KnownFile + "Kommentar," + QByteArray(testfile::MaxLineBytes, 'x') + "\r\n";
    EXPECT_TRUE(testing::IsTestFileBytes(file));
    const TestFileReadResult read = testing::ReadBytes(file);
    ASSERT_TRUE(std::holds_alternative<TestFileError>(read));
    EXPECT_EQ(std::get<TestFileError>(read).kind, TestFileError::Kind::NotATestFile);
    const QByteArray longestAllowed = KnownFile + "Kommentar," + QByteArray(testfile::MaxLineBytes - 10, 'x') + "\r\n";
    EXPECT_TRUE(std::holds_alternative<TestFileContents>(testing::ReadBytes(longestAllowed)));
}

// The reader would refuse "ValuesNotLookedAt" with a conversion error, not as
// a file of the wrong shape; the table above only asks whether it is one.

struct LargeCase {
    const char* name;
    QByteArray head;
    QByteArray pattern;
    qint64 mostBytesRead;
};

constexpr qint64 OneReadBuffer = 64 * 1024;

class LargeFileTest : public ::testing::TestWithParam<LargeCase> {};

// A 100 MB file is refused at once: the check takes in one read buffer, or
// one longest allowed line, of it.
TEST_P(LargeFileTest, RefusedWithoutReadingItAll) {
    const LargeCase& c = GetParam();
    constexpr qint64 size = 100'000'000;

    testing::GeneratedDevice forCheck(c.head, c.pattern, size);
    EXPECT_FALSE(IsTestFile(forCheck));
    EXPECT_LE(forCheck.BytesHandedOut(), c.mostBytesRead);

    testing::GeneratedDevice forReader(c.head, c.pattern, size);
    const TestFileReadResult read = ReadTestFile(forReader);
    ASSERT_TRUE(std::holds_alternative<TestFileError>(read));
    EXPECT_EQ(std::get<TestFileError>(read).kind, TestFileError::Kind::NotATestFile);
    EXPECT_LE(forReader.BytesHandedOut(), c.mostBytesRead);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LargeFileTest,
    ::testing::Values(LargeCase{"BinaryData", "", QByteArray("\x00\x01\xFF\r\n\x7F", 6), OneReadBuffer},
                      LargeCase{"FirstLineOf100MB", "", "Kaldoventri", OneReadBuffer},
                      LargeCase{"ManyShortLines", "", "Kaldoventri\r\n", OneReadBuffer},
                      LargeCase{"ManyShortLinesAfterTheMagic", "Kaldoventri\r\n", "x\r\n", OneReadBuffer},
                      LargeCase{"LongSecondLine", "Kaldoventri\r\n", "Normal,1,2,3,",
                                testfile::MaxLineBytes + OneReadBuffer}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri
