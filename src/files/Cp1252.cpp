// Code page 1252: Latin-1 except for 80..9F, which hold typographic characters.
#include "Cp1252.h"

#include <array>

namespace kaldoventri {

namespace {

// Characters of bytes 80..9F; the undefined bytes map to themselves.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

constexpr char Replacement = '?';

bool BreaksTheText(char16_t c) { return c == u'\r' || c == u'\n' || c == 0x1A; }

char EncodeOne(char16_t c) {
    if (BreaksTheText(c)) return Replacement;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i)
        if (HighControlRange[i] == c) return static_cast<char>(0x80 + i);
    return Replacement;
}

// Calls `each` with every character of the text (a surrogate pair as one)
// and whether a test file can hold it.
template <typename Each>
void ForEachCharacter(QStringView text, Each each) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView one = text.mid(i, pair ? 2 : 1);
        if (pair) ++i;
        each(one, !pair && (one[0] == u'?' || EncodeOne(one[0].unicode()) != Replacement));
    }
}

}  // namespace

QString DecodeCp1252(QByteArrayView bytes) {
    // Latin-1 first, which Qt converts in bulk; then the few bytes where the
    // two code pages differ.
    QString text = QString::fromLatin1(bytes);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        if (out[i] >= 0x80 && out[i] < 0xA0) out[i] = HighControlRange[out[i] - 0x80];
    return text;
}

QStringList Unrepresentable(QStringView text) {
    QStringList lost;
    ForEachCharacter(text, [&lost](QStringView one, bool held) {
        if (!held && !lost.contains(one)) lost << one.toString();
    });
    return lost;
}

QString Representable(QStringView text) {
    QString kept;
    ForEachCharacter(text, [&kept](QStringView one, bool held) {
        if (held) kept += one;
    });
    return kept;
}

QByteArray EncodeCp1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes.append(Replacement);
            ++i;
            continue;
        }
        bytes.append(EncodeOne(c.unicode()));
    }
    return bytes;
}

}  // namespace kaldoventri
