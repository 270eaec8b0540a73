// The command line's comparison: --compare with --csv and/or --report reads
// 2 to 4 test files, the first the reference, and writes the comparison's
// table or its report (the comparison page first) as the batch run writes
// its outputs: never over a test file, whole or not at all.
#pragma once

#include <QLocale>

#include "app/BatchRun.h"
#include "app/CommandLine.h"

namespace kaldoventri {

// The exit status: 0 when every file went in and every output was written,
// 1 when a file was refused (the others still compared) or an output could
// not be written, 2 when an output would replace a test file or fewer than 2
// or more than 4 tests could be read (nothing written then), 130 when interrupted.
int RunCompare(const CommandLine& line, const QLocale& locale, const TestReader& read);

}  // namespace kaldoventri
