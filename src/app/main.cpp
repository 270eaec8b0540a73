// Kaldoventri: evaluation of a fertiliser spreader's distribution test.
// Without options the window program starts and opens the files it is given,
// or hands them to the program that runs already; --report and --csv evaluate
// the files without a window (BatchRun.cpp) and never join a running program.
#include <QCoreApplication>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

#include "app/ArgumentExpansion.h"
#include "app/BatchRun.h"
#ifdef KALDOVENTRI_ARCHIVE
#include "app/ArchiveRun.h"
#endif
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/StartUp.h"
#include "app/SwedishTranslation.h"
#include "app/ErrorReportingApplication.h"
#include "app/WindowsConsole.h"
#include "ui/commands/RecoveryOffer.h"
#include "ui/support/CommandBoundary.h"
#include "workbook/SheetRecovery.h"

namespace {

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int RunWindow(int argc, char** argv, const QStringList& files) {
    kaldoventri::ErrorReportingApplication application(argc, argv);
    kaldoventri::InstallSwedishTranslation();
    // Message-box captions take the application's name, which Qt would
    // otherwise take from the installed program's file name "kaldoventri".
    QCoreApplication::setApplicationName(QStringLiteral("Kaldoventri"));
    kaldoventri::SingleInstance instance;
    if (instance.HandOver(files)) return 0;
    instance.Listen();

    const kaldoventri::StartedProgram program = kaldoventri::StartProgram(kaldoventri::BlockingSleep);
    kaldoventri::TForm1* window = program.window.get();
    const QString recoveryRoot =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
    kaldoventri::SheetRecovery recovery(*program.workbook, recoveryRoot);
    QObject::connect(&recovery, &kaldoventri::SheetRecovery::writeFailed, window, [window](const QString& reason) {
        // Not inside the command whose change was being copied.
        QTimer::singleShot(0, window, [window, reason] { kaldoventri::ShowRecoveryFailure(window, reason); });
    });
    QObject::connect(&instance, &kaldoventri::SingleInstance::filesArrived, window, [window](const QStringList& paths) {
        kaldoventri::RunCommand(window, [window, &paths] { window->OpenHandedOverFiles(paths); });
    });
    // Once the window runs, so that a question or a message about one file has a window to stand over.
    QTimer::singleShot(0, window, [&program, &recovery, window, recoveryRoot, files] {
        kaldoventri::RunCommand(window, [&] {
            kaldoventri::OfferLeftBehindSheets(window, *program.workbook, recovery, recoveryRoot);
        });
        window->OpenFiles(files);
    });
    const int status = application.exec();
    recovery.EndNormally();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    using kaldoventri::CommandLine;
    kaldoventri::ConnectStandardStreams();
    const CommandLine line = kaldoventri::ParseCommandLine(kaldoventri::ProgramArguments(argc, argv));
    switch (line.mode) {
        case CommandLine::Mode::Help:
            Print(stdout, kaldoventri::UsageText());
            return 0;
        case CommandLine::Mode::Version:
            Print(stdout, kaldoventri::VersionText() + QLatin1Char('\n'));
            return 0;
        case CommandLine::Mode::UsageError:
            Print(stderr, line.error + QStringLiteral("\n\n") + kaldoventri::UsageText());
            return 2;
        case CommandLine::Mode::Batch:
            return kaldoventri::RunBatchProgram(argc, argv, line);
        case CommandLine::Mode::ArchiveImport:
        case CommandLine::Mode::ArchiveList:
#ifdef KALDOVENTRI_ARCHIVE
            return kaldoventri::RunArchiveProgram(argc, argv, line);
#else
            Print(stderr, QStringLiteral("Den här versionen av programmet har inget provarkiv.\n"));
            return 2;
#endif
        case CommandLine::Mode::Window:
            break;
    }
    return RunWindow(argc, argv, line.files);
}
