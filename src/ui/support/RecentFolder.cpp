// The file dialogs' start folder.
#include "ui/support/RecentFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kaldoventri {

QString RecentFolder::StartFolder() const {
    if (!folder_.isEmpty() && QFileInfo(folder_).isDir()) return folder_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void RecentFolder::Remember(const QString& filePath) { folder_ = QFileInfo(filePath).absolutePath(); }

}  // namespace kaldoventri
