// Kaldoventri: evaluation of a fertiliser spreader's distribution test.
#include "app/StartUp.h"
#include "app/SwedishTranslation.h"
#include "ui/mainwindow/ErrorReportingApplication.h"

int main(int argc, char** argv) {
    kaldoventri::ErrorReportingApplication application(argc, argv);
    kaldoventri::InstallSwedishTranslation();
    const kaldoventri::StartedProgram program = kaldoventri::StartProgram(kaldoventri::BlockingSleep);
    return application.exec();
}
