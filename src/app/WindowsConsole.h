// Standard output and error of the Windows program.
#pragma once

namespace kaldoventri {

// Kaldoventri.exe is a window program, so that a double-click opens no console
// window; started from cmd.exe or PowerShell, it writes to their console all
// the same. Output already redirected to a file or a pipe stays where it goes.
// Standard output takes bytes as they are (no CR added before LF), so the
// table written to "-" has the same bytes as on Linux. Does nothing elsewhere.
void ConnectStandardStreams();

}  // namespace kaldoventri
