// Loading of the Swedish texts at start.
#include "app/SwedishTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/SwedishQtTexts.h"

namespace kaldoventri {

bool InstallSwedishTranslation() {
    QCoreApplication* application = QCoreApplication::instance();
    const QDir folder(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    bool catalogueFound = false;
    // Debian ships the older all-in-one qt_sv; a newer Qt may ship qtbase_sv
    // as well. Each answers only for what it holds. The files are named in
    // full, since QTranslator would otherwise fall back to a catalogue
    // without the language in its name.
    for (const char* name : {"qt_sv.qm", "qtbase_sv.qm"}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        if (!QFileInfo(path).isFile()) continue;
        auto* catalogue = new QTranslator(application);
        if (catalogue->load(path)) {
            QCoreApplication::installTranslator(catalogue);
            catalogueFound = true;
        } else {
            delete catalogue;
        }
    }
    // Installed last, so it is asked first.
    QCoreApplication::installTranslator(new SwedishQtTexts(application));
    return catalogueFound;
}

}  // namespace kaldoventri
