// The application object. Its notify() is the last line of the error report:
// an exception that escapes an event handler without passing the command
// boundary is shown the same way instead of ending the program.
#pragma once

#include <QApplication>

namespace kaldoventri {

class ErrorReportingApplication : public QApplication {
    Q_OBJECT

public:
    ErrorReportingApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace kaldoventri
