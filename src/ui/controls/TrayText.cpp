// Tray texts to amounts.
#include "ui/controls/TrayText.h"

#include <QLocale>

#include "files/WholeNumber.h"
#include "ui/support/CommandError.h"

namespace kaldoventri {

std::optional<qint32> TrayAmountOf(const QString& text) { return ParseWholeNumber(text); }

qint32 TrayAmountOrError(const QString& text, int tray) {
    const std::optional<qint32> value = TrayAmountOf(text);
    if (!value) throw CommandError(TrayNotAWholeNumberMessage(tray, text));
    return *value;
}

QString TrayNotAWholeNumberMessage(int tray, const QString& text) {
    return QStringLiteral("Back %1: ").arg(tray) + NotAWholeNumberInSwedish(text);
}

QString TooLargeAmountMessage(int tray) {
    return QStringLiteral("För stort värde i back %1: högst %2.").arg(tray).arg(QLocale().toString(LargestTypedAmount));
}

TrayReading ReadTrayTexts(const QStringList& texts) {
    TrayReading reading;
    reading.amounts.resize(static_cast<std::size_t>(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i) {
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
