// Connecting the Windows program's standard streams to its starter's console.
#include "app/WindowsConsole.h"

#ifdef _WIN32
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#endif

namespace kaldoventri {

#ifdef _WIN32
namespace {

bool LeadsSomewhere(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

bool IsConsole(DWORD stream) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}

UINT startingCodePage = 0;

void RestoreCodePage() { SetConsoleOutputCP(startingCodePage); }

}  // namespace

void ConnectStandardStreams() {
    const bool output = LeadsSomewhere(STD_OUTPUT_HANDLE);
    const bool error = LeadsSomewhere(STD_ERROR_HANDLE);
    if ((!output || !error) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!output) std::freopen("CONOUT$", "w", stdout);
        if (!error) std::freopen("CONOUT$", "w", stderr);
    }
    // Messages are written in the ANSI code page (Qt's local 8-bit), a console
    // shows the OEM one: "ä" would come out as "õ". The console is the
    // starter's, so its code page is given back at the end.
    if (IsConsole(STD_OUTPUT_HANDLE) || IsConsole(STD_ERROR_HANDLE)) {
        startingCodePage = GetConsoleOutputCP();
        if (startingCodePage != GetACP() && SetConsoleOutputCP(GetACP())) std::atexit(RestoreCodePage);
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

#else

void ConnectStandardStreams() {}

#endif

}  // namespace kaldoventri
