// The folder import's thread.
#include "ui/archive/FolderImport.h"

#include "archive/FileImport.h"
#include <functional>

#include "archive/TestArchive.h"

namespace kaldoventri {

namespace {

FolderImportResult ImportFolder(const ArchiveLocation& location, const QString& password, const QString& folder,
                                const std::function<void(int, int)>& progress) {
    FolderImportResult result;
    ImportCounts counts;
    // This thread's own connection: a Qt SQL connection belongs to the thread that opened it.
    auto opened = TestArchive::Open(location, password);
    if (auto* error = std::get_if<ArchiveError>(&opened)) {
        result.archiveError = error->message;
        result.counts = ImportCountsText(counts);
        return result;
    }
    TestArchive& archive = *std::get<std::unique_ptr<TestArchive>>(opened);
    const QStringList files = TestFilesOf({folder});
    const int total = static_cast<int>(files.size());
    progress(0, total);
    for (int i = 0; i < total && !QThread::currentThread()->isInterruptionRequested(); ++i) {
        const ImportOutcome outcome = ImportTestFile(archive, files[i]);
        counts.Count(outcome);
        if (outcome.failure) result.refusals << RefusalText(files[i], *outcome.failure);
        if (outcome.kind == ImportOutcome::Kind::ArchiveFailed) {
            result.archiveError = outcome.archiveError;
            break;
        }
        progress(i + 1, total);
    }
    result.counts = ImportCountsText(counts);
    return result;
}

}  // namespace

FolderImport::FolderImport(const ArchiveLocation& location, const QString& password, const QString& folder,
                           QObject* parent)
    : QObject(parent) {
    // The signals cross from the import's thread to this object's: queued.
    auto* worker = new QObject;
    worker->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker, &QObject::deleteLater);
    connect(&thread_, &QThread::started, worker, [this, location, password, folder] {
        const FolderImportResult result = ImportFolder(location, password, folder, [this](int done, int total) {
            QMetaObject::invokeMethod(this, [this, done, total] { emit progressed(done, total); }, Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(this, [this, result] {
            thread_.quit();
            thread_.wait();
            emit finished(result);
            deleteLater();
        }, Qt::QueuedConnection);
    });
    thread_.start();
}

FolderImport::~FolderImport() {
    thread_.requestInterruption();
    thread_.quit();
    thread_.wait();
}

}  // namespace kaldoventri
