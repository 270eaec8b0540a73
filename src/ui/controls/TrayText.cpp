// Tray texts to amounts.
#include "ui/controls/TrayText.h"

#include "files/WholeNumber.h"
#include "ui/support/CommandError.h"

namespace kaldoventri {

std::optional<qint32> TrayAmountOf(const QString& text) { return ParseWholeNumber(text); }

qint32 TrayAmountOrError(const QString& text) {
    const std::optional<qint32> value = TrayAmountOf(text);
    if (!value) throw CommandError(NotAValidIntegerMessage(text));
    return *value;
}

TrayReading ReadTrayTexts(const QStringList& texts) {
    TrayReading reading;
    for (qsizetype i = 0; i < texts.size() && i < TrayCount; ++i) {
        const QString& text = texts[i];
        if (text.isEmpty()) {
            reading.anyEmpty = true;
            continue;
        }
        if (reading.refused) continue;
        if (const std::optional<qint32> value = TrayAmountOf(text))
            reading.amounts[static_cast<std::size_t>(i)] = *value;
        else {
            reading.refused = text;
            reading.refusedTray = static_cast<int>(i) + 1;
        }
    }
    return reading;
}

}  // namespace kaldoventri
