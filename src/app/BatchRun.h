// The command line's batch run: --report and --csv evaluate the test files
// and write the outputs without a window and without a display.
#pragma once

#include "app/CommandLine.h"

namespace kaldoventri {

// Reads every file, reports each refused one on standard error, writes the
// outputs and gives the exit status: 0 when every file went in, 1 when some
// file was refused or an output could not be written.
int RunBatch(int argc, char** argv, const CommandLine& line);

}  // namespace kaldoventri
