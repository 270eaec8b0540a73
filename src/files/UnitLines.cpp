#include "UnitLines.h"

#include <cmath>

#include "TestFileFormat.h"

namespace kaldoventri {

namespace {

using namespace testfile;

std::optional<double> PositiveNumber(const std::optional<QByteArrayView>& field) {
    if (!field) return std::nullopt;
    bool ok = false;
    const double v = field->toByteArray().toDouble(&ok);
    if (!ok || !std::isfinite(v) || !(v > 0.0)) return std::nullopt;
    return v;
}

}  // namespace

std::optional<bool> UnitLines::Take(QByteArrayView key, Cursor& cursor, qint64 lineNumber) {
    if (key == KeyBackyta) return TakePositive(cursor, lineNumber, "Backyta", "0.25", units_.trayArea);
    if (key == KeyDensitet) {
        densityLine_ = lineNumber;
        return TakePositive(cursor, lineNumber, "Densitet", "1.05", units_.density);
    }
    if (key == KeyMalgiva) return TakePositive(cursor, lineNumber, "Målgiva", "200", units_.target);
    if (key == KeyEnhet) return TakeUnit(cursor, lineNumber);
    return std::nullopt;
}

std::optional<QString> UnitLines::Finish() {
    const bool volume = units_.unit && units_.unit->kind == AmountKind::Volume;
    if (units_.density && !volume)
        return QStringLiteral("rad %1 (Densitet): en densitet hör bara till enheten ml").arg(*densityLine_);
    return std::nullopt;
}

// A field after the number is refused too: "Backyta,0,25" is a decimal
// comma, and taking it for 0 or 25 would be off by orders of magnitude.
bool UnitLines::TakePositive(Cursor& cursor, qint64 lineNumber, const char* key, const char* example,
                             std::optional<double>& target) {
    const auto value = PositiveNumber(cursor.Next());
    if (!value || cursor.Next())
        return Refuse(lineNumber, key, QStringLiteral("ett positivt tal med decimalpunkt väntas, som ") + QLatin1String(example));
    target = *value;
    return true;
}

bool UnitLines::TakeUnit(Cursor& cursor, qint64 lineNumber) {
    const auto size = PositiveNumber(cursor.Next());
    if (!size) return Refuse(lineNumber, "Enhet", QStringLiteral("ett positivt tal med decimalpunkt väntas, som 0.1,g"));
    const auto kind = cursor.Next();
    if (!kind || (*kind != UnitGrams && *kind != UnitMillilitres))
        return Refuse(lineNumber, "Enhet", QStringLiteral("enheten ska vara g eller ml"));
    units_.unit = AmountUnit{*size, *kind == UnitGrams ? AmountKind::Mass : AmountKind::Volume};
    return true;
}

bool UnitLines::Refuse(qint64 lineNumber, const char* key, const QString& reason) {
    if (refusal_.isEmpty())
        refusal_ = QStringLiteral("rad %1 (%2): %3").arg(lineNumber).arg(QString::fromUtf8(key), reason);
    return false;
}

}  // namespace kaldoventri
