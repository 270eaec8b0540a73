// Whole numbers as they are typed into tray fields and stored in test files.
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace kaldoventri {

// An optional "+" or "-" followed by one or more ASCII digits, within the
// 32-bit signed range; leading zeros are allowed ("007" is 7). Anything else,
// blanks, an empty text and digits of other scripts included, gives nothing.
std::optional<qint32> ParseWholeNumber(QStringView text);

// The error shown when a text that should be a whole number is not one:
// "'<text>' is not a valid integer value".
QString NotAValidIntegerMessage(QStringView text);
// The same in Swedish: "'x46' är inget heltal".
QString NotAWholeNumberInSwedish(QStringView text);

}  // namespace kaldoventri
