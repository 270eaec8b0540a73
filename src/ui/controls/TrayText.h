// Tray amounts as the user types them: whole numbers in text fields. The one
// reading of a tray text, for the main window's strip and the test entry
// dialog alike.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

#include "workbook/Workbook.h"

namespace kaldoventri {

// The largest amount a tray field takes from the keyboard: five digits, as
// many as every tray field shows whole, and far more than a tray catches in
// any unit offered. A test file may hold more; the fields show it as it is.
inline constexpr qint32 LargestTypedAmount = 99999;

// The whole number a tray text stands for; nothing for an empty text, pasted
// letters or more digits than 32 bits hold.
std::optional<qint32> TrayAmountOf(const QString& text);

// The same, or the end of the command with the Swedish conversion message
// naming the tray ("Back 5: 'x46' är inget heltal") as a CommandError.
qint32 TrayAmountOrError(const QString& text, int tray);

// "Back 5: 'x46' är inget heltal".
QString TrayNotAWholeNumberMessage(int tray, const QString& text);
// "För stort värde i back 7: högst 99 999." for a typed amount beyond LargestTypedAmount.
QString TooLargeAmountMessage(int tray);

// What a row of tray fields holds, tray 1 first: the whole numbers of the
// fields up to the first one that holds other text, which is then `refused`.
struct TrayReading {
    TrayEntries amounts;
    bool anyEmpty = false;
    std::optional<QString> refused;
    int refusedTray = 0;
};
TrayReading ReadTrayTexts(const QStringList& texts);

}  // namespace kaldoventri
