// Kaldoventri: evaluation of a fertiliser spreader's distribution test.
#include <QCoreApplication>

#include "app/StartUp.h"
#include "ui/mainwindow/ErrorReportingApplication.h"

int main(int argc, char** argv) {
    kaldoventri::ErrorReportingApplication application(argc, argv);
    // Message-box captions take the application's name, which Qt would
    // otherwise take from the installed program's file name "kaldoventri".
    QCoreApplication::setApplicationName(QStringLiteral("Kaldoventri"));
    const kaldoventri::StartedProgram program = kaldoventri::StartProgram(kaldoventri::BlockingSleep);
    return application.exec();
}
