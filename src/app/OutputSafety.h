// A batch run never writes its table or report over a test file: the outputs
// are checked before anything is read or written. The usual slip is an output
// name left out, so that the first test file is taken for it
// (`Kaldoventri --csv *.vkf`).
#pragma once

#include <QString>

#include <optional>

#include "app/CommandLine.h"

namespace kaldoventri {

// Why the outputs of the command line may not be written, in Swedish: an
// output that is one of the test files given, ends in ".vkf", is an existing
// file that starts like a test file, or is two of the outputs at once.
std::optional<QString> RefusedOutput(const CommandLine& line);

}  // namespace kaldoventri
