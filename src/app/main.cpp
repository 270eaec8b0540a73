// Kaldoventri: evaluation of a fertiliser spreader's distribution test.
// Without options the window program starts and opens the files it is given;
// --report and --csv evaluate the files without a window (BatchRun.cpp).
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

#include "app/ArgumentExpansion.h"
#include "app/BatchRun.h"
#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "app/SwedishTranslation.h"
#include "app/ErrorReportingApplication.h"
#include "app/WindowsConsole.h"

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
    const kaldoventri::StartedProgram program = kaldoventri::StartProgram(kaldoventri::BlockingSleep);
    // Once the window runs, so that a message about one file has a window to stand over.
    QTimer::singleShot(0, program.window.get(), [&program, files] { program.window->OpenFiles(files); });
    return application.exec();
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
        case CommandLine::Mode::Window:
            break;
    }
    return RunWindow(argc, argv, line.files);
}
