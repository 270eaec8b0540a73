// The tray strip's layout at various panel widths and scroll positions, and
// the page control's wrapping tab rows and page order.
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "MainWindowFixture.h"
#include "evaluation/TrayKit.h"
#include "ui/views/SheetTabBar.h"
#include "ui/controls/TabButton.h"

using namespace kaldoventri;
using namespace kaldoventri::testing;

class TrayStripAndTabsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }

    void stripFollowsPanelWidth_data() {
        QTest::addColumn<int>("panelWidth");
        QTest::addColumn<int>("shown");
        QTest::newRow("wide") << 1600 << 26;
        QTest::newRow("1588 pixels: all trays") << 1588 << 26;
        QTest::newRow("1587 pixels: tray 26 left out") << 1587 << 25;
        QTest::newRow("narrowest window") << 860 << 12;
    }
    void stripFollowsPanelWidth() {
        QFETCH(int, panelWidth);
        QFETCH(int, shown);
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        f.resize(panelWidth, 900);
        QTRY_COMPARE(w.c.Bottom_Panel->width(), panelWidth);
        for (int tray = 1; tray <= TrayCount; ++tray) {
            QCOMPARE(w.c.TrayEdit(tray)->isVisible(), tray <= shown);
            QCOMPARE(w.c.TrayEditLabel(tray)->isVisible(), tray <= shown);
        }
        QCOMPARE(w.c.TrayEdit(1)->geometry(), QRect(232, 10, 50, 25));
        QCOMPARE(w.c.TrayEditLabel(1)->geometry(), QRect(232, 35, 50, 25));
        QCOMPARE(w.c.TrayEdit(shown)->x(), 180 + 52 * shown);
        QCOMPARE(w.c.Box_ScrollBar->isVisible(), shown < TrayCount);
        QCOMPARE(w.c.Box_ScrollBar->maximum(), TrayCount - shown);
        QCOMPARE(w.c.Box_ScrollBar->value(), 0);
        QCOMPARE(w.c.Box_ScrollBar->width(), 52 * shown);
        QCOMPARE(w.c.Box_ScrollBar->x(), 96);
        // The bar lies under the tray labels, inside the panel.
        QVERIFY(w.c.Box_ScrollBar->y() >= w.c.TrayEditLabel(1)->geometry().bottom());
        QVERIFY(w.c.Box_ScrollBar->geometry().bottom() < w.c.Bottom_Panel->height());
    }

    void scrollingShiftsTheStrip_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("one") << 1;
        QTest::newRow("to the end") << 14;
    }
    void scrollingShiftsTheStrip() {
        QFETCH(int, position);
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        f.resize(860, 900);
        QTRY_COMPARE(w.c.Bottom_Panel->width(), 860);
        w.c.Box_ScrollBar->setValue(position);
        for (int tray = 1; tray <= TrayCount; ++tray) {
            const int slot = tray - position;
            const bool shown = slot >= 1 && slot <= 12;
            QCOMPARE(w.c.TrayEdit(tray)->isVisible(), shown);
            if (shown) QCOMPARE(w.c.TrayEdit(tray)->x(), 180 + 52 * slot);
        }
        // A new sheet shown keeps the strip where it was scrolled to.
        f.ShowActiveSheet();
        QCOMPARE(w.c.TrayEdit(position + 1)->x(), 232);
    }

    void stripHiddenWithoutSheet() {
        MainWindow w;
        TForm1& f = *w.form;
        f.resize(900, 900);
        QTRY_COMPARE(w.c.Bottom_Panel->width(), 900);
        for (int tray = 1; tray <= TrayCount; ++tray) QVERIFY(!w.c.TrayEdit(tray)->isVisible());
        QVERIFY(!w.c.Box_ScrollBar->isVisible());
    }

    void tabsWrapIntoRows() {
        Workbook workbook;
        for (int i = 1; i <= 30; ++i) workbook.AddSheet(SheetSettings{});
        SheetTabBar pages;
        pages.resize(400, 66);
        pages.SetWorkbook(&workbook);
        pages.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages));
        QCOMPARE(pages.PageCount(), 30);
        QCOMPARE(pages.PageCaption(29), QStringLiteral("Blad30 *"));
        QVERIFY(pages.TabRowCount() > 2);
        QVERIFY(pages.height() > 66);  // grown to hold every row
        int rowsStartingAtLeft = 0;
        for (int i = 0; i < pages.PageCount(); ++i) {
            const TabButton* tab = pages.Tab(i);
            QCOMPARE(tab->size(), tab->sizeHint());  // rows are not stretched
            QVERIFY(tab->geometry().right() < pages.width());
            QVERIFY(tab->geometry().bottom() < pages.height());
            if (tab->x() == pages.Tab(0)->x()) ++rowsStartingAtLeft;
        }
        QCOMPARE(rowsStartingAtLeft, pages.TabRowCount());
        workbook.CloseAllSheets();
        QCOMPARE(pages.PageCount(), 0);
        QCOMPARE(pages.height(), 66);
    }

    void tabsFollowTheWorkbook() {
        Workbook workbook;
        SheetTabBar pages;
        pages.SetWorkbook(&workbook);
        for (int i = 0; i < 3; ++i) workbook.AddSheet(SheetSettings{});
        workbook.SetCurrentIndex(1);
        workbook.CloseCurrentSheet();  // Blad2 goes; Blad3 becomes current
        QCOMPARE(pages.PageCount(), 2);
        QCOMPARE(pages.PageCaption(1), QStringLiteral("Blad3 *"));
        QVERIFY(!pages.Tab(0)->isChecked() && pages.Tab(1)->isChecked());
    }

    void clickOnTabAsksForThatSheetOnce() {
        Workbook workbook;
        SheetTabBar pages;
        pages.SetWorkbook(&workbook);
        for (int i = 0; i < 2; ++i) workbook.AddSheet(SheetSettings{});
        workbook.SetCurrentIndex(0);
        QList<int> asked;
        QObject::connect(&pages, &SheetTabBar::Change, [&](int index) { asked << index; });
        pages.Tab(0)->click();  // already current: nothing asked
        QVERIFY(pages.Tab(0)->isChecked());
        pages.Tab(1)->click();
        QCOMPARE(asked, QList<int>{1});
        // The tabs show the workbook's current sheet until the workbook changes it.
        QVERIFY(pages.Tab(0)->isChecked() && !pages.Tab(1)->isChecked());
        workbook.SetCurrentIndex(1);
        QVERIFY(!pages.Tab(0)->isChecked() && pages.Tab(1)->isChecked());
    }

    // Tab reaches every tray of a strip too narrow for all its trays, scrolling
    // each field into view; Shift+Tab walks back the same way.
    void tabReachesEveryTrayOfANarrowStrip_data() {
        QTest::addColumn<int>("trays");
        QTest::addColumn<int>("windowWidth");
        QTest::newRow("26 trays, narrowest window") << TrayCount << 860;
        QTest::newRow("an own kit of 100 trays") << MostTrays << 1600;
    }
    void tabReachesEveryTrayOfANarrowStrip() {
        QFETCH(int, trays);
        QFETCH(int, windowWidth);
        MainWindow w;
        TForm1& f = *w.form;
        if (trays == TrayCount) {
            w.NewSheet();
        } else {
            SheetSettings test;
            test.kit.layout = LayoutOwn;
            test.kit.name = "Halvmetersbackar";
            test.kit.positions = EvenlySpaced(trays, 0.485);
            test.kit.search = DefaultSearchRange(LastCurveWidthOf(test.kit.positions));
            test.amounts.assign(static_cast<std::size_t>(trays), 10);
            test.workingWidth = 24;
            w.workbook->AddSheet(test);
        }
        f.resize(windowWidth, 900);
        QTRY_COMPARE(w.c.Bottom_Panel->width(), windowWidth);
        QVERIFY(MakeActive(&f));
        w.c.TrayEdit(1)->setFocus();
        for (int tray = 2; tray <= trays; ++tray) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), w.c.TrayEdit(tray));
            QVERIFY(w.c.TrayEdit(tray)->isVisible());
            QVERIFY(w.c.TrayEdit(tray)->geometry().right() < w.c.Bottom_Panel->width());
        }
        for (int tray = trays - 1; tray >= 1; --tray) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), w.c.TrayEdit(tray));
            QVERIFY(w.c.TrayEdit(tray)->isVisible());
        }
    }

    void sheetsSwitchFromTheKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("current");  // after the key, from the last of three sheets
        QTest::newRow("Ctrl+Tab wraps to the first") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << 0;
        QTest::newRow("Ctrl+PgDn") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << 0;
        QTest::newRow("Ctrl+Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << 1;
        QTest::newRow("Ctrl+PgUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << 1;
    }
    void sheetsSwitchFromTheKeyboard() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, current);
        MainWindow w;
        for (int i = 0; i < 3; ++i) w.NewSheet();
        QVERIFY(MakeActive(w.form.get()));
        w.c.TrayEdit(4)->setFocus();
        QTest::keyClick(w.c.TrayEdit(4), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.workbook->CurrentIndex(), current);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Kaldoventri - Blad%1").arg(current + 1));
    }

    // Select all works by key: typing replaces the amount, and an emptied
    // field stores nothing, so the results keep showing the last whole test.
    void selectAllThenTypeOrEmpty() {
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet();
        const QString vk = w.c.VK_Label->text();
        QLineEdit* field = w.c.TrayEdit(3);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, QStringLiteral("39"));
        QCOMPARE(field->text(), QStringLiteral("39"));
        QCOMPARE(sheet->GetTrayAmount(3), 39);
        const QString changed = w.c.VK_Label->text();
        QVERIFY(changed != vk);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QString());
        QCOMPARE(sheet->GetTrayAmount(3), 39);
        QCOMPARE(w.c.VK_Label->text(), changed);
    }

    // A key release counts as typing only after its press in the strip, and a
    // held key's repeats count once: the Enter that closes a message box must
    // not bring the message straight back, and a held digit evaluates once.
    void releasesThatAreNoTyping() {
        MainWindow w;
        w.NewSheet();
        QVERIFY(MakeActive(w.form.get()));
        QLineEdit* field = w.c.TrayEdit(5);
        field->setFocus();
        field->setText(QStringLiteral("12a"));  // pasted through the edit menu
        ModalAnswerer answerer;
        answerer.Queue([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
        QTest::keyPress(field, Qt::Key_Return);  // refused: the fields are committed
        QTRY_COMPARE(answerer.messages, QStringList{QStringLiteral("Back 5: '12a' är inget heltal")});
        QTest::keyRelease(field, Qt::Key_Return);  // pressed in the message box
        QTest::qWait(50);
        QCOMPARE(answerer.messages.size(), 1);

        field->setText(QStringLiteral("40"));
        const long evaluations = w.workbook->EvaluationCount();
        QTest::keyPress(field, Qt::Key_End);
        for (int repeat = 0; repeat < 3; ++repeat) {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(field, &release);
        }
        QCOMPARE(w.workbook->EvaluationCount(), evaluations);
        QTest::keyRelease(field, Qt::Key_End);
        QCOMPARE(w.workbook->EvaluationCount(), evaluations + 1);
        QCOMPARE(w.workbook->CurrentSheet()->GetTrayAmount(5), 40);
    }
};

QTEST_MAIN(TrayStripAndTabsTest)
#include "TrayStripAndTabsTest.moc"
