// An output file written as a whole or not at all: the bytes go to a file
// beside the target, which replaces the target only once everything is on
// disk. A failure or a cancelled run leaves no partial file, and an old file
// of that name as it was.
#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

namespace kaldoventri {

struct SaveOutcome {
    enum class Kind { Saved, Cancelled, Failed };
    Kind kind = Kind::Saved;
    QString error;    // for Failed: the standard wording ("Disk full", "File access denied" ...)
    QString swedish;  // the same in Swedish ("disken är full", "mappen finns inte" ...)
};

// Opens `path` for writing and hands the device to `write`, which answers
// false to cancel.
SaveOutcome SaveThrough(const QString& path, const std::function<bool(QIODevice&)>& write);

}  // namespace kaldoventri
