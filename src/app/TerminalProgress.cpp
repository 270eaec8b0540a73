// Progress on a terminal.
#include "app/TerminalProgress.h"

#include <unistd.h>

#include <algorithm>
#include <string>

namespace kaldoventri {

TerminalProgress::TerminalProgress(std::FILE* stream)
    : stream_(stream), terminal_(isatty(fileno(stream)) != 0), start_(std::chrono::steady_clock::now()) {}

TerminalProgress::~TerminalProgress() { Clear(); }

void TerminalProgress::Show(const QString& text) {
    if (!terminal_) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - start_ < Delay || (shownLength_ > 0 && now - lastShown_ < Interval)) return;
    lastShown_ = now;
    // Blanks over what a longer line before left standing.
    const int length = static_cast<int>(text.size());
    const QString line = QLatin1Char('\r') + text + QString(std::max(0, shownLength_ - length), QLatin1Char(' '));
    std::fputs(line.toLocal8Bit().constData(), stream_);
    std::fflush(stream_);
    shownLength_ = std::max(length, 1);
}

void TerminalProgress::PrintLine(const QString& text) {
    Clear();
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stream_);
    std::fflush(stream_);
}

void TerminalProgress::Clear() {
    if (shownLength_ == 0) return;
    const std::string blank = '\r' + std::string(static_cast<std::size_t>(shownLength_), ' ') + '\r';
    std::fputs(blank.c_str(), stream_);
    std::fflush(stream_);
    shownLength_ = 0;
}

}  // namespace kaldoventri
