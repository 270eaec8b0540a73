// The optional unit lines of a test file (Backyta, Enhet, Densitet, Målgiva),
// read in any order after the layout's lines.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

#include "FieldCursor.h"
#include "evaluation/SheetUnits.h"

namespace kaldoventri {

class UnitLines {
public:
    using Cursor = FieldCursor<QByteArrayView, bool (*)(char)>;

    // Nothing when `key` is no unit line's; else whether its value could be
    // read (a refusal is kept as Refusal()).
    std::optional<bool> Take(QByteArrayView key, Cursor& cursor, qint64 lineNumber);

    // The units, or why they do not go together (a density without ml).
    std::optional<QString> Finish();

    const SheetUnits& Units() const { return units_; }
    // Set when a unit line could not be read: the reason, naming the line.
    const QString& Refusal() const { return refusal_; }

private:
    bool TakePositive(Cursor& cursor, qint64 lineNumber, const char* key, const char* example,
                      std::optional<double>& target);
    bool TakeUnit(Cursor& cursor, qint64 lineNumber);
    bool Refuse(qint64 lineNumber, const char* key, const QString& reason);

    SheetUnits units_;
    QString refusal_;
    std::optional<qint64> densityLine_;
};

}  // namespace kaldoventri
