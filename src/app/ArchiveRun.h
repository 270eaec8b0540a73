// The command line's archive runs: --import puts test files and the .vkf
// files below folders into an archive, --list writes the archived tests a
// search finds as the table, workbook or report --csv, --xlsx and --report
// write for files. Swedish messages naming the file on standard error,
// status 0, 1 (a file not read, the archive failing) or 2 (a command line
// not understood), progress on a terminal.
#pragma once

#include <QLocale>

#include "app/CommandLine.h"

namespace kaldoventri {

// How many tests --list reads from the archive at a time: its first row
// comes after one page, not after the whole list.
inline constexpr int ArchiveListPage = 200;

int RunArchiveImport(const CommandLine& line);
int RunArchiveList(const CommandLine& line, const QLocale& locale);

// The whole program for an archive command line, as RunBatchProgram is for files.
int RunArchiveProgram(int argc, char** argv, const CommandLine& line);

}  // namespace kaldoventri
