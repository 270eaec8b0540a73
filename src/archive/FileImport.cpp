// Reading test files into the archive one by one.
#include "archive/FileImport.h"

#include <QDirIterator>
#include <QFileInfo>

#include "evaluation/CalculateSheet.h"

namespace kaldoventri {

QStringList TestFilesOf(const QStringList& paths) {
    QStringList files;
    for (const QString& argument : paths) {
        if (!QFileInfo(argument).isDir()) {
            files << argument;
            continue;
        }
        QStringList found;
        QDirIterator walk(argument, QDir::Files, QDirIterator::Subdirectories);
        while (walk.hasNext()) {
            const QString path = walk.next();
            if (QFileInfo(path).suffix().compare(QStringLiteral("vkf"), Qt::CaseInsensitive) == 0) found << path;
        }
        found.sort();
        files << found;
    }
    return files;
}

ImportOutcome ImportTestFile(TestArchive& archive, const QString& path) {
    auto read = ReadTestSheet(path, YScaleValue);
    if (auto* failure = std::get_if<OpenFailure>(&read))
        return {ImportOutcome::Kind::Unreadable, std::move(*failure), {}};
    const auto added = archive.Add(std::get<TNewTabSheet>(read), path);
    if (const auto* error = std::get_if<ArchiveError>(&added)) return {ImportOutcome::Kind::ArchiveFailed, {}, error->message};
    return {std::get<TestArchive::Added>(added) == TestArchive::Added::New ? ImportOutcome::Kind::New
                                                                          : ImportOutcome::Kind::AlreadyThere,
            {}, {}};
}

void ImportCounts::Count(const ImportOutcome& outcome) {
    switch (outcome.kind) {
    case ImportOutcome::Kind::New: ++added; break;
    case ImportOutcome::Kind::AlreadyThere: ++existing; break;
    case ImportOutcome::Kind::Unreadable: ++unreadable; break;
    case ImportOutcome::Kind::ArchiveFailed: break;
    }
}

QString ImportCountsText(const ImportCounts& counts) {
    return QStringLiteral("%1 nya prov, %2 fanns redan, %3 kunde inte läsas").arg(counts.added).arg(counts.existing).arg(counts.unreadable);
}

}  // namespace kaldoventri
