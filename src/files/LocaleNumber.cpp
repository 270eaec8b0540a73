// Numbers in the locale's decimal form.
#include "LocaleNumber.h"

#include "evaluation/NumberText.h"

namespace kaldoventri {

QString FormatNumber(double value, const QLocale& locale) {
    return QString::fromStdString(FormatGeneral(value, locale.decimalPoint().toStdString()));
}

}  // namespace kaldoventri
