// The batch run behind --report, --csv, --xlsx and --field-map. The outputs are checked
// first; the files are read in order; the CSV lines go out as the files are
// read, and the tests that went in are kept (a few kilobytes each) for the
// report and the workbook, which are written after the last. An output is written whole or not at all,
// and not at all when no test went in.
#include "app/BatchRun.h"

#include <QDate>
#include <QFile>
#include <QGuiApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <vector>

#include "app/CompareRun.h"
#include "app/OutputSafety.h"
#include "app/TerminalProgress.h"
#include "drawing/FieldMapImage.h"
#include "files/FileAccess.h"
#include "report/CsvTable.h"
#include "report/PdfReport.h"
#include "report/SavedOutput.h"
#include "report/XlsxTable.h"

namespace kaldoventri {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void Interrupt(int) { interrupted = 1; }

constexpr int UsageStatus = 2;
constexpr int InterruptedStatus = 130;

// Standard error carries the refused files and the progress line; Qt's notes
// about its surroundings (no runtime folder, no display) would only bury them.
void KeepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg) return;
    std::fputs((message + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

struct Reading {
    std::vector<ReportTest> tests;  // kept for the report
    int accepted = 0;
    bool refused = false;
    bool done = false;
};

const QString NoTestRead = QStringLiteral("Inget prov kunde läsas; ingen utfil har skrivits.");

class Batch {
public:
    Batch(const CommandLine& line, const QLocale& locale, const TestReader& read)
        : line_(line), locale_(locale), read_(read), progress_(stderr) {}

    int Run() {
        if (const auto refused = RefusedOutput(line_)) {
            progress_.PrintLine(*refused);
            return UsageStatus;
        }
        bool written = true;
        if (!line_.csvPath.isEmpty()) written = WriteTable();
        // Without a table, or when its file could not even be opened.
        if (!reading_.done && !interrupted) ReadTests(nullptr);
        if (!line_.xlsxPath.isEmpty() && !interrupted && reading_.accepted > 0) written = WriteWorkbook() && written;
        if (!line_.reportPath.isEmpty() && !interrupted && reading_.accepted > 0) written = WriteReport() && written;
        if (!line_.fieldMapPath.isEmpty() && !interrupted && reading_.accepted > 0) written = WriteFieldMap() && written;
        if (interrupted) return InterruptedStatus;
        if (reading_.accepted == 0) progress_.PrintLine(NoTestRead);
        return reading_.refused || !written ? 1 : 0;
    }

private:
    // Reads every file once, in order; refused ones are named on standard
    // error. False when the run was interrupted.
    bool ReadTests(QIODevice* csv) {
        reading_.done = true;
        const bool keep = !line_.reportPath.isEmpty() || !line_.xlsxPath.isEmpty() || !line_.fieldMapPath.isEmpty();
        for (qsizetype i = 0; i < line_.files.size(); ++i) {
            if (interrupted) return false;
            const QString& path = line_.files[i];
            progress_.Show(QStringLiteral("Läser provfiler: %1 av %2").arg(i + 1).arg(line_.files.size()));
            auto read = read_(path, locale_);
            if (const auto* failure = std::get_if<OpenFailure>(&read)) {
                progress_.PrintLine(RefusalText(path, *failure));
                reading_.refused = true;
                continue;
            }
            ReportTest& test = std::get<ReportTest>(read);
            // The header goes out with the first line, so that a table of no test is never begun.
            if (csv != nullptr && reading_.accepted == 0) csv->write(CsvStart(locale_));
            if (csv != nullptr) csv->write(CsvLine(test, locale_));
            ++reading_.accepted;
            if (keep) reading_.tests.push_back(std::move(test));
        }
        return true;
    }

    // The CSV table, written as the files are read; false when it could not be written.
    bool WriteTable() {
        // Answers false, which throws the output away, when no test went in.
        const auto write = [this](QIODevice& out) { return ReadTests(&out) && reading_.accepted > 0; };
        if (line_.csvPath == QStringLiteral("-")) {
            QFile out;
            errno = 0;
            bool written = out.open(stdout, QIODevice::WriteOnly) && write(out);
            written = written && out.flush() && out.error() == QFileDevice::NoError;
            if (!written && !interrupted && reading_.accepted > 0)
                progress_.PrintLine(QStringLiteral("-: ") + SwedishWording(FileErrorOf(out, errno)));
            return written || reading_.accepted == 0;
        }
        const SaveOutcome saved = SaveThrough(line_.csvPath, write);
        if (saved.kind == SaveOutcome::Kind::Failed)
            progress_.PrintLine(line_.csvPath + QStringLiteral(": ") + saved.swedish);
        return saved.kind == SaveOutcome::Kind::Saved || reading_.accepted == 0;
    }

    bool WriteWorkbook() {
        progress_.Show(QStringLiteral("Skriver arbetsboken"));
        const SaveOutcome saved = SaveXlsxTable(line_.xlsxPath, reading_.tests, locale_);
        if (saved.kind == SaveOutcome::Kind::Failed)
            progress_.PrintLine(line_.xlsxPath + QStringLiteral(": ") + saved.swedish);
        return saved.kind == SaveOutcome::Kind::Saved;
    }

    bool WriteReport() {
        const ReportSettings settings{locale_, QDate::currentDate().toString(Qt::ISODate)};
        const ReportProgress shown = [this](int done, int total) {
            progress_.Show(QStringLiteral("Skriver rapporten: sida %1 av %2").arg(done).arg(total));
            return !interrupted;
        };
        const SaveOutcome saved = SaveThrough(
            line_.reportPath, [&](QIODevice& out) { return WritePdfReport(out, reading_.tests, settings, shown); });
        if (saved.kind == SaveOutcome::Kind::Failed)
            progress_.PrintLine(line_.reportPath + QStringLiteral(": ") + saved.swedish);
        return saved.kind == SaveOutcome::Kind::Saved;
    }

    bool WriteFieldMap() {
        const QImage picture = FieldMapImage(reading_.tests.front().sheet, FieldMapPictureSize);
        const SaveOutcome saved = SaveThrough(line_.fieldMapPath, [&](QIODevice& out) { return picture.save(&out, "PNG"); });
        if (saved.kind == SaveOutcome::Kind::Failed)
            progress_.PrintLine(line_.fieldMapPath + QStringLiteral(": ") + saved.swedish);
        return saved.kind == SaveOutcome::Kind::Saved;
    }

    const CommandLine& line_;
    const QLocale& locale_;
    const TestReader& read_;
    TerminalProgress progress_;
    Reading reading_;
};

}  // namespace

int RunBatch(const CommandLine& line, const QLocale& locale, const TestReader& read) {
    if (line.compare) return RunCompare(line, locale, read);
    return Batch(line, locale, read).Run();
}

void PrepareBatchProcess() {
    qInstallMessageHandler(KeepSeriousMessages);
    std::signal(SIGINT, Interrupt);
    std::signal(SIGTERM, Interrupt);
}

bool BatchInterrupted() { return interrupted != 0; }

int RunWithoutWindow(int argc, char** argv, const std::function<int()>& run) {
    // No window and no display: on Linux the PDF's fonts come through the
    // offscreen platform and fontconfig. On Windows the offscreen platform
    // knows no fonts at all (the report's text came out as boxes), while the
    // Windows platform opens no window and needs no display either.
#ifndef _WIN32
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    PrepareBatchProcess();
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kaldoventri"));
    return run();
}

int RunBatchProgram(int argc, char** argv, const CommandLine& line) {
    return RunWithoutWindow(argc, argv, [&line] { return RunBatch(line, QLocale()); });
}

}  // namespace kaldoventri
