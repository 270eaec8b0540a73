// The exception a command of the windows throws to end itself with one of the
// standard error messages ("File not found", "I/O error %d", "'%s' is not a
// valid integer value"); the command boundary (CommandBoundary.h) shows its
// text and the program runs on. The layers below report failures as values.
#pragma once

#include <QString>
#include <stdexcept>

namespace kaldoventri {

class CommandError : public std::runtime_error {
public:
    explicit CommandError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& Message() const { return message_; }

private:
    QString message_;
};

}  // namespace kaldoventri
