// The pointer read-out over the diagram: its text, where and when it shows.
#include <QCursor>
#include <QTest>

#include "drawing/TDiagram.h"
#include "MainWindowFixture.h"
#include "ui/views/ReadoutText.h"
#include "ui/controls/TabButton.h"
#include "ui/views/PointerReadout.h"
#include "ui/views/DiagramView.h"

#include <cmath>
#include <limits>

using namespace kaldoventri;
using namespace kaldoventri::testing;

namespace {

// A main window with a sheet whose diagram has exactly two pixels per Y
// unit, so that rows fall on whole and half values: the window is sized so
// that the plot is twice the sheet's axis top high. Returns the row of the X axis.
int PrepareHalfUnitRows(MainWindow& w) {
    TForm1& f = *w.form;
    const int axisTop = w.workbook->CurrentSheet()->GetYAxisMax();
    for (int attempt = 0; attempt < 3; ++attempt) {
        w.c.Diagram_PaintBox->repaint();
        const int h = w.c.Diagram_PaintBox->height();
        const int margin = w.c.Diagram_PaintBox->Renderer().GetMarginY();
        const int plot = h - 2 * margin;
        if (plot == 2 * axisTop) return h - margin;
        const int height = f.height() + 2 * axisTop - plot;
        f.resize(1600, height);
        if (!QTest::qWaitFor([&] { return f.height() == height; })) return -1;
    }
    return -1;
}

// Rests the pointer the given rows above the X axis for two ticks of a
// stopped timer, so the read-out shows. Returns the row of the X axis.
int ShowReadoutAtRest(MainWindow& w, int x, int rowsAbove) {
    const int axis = PrepareHalfUnitRows(w);
    w.c.Timer1->stop();
    w.form->Diagram_PaintBoxMouseMove(x, axis - rowsAbove);
    w.form->Timer1Timer();
    w.form->Timer1Timer();
    return axis;
}

}  // namespace

class PointerReadoutTest : public QObject {
    Q_OBJECT

private slots:
    void readoutText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");  // empty: nothing shown
        QTest::newRow("half rounds down to even") << 42.5 << "Y = 42";
        QTest::newRow("half rounds up to even") << 43.5 << "Y = 44";
        QTest::newRow("just under a half") << 42.49 << "Y = 42";
        QTest::newRow("on the axis") << 0.0 << "Y = 0";
        QTest::newRow("a quarter above") << 0.25 << "Y = 0";
        QTest::newRow("just below the axis") << -0.01 << "";
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "";
        QTest::newRow("huge") << 1e300 << "Y = 9223372036854775807";
    }
    void readoutText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        const std::optional<QString> shown = ReadoutText(value);
        QCOMPARE(shown.value_or(QString()), text);
    }

    void showsAfterOneTickAtRest_data() {
        QTest::addColumn<int>("unitsAboveAxisTimesTwo");
        QTest::addColumn<QString>("text");
        QTest::newRow("42.5") << 85 << "Y = 42";
        QTest::newRow("43.5") << 87 << "Y = 44";
        QTest::newRow("below the axis") << -2 << "";
    }
    void showsAfterOneTickAtRest() {
        QFETCH(int, unitsAboveAxisTimesTwo);
        QFETCH(QString, text);
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        const int axis = PrepareHalfUnitRows(w);
        QVERIFY(axis > 0);
        const int x = 400;
        const int y = axis - unitsAboveAxisTimesTwo;
        w.c.Timer1->stop();

        f.Diagram_PaintBoxMouseMove(x, y);
        QVERIFY(w.c.Timer1->isActive());
        f.Timer1Timer();  // the pointer moved since the last tick
        QVERIFY(!f.Readout().Window()->isVisible());
        f.Timer1Timer();  // at rest for a full tick
        QCOMPARE(f.Readout().Window()->isVisible(), !text.isEmpty());
        QCOMPARE(w.c.Timer1->isActive(), text.isEmpty());  // below the axis it keeps watching
        if (text.isEmpty()) return;
        QCOMPARE(f.Readout().Window()->text(), text);
        QCOMPARE(w.c.Diagram_PaintBox->toolTip(), text);
        QVERIFY(w.c.Diagram_PaintBox->ShowHint());
        QCOMPARE(f.Readout().ReadoutRect(), QRect(w.c.Diagram_PaintBox->mapToGlobal(QPoint(x, y)), QSize(150, 30)));
        QCOMPARE(f.Readout().Window()->geometry(), f.Readout().ReadoutRect());

        f.Diagram_PaintBoxMouseMove(x + 1, y);  // moves again: gone at the next tick
        QVERIFY(!w.c.Diagram_PaintBox->ShowHint());
        f.Timer1Timer();
        QVERIFY(!f.Readout().Window()->isVisible());
    }

    void timerShowsItByItself() {
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        const int axis = PrepareHalfUnitRows(w);
        QVERIFY(axis > 0);
        f.Diagram_PaintBoxMouseMove(300, axis - 20);
        QTRY_VERIFY(f.Readout().Window()->isVisible());
        QCOMPARE(f.Readout().Window()->text(), QStringLiteral("Y = 10"));
        QVERIFY(!w.c.Timer1->isActive());
    }

    void popupMenuHidesReadout() {
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        const int axis = ShowReadoutAtRest(w, 300, 20);
        QVERIFY(f.Readout().Window()->isVisible());
        emit w.c.Diagram_PaintBox->customContextMenuRequested(QPoint(300, axis - 20));
        QVERIFY(w.c.PopupMenu1->isVisible());
        QVERIFY(!f.Readout().Window()->isVisible());
        f.Diagram_PaintBoxMouseMove(301, axis - 20);
        f.Timer1Timer();
        f.Timer1Timer();
        QVERIFY(!f.Readout().Window()->isVisible());  // not over the open menu
        w.c.PopupMenu1->hide();
    }

    void nothingForAPointerNeverOverTheDiagram() {
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        QTest::qWait(200);  // several ticks with the sheet's pointer still at (0, 0)
        QVERIFY(!f.Readout().Window()->isVisible());
    }

    void clickSwitchesTooltipOn() {
        MainWindow w;
        w.NewSheet();
        QCOMPARE(w.c.Diagram_PaintBox->toolTip(), QStringLiteral("y=56"));
        QVERIFY(!w.c.Diagram_PaintBox->ShowHint());
        QTest::mouseClick(w.c.Diagram_PaintBox, Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(w.c.Diagram_PaintBox->ShowHint());
    }

    // The read-out goes when what it showed goes: its sheet, the keyboard
    // to a modal window, or the pointer off the diagram onto the close button.
    void readoutGoesWith_data() {
        QTest::addColumn<QString>("cause");
        for (const char* cause : {"sheet closes", "another sheet", "modal window", "close button"})
            QTest::newRow(cause) << QString::fromLatin1(cause);
    }
    void readoutGoesWith() {
        QFETCH(QString, cause);
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        w.NewSheet();
        QVERIFY(MakeActive(&f));
        QVERIFY(ShowReadoutAtRest(w, 300, 20) > 0);
        QVERIFY(f.Readout().Window()->isVisible());
        if (cause == QLatin1String("sheet closes")) {
            ModalAnswerer answerer;
            answerer.Queue(PressButton(QStringLiteral("Spara inte")));
            w.c.Stng1->trigger();
        } else if (cause == QLatin1String("another sheet")) {
            w.c.PageControl1->Tab(0)->click();
        } else if (cause == QLatin1String("modal window")) {
            ModalAnswerer answerer;
            bool hiddenWhileOpen = false;
            answerer.Queue([&](QWidget* modal) {
                hiddenWhileOpen = !f.Readout().Window()->isVisible();
                modal->close();
            });
            w.c.Om1->trigger();
            QVERIFY(hiddenWhileOpen);
        } else {
            QCursor::setPos(w.c.Close_Button->mapToGlobal(w.c.Close_Button->rect().center()));
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(w.c.Diagram_PaintBox, &leave);
        }
        QVERIFY(!f.Readout().Window()->isVisible());
    }
};

QTEST_MAIN(PointerReadoutTest)
#include "PointerReadoutTest.moc"
