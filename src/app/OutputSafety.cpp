// The check of a batch run's outputs.
#include "app/OutputSafety.h"

#include <QFile>
#include <QFileInfo>

#include <iterator>

#include "files/TestFileFormat.h"

namespace kaldoventri {

namespace {

// Compares existing files by what they are (links, "./a.vkf" and "a.vkf"
// alike) and names that do not exist yet by their cleaned absolute paths.
bool SameFile(const QString& a, const QString& b) {
    const QFileInfo first(a), second(b);
    if (first.exists() && second.exists()) return first == second;
    return first.absoluteFilePath() == second.absoluteFilePath();
}

bool ExistingTestFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    return testfile::StartsLikeTestFile(file.read(64));
}

std::optional<QString> RefusedAs(const QString& option, const QString& path, const QStringList& inputs) {
    if (path.isEmpty() || (option == QStringLiteral("--csv") && path == QStringLiteral("-"))) return std::nullopt;
    const QString nothing = QStringLiteral(" Ingenting har skrivits.");
    for (const QString& input : inputs)
        if (SameFile(path, input))
            return QStringLiteral("Utfilen %1 efter %2 är en av provfilerna (glömdes utfilens namn?).").arg(path, option) +
                   nothing;
    if (path.endsWith(QStringLiteral(".vkf"), Qt::CaseInsensitive))
        return QStringLiteral("Utfilen %1 efter %2 har en provfils ändelse .vkf.").arg(path, option) + nothing;
    if (ExistingTestFile(path))
        return QStringLiteral("Utfilen %1 efter %2 är en provfil, som inte skrivs över.").arg(path, option) + nothing;
    return std::nullopt;
}

}  // namespace

std::optional<QString> RefusedOutput(const CommandLine& line) {
    if (auto refused = RefusedAs(QStringLiteral("--report"), line.reportPath, line.files)) return refused;
    if (auto refused = RefusedAs(QStringLiteral("--csv"), line.csvPath, line.files)) return refused;
    if (auto refused = RefusedAs(QStringLiteral("--xlsx"), line.xlsxPath, line.files)) return refused;
    if (auto refused = RefusedAs(QStringLiteral("--field-map"), line.fieldMapPath, line.files)) return refused;
    const QString outputs[] = {line.reportPath, line.csvPath, line.xlsxPath, line.fieldMapPath};
    for (std::size_t a = 0; a < std::size(outputs); ++a)
        for (std::size_t b = a + 1; b < std::size(outputs); ++b)
            if (!outputs[a].isEmpty() && !outputs[b].isEmpty() && SameFile(outputs[a], outputs[b]))
                return QStringLiteral("Två utfiler kan inte skrivas till samma fil %1. Ingenting har skrivits.")
                    .arg(outputs[a]);
    return std::nullopt;
}

}  // namespace kaldoventri
