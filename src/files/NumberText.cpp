// Number formatting for labels and the working-width line.
#include "NumberText.h"

namespace kaldoventri {

QString FormatNumber(double value, const QLocale& locale) {
    // The C form has no group separators and a plain minus sign whatever the
    // locale says; only the decimal point is the user's. -0 shows as 0.
    if (value == 0.0) value = 0.0;
    QString text = QString::number(value, 'g', 15);
    const QString point = locale.decimalPoint();
    if (point != u".") text.replace(u'.', point);
    return text;
}

}  // namespace kaldoventri
