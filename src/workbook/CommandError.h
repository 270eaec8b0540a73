// The exception a command throws to end itself with one of the standard error
// messages ("File not found", "I/O error %d", "'%s' is not a valid integer
// value"); the command boundary shows its text and the program runs on.
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
