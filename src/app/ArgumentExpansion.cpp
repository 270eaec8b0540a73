// Reading and expanding the program's arguments.
#include "app/ArgumentExpansion.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace kaldoventri {

namespace {

bool IsFilePattern(const QString& argument) {
    if (argument.startsWith(QLatin1Char('-'))) return false;
    if (!argument.contains(QLatin1Char('*')) && !argument.contains(QLatin1Char('?'))) return false;
    // Windows names hold neither * nor ?, but a file that is there is never a pattern.
    return !QFileInfo::exists(argument);
}

QStringList Matches(const QString& pattern) {
    // The folder stays as it was typed in front of each name, as a shell leaves it.
    const qsizetype slash = std::max(pattern.lastIndexOf(QLatin1Char('/')), pattern.lastIndexOf(QLatin1Char('\\')));
    const QString folder = pattern.left(slash + 1);
    const QStringList names = QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
                                  .entryList({pattern.mid(slash + 1)}, QDir::Files | QDir::Hidden | QDir::System,
                                             QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    for (const QString& name : names) paths << folder + name;
    return paths;
}

#ifdef _WIN32
QStringList WideArguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    if (wide == nullptr) return arguments;
    for (int i = 0; i < count; ++i) arguments << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return arguments;
}
#endif

}  // namespace

QStringList ExpandFilePatterns(const QStringList& arguments) {
    QStringList expanded;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QStringList matches = i > 0 && IsFilePattern(argument) ? Matches(argument) : QStringList();
        if (matches.isEmpty())
            expanded << argument;
        else
            expanded << matches;
    }
    return expanded;
}

QStringList ProgramArguments(int argc, char** argv) {
#ifdef _WIN32
    const QStringList wide = WideArguments();
    if (!wide.isEmpty()) return ExpandFilePatterns(wide);
#endif
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace kaldoventri
