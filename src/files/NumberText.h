// How the program writes a real number for the user: in labels, in the test
// entry dialog and on the working-width line of a test file.
#pragma once

#include <QLocale>
#include <QString>

namespace kaldoventri {

// Shortest general form with up to 15 significant digits, the locale's decimal
// separator and no group separators: 12 -> "12", 12.5 -> "12,5" (Swedish),
// 1234567 -> "1234567". Negative numbers carry an ASCII minus sign.
QString FormatNumber(double value, const QLocale& locale = QLocale());

}  // namespace kaldoventri
