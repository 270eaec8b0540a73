#include "RecordLines.h"

#include <QDate>

#include <charconv>
#include <cmath>

#include "Cp1252.h"

namespace kaldoventri {

namespace {

using namespace testfile;

// A number with a decimal point and nothing after it: "10.5", never "10,5".
std::optional<double> DecimalNumber(const std::optional<QByteArrayView>& field) {
    if (!field) return std::nullopt;
    bool ok = false;
    const double v = field->toByteArray().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

QString KeyText(QByteArrayView key) { return DecodeCp1252(key); }

QString Shortest(double v) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

}  // namespace

std::optional<bool> RecordLines::Take(QByteArrayView key, Cursor& cursor, qint64 lineNumber) {
    const bool known = key == KeyProvdatum || key == KeyKund || key == KeyProvare || key == KeyKorhastighet ||
                       key == KeyVarvtal || key == KeyVind || key == KeyAnteckning;
    if (!known) return std::nullopt;
    if (!seen_.insert(key.toByteArray()).second) return Refuse(lineNumber, key, QStringLiteral("raden finns redan"));
    if (key == KeyKund) customer_ = cursor.Rest().toByteArray();
    if (key == KeyProvare) tester_ = cursor.Rest().toByteArray();
    if (key == KeyAnteckning) {
        note_ = cursor.Rest().toByteArray();
        noteLine_ = lineNumber;
    }
    if (key == KeyProvdatum) {
        const auto field = cursor.Next();
        const QString text = field ? QString::fromLatin1(field->toByteArray()) : QString();
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (!date.isValid() || text.size() != 10 || cursor.Next())
            return Refuse(lineNumber, key, QStringLiteral("ett datum väntas, som 2026-04-12"));
        record_.date = text.toStdString();
    }
    if (key == KeyKorhastighet || key == KeyVind) {
        const auto value = DecimalNumber(cursor.Next());
        const bool speed = key == KeyKorhastighet;
        if (!value || (speed ? !(*value > 0) : !(*value >= 0)) || cursor.Next())
            return Refuse(lineNumber, key, speed ? QStringLiteral("ett positivt tal med decimalpunkt väntas, som 10.5")
                                                 : QStringLiteral("ett tal från 0 med decimalpunkt väntas, som 3.5"));
        (speed ? record_.speedKmh : record_.windMs) = *value;
    }
    if (key == KeyVarvtal) {
        const auto field = cursor.Next();
        bool ok = false;
        const int value = field ? field->toByteArray().toInt(&ok) : 0;
        if (!ok || value < 0 || cursor.Next()) return Refuse(lineNumber, key, QStringLiteral("ett heltal väntas, som 540"));
        record_.rpm = value;
    }
    return true;
}

std::optional<QString> RecordLines::Finish(testfile::TextEncoding encoding) {
    record_.customer = DecodeText(customer_, encoding).toStdString();
    record_.tester = DecodeText(tester_, encoding).toStdString();
    const QString note = DecodeText(note_, encoding);
    if (note.size() > TestRecord::NoteLength)
        return QStringLiteral("rad %1 (Anteckning): högst %2 tecken").arg(noteLine_).arg(TestRecord::NoteLength);
    record_.note = note.toStdString();
    return std::nullopt;
}

bool RecordLines::Refuse(qint64 lineNumber, QByteArrayView key, const QString& reason) {
    if (refusal_.isEmpty()) refusal_ = QStringLiteral("rad %1 (%2): %3").arg(lineNumber).arg(KeyText(key), reason);
    return false;
}

QByteArray RecordLinesOf(const TestRecord& record) {
    QByteArray out;
    const auto line = [&out](QByteArrayView key, const QString& value) {
        out.append(key);
        out.append(',');
        out.append(EncodeCp1252(value));
        out.append(LineEnd);
    };
    if (!record.date.empty()) line(KeyProvdatum, QString::fromStdString(record.date));
    if (!record.customer.empty()) line(KeyKund, QString::fromStdString(record.customer));
    if (!record.tester.empty()) line(KeyProvare, QString::fromStdString(record.tester));
    if (record.speedKmh) line(KeyKorhastighet, Shortest(*record.speedKmh));
    if (record.rpm) line(KeyVarvtal, QString::number(*record.rpm));
    if (record.windMs) line(KeyVind, Shortest(*record.windMs));
    if (!record.note.empty()) line(KeyAnteckning, QString::fromStdString(record.note));
    return out;
}

}  // namespace kaldoventri
