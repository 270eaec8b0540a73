// The analysis commands in the window: the VK-curve view with its read-out
// and click, the driving pattern and averaged replicate sheets.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTest>

#include "MainWindowFixture.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/SheetFigures.h"
#include "ui/views/VKCurveView.h"
#include "ui/dialogs/AverageSheetsDialog.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/TabButton.h"

using namespace kaldoventri;
using namespace kaldoventri::testing;

class AnalysisViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }

    // Off at start, the window as it was; on, the curve shares the diagram's
    // room; a click sets the width the arrows would set.
    void curveViewFollowsAndSetsTheWidth() {
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet();
        auto* view = w.c.Find<VKCurveView>(QStringLiteral("VKCurveView"));
        auto* item = w.c.Find<QAction>(QStringLiteral("VisaVKkurva1"));
        QVERIFY(!view->isVisible() && !item->isChecked());
        const QSize diagramSize = w.c.Diagram_PaintBox->size();
        item->trigger();
        QTRY_VERIFY(view->isVisible());
        QVERIFY(w.c.Diagram_PaintBox->height() < diagramSize.height() ||
                w.c.Diagram_PaintBox->width() < diagramSize.width());
        QTRY_VERIFY(view->Geometry().Valid());

        const VKCurveGeometry& g = view->Geometry();
        const QPoint at(g.XOfWidth(30) + 1, (g.Plot().top + g.Plot().bottom) / 2);
        QTest::mouseMove(view, at);
        QTRY_COMPARE(view->ReadoutText(), QStringLiteral("15 m: VK %1 %").arg(QLocale().toString(sheet->GetVK(30))));
        const long evaluations = w.workbook->EvaluationCount();
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
        QCOMPARE(sheet->GetABredd(), 30);
        QCOMPARE(w.c.UpDown1->Position(), 30);
        QCOMPARE(w.c.ABredd_Label->text(), QStringLiteral("15 m"));
        QCOMPARE(w.workbook->EvaluationCount(), evaluations + 1);

        item->trigger();
        QVERIFY(!view->isVisible());
        QTRY_COMPARE(w.c.Diagram_PaintBox->size(), diagramSize);
    }

    // Both plots keep 150 px where the window allows it: stacked on a tall
    // screen, side by side on a wide, short one such as a maximised 1366 x 768
    // laptop; a narrow window keeps them stacked.
    void bothPlotsStayReadable_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<bool>("beside");
        QTest::newRow("tall screen") << QSize(1600, 1200) << false;
        QTest::newRow("maximised 1366 x 768") << QSize(1366, 705) << true;
        QTest::newRow("narrow and short") << QSize(900, 705) << false;
    }
    void bothPlotsStayReadable() {
        QFETCH(QSize, window);
        QFETCH(bool, beside);
        MainWindow w;
        w.NewSheet();
        w.form->resize(window);
        QTRY_COMPARE(w.form->size(), window);
        auto* view = w.c.Find<VKCurveView>(QStringLiteral("VKCurveView"));
        w.c.Find<QAction>(QStringLiteral("VisaVKkurva1"))->trigger();
        QTRY_VERIFY(view->Geometry().Valid());
        QCOMPARE(w.c.Find<QSplitter>(QStringLiteral("DiagramSplitter"))->orientation(),
                 beside ? Qt::Horizontal : Qt::Vertical);
        if (window.width() < 1000) return;
        QTRY_VERIFY(w.c.Diagram_PaintBox->Renderer().GetMarginY() > 0);
        QVERIFY2(w.c.Diagram_PaintBox->height() - 2 * w.c.Diagram_PaintBox->Renderer().GetMarginY() >= 150, qPrintable(QStringLiteral("%1 %2 curve %3 %4").arg(w.c.Diagram_PaintBox->height()).arg(w.c.Diagram_PaintBox->Renderer().GetMarginY()).arg(view->Geometry().Plot().bottom - view->Geometry().Plot().top).arg(view->height())));
        QVERIFY(view->Geometry().Plot().bottom - view->Geometry().Plot().top >= 150);
        // Back to a tall window, the two stack again.
        if (beside) {
            w.form->resize(1600, 1200);
            QTRY_COMPARE(w.c.Find<QSplitter>(QStringLiteral("DiagramSplitter"))->orientation(), Qt::Vertical);
        }
    }

    void drivingPatternFollowsTheCurrentSheet() {
        MainWindow w;
        std::vector<int> lopsided(TrayCount);
        for (int tray = 1; tray <= TrayCount; ++tray) lopsided[tray - 1] = 20 + 3 * tray;
        const TNewTabSheet* first = w.NewSheet(FillAndAccept(lopsided));
        auto* racetrack = w.c.Find<QAction>(QStringLiteral("Varvkorning1"));
        auto* backAndForth = w.c.Find<QAction>(QStringLiteral("FramOchTillbaka1"));
        QVERIFY(backAndForth->isChecked());
        const double vk = first->GetVK(24);
        racetrack->trigger();
        QVERIFY(!first->GetLeftPassReversed() && !first->GetRightPassReversed());
        QVERIFY(first->GetVK(24) != vk);  // evaluated anew
        w.NewSheet();
        QVERIFY(backAndForth->isChecked());  // a new sheet is driven back and forth
        w.c.PageControl1->Tab(0)->click();
        QVERIFY(racetrack->isChecked());
    }

    // Three replicates of one layout averaged tray by tray, halves to even;
    // a sheet of the other layout cannot join them.
    void averagedSheetOfChosenReplicates() {
        MainWindow w;
        std::vector<int> a(TrayCount, 10), b(TrayCount, 11), c(TrayCount, 14);
        a[0] = 1, b[0] = 2, c[0] = 0;  // mean 1: a third rounds down
        a[1] = 2, b[1] = 3, c[1] = 4;  // mean 3
        w.NewSheet(FillAndAccept(a, 30));
        w.NewSheet(FillAndAccept(b));
        w.NewSheet([](QWidget* modal) {
            DialogControl<RadioGroup>(modal, QStringLiteral("SpridarTyp_RadioGroup"))->SetItemIndex(1);
            FillAndAccept(std::vector<int>(TrayCount, 5), 48)(modal);
        });
        w.NewSheet(FillAndAccept(c));
        ModalAnswerer answerer;
        answerer.Queue([](QWidget* modal) {
            auto* dialog = qobject_cast<AverageSheetsDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QListWidget* list = dialog->SheetList();
            list->item(1)->setCheckState(Qt::Checked);  // chosen first
            QVERIFY(!(list->item(2)->flags() & Qt::ItemIsEnabled));  // "24 m"
            list->item(0)->setCheckState(Qt::Checked);
            list->item(3)->setCheckState(Qt::Checked);
            dialog->accept();
        });
        w.c.Find<QAction>(QStringLiteral("Medelvarde1"))->trigger();
        QCOMPARE(w.workbook->SheetCount(), 5);
        const TNewTabSheet* mean = w.workbook->CurrentSheet();
        QCOMPARE(QString::fromStdString(mean->GetTitle()), QStringLiteral("Blad5"));
        QCOMPARE(mean->GetTrayAmount(1), 1);
        QCOMPARE(mean->GetTrayAmount(2), 3);
        QCOMPARE(mean->GetTrayAmount(3), 12);  // (10 + 11 + 14) / 3 = 11.67
        QCOMPARE(mean->GetABredd(), 24);       // of Blad2, chosen first
        QCOMPARE(mean->GetOrigin(), std::string("Medelvärde av Blad2, Blad1, Blad4"));
        QCOMPARE(w.c.PageControl1->Tab(4)->toolTip(), QStringLiteral("Medelvärde av Blad2, Blad1, Blad4"));
        QCOMPARE(w.c.VK_Label->text(), QLocale().toString(mean->GetVK(24), 'g', 15) + QStringLiteral(" %"));
    }
    // Refused units send the user back to the field; accepted, the rate and
    // the correction appear beside the results, a tray that stands out is
    // named, and the kg/ha scale, refused without units, is taken.
    void unitsShowTheRateAndTakeTheKgPerHaScale() {
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet();
        auto* rateBox = w.form->findChild<QWidget*>(QStringLiteral("Giva_GroupBox"));
        const auto shown = [&](const char* name) { return w.form->findChild<QLabel*>(QLatin1String(name))->text(); };
        {
            // Without units the item stays offered and says what it needs.
            ModalAnswerer refusal;
            w.c.Menu_Diagram3->trigger();
            QCOMPARE(refusal.messages, QStringList{QStringLiteral("Y-Skala kg/ha behöver backens yta och mängdenhet. "
                                                                  "Ange dem under Enheter i Inställningar.")});
        }
        QVERIFY(w.workbook->YScaleMode() == 0 && !w.c.Menu_Diagram3->isChecked() && w.c.YSkala0->isChecked());
        const auto units = [](QString length) {
            return [length](QWidget* modal) {
                DialogControl(modal, QStringLiteral("BackBredd_Edit"))->setText(QStringLiteral("50"));
                DialogControl(modal, QStringLiteral("BackLangd_Edit"))->setText(length);
                DialogControl<QComboBox>(modal, QStringLiteral("Enhet_ComboBox"))->setCurrentIndex(1);
                DialogControl(modal, QStringLiteral("Malgiva_Edit"))->setText(QStringLiteral("400"));
                qobject_cast<QDialog*>(modal)->accept();
            };
        };
        ModalAnswerer answerer;
        answerer.Queue(units(QString()));
        answerer.Queue([](QWidget* box) { qobject_cast<QDialog*>(box)->reject(); });
        answerer.Queue([&](QWidget* modal) {
            QCOMPARE(modal->focusWidget()->objectName(), QStringLiteral("BackLangd_Edit"));
            units(QStringLiteral("50"))(modal);
        });
        w.c.setup->trigger();
        QCOMPARE(answerer.messages, QStringList{QStringLiteral("Skriv både backens bredd och längd i cm, eller ytan i m².")});
        QVERIFY(rateBox->isVisible() && sheet->GetUnits().trayArea == 0.25);
        const SheetFigures figures = ComputeSheetFigures(*sheet);
        QCOMPARE(shown("Giva_Label"), QString::fromStdString(RateText(figures, ",")));
        QCOMPARE(shown("Mal_Label"), QStringLiteral("400 kg/ha: %1, %2").arg(QString::fromStdString(DeviationText(figures)),
                                                                          QString::fromStdString(CorrectionText(figures, ","))));
        std::vector<int> amounts = PeakedAmounts;
        amounts[19] = 300;
        w.workbook->SetTrayAmounts(TrayEntries(amounts.begin(), amounts.end()));
        QVERIFY2(shown("Varningar_Label").contains(QStringLiteral("Back 20 avviker")), qPrintable(shown("Varningar_Label")));
        // In the narrowest window the rate and the warnings move under the texts instead of going.
        auto* panel = w.form->findChild<QWidget*>(QStringLiteral("Top_Panel"));
        const int besideHeight = panel->height();
        w.form->resize(w.form->minimumWidth(), w.form->height());
        QTRY_VERIFY(panel->height() > besideHeight);
        for (const char* name : {"Giva_GroupBox", "Varningar_GroupBox"}) {
            const auto* box = w.form->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(box->isVisible() && panel->rect().contains(box->geometry()), name);
            QVERIFY(box->y() > w.form->findChild<QWidget*>(QStringLiteral("GroupBox3"))->geometry().bottom());
        }

        const int valueAxis = sheet->GetYAxisMax();
        w.c.YSkala2->trigger();
        QVERIFY(w.workbook->YScaleMode() == 2 && w.c.Menu_Diagram3->isChecked() && !w.c.YSkala0->isChecked());
        QVERIFY(sheet->GetYAxisMax() > 3 * valueAxis);  // 4 kg/ha a unit
    }
};

QTEST_MAIN(AnalysisViewTest)
#include "AnalysisViewTest.moc"
