// Kaldoventri: evaluation of a fertiliser spreader's distribution test.
#include "app/StartUp.h"
#include "ui/mainwindow/ErrorReportingApplication.h"
#include "ui/mainwindow/TForm1.h"

int main(int argc, char** argv) {
    kaldoventri::ErrorReportingApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kaldoventri"));
    const auto mainWindow = kaldoventri::StartProgram(kaldoventri::BlockingSleep);
    return application.exec();
}
