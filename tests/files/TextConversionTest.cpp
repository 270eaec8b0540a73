// The small text conversions under the file format: number display, whole
// numbers, field splitting and code page 1252.
#include <QLocale>
#include <QStringDecoder>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

#include "TestFileFixtures.h"
#include "files/Cp1252.h"
#include "display/LocaleText.h"
#include "files/SplitFields.h"
#include "files/WholeNumber.h"

namespace kaldoventri {
namespace {

struct FormatCase {
    const char* name;
    double value;
    QLocale::Language language;
    const char* expected;
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, ShortestFormWithLocaleSeparator) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, QLocale(c.language)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatNumberTest,
    ::testing::Values(FormatCase{"Whole", 12.0, QLocale::Swedish, "12"},
                      FormatCase{"HalfSwedish", 12.5, QLocale::Swedish, "12,5"},
                      FormatCase{"HalfEnglish", 12.5, QLocale::English, "12.5"},
                      FormatCase{"NotExactInBinary", 6.8, QLocale::Swedish, "6,8"},
                      FormatCase{"FifteenDigitsHideBinaryNoise", 0.1 + 0.2, QLocale::Swedish, "0,3"},
                      FormatCase{"NoGroupSeparator", 1234567.0, QLocale::Swedish, "1234567"},
                      FormatCase{"NoGroupSeparatorEnglish", 1234567.25, QLocale::English, "1234567.25"},
                      FormatCase{"NegativeHasPlainMinus", -6.8, QLocale::Swedish, "-6,8"},
                      FormatCase{"NegativeZero", -0.0, QLocale::Swedish, "0"},
                      FormatCase{"FifteenSignificantDigits", 2.0 / 3.0, QLocale::Swedish, "0,666666666666667"}),
    [](const auto& info) { return std::string(info.param.name); });

struct WholeCase {
    const char* name;
    const char16_t* text;
    std::optional<qint32> expected;
};

class ParseWholeNumberTest : public ::testing::TestWithParam<WholeCase> {};

TEST_P(ParseWholeNumberTest, AcceptsSignAndDigitsWithin32Bits) {
    const WholeCase& c = GetParam();
    EXPECT_EQ(ParseWholeNumber(QStringView(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseWholeNumberTest,
    ::testing::Values(WholeCase{"Plain", u"42", 42}, WholeCase{"Zero", u"0", 0},
                      WholeCase{"LeadingZeros", u"007", 7}, WholeCase{"Minus", u"-5", -5},
                      WholeCase{"Plus", u"+5", 5}, WholeCase{"MinusZero", u"-0", 0},
                      WholeCase{"Largest", u"2147483647", 2147483647},
                      WholeCase{"Smallest", u"-2147483648", -2147483647 - 1},
                      WholeCase{"ManyLeadingZeros", u"000000000000000000002147483647", 2147483647},
                      WholeCase{"OneAboveLargest", u"2147483648", std::nullopt},
                      WholeCase{"OneBelowSmallest", u"-2147483649", std::nullopt},
                      WholeCase{"FarTooLong", u"99999999999999999999999999", std::nullopt},
                      WholeCase{"Empty", u"", std::nullopt}, WholeCase{"SignAlone", u"-", std::nullopt},
                      WholeCase{"TwoSigns", u"+-5", std::nullopt}, WholeCase{"Fraction", u"12.5", std::nullopt},
                      WholeCase{"DecimalComma", u"12,5", std::nullopt}, WholeCase{"Exponent", u"1e3", std::nullopt},
                      WholeCase{"Letters", u"abc", std::nullopt}, WholeCase{"Hex", u"0x1F", std::nullopt},
                      WholeCase{"LeadingBlank", u" 5", std::nullopt}, WholeCase{"TrailingBlank", u"5 ", std::nullopt},
                      WholeCase{"Tab", u"5\t", std::nullopt},
                      WholeCase{"ArabicIndicDigits", u"\u0664\u0662", std::nullopt},
                      WholeCase{"FullwidthDigit", u"\uFF15", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NotAValidIntegerMessageTest, QuotesTheTextUnchanged) {
    EXPECT_EQ(NotAValidIntegerMessage(u"12.5"), QStringLiteral("'12.5' is not a valid integer value"));
    EXPECT_EQ(NotAValidIntegerMessage(u"%1 %s"), QStringLiteral("'%1 %s' is not a valid integer value"));
    EXPECT_EQ(NotAValidIntegerMessage(u""), QStringLiteral("'' is not a valid integer value"));
}

struct SplitCase {
    const char* name;
    const char16_t* line;
    QStringList expected;
};

class SplitFieldsTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitFieldsTest, CommaAndBlankSeparate) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitFields(QStringView(c.line)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitFieldsTest,
    ::testing::Values(SplitCase{"Empty", u"", {}}, SplitCase{"SeparatorsOnly", u" ,, , ", {}},
                      SplitCase{"KeyAlone", u"ABredd", {"ABredd"}},
                      SplitCase{"KeyWithComma", u"ABredd,", {"ABredd"}},
                      SplitCase{"KeyAndValue", u"ABredd,24", {"ABredd", "24"}},
                      SplitCase{"LeadingSeparatorsSkipped", u" ,ABredd,24", {"ABredd", "24"}},
                      SplitCase{"RunCountsAsOne", u"Normal,,1 , 2", {"Normal", "1", "2"}},
                      SplitCase{"BlankSplitsWords", u"SpridarModell,ZA-M 1500", {"SpridarModell", "ZA-M", "1500"}},
                      SplitCase{"TabAndLineFeedAreCharacters", u"a\tb,c\nd", {"a\tb", "c\nd"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitFieldsTest, OtherSeparatorSet) {
    EXPECT_EQ(SplitFields(u";a;;b c", u";"), QStringList({"a", "b c"}));
}

TEST(Cp1252Test, DecodingAgreesWithTheSystemCodec) {
    QStringDecoder system("windows-1252");
    if (!system.isValid()) GTEST_SKIP() << "no windows-1252 codec on this Qt";
    for (int b = 0; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;  // undefined bytes
        const QByteArray byte(1, static_cast<char>(b));
        EXPECT_EQ(DecodeCp1252(byte), QString(system.decode(byte))) << "byte " << b;
    }
}

TEST(Cp1252Test, EveryByteSurvivesDecodeAndEncodeExceptLineBreakers) {
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        const QByteArray expected = (b == 0x0D || b == 0x0A || b == 0x1A) ? QByteArray("?") : byte;
        EXPECT_EQ(EncodeCp1252(DecodeCp1252(byte)), expected) << "byte " << b;
    }
}

struct EncodeCase {
    const char* name;
    const char16_t* text;
    QByteArray expected;
};

class EncodeCp1252Test : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeCp1252Test, OneBytePerCharacter) {
    const EncodeCase& c = GetParam();
    EXPECT_EQ(EncodeCp1252(QStringView(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodeCp1252Test,
    ::testing::Values(EncodeCase{"SwedishLetters", u"\u00E5\u00E4\u00F6\u00C5\u00C4\u00D6", "\xE5\xE4\xF6\xC5\xC4\xD6"},
                      EncodeCase{"EuroAndDashes", u"\u20AC\u2013\u2014\u2122", "\x80\x96\x97\x99"},
                      EncodeCase{"LastHighCharacter", u"\u0178", "\x9F"},
                      EncodeCase{"OutsideTheCodePage", u"a\u0101b\u4E2D", "a?b?"},
                      EncodeCase{"SurrogatePairIsOneCharacter", u"x\U0001F600y", "x?y"},
                      EncodeCase{"LoneSurrogate", u"x\xD800y", "x?y"},
                      EncodeCase{"LineBreakersReplaced", u"a\rb\nc\x1A" "d", "a?b?c?d"},
                      EncodeCase{"ControlCharacterWithoutGlyph", u"\u0080", "?"},
                      EncodeCase{"TabKept", u"a\tb", "a\tb"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri
