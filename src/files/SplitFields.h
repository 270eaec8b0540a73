// Cuts a line of a test file into its fields.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace kaldoventri {

// The separators of every test file line: comma and blank.
inline constexpr QStringView FieldSeparators = u", ";

// The fields of `line` in order. Any character of `separators` separates;
// leading separators are skipped, a run of them counts as one, and a line of
// separators only (or an empty one) has no fields.
QStringList SplitFields(QStringView line, QStringView separators = FieldSeparators);

}  // namespace kaldoventri
