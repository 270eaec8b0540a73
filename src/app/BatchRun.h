// The command line's batch run: --report, --csv and --xlsx evaluate the test files
// and write the outputs without a window and without a display. Each file is
// read and evaluated once, whatever outputs are asked for.
#pragma once

#include <QLocale>
#include <QString>

#include <functional>
#include <variant>

#include "app/CommandLine.h"
#include "report/ReportTest.h"

namespace kaldoventri {

// How the batch run reads one test file; ReadReportTest but in tests.
using TestReader = std::function<std::variant<ReportTest, OpenFailure>(const QString& path, const QLocale& locale)>;

// Reads every file, reports each refused one on standard error, writes the
// outputs and gives the exit status: 0 when every file went in, 1 when some
// file was refused or an output could not be written, 2 when an output would
// replace a test file, 130 when interrupted. Needs a QGuiApplication (the
// PDF's fonts).
int RunBatch(const CommandLine& line, const QLocale& locale, const TestReader& read = ReadReportTest);

// Before a command-line run's application object: only serious Qt messages
// reach standard error, and Ctrl+C or a termination sets BatchInterrupted.
void PrepareBatchProcess();
bool BatchInterrupted();

// The whole program for a batch command line: the offscreen platform, an
// application object of its own, Ctrl+C ending the run without a partial output.
int RunBatchProgram(int argc, char** argv, const CommandLine& line);

// `run` in such a program: the offscreen platform, Ctrl+C noted, an application object of its own.
int RunWithoutWindow(int argc, char** argv, const std::function<int()>& run);

}  // namespace kaldoventri
