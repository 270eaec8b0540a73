// Test files into the archive, as the command line's --import and the archive
// window's "Importera mapp..." do it: every .vkf below a folder, each file
// read as "Öppna" reads it and kept in its own transaction, a file that
// cannot be read counted and passed over, and the same closing counts.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "archive/TestArchive.h"
#include "files/TestSheetReading.h"

namespace kaldoventri {

// The files given and every .vkf below the folders given, each folder's in name order.
QStringList TestFilesOf(const QStringList& paths);

struct ImportOutcome {
    enum class Kind { New, AlreadyThere, Unreadable, ArchiveFailed };
    Kind kind = Kind::New;
    std::optional<OpenFailure> failure;  // Unreadable: why
    QString archiveError;  // ArchiveFailed: the archive's message
};

// Reads the file and keeps its test.
ImportOutcome ImportTestFile(TestArchive& archive, const QString& path);

struct ImportCounts {
    int added = 0, existing = 0, unreadable = 0;
    void Count(const ImportOutcome& outcome);
};

// "3 nya prov, 1 fanns redan, 0 kunde inte läsas"
QString ImportCountsText(const ImportCounts& counts);

}  // namespace kaldoventri
