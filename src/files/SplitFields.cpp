// Field splitting of text lines.
#include "SplitFields.h"

#include "FieldCursor.h"

namespace kaldoventri {

QStringList SplitFields(QStringView line, QStringView separators) {
    FieldCursor cursor(line, [separators](QChar c) { return separators.contains(c); });
    QStringList fields;
    while (const auto field = cursor.Next()) fields.append(field->toString());
    return fields;
}

}  // namespace kaldoventri
