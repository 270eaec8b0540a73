// The program's start: the splash screen for five seconds, then the main
// window on the workbook and the test entry dialog, and the main window shown
// maximised.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "ui/window/TForm1.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

inline constexpr std::chrono::milliseconds SplashTime{5000};

// How the start waits while the splash screen shows. The program blocks
// (BlockingSleep); tests pass a wait of their own.
using SplashWait = std::function<void(std::chrono::milliseconds)>;

// Sleeps without processing any event: the splash screen stays as it was painted.
void BlockingSleep(std::chrono::milliseconds time);

class ArchiveRoom;

// The running program: the open sheets and the main window that shows them.
struct StartedProgram {
    std::unique_ptr<Workbook> workbook;
    std::unique_ptr<TForm1> window;  // owns the test entry dialog
    ArchiveRoom* archive = nullptr;  // owned by the window; none in a build without the archive
};

// Runs the start-up sequence inside an existing application object.
StartedProgram StartProgram(const SplashWait& wait);

}  // namespace kaldoventri
