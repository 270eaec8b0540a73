// "Importera mapp...": every .vkf below a folder into the archive, on a
// thread of its own with its own connection, so the archive window stays
// responsive while thousands of files are read. Progress and the end come
// back as queued signals.
#pragma once

#include <QObject>
#include <QStringList>
#include <QThread>

#include "archive/ArchiveLocation.h"

namespace kaldoventri {

struct FolderImportResult {
    QString counts;        // "3 nya prov, 1 fanns redan, 2 kunde inte läsas"
    QStringList refusals;  // one line per file not read, naming it and why
    QString archiveError;  // the archive failed: the files after it were not tried
};

class FolderImport : public QObject {
    Q_OBJECT

public:
    // Starts at once; the object deletes itself after `finished`.
    FolderImport(const ArchiveLocation& location, const QString& password, const QString& folder, QObject* parent = nullptr);
    ~FolderImport() override;

    // Asks the thread to stop after the file it is reading.
    void Cancel() { thread_.requestInterruption(); }

signals:
    void progressed(int done, int total);
    void finished(const kaldoventri::FolderImportResult& result);

private:
    QThread thread_;
};

}  // namespace kaldoventri
