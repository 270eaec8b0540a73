// The test entry dialog's "Våg...": a scale played through a real
// pseudo-terminal fills the trays reading by reading in the sheet's unit,
// a clicked tray is weighed again, and an unplugged scale leaves every
// amount where it was.
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <pty.h>
#include <unistd.h>

#include "ui/dialogs/ScaleWindow.h"
#include "ui/dialogs/TTypDokument.h"

using namespace kaldoventri;

class ScaleWindowTest : public QObject {
    Q_OBJECT

private:
    int master_ = -1, slave_ = -1;

    void Send(const QByteArray& bytes) {
        QCOMPARE(write(master_, bytes.constData(), bytes.size()), ssize_t(bytes.size()));
        for (int i = 0; i < 20; ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            usleep(2000);
        }
    }

private slots:
    void readingsFillTheTraysInTheSheetsUnitAndAClickedTrayIsWeighedAgain() {
        char name[256] = {};
        QCOMPARE(openpty(&master_, &slave_, name, nullptr, nullptr), 0);

        TTypDokument dialog;
        SheetSettings settings;
        settings.units.unit = AmountUnit{0.1, AmountKind::Mass};
        dialog.ShowSettings(settings);
        dialog.ClearAmounts();
        dialog.show();
        QPushButton* scaleButton = nullptr;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("&Våg...")) scaleButton = button;
        QVERIFY(scaleButton != nullptr);
        scaleButton->click();
        auto* scale = dialog.findChild<ScaleWindow*>();
        QVERIFY(scale != nullptr);
        QCOMPARE(scale->NextTray(), 1);
        scale->findChild<QComboBox*>()->setCurrentText(QString::fromLocal8Bit(name));
        QVERIFY(scale->Connect());

        // 12.35 g is 123.5 tenths: to the even 124, not to 123 as 12.35 × 10 in binary would.
        Send("ST,GS,+00012.35  g\r\nUS,+00001.00  g\r\n     0.05\r\n+   0.01234 kg\r\n");
        QCOMPARE(dialog.GetTrayText(1), QStringLiteral("124"));
        QCOMPARE(dialog.GetTrayText(2), QStringLiteral("0"));
        QCOMPARE(dialog.GetTrayText(3), QStringLiteral("123"));
        QCOMPARE(scale->NextTray(), 4);

        QApplication::setActiveWindow(&dialog);
        dialog.FocusTray(2);
        QCOMPARE(scale->NextTray(), 2);
        Send("7.7 g\n");
        QCOMPARE(dialog.GetTrayText(2), QStringLiteral("77"));
        QCOMPARE(dialog.GetTrayText(3), QStringLiteral("123"));
        QCOMPARE(scale->NextTray(), 3);

        // Unplugged: one message, the port closed, every amount kept.
        QString message;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&message] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
        answer.start(10);
        close(master_);
        QTRY_VERIFY(!scale->Port().IsOpen());
        QTRY_VERIFY(!message.isEmpty());
        QVERIFY2(message.contains(QStringLiteral("svarar inte längre")), qPrintable(message));
        QCOMPARE(dialog.GetTrayText(1), QStringLiteral("124"));
        QCOMPARE(dialog.GetTrayText(2), QStringLiteral("77"));
        close(slave_);
    }
};

QTEST_MAIN(ScaleWindowTest)
#include "ScaleWindowTest.moc"
