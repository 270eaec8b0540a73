// Whole-file reading and writing with the standard error wording.
#include "FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace kaldoventri {

QString FileErrorText(const QFileDevice& file, int error) {
    switch (error) {
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
        default: return QStringLiteral("I/O error %1").arg(error);
    }
    switch (file.error()) {
        case QFileDevice::ResourceError: return QStringLiteral("Disk full");
        case QFileDevice::PermissionsError: return QStringLiteral("File access denied");
        default: return QStringLiteral("I/O error %1").arg(static_cast<int>(file.error()));
    }
}

std::optional<QString> OpenForReading(QFile& file) {
    errno = 0;
    if (file.open(QIODevice::ReadOnly)) return std::nullopt;
    return FileErrorText(file, errno);
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
