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

// The whole number a tray text stands for; nothing for an empty text, pasted
// letters or more digits than 32 bits hold.
std::optional<qint32> TrayAmountOf(const QString& text);

// The same, or the end of the command with the standard conversion message
// ("'x46' is not a valid integer value") as a CommandError.
qint32 TrayAmountOrError(const QString& text);

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
