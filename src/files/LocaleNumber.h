// Numbers in the locale's decimal form, as QString: the program's one number
// formatter (FormatGeneral) with the locale's decimal separator.
#pragma once

#include <QLocale>
#include <QString>

namespace kaldoventri {

// 12 -> "12", 12.5 -> "12,5" (Swedish), 1234567 -> "1234567".
QString FormatNumber(double value, const QLocale& locale = QLocale());

}  // namespace kaldoventri
