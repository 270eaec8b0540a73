// A list of amounts pasted into the test entry dialog's tray fields: a
// column and a row fill the trays from the focused one on, one Ctrl+Z takes
// the whole paste back, and a bad value or too many values change nothing
// and say why.
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "ui/dialogs/TTypDokument.h"

using namespace kaldoventri;

class PasteTest : public QObject {
    Q_OBJECT

    QStringList Trays(const TTypDokument& d, int from, int to) {
        QStringList texts;
        for (int tray = from; tray <= to; ++tray) texts << d.GetTrayText(tray);
        return texts;
    }
    // Pastes with Ctrl+V into the tray's field; the text of a message it brings, answered.
    QString PasteInto(TTypDokument& d, int tray, const QString& clipboard) {
        QGuiApplication::clipboard()->setText(clipboard);
        d.FocusTray(tray);
        QString message;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&message] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
        answer.start(10);
        QTest::keyClick(d.focusWidget(), Qt::Key_V, Qt::ControlModifier);
        return message;
    }

private slots:
    void pastedListsFillTheTraysAllOrNothing() {
        TTypDokument d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QApplication::setActiveWindow(&d);
        d.ClearEntries();
        d.SetTrayValue(7, 4);

        QVERIFY(PasteInto(d, 5, QStringLiteral("10\r\n20\r\n30\r\n")).isEmpty());  // a column, as a spreadsheet copies it
        QCOMPARE(Trays(d, 4, 8), (QStringList{"7", "10", "20", "30", ""}));
        QVERIFY(PasteInto(d, 24, QStringLiteral("1\t2\t3")).isEmpty());  // a row, to the last tray
        QCOMPARE(Trays(d, 24, 26), (QStringList{"1", "2", "3"}));

        // One Ctrl+Z takes the last paste back whole.
        QTest::keyClick(d.focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Trays(d, 24, 26), (QStringList{"", "", ""}));
        QCOMPARE(Trays(d, 5, 7), (QStringList{"10", "20", "30"}));

        const QString bad = PasteInto(d, 1, QStringLiteral("5;6;4,5;8"));
        QVERIFY2(bad.contains(QStringLiteral("Back 3: '4,5'")), qPrintable(bad));
        const QString tooMany = PasteInto(d, 1, QStringLiteral("1 ").repeated(30));
        QCOMPARE(tooMany, QStringLiteral("30 värden men bara 26 backar från back 1"));
        QCOMPARE(Trays(d, 1, 4), (QStringList{"", "", "", "7"}));
    }
};

QTEST_MAIN(PasteTest)
#include "PasteTest.moc"
