// The batch run behind --report and --csv. The files are read once for the
// table (and the CSV lines, which go out as they come); the report then reads
// each file again for its page, so that no more than one sheet is held.
// Ctrl+C ends the run without leaving a partial output behind.
#include "app/BatchRun.h"

#include <QDate>
#include <QFile>
#include <QGuiApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <vector>

#include "app/TerminalProgress.h"
#include "files/FileAccess.h"
#include "report/CsvTable.h"
#include "report/PdfReport.h"
#include "report/SavedOutput.h"
#include "report/SummaryRow.h"
#include "report/TestFileSheets.h"

namespace kaldoventri {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void Interrupt(int) { interrupted = 1; }

constexpr int InterruptedStatus = 130;

// Standard error carries the refused files and the progress line; Qt's notes
// about its surroundings (no runtime folder, no display) would only bury them.
void KeepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg) return;
    std::fputs((message + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

struct FirstReading {
    QStringList accepted;
    std::vector<QStringList> rows;  // for the report's table
    bool refused = false;
    bool done = false;
};

// Reads every file in order; refused ones are named on standard error.
// False when the run was interrupted.
bool ReadTests(const QStringList& files, const QLocale& locale, QIODevice* csv, bool tableRows,
               TerminalProgress& progress, FirstReading& reading) {
    reading.done = true;
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (interrupted) return false;
        progress.Show(QStringLiteral("Läser provfiler: %1 av %2").arg(i + 1).arg(files.size()));
        const auto read = ReadReportTest(files[i]);
        if (const auto* failure = std::get_if<OpenFailure>(&read)) {
            progress.PrintLine(RefusalText(files[i], *failure));
            reading.refused = true;
            continue;
        }
        const ReportTest& test = std::get<ReportTest>(read);
        reading.accepted << files[i];
        if (tableRows) reading.rows.push_back(SummaryCells(test, locale));
        if (csv != nullptr) csv->write(CsvLine(test, locale));
    }
    return true;
}

// The CSV table, written as the files are read; false when it could not be written.
bool WriteTable(const CommandLine& line, const QLocale& locale, TerminalProgress& progress, FirstReading& reading) {
    const bool tableRows = !line.reportPath.isEmpty();
    const auto write = [&](QIODevice& out) {
        out.write(CsvStart(locale));
        return ReadTests(line.files, locale, &out, tableRows, progress, reading);
    };
    if (line.csvPath == QStringLiteral("-")) {
        QFile out;
        errno = 0;
        bool written = out.open(stdout, QIODevice::WriteOnly) && write(out);
        written = written && out.flush() && out.error() == QFileDevice::NoError;
        if (!written && !interrupted) progress.PrintLine(QStringLiteral("-: ") + FileErrorText(out, errno));
        return written;
    }
    const SaveOutcome saved = SaveThrough(line.csvPath, write);
    if (saved.kind == SaveOutcome::Kind::Failed) progress.PrintLine(line.csvPath + QStringLiteral(": ") + saved.error);
    return saved.kind == SaveOutcome::Kind::Saved;
}

bool WriteReport(const CommandLine& line, const QLocale& locale, TerminalProgress& progress,
                 const FirstReading& reading, bool& refused) {
    TestFileSheets tests(reading.accepted);
    const ReportSettings settings{locale, QDate::currentDate().toString(Qt::ISODate)};
    const ReportProgress shown = [&progress](int done, int total) {
        progress.Show(QStringLiteral("Skriver rapporten: sida %1 av %2").arg(done).arg(total));
        return !interrupted;
    };
    const SaveOutcome saved = SaveThrough(
        line.reportPath, [&](QIODevice& out) { return WritePdfReport(out, reading.rows, tests, settings, shown); });
    for (const QString& refusal : tests.LateRefusals()) progress.PrintLine(refusal);
    refused = refused || !tests.LateRefusals().isEmpty();
    if (saved.kind == SaveOutcome::Kind::Failed)
        progress.PrintLine(line.reportPath + QStringLiteral(": ") + saved.error);
    return saved.kind == SaveOutcome::Kind::Saved;
}

}  // namespace

int RunBatch(int argc, char** argv, const CommandLine& line) {
    // No window and no display: the PDF's fonts come through the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepSeriousMessages);
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kaldoventri"));
    std::signal(SIGINT, Interrupt);
    std::signal(SIGTERM, Interrupt);

    const QLocale locale;
    TerminalProgress progress(stderr);
    FirstReading reading;
    bool written = true;
    if (!line.csvPath.isEmpty()) written = WriteTable(line, locale, progress, reading);
    // Without a table, or when its file could not even be opened.
    if (!reading.done && !interrupted)
        ReadTests(line.files, locale, nullptr, !line.reportPath.isEmpty(), progress, reading);
    bool refused = reading.refused;
    if (!line.reportPath.isEmpty() && !interrupted) written = WriteReport(line, locale, progress, reading, refused) && written;
    if (interrupted) return InterruptedStatus;
    return refused || !written ? 1 : 0;
}

}  // namespace kaldoventri
