// Strict parsing of whole numbers and the error text for a refused one.
#include "WholeNumber.h"

#include <limits>

namespace kaldoventri {

std::optional<qint32> ParseWholeNumber(QStringView text) {
    qsizetype i = 0;
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'+' || text[0] == u'-')) {
        negative = text[0] == u'-';
        i = 1;
    }
    if (i == text.size()) return std::nullopt;

    // The magnitude of the most negative value is one more than the largest
    // positive one; stopping as soon as it is passed keeps the sum far from
    // 64-bit overflow however many digits follow.
    constexpr qint64 limit = qint64{std::numeric_limits<qint32>::max()} + 1;
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit) return std::nullopt;
    }
    if (negative) return static_cast<qint32>(-magnitude);
    if (magnitude == limit) return std::nullopt;
    return static_cast<qint32>(magnitude);
}

QString NotAValidIntegerMessage(QStringView text) {
    return u'\'' + text.toString() + QStringLiteral("' is not a valid integer value");
}

QString NotAWholeNumberInSwedish(QStringView text) { return u'\'' + text.toString() + QStringLiteral("' är inget heltal"); }

}  // namespace kaldoventri
