// Tray texts to amounts.
#include "workbook/TrayText.h"

#include "files/WholeNumber.h"
#include "workbook/CommandError.h"

namespace kaldoventri {

qint32 WholeNumberOrError(const QString& text) {
    const std::optional<qint32> value = ParseWholeNumber(text);
    if (!value) throw CommandError(NotAValidIntegerMessage(text));
    return *value;
}

}  // namespace kaldoventri
