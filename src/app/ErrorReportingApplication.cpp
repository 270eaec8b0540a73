// Application object with the application-wide error report.
#include "app/ErrorReportingApplication.h"

#include "ui/support/CommandBoundary.h"

namespace kaldoventri {

ErrorReportingApplication::ErrorReportingApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ErrorReportingApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunCommand(activeWindow(), [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace kaldoventri
