// The command line's progress line: shown on standard error only when that is
// a terminal and only once a run has taken about a second, rewritten in place.
// Other lines for standard error go through it, so that they never land in
// the middle of the progress line.
#pragma once

#include <QString>

#include <chrono>
#include <cstdio>

namespace kaldoventri {

class TerminalProgress {
public:
    explicit TerminalProgress(std::FILE* stream);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    // Replaces the progress line with `text`, if it is time to show one.
    void Show(const QString& text);
    // A line of its own, e.g. a refused file.
    void PrintLine(const QString& text);

    static constexpr std::chrono::milliseconds Delay{1000};
    static constexpr std::chrono::milliseconds Interval{100};

private:
    void Clear();

    std::FILE* stream_;
    bool terminal_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastShown_;
    int shownLength_ = 0;  // characters of the progress line on screen, 0: none
};

}  // namespace kaldoventri
