// The batch run behind --report and --csv. The files are read in order; the
// CSV lines go out as the files are read, and the tests that went in are kept
// (a few kilobytes each) for the report, which is written after the last.
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

struct Reading {
    std::vector<ReportTest> tests;  // kept for the report
    bool refused = false;
    bool done = false;
};

class Batch {
public:
    Batch(const CommandLine& line, const QLocale& locale, const TestReader& read)
        : line_(line), locale_(locale), read_(read), progress_(stderr) {}

    int Run() {
        bool written = true;
        if (!line_.csvPath.isEmpty()) written = WriteTable();
        // Without a table, or when its file could not even be opened.
        if (!reading_.done && !interrupted) ReadTests(nullptr);
        if (!line_.reportPath.isEmpty() && !interrupted) written = WriteReport() && written;
        if (interrupted) return InterruptedStatus;
        return reading_.refused || !written ? 1 : 0;
    }

private:
    // Reads every file once, in order; refused ones are named on standard
    // error. False when the run was interrupted.
    bool ReadTests(QIODevice* csv) {
        reading_.done = true;
        const bool keep = !line_.reportPath.isEmpty();
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
            if (csv != nullptr) csv->write(CsvLine(test, locale_));
            if (keep) reading_.tests.push_back(std::move(test));
        }
        return true;
    }

    // The CSV table, written as the files are read; false when it could not be written.
    bool WriteTable() {
        const auto write = [this](QIODevice& out) {
            out.write(CsvStart(locale_));
            return ReadTests(&out);
        };
        if (line_.csvPath == QStringLiteral("-")) {
            QFile out;
            errno = 0;
            bool written = out.open(stdout, QIODevice::WriteOnly) && write(out);
            written = written && out.flush() && out.error() == QFileDevice::NoError;
            if (!written && !interrupted) progress_.PrintLine(QStringLiteral("-: ") + FileErrorText(out, errno));
            return written;
        }
        const SaveOutcome saved = SaveThrough(line_.csvPath, write);
        if (saved.kind == SaveOutcome::Kind::Failed) progress_.PrintLine(line_.csvPath + QStringLiteral(": ") + saved.error);
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
            progress_.PrintLine(line_.reportPath + QStringLiteral(": ") + saved.error);
        return saved.kind == SaveOutcome::Kind::Saved;
    }

    const CommandLine& line_;
    const QLocale& locale_;
    const TestReader& read_;
    TerminalProgress progress_;
    Reading reading_;
};

}  // namespace

QString RefusalText(const QString& path, const OpenFailure& failure) {
    if (failure.kind == OpenFailure::Kind::NotATestFile) return path + QStringLiteral(" är ingen Kaldoventrifil!");
    return path + QStringLiteral(": ") + failure.message;
}

int RunBatch(const CommandLine& line, const QLocale& locale, const TestReader& read) {
    return Batch(line, locale, read).Run();
}

int RunBatchProgram(int argc, char** argv, const CommandLine& line) {
    // No window and no display: the PDF's fonts come through the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepSeriousMessages);
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kaldoventri"));
    std::signal(SIGINT, Interrupt);
    std::signal(SIGTERM, Interrupt);
    return RunBatch(line, QLocale());
}

}  // namespace kaldoventri
