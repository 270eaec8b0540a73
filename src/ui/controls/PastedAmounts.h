// A list of amounts pasted into a tray field: a column or a row copied from a
// spreadsheet, or a scale's export, separated by line breaks, tabs,
// semicolons or spaces. Taken all or nothing: every value a whole number of
// zero or more, no more of them than trays from the focused one to the last.
#pragma once

#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace kaldoventri {

// The values of a pasted text; empty cells (a column's last line break, a
// spreadsheet's blank cell) are no values.
QStringList PastedValues(const QString& text);

// The amounts for trays `first`..., or the Swedish reason nothing is pasted:
// "30 värden men bara 26 backar från back 1", or the first bad value with its tray.
std::variant<std::vector<qint32>, QString> PastedAmounts(const QStringList& values, int first, int trayCount);

}  // namespace kaldoventri
