// General number formatting. std::to_chars never looks at the C locale, which
// the Qt application sets from the environment, so the decimal separator is
// always the one handed in.
#include "NumberText.h"

#include <charconv>

namespace kaldoventri {

std::string FormatGeneral(double value, std::string_view decimalSeparator) {
    if (value == 0.0) value = 0.0;  // -0 too
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text;
    for (const char* p = buffer; p != result.ptr; ++p) {
        if (*p == '.')
            text += decimalSeparator;
        else
            text += *p;
    }
    return text;
}

}  // namespace kaldoventri
