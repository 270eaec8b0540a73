// The comparison run. Every file is read before anything is written: the
// differences need the reference, and the count decides whether there is a
// comparison at all.
#include "app/CompareRun.h"

#include <QDate>
#include <QFile>

#include <cerrno>
#include <vector>

#include "app/OutputSafety.h"
#include "app/TerminalProgress.h"
#include "evaluation/Comparison.h"
#include "files/FileAccess.h"
#include "report/ComparisonCsv.h"
#include "report/PdfReport.h"
#include "report/SavedOutput.h"

namespace kaldoventri {

namespace {

constexpr int UsageStatus = 2;
constexpr int InterruptedStatus = 130;

bool WriteToStandardOutput(const QByteArray& bytes, TerminalProgress& progress) {
    QFile out;
    errno = 0;
    bool written = out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    written = written && out.flush() && out.error() == QFileDevice::NoError;
    if (!written) progress.PrintLine(QStringLiteral("-: ") + SwedishWording(FileErrorOf(out, errno)));
    return written;
}

bool Saved(const QString& path, const std::function<bool(QIODevice&)>& write, TerminalProgress& progress) {
    const SaveOutcome saved = SaveThrough(path, write);
    if (saved.kind == SaveOutcome::Kind::Failed) progress.PrintLine(path + QStringLiteral(": ") + saved.swedish);
    return saved.kind == SaveOutcome::Kind::Saved;
}

}  // namespace

int RunCompare(const CommandLine& line, const QLocale& locale, const TestReader& read) {
    TerminalProgress progress(stderr);
    if (const auto refused = RefusedOutput(line)) {
        progress.PrintLine(*refused);
        return UsageStatus;
    }
    std::vector<ReportTest> tests;
    bool refusedFile = false;
    for (qsizetype i = 0; i < line.files.size(); ++i) {
        if (BatchInterrupted()) return InterruptedStatus;
        progress.Show(QStringLiteral("Läser provfiler: %1 av %2").arg(i + 1).arg(line.files.size()));
        auto test = read(line.files[i], locale);
        if (const auto* failure = std::get_if<OpenFailure>(&test)) {
            progress.PrintLine(RefusalText(line.files[i], *failure));
            refusedFile = true;
            continue;
        }
        tests.push_back(std::get<ReportTest>(std::move(test)));
    }
    const int count = static_cast<int>(tests.size());
    if (count < FewestComparedTests || count > MostComparedTests) {
        progress.PrintLine(QStringLiteral("--compare jämför 2 till 4 prov, men %1 kunde läsas; ingen utfil har skrivits.")
                               .arg(count));
        return UsageStatus;
    }
    bool written = true;
    if (!line.csvPath.isEmpty()) {
        const QByteArray table = ComparisonCsvTable(tests, locale);
        written = line.csvPath == QStringLiteral("-")
                      ? WriteToStandardOutput(table, progress)
                      : Saved(line.csvPath, [&](QIODevice& out) { return out.write(table) == table.size(); }, progress);
    }
    if (!line.reportPath.isEmpty() && !BatchInterrupted()) {
        ReportSettings settings{locale, QDate::currentDate().toString(Qt::ISODate)};
        settings.comparisonFirst = true;
        const ReportProgress shown = [&progress](int done, int total) {
            progress.Show(QStringLiteral("Skriver rapporten: sida %1 av %2").arg(done).arg(total));
            return !BatchInterrupted();
        };
        written = Saved(line.reportPath, [&](QIODevice& out) { return WritePdfReport(out, tests, settings, shown); },
                        progress) && written;
    }
    if (BatchInterrupted()) return InterruptedStatus;
    return refusedFile || !written ? 1 : 0;
}

}  // namespace kaldoventri
