// The test record's lines of a test file (Provdatum, Kund, Provare,
// Körhastighet, Varvtal, Vind, Anteckning): read in any order after the
// others, each at most once; a value that cannot be taken refuses the file
// with a reason naming the line. Texts are decoded once the file's encoding
// is known, as the descriptions are.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <set>

#include "FieldCursor.h"
#include "TestFileFormat.h"
#include "evaluation/TestRecord.h"

namespace kaldoventri {

class RecordLines {
public:
    using Cursor = FieldCursor<QByteArrayView, bool (*)(char)>;

    // Nothing when `key` is no record line's; else whether its value could be taken.
    std::optional<bool> Take(QByteArrayView key, Cursor& cursor, qint64 lineNumber);
    // The record with its texts decoded, or why the note is too long.
    std::optional<QString> Finish(testfile::TextEncoding encoding);

    const TestRecord& Record() const { return record_; }
    const QString& Refusal() const { return refusal_; }

private:
    bool Refuse(qint64 lineNumber, QByteArrayView key, const QString& reason);

    TestRecord record_;
    QByteArray customer_, tester_, note_;
    qint64 noteLine_ = 0;
    std::set<QByteArray> seen_;
    QString refusal_;
};

// The record's lines as the writer appends them; nothing for an empty record.
QByteArray RecordLinesOf(const TestRecord& record);

}  // namespace kaldoventri
