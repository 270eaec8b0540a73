// The application-wide error report: an exception that leaves an event
// handler is shown in a message box and the program runs on.
#include <QTest>
#include <QTimer>

#include <stdexcept>

#include "MainWindowFixture.h"
#include "ui/support/CommandError.h"
#include "app/ErrorReportingApplication.h"

using namespace kaldoventri;
using namespace kaldoventri::testing;

namespace {

// A widget whose handlers throw, as a command without its own guard would.
class ThrowingWidget : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override { throw CommandError(QStringLiteral("I/O error 103")); }
    void customEvent(QEvent*) override { throw std::runtime_error("File not found"); }
};

}  // namespace

class ErrorReportTest : public QObject {
    Q_OBJECT

private slots:
    void exceptionFromEventHandlerIsReported_data() {
        QTest::addColumn<bool>("posted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("mouse press") << false << "I/O error 103";
        QTest::newRow("posted event") << true << "File not found";
    }
    void exceptionFromEventHandlerIsReported() {
        QFETCH(bool, posted);
        QFETCH(QString, shown);
        ThrowingWidget widget;
        widget.resize(100, 100);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        ModalAnswerer answerer;
        if (posted) {
            QCoreApplication::postEvent(&widget, new QEvent(QEvent::User));
        } else {
            QTest::mouseClick(&widget, Qt::LeftButton);
        }
        QTRY_COMPARE(answerer.messages.value(0), shown);
        QCOMPARE(answerer.messageTitles.value(0), QCoreApplication::applicationName());
        // Still running: the event loop goes on delivering.
        bool ticked = false;
        QTimer::singleShot(0, [&] { ticked = true; });
        QTRY_VERIFY(ticked);
    }
};

int main(int argc, char** argv) {
    ErrorReportingApplication application(argc, argv);
    ErrorReportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ErrorReportTest.moc"
