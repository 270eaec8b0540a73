// Tray amounts as the user types them: whole numbers in text fields.
#pragma once

#include <QString>
#include <QtGlobal>

namespace kaldoventri {

// The whole number a tray text stands for. Any other text (pasted letters,
// more digits than 32 bits hold, an empty text) ends the command with the
// standard conversion message, as a CommandError.
qint32 WholeNumberOrError(const QString& text);

}  // namespace kaldoventri
