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
        QTRY_COMPARE(f.Bottom_Panel->width(), panelWidth);
        for (int tray = 1; tray <= TrayCount; ++tray) {
            QCOMPARE(f.TrayEdit(tray)->isVisible(), tray <= shown);
            QCOMPARE(f.TrayEditLabel(tray)->isVisible(), tray <= shown);
        }
        QCOMPARE(f.TrayEdit(1)->geometry(), QRect(215, 10, 35, 25));
        QCOMPARE(f.TrayEditLabel(1)->geometry(), QRect(220, 35, 35, 25));
        QCOMPARE(f.TrayEdit(shown)->x(), 180 + 35 * shown);
        QCOMPARE(f.Box_ScrollBar->isVisible(), shown < TrayCount);
        QCOMPARE(f.Box_ScrollBar->maximum(), TrayCount - shown);
        QCOMPARE(f.Box_ScrollBar->value(), 0);
        QCOMPARE(f.Box_ScrollBar->width(), 35 * shown);
        QCOMPARE(f.Box_ScrollBar->x(), 96);
        // The bar lies under the tray labels, inside the panel.
        QVERIFY(f.Box_ScrollBar->y() >= f.TrayEditLabel(1)->geometry().bottom());
        QVERIFY(f.Box_ScrollBar->geometry().bottom() < f.Bottom_Panel->height());
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
        QTRY_COMPARE(f.Bottom_Panel->width(), 600);
        f.Box_ScrollBar->setValue(position);
        for (int tray = 1; tray <= TrayCount; ++tray) {
            const int slot = tray - position;
            const bool shown = slot >= 1 && slot <= 10;
            QCOMPARE(f.TrayEdit(tray)->isVisible(), shown);
            if (shown) QCOMPARE(f.TrayEdit(tray)->x(), 180 + 35 * slot);
        }
        // A new sheet shown keeps the strip where it was scrolled to.
        f.ShowActiveSheet();
        QCOMPARE(f.TrayEdit(position + 1)->x(), 215);
    }

    void stripHiddenWithoutSheet() {
        MainWindow w;
        TForm1& f = *w.form;
        f.resize(800, 900);
        QTRY_COMPARE(f.Bottom_Panel->width(), 800);
        for (int tray = 1; tray <= TrayCount; ++tray) QVERIFY(!f.TrayEdit(tray)->isVisible());
        QVERIFY(!f.Box_ScrollBar->isVisible());
    }

    void tabsWrapIntoRows() {
        SheetTabBar pages;
        pages.resize(400, 66);
        pages.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages));
        for (int i = 1; i <= 30; ++i) {
            auto sheet = std::make_unique<TNewTabSheet>();
            pages.AddPage(std::move(sheet), QStringLiteral("Blad%1").arg(i));
        }
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
    }

    void freeingActivePagePicksNext_data() {
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<int>("active");
        QTest::addColumn<QString>("nowActive");
        QTest::newRow("middle: the next") << 3 << 1 << "C";
        QTest::newRow("last: the first") << 3 << 2 << "A";
        QTest::newRow("first: the next") << 3 << 0 << "B";
        QTest::newRow("only: none") << 1 << 0 << "";
    }
    void freeingActivePagePicksNext() {
        QFETCH(int, pageCount);
        QFETCH(int, active);
        QFETCH(QString, nowActive);
        SheetTabBar pages;
        for (int i = 0; i < pageCount; ++i) {
            auto sheet = std::make_unique<TNewTabSheet>();
            sheet->SetTitle(std::string(1, static_cast<char>('A' + i)));
            pages.AddPage(std::move(sheet), QString());
        }
        pages.SetActivePageIndex(active);
        pages.FreeActivePage();
        QCOMPARE(pages.PageCount(), pageCount - 1);
        QCOMPARE(pages.ActivePage() ? QString::fromStdString(pages.ActivePage()->GetTitle()) : QString(), nowActive);
        for (int i = 0; i < pages.PageCount(); ++i) QCOMPARE(pages.Tab(i)->isChecked(), i == pages.ActivePageIndex());
    }

    void clickOnTabChangesPageOnce() {
        SheetTabBar pages;
        for (int i = 0; i < 2; ++i) pages.AddPage(std::make_unique<TNewTabSheet>(), QStringLiteral("Blad%1").arg(i));
        pages.SetActivePageIndex(0);
        int changes = 0;
        QObject::connect(&pages, &SheetTabBar::Change, [&] { ++changes; });
        pages.Tab(0)->click();  // already active: no change
        QCOMPARE(changes, 0);
        QVERIFY(pages.Tab(0)->isChecked());
        pages.Tab(1)->click();
        QCOMPARE(changes, 1);
        QCOMPARE(pages.ActivePageIndex(), 1);
    }
};

QTEST_MAIN(TrayStripAndTabsTest)
#include "TrayStripAndTabsTest.moc"
