// The program's start: the splash screen for five seconds, then the main
// window and the test entry dialog, and the main window shown maximised.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace kaldoventri {

class TForm1;

inline constexpr std::chrono::milliseconds SplashTime{5000};

// How the start waits while the splash screen shows. The program blocks
// (BlockingSleep); tests pass a wait of their own.
using SplashWait = std::function<void(std::chrono::milliseconds)>;

// Sleeps without processing any event: the splash screen stays as it was painted.
void BlockingSleep(std::chrono::milliseconds time);

// Runs the start-up sequence inside an existing application object and
// returns the shown main window, which owns the test entry dialog.
std::unique_ptr<TForm1> StartProgram(const SplashWait& wait);

}  // namespace kaldoventri
