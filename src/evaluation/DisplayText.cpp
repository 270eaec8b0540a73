// Display texts. std::to_chars never looks at the C locale, which the Qt
// application sets from the environment, so the decimal separator is always
// the one handed in.
#include "DisplayText.h"

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

std::string MetresText(double metres, std::string_view decimalSeparator) {
    return FormatGeneral(metres, decimalSeparator) + " m";
}

std::string WidthText(int halfMetres, std::string_view decimalSeparator) {
    return MetresText(halfMetres / 2.0, decimalSeparator);
}

std::string PercentText(double percent, std::string_view decimalSeparator) {
    return FormatGeneral(percent, decimalSeparator) + " %";
}

std::string WorkingWidthText(int halfMetres, DrivingPattern pattern, std::string_view decimalSeparator) {
    return WidthText(halfMetres, decimalSeparator) + (pattern == DrivingPattern::Racetrack ? ", varvkörning" : "");
}

std::string LayoutName(int layout) { return layout == Layout12m ? "12 m" : "24 m"; }

std::string_view DrivingPatternName(DrivingPattern pattern) {
    return pattern == DrivingPattern::Racetrack ? "Varvkörning" : "Fram och tillbaka";
}

std::string_view ToleranceClassName(ToleranceClass tolerance) {
    switch (tolerance) {
        case ToleranceClass::MycketBra: return "Mycket bra";
        case ToleranceClass::Bra: return "Bra";
        case ToleranceClass::Godtagbar: return "Godtagbar";
        case ToleranceClass::Otillracklig: return "Otillräcklig";
    }
    return {};
}

std::string ToleranceClassRange(ToleranceClass tolerance, std::string_view decimalSeparator) {
    const auto index = static_cast<std::size_t>(tolerance);
    if (index < ToleranceClassLimits.size()) return "under " + PercentText(ToleranceClassLimits[index], decimalSeparator);
    return PercentText(ToleranceClassLimits.back(), decimalSeparator) + " och mer";
}

}  // namespace kaldoventri
