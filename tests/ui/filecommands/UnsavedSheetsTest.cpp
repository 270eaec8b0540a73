// Closing a sheet or the program with unsaved work, each way and with each
// answer: which sheets stay open and what is on disk afterwards; and "Spara",
// which writes a sheet to its own file.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "FileDialogAnswer.h"

namespace kaldoventri::testing {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TrayEntries Tray(int tray, qint32 amount) {
    TrayEntries entries(TrayCount);
    entries[static_cast<std::size_t>(tray - 1)] = amount;
    return entries;
}

}  // namespace

class UnsavedSheetsTest : public QObject {
    Q_OBJECT

private slots:
    void closingAsksAndDoesWhatTheAnswerSays_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("answers");  // buttons pressed, a path for a save dialog, "-" to cancel it
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("sheetsLeft");  // -1: the window closed
        QTest::addColumn<bool>("newSaved");   // Blad1 written to new.vkf
        QTest::addColumn<bool>("ownSaved");   // the changed "own" sheet written to own.vkf

        const QString one = QStringLiteral("Spara ändringarna i Blad1?");
        const QString both = QStringLiteral("Spara ändringarna i dessa blad?\n\nBlad1\nown");
        QTest::newRow("Stäng, Spara") << "Stng1" << QStringList{"Spara", "new"} << one << 0 << true << false;
        QTest::newRow("Stäng, Spara inte") << "Stng1" << QStringList{"Spara inte"} << one << 0 << false << false;
        QTest::newRow("Stäng, Avbryt") << "Stng1" << QStringList{"Avbryt"} << one << 1 << false << false;
        QTest::newRow("Stäng, save dialog cancelled") << "Stng1" << QStringList{"Spara", "-"} << one << 1 << false << false;
        QTest::newRow("Stäng alla, Spara alla")
            << "Stngalla1" << QStringList{"Spara alla", "new"} << both << 0 << true << true;
        QTest::newRow("Stäng alla, Spara inte") << "Stngalla1" << QStringList{"Spara inte"} << both << 0 << false << false;
        QTest::newRow("Stäng alla, save dialog cancelled")
            << "Stngalla1" << QStringList{"Spara alla", "-"} << both << 2 << false << false;
        QTest::newRow("Avsluta, Avbryt") << "close" << QStringList{"Avbryt"} << both << 2 << false << false;
        QTest::newRow("Avsluta, Spara inte") << "close" << QStringList{"Spara inte"} << both << -1 << false << false;
        QTest::newRow("Avsluta, Spara alla") << "close" << QStringList{"Spara alla", "new"} << both << -1 << true << true;
    }
    void closingAsksAndDoesWhatTheAnswerSays() {
        QFETCH(QString, command);
        QFETCH(QStringList, answers);
        QFETCH(QString, question);
        QFETCH(int, sheetsLeft);
        QFETCH(bool, newSaved);
        QFETCH(bool, ownSaved);
        QTemporaryDir dir;
        MainWindow w;
        w.NewSheet();
        if (command != QLatin1String("Stng1")) {
            // A second sheet that has its file but was changed since.
            w.NewSheet();
            {
                ModalAnswerer answerer;
                answerer.Queue(ChooseFile(dir.filePath("own.vkf")));
                w.c.Spara1->trigger();
            }
            w.workbook->SetTrayAmounts(Tray(1, 55));
            w.workbook->SetCurrentIndex(0);
        }
        const QByteArray ownBefore = ReadAll(dir.filePath("own.vkf"));

        ModalAnswerer answerer;
        for (const QString& answer : answers) {
            if (answer == QLatin1String("-"))
                answerer.Queue([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
            else if (answer == QLatin1String("new"))
                answerer.Queue(ChooseFile(dir.filePath("new.vkf")));
            else
                answerer.Queue(PressButton(answer));
        }
        bool closed = false;
        if (command == QLatin1String("close"))
            closed = w.form->close();
        else
            w.form->findChild<QAction*>(command)->trigger();

        QCOMPARE(answerer.messages, QStringList{question});
        QCOMPARE(closed, sheetsLeft < 0);
        if (sheetsLeft >= 0) QCOMPARE(w.workbook->SheetCount(), sheetsLeft);
        QCOMPARE(ReadAll(dir.filePath("new.vkf")).startsWith("Kaldoventri\r\nNormal,6,13,"), newSaved);
        if (ownSaved)
            QVERIFY(ReadAll(dir.filePath("own.vkf")).startsWith("Kaldoventri\r\nNormal,55,13,"));
        else
            QCOMPARE(ReadAll(dir.filePath("own.vkf")), ownBefore);
    }

    // Nothing unsaved, nothing asked; "Spara" writes to the sheet's own file
    // without a dialog, "Spara som" offers the sheet's own folder.
    void savedSheetsCloseWithoutAQuestion() {
        QTemporaryDir dir;
        MainWindow w;
        w.NewSheet();
        ModalAnswerer answerer;
        answerer.Queue(ChooseFile(dir.filePath("own.vkf")));
        w.c.Spara_ToolButton->click();  // "Spara" of a sheet without a file asks for one
        QCOMPARE(answerer.classes, QStringList{"QFileDialog"});
        w.workbook->SetTrayAmounts(Tray(1, 55));
        QCOMPARE(w.c.PageControl1->PageCaption(0), QStringLiteral("own *"));
        w.c.Find<QAction>(QStringLiteral("Spara2"))->trigger();
        QCOMPARE(answerer.classes.size(), 1);
        QVERIFY(ReadAll(dir.filePath("own.vkf")).startsWith("Kaldoventri\r\nNormal,55,13,"));
        QCOMPARE(w.c.PageControl1->PageCaption(0), QStringLiteral("own"));

        DialogSeen seen;
        answerer.Queue([&seen](QWidget* modal) {
            seen << qobject_cast<QFileDialog*>(modal)->directory().path();
            qobject_cast<QDialog*>(modal)->reject();
        });
        w.c.Spara1->trigger();
        QCOMPARE(seen, QStringList{QDir(dir.path()).canonicalPath()});
        w.c.Stng1->trigger();
        QCOMPARE(w.workbook->SheetCount(), 0);
        QVERIFY(answerer.messages.isEmpty());
    }
};

}  // namespace kaldoventri::testing

QTEST_MAIN(kaldoventri::testing::UnsavedSheetsTest)
#include "UnsavedSheetsTest.moc"
