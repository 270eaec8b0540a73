// Display texts in the locale's number form.
#include "display/LocaleText.h"

namespace kaldoventri {

std::string DecimalSeparatorOf(const QLocale& locale) { return locale.decimalPoint().toStdString(); }

QString FormatNumber(double value, const QLocale& locale) {
    return FromUtf8(FormatGeneral(value, DecimalSeparatorOf(locale)));
}

QString MetresText(double metres, const QLocale& locale) {
    return FromUtf8(MetresText(metres, std::string_view(DecimalSeparatorOf(locale))));
}

QString WidthText(int halfMetres, const QLocale& locale) {
    return FromUtf8(WidthText(halfMetres, std::string_view(DecimalSeparatorOf(locale))));
}

QString PercentText(double percent, const QLocale& locale) {
    return FromUtf8(PercentText(percent, std::string_view(DecimalSeparatorOf(locale))));
}

}  // namespace kaldoventri
