// The start-up order: splash screen for the whole wait, then the main window
// with its test entry dialog, shown maximised. The wait is injected so that
// the test does not sleep; the real five seconds are measured end to end.
#include <QApplication>
#include <QTest>

#include "app/StartUp.h"
#include "ui/window/TForm1.h"
#include "ui/dialogs/TSplashScreen.h"
#include "ui/dialogs/TTypDokument.h"

using namespace kaldoventri;

namespace {

template <typename T>
QList<T*> TopLevels() {
    QList<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* typed = qobject_cast<T*>(widget)) found << typed;
    return found;
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void splashThenMainWindow() {
        std::chrono::milliseconds waited{0};
        bool splashShownDuringWait = false;
        bool mainWindowDuringWait = true;
        const StartedProgram program = StartProgram([&](std::chrono::milliseconds time) {
            waited = time;
            const QList<TSplashScreen*> splashes = TopLevels<TSplashScreen>();
            splashShownDuringWait = splashes.size() == 1 && splashes[0]->isVisible();
            mainWindowDuringWait = !TopLevels<TForm1>().isEmpty();
        });
        QCOMPARE(waited, std::chrono::milliseconds(5000));
        QVERIFY(splashShownDuringWait);
        QVERIFY(!mainWindowDuringWait);
        QVERIFY(TopLevels<TSplashScreen>().isEmpty());  // freed before the main window came
        const auto& form = program.window;
        QVERIFY(form->isVisible());
        QVERIFY(form->windowState().testFlag(Qt::WindowMaximized));
        QCOMPARE(form->windowTitle(), QStringLiteral("Kaldoventri"));
        QVERIFY(form->GetTypDokument() != nullptr);
        QCOMPARE(form->GetTypDokument()->parentWidget(), form.get());
        QVERIFY(!form->GetTypDokument()->isVisible());
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
