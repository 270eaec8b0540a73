// Whole-file reading and writing with the standard error wording.
#include "FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace kaldoventri {

FileError FileErrorOf(const QFileDevice& file, int number) {
    FileError error{number, file.error()};
    if (!file.fileName().isEmpty()) {
        const QFileInfo info(file.fileName());
        error.folder = info.isDir();
        error.folderMissing = !info.exists() && !info.absoluteDir().exists();
    }
    return error;
}

QString StandardWording(const FileError& error) {
    switch (error.number) {
        case ENOENT: return QStringLiteral("File not found");
        case ENOTDIR:
        case ENAMETOOLONG: return QStringLiteral("Invalid filename");
        case EMFILE:
        case ENFILE: return QStringLiteral("Too many open files");
        case EACCES:
        case EPERM:
        case EROFS: return QStringLiteral("File access denied");
        case ENOSPC:
#ifdef EDQUOT  // not in MinGW's C library
        case EDQUOT:
#endif
        case EFBIG: return QStringLiteral("Disk full");
        case 0: break;
        default: return QStringLiteral("I/O error %1").arg(error.number);
    }
    switch (error.device) {
        case QFileDevice::ResourceError: return QStringLiteral("Disk full");
        case QFileDevice::PermissionsError: return QStringLiteral("File access denied");
        default: return QStringLiteral("I/O error %1").arg(static_cast<int>(error.device));
    }
}

QString SwedishWording(const FileError& error) {
    if (error.folder) return QStringLiteral("är en mapp, ingen fil");
    if (error.folderMissing) return QStringLiteral("mappen finns inte");
    switch (error.number) {
        case ENOENT: return QStringLiteral("filen finns inte");
        case ENOTDIR:
        case ENAMETOOLONG: return QStringLiteral("ogiltigt filnamn");
        case EMFILE:
        case ENFILE: return QStringLiteral("för många öppna filer");
        case EACCES:
        case EPERM:
        case EROFS: return QStringLiteral("åtkomst nekad");
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
        case EFBIG: return QStringLiteral("disken är full");
        case 0: break;
        default: return QStringLiteral("in- eller utmatningsfel %1").arg(error.number);
    }
    switch (error.device) {
        case QFileDevice::ResourceError: return QStringLiteral("disken är full");
        case QFileDevice::PermissionsError: return QStringLiteral("åtkomst nekad");
        default: return QStringLiteral("in- eller utmatningsfel %1").arg(static_cast<int>(error.device));
    }
}

QString FileErrorText(const QFileDevice& file, int error) { return StandardWording(FileError{error, file.error()}); }

std::optional<FileError> OpenForReading(QFile& file) {
    errno = 0;
    if (file.open(QIODevice::ReadOnly)) return std::nullopt;
    return FileErrorOf(file, errno);
}

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Where the folder is closed to new files, a writable file can still be
    // overwritten in place, as a plain save would; the guarantee for a failure
    // part way is then lost, but the file can be saved at all.
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return FileErrorText(file, errno);
    // commit() alone does not notice a write that failed while flushing (a full
    // disk), so the bytes are flushed and checked before the file replaces the old one.
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written || !file.commit()) {
        const int error = errno;
        file.cancelWriting();
        return FileErrorText(file, error);
    }
    return std::nullopt;
}

QString NotATestFileMessage(const QString& path) {
    return QFileInfo(path).fileName() + QStringLiteral(" är ingen Kaldoventrifil!");
}

QString SheetTitleOf(const QString& path) { return QFileInfo(path).completeBaseName(); }

}  // namespace kaldoventri
