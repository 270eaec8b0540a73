// The tray strip's layout at various panel widths and scroll positions, and
// the page control's wrapping tab rows and page order.
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "MainWindowFixture.h"
#include "ui/mainwindow/SheetTabBar.h"
#include "ui/widgets/TabButton.h"

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
        QTest::newRow("1131 pixels: all trays") << 1131 << 26;
        QTest::newRow("1130 pixels: tray 26 left out") << 1130 << 25;
        QTest::newRow("narrow") << 600 << 10;
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
        QCOMPARE(w.c.TrayEdit(1)->geometry(), QRect(215, 10, 35, 25));
        QCOMPARE(w.c.TrayEditLabel(1)->geometry(), QRect(220, 35, 35, 25));
        QCOMPARE(w.c.TrayEdit(shown)->x(), 180 + 35 * shown);
        QCOMPARE(w.c.Box_ScrollBar->isVisible(), shown < TrayCount);
        QCOMPARE(w.c.Box_ScrollBar->maximum(), TrayCount - shown);
        QCOMPARE(w.c.Box_ScrollBar->value(), 0);
        QCOMPARE(w.c.Box_ScrollBar->width(), 35 * shown);
        QCOMPARE(w.c.Box_ScrollBar->x(), 96);
        // The bar lies under the tray labels, inside the panel.
        QVERIFY(w.c.Box_ScrollBar->y() >= w.c.TrayEditLabel(1)->geometry().bottom());
        QVERIFY(w.c.Box_ScrollBar->geometry().bottom() < w.c.Bottom_Panel->height());
    }

    void scrollingShiftsTheStrip_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("one") << 1;
        QTest::newRow("to the end") << 16;
    }
    void scrollingShiftsTheStrip() {
        QFETCH(int, position);
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        f.resize(600, 900);
        QTRY_COMPARE(w.c.Bottom_Panel->width(), 600);
        w.c.Box_ScrollBar->setValue(position);
        for (int tray = 1; tray <= TrayCount; ++tray) {
            const int slot = tray - position;
            const bool shown = slot >= 1 && slot <= 10;
            QCOMPARE(w.c.TrayEdit(tray)->isVisible(), shown);
            if (shown) QCOMPARE(w.c.TrayEdit(tray)->x(), 180 + 35 * slot);
        }
        // A new sheet shown keeps the strip where it was scrolled to.
        f.ShowActiveSheet();
        QCOMPARE(w.c.TrayEdit(position + 1)->x(), 215);
    }

    void stripHiddenWithoutSheet() {
        MainWindow w;
        TForm1& f = *w.form;
        f.resize(800, 900);
        QTRY_COMPARE(w.c.Bottom_Panel->width(), 800);
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
        QCOMPARE(pages.PageCaption(29), QStringLiteral("Blad30"));
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
        QCOMPARE(pages.PageCaption(1), QStringLiteral("Blad3"));
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
};

QTEST_MAIN(TrayStripAndTabsTest)
#include "TrayStripAndTabsTest.moc"
