// The display texts of evaluation/DisplayText.h for the Qt layers: as
// QString, with the locale's decimal separator (QLocale() unless told).
#pragma once

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

#include "evaluation/DisplayText.h"

namespace kaldoventri {

// The locale's decimal separator as UTF-8, for the texts of DisplayText.h.
std::string DecimalSeparatorOf(const QLocale& locale = QLocale());

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// 12 -> "12", 12.5 -> "12,5" (Swedish), 1234567 -> "1234567".
QString FormatNumber(double value, const QLocale& locale = QLocale());
// "12,5 m"
QString MetresText(double metres, const QLocale& locale);
// A width in half-metres in metres: "12,5 m".
QString WidthText(int halfMetres, const QLocale& locale);
// "2,2 %"
QString PercentText(double percent, const QLocale& locale);

}  // namespace kaldoventri
