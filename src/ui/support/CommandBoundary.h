// Every menu command, button and event handler of the windows runs its work
// through RunCommand. Qt is not exception-safe, so no exception may leave a
// slot or an event handler: whatever a command throws ends that command here
// and is shown as an error message, and the program runs on.
#pragma once

#include <exception>
#include <functional>

#include <QString>

class QWidget;

namespace kaldoventri {

// The text the error report shows for an exception: the message of a
// CommandError, what() of any other standard exception.
QString ErrorReportText(const std::exception& error);

// Shows an error in a plain message box captioned with the application name.
void ShowErrorReport(QWidget* parent, const QString& text);

// Runs work; an exception it throws is shown by the error report.
// Returns false when the work ended with an exception.
bool RunCommand(QWidget* parent, const std::function<void()>& work);

}  // namespace kaldoventri
