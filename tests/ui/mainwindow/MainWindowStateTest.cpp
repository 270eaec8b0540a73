// The main window without and with a sheet: start-up state, menu captions,
// display options, Y scale, working-width arrows, the pop-up menu's sources,
// silence of sheet commands without a sheet, the about box and the command
// boundary.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <stdexcept>

#include "drawing/TCopyDiagram.h"
#include "drawing/TDiagram.h"
#include "drawing/TPrintDiagram.h"
#include "MainWindowFixture.h"
#include "ui/support/CommandBoundary.h"
#include "ui/support/CommandError.h"
#include "ui/views/PointerReadout.h"
#include "files/WholeNumber.h"
#include "ui/dialogs/TAboutBox.h"

using namespace kaldoventri;
using namespace kaldoventri::testing;

class MainWindowStateTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }

    void startsWithoutSheet() {
        MainWindow w;
        TForm1& f = *w.form;
        QCOMPARE(f.windowTitle(), QStringLiteral("Kaldoventri"));
        QVERIFY(!w.c.Spara_ToolButton->isEnabled());
        QVERIFY(!w.c.Print_ToolButton->isEnabled());
        QVERIFY(w.c.Nytt_ToolButton->isEnabled());
        QVERIFY(!w.c.Label9->isVisible());
        QVERIFY(!w.c.UpDown1->isVisible());
        QVERIFY(!w.c.Box_ScrollBar->isVisible());
        QVERIFY(!w.c.Close_Button->isVisible());
        for (int tray = 1; tray <= TrayCount; ++tray) {
            QVERIFY(!w.c.TrayEdit(tray)->isVisible());
            QVERIFY(!w.c.TrayEditLabel(tray)->isVisible());
            QCOMPARE(w.c.TrayEdit(tray)->objectName(), QStringLiteral("FBox%1").arg(tray));
            QCOMPARE(w.c.TrayEditLabel(tray)->objectName(), QStringLiteral("FBoxLabel%1").arg(tray));
        }
        QVERIFY(w.c.Menu_Diagram1->isChecked() && w.c.YSkala0->isChecked());
        QVERIFY(!w.c.Menu_Diagram2->isChecked() && !w.c.YSKala1->isChecked());
        QVERIFY(w.c.Visameter1->isChecked() && w.c.VisaBackar1->isChecked() && !w.c.VisaBackarbacknr1->isChecked());
        QCOMPARE(w.workbook->NextSheetNumber(), 1);
        QVERIFY(w.workbook->CurrentSheet() == nullptr);
        QVERIFY(w.c.Timer1->isActive());
        QCOMPARE(w.c.Timer1->interval(), 50);
        QCOMPARE(f.Readout().ReadoutRect(), QRect(100, 100, 150, 30));
        for (const DiagramRenderer* renderer : std::initializer_list<const DiagramRenderer*>{
                 &w.c.Diagram_PaintBox->Renderer(), &f.Output().CopyRenderer(), &f.Output().PrintRenderer()}) {
            QCOMPARE(renderer->GetTrayMarking(), 1);
            QVERIFY(renderer->GetShowMetres());
        }
    }

    void menuCaptions_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("shown");
        QTest::newRow("open") << "ppna1" << QStringLiteral("Öppna");
        QTest::newRow("close all") << "Stngalla1" << QStringLiteral("Stäng alla");
        QTest::newRow("percent, pop-up") << "YSKala1" << QStringLiteral("Y-SKala %");
        QTest::newRow("percent, menu") << "Menu_Diagram2" << QStringLiteral("Y-Skala %");
        QTest::newRow("trays and numbers") << "VisaBackarbacknr1" << QStringLiteral("Visa backar & backnr");
        QTest::newRow("settings, menu") << "setup" << QStringLiteral("Ändra inställningar");
        QTest::newRow("printer settings") << "Instllningar1" << QStringLiteral("Inställningar");
    }
    void menuCaptions() {
        QFETCH(QString, item);
        QFETCH(QString, shown);
        MainWindow w;
        auto* action = w.form->findChild<QAction*>(item);
        QVERIFY(action != nullptr);
        // A menu shows "&&" as one ampersand and "&x" as an accelerator.
        QCOMPARE(QString(action->text()).replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1")), shown);
    }

    // A VK that could not be computed, and a range without an optimum, read
    // "–"; a racetrack sheet says so beside its width.
    void resultLabels_data() {
        QTest::addColumn<std::vector<int>>("amounts");
        QTest::addColumn<bool>("racetrack");
        QTest::addColumn<QStringList>("shown");  // VK, width, optimal VK, optimal width; empty: not looked at
        QTest::newRow("peaked") << PeakedAmounts << false << QStringList{"2,2 %", "12 m", "0 %", "12,5 m"};
        QTest::newRow("nothing caught") << std::vector<int>(TrayCount, 0) << false << QStringList{"–", "12 m", "–", "–"};
        QTest::newRow("racetrack") << PeakedAmounts << true << QStringList{"", "12 m, varvkörning", "", ""};
    }
    void resultLabels() {
        QFETCH(std::vector<int>, amounts);
        QFETCH(bool, racetrack);
        QFETCH(QStringList, shown);
        MainWindow w;
        w.NewSheet(FillAndAccept(amounts));
        if (racetrack) w.form->findChild<QAction*>(QStringLiteral("Varvkorning1"))->trigger();
        const QLabel* labels[] = {w.c.VK_Label, w.c.ABredd_Label, w.c.OVK_Label, w.c.OptimalAbredd_Label};
        for (int i = 0; i < 4; ++i)
            if (!shown[i].isEmpty()) QCOMPARE(labels[i]->text(), shown[i]);
    }

    // Every command can be had without a mouse: the usual shortcuts, F10 for
    // the menu bar, Shift+F10 and the Menu key for the pop-up menu, and Tab
    // reaches the working-width arrows.
    void keyboardReachesTheCommands_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("opens");  // class or object name of what opens; "closed": the sheet goes
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << int(Qt::ControlModifier) << "kaldoventri::TTypDokument";
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << int(Qt::ControlModifier) << "QFileDialog";
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << int(Qt::ControlModifier) << "QFileDialog";
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier) << "closed";
        QTest::newRow("F10") << int(Qt::Key_F10) << 0 << "Akriv1";
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "PopupMenu1";
        QTest::newRow("Menu key") << int(Qt::Key_Menu) << 0 << "PopupMenu1";
    }
    void keyboardReachesTheCommands() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, opens);
        MainWindow w;
        w.NewSheet();
        QVERIFY(MakeActive(w.form.get()));
        w.form->setFocus();
        ModalAnswerer answerer;
        if (opens == QStringLiteral("closed")) answerer.Queue(PressButton(QStringLiteral("Spara inte")));
        QTest::keyClick(w.form.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (opens == QStringLiteral("closed")) {
            QCOMPARE(w.workbook->SheetCount(), 0);
        } else if (opens.startsWith(QLatin1Char('Q')) || opens.contains(QLatin1Char(':'))) {
            QTRY_VERIFY(answerer.classes.contains(opens));
        } else {
            QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
            QCOMPARE(QApplication::activePopupWidget()->objectName(), opens);
            QApplication::activePopupWidget()->close();
        }
    }

    void tabReachesTheArrows() {
        MainWindow w;
        w.NewSheet();
        QVERIFY(MakeActive(w.form.get()));
        w.c.UpDown1->setFocus(Qt::TabFocusReason);
        QVERIFY(w.c.UpDown1->hasFocus());
        QTest::keyClick(w.c.UpDown1, Qt::Key_Right);
        QCOMPARE(w.workbook->CurrentSheet()->GetABredd(), 25);
        QTest::keyClick(w.c.UpDown1, Qt::Key_Tab);
        QVERIFY(w.c.TrayEdit(1)->hasFocus());
        // PageUp and PageDown step a metre, Home and End go to 5 m and 50 m.
        w.c.UpDown1->setFocus(Qt::TabFocusReason);
        for (const auto& [key, width] : {std::pair{Qt::Key_PageUp, 27}, {Qt::Key_PageDown, 25}, {Qt::Key_End, 100},
                                         {Qt::Key_Home, 10}}) {
            QTest::keyClick(w.c.UpDown1, key);
            QCOMPARE(w.workbook->CurrentSheet()->GetABredd(), width);
        }
    }

    void copyHasControlC() {
        MainWindow w;
        QCOMPARE(w.c.Kopiera1->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    }

    void workingWidthArrows_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("label");
        QTest::newRow("step up") << 24 << 1 << 25 << QStringLiteral("12,5 m");
        QTest::newRow("stops at 10") << 10 << -1 << 10 << QStringLiteral("5 m");
        QTest::newRow("stops at 100") << 100 << 1 << 100 << QStringLiteral("50 m");
        QTest::newRow("from 45 m up") << 90 << 1 << 91 << QStringLiteral("45,5 m");
        QTest::newRow("from 40 m up") << 80 << 1 << 81 << QStringLiteral("40,5 m");
        QTest::newRow("from 100 down") << 100 << -1 << 99 << QStringLiteral("49,5 m");
    }
    void workingWidthArrows() {
        QFETCH(int, start);
        QFETCH(int, direction);
        QFETCH(int, expected);
        QFETCH(QString, label);
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet(FillAndAccept(PeakedAmounts, start));
        QVERIFY(sheet != nullptr);
        QCOMPARE(w.c.UpDown1->Position(), start);
        w.c.UpDown1->Step(direction);
        QCOMPARE(sheet->GetABredd(), expected);
        QCOMPARE(w.c.UpDown1->Position(), expected);
        QCOMPARE(w.c.ABredd_Label->text(), label);
        QCOMPARE(sheet->GetCalcWidth(), expected);  // evaluated at the new width
    }

    void trayMarkingItems_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("marking");
        QTest::addColumn<bool>("traysTicked");
        QTest::addColumn<bool>("numbersTicked");
        QTest::newRow("trays again: off") << QStringList{"VisaBackar1"} << 0 << false << false;
        QTest::newRow("numbers") << QStringList{"VisaBackarbacknr1"} << 2 << false << true;
        QTest::newRow("numbers, then trays") << QStringList{"VisaBackarbacknr1", "VisaBackar1"} << 1 << true << false;
        QTest::newRow("numbers twice: off") << QStringList{"VisaBackarbacknr1", "VisaBackarbacknr1"} << 0 << false
                                            << false;
        QTest::newRow("off, then trays") << QStringList{"VisaBackar1", "VisaBackar1"} << 1 << true << false;
    }
    void trayMarkingItems() {
        QFETCH(QStringList, clicks);
        QFETCH(int, marking);
        QFETCH(bool, traysTicked);
        QFETCH(bool, numbersTicked);
        MainWindow w;
        TForm1& f = *w.form;
        for (const QString& name : clicks) f.findChild<QAction*>(name)->trigger();
        QCOMPARE(w.c.Diagram_PaintBox->Renderer().GetTrayMarking(), marking);
        QCOMPARE(f.Output().CopyRenderer().GetTrayMarking(), marking);
        QCOMPARE(f.Output().PrintRenderer().GetTrayMarking(), 1);  // the printed page keeps its tray squares
        QCOMPARE(w.c.VisaBackar1->isChecked(), traysTicked);
        QCOMPARE(w.c.VisaBackarbacknr1->isChecked(), numbersTicked);
    }

    void showMetresReachesScreenAndPictureOnly() {
        MainWindow w;
        TForm1& f = *w.form;
        w.c.Visameter1->trigger();
        QVERIFY(!w.c.Visameter1->isChecked());
        QVERIFY(!w.c.Diagram_PaintBox->Renderer().GetShowMetres());
        QVERIFY(!f.Output().CopyRenderer().GetShowMetres());
        QVERIFY(f.Output().PrintRenderer().GetShowMetres());
        w.c.Visameter1->trigger();
        QVERIFY(w.c.Visameter1->isChecked() && w.c.Diagram_PaintBox->Renderer().GetShowMetres() && f.Output().CopyRenderer().GetShowMetres());
    }

    void yScaleItemsTickInPairsAndRecalculate() {
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet();
        QCOMPARE(sheet->GetYAxisMax(), 160);
        w.c.YSKala1->trigger();
        QCOMPARE(w.workbook->YScaleMode(), 1);
        QVERIFY(w.c.YSKala1->isChecked() && w.c.Menu_Diagram2->isChecked());
        QVERIFY(!w.c.YSkala0->isChecked() && !w.c.Menu_Diagram1->isChecked());
        QCOMPARE(sheet->GetYAxisMax(), 140);  // percent of the normal level 109
        w.c.Menu_Diagram1->trigger();
        QVERIFY(w.c.YSkala0->isChecked() && w.c.Menu_Diagram1->isChecked() && !w.c.YSKala1->isChecked());
        QCOMPARE(sheet->GetYAxisMax(), 160);
        w.c.Menu_Diagram1->trigger();  // choosing the ticked item keeps it ticked
        QVERIFY(w.c.Menu_Diagram1->isChecked() && w.c.YSkala0->isChecked());
    }

    void popupMenuSources_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("opens");
        QTest::newRow("diagram") << "Diagram_PaintBox" << true;
        QTest::newRow("label in GroupBox1") << "Label3" << true;
        QTest::newRow("GroupBox3") << "GroupBox3" << true;
        QTest::newRow("label in GroupBox4") << "SModell_Label" << true;
        QTest::newRow("bottom panel") << "Bottom_Panel" << true;
        QTest::newRow("page control") << "PageControl1" << true;
        QTest::newRow("GroupBox2") << "GroupBox2" << false;
        QTest::newRow("label in GroupBox2") << "OVK_Label" << false;
        QTest::newRow("tool bar") << "ToolBar1" << false;
    }
    void popupMenuSources() {
        QFETCH(QString, control);
        QFETCH(bool, opens);
        MainWindow w;
        auto* target = w.form->findChild<QWidget*>(control);
        QVERIFY(target != nullptr);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(target, &event);
        QCOMPARE(w.c.PopupMenu1->isVisible(), opens);
        w.c.PopupMenu1->hide();
    }

    void sheetCommandsAreSilentWithoutSheet_data() {
        QTest::addColumn<QString>("command");
        for (const char* name : {"Stng1", "Stngalla1", "Kopiera1", "setup", "PopupMenu_Setup", "Menu_Diagram2",
                                 "print", "arrows", "pointer"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void sheetCommandsAreSilentWithoutSheet() {
        QFETCH(QString, command);
        MainWindow w;
        TForm1& f = *w.form;
        QApplication::clipboard()->setText(QStringLiteral("unchanged"));
        ModalAnswerer answerer;
        if (command == QLatin1String("print")) {
            f.Print_ToolButtonClick();
        } else if (command == QLatin1String("arrows")) {
            w.c.UpDown1->Step(1);
        } else if (command == QLatin1String("pointer")) {
            f.Diagram_PaintBoxMouseMove(300, 300);
            f.Timer1Timer();
            f.Timer1Timer();
        } else {
            f.findChild<QAction*>(command)->trigger();
        }
        QTest::qWait(30);
        QVERIFY2(answerer.classes.isEmpty(), qPrintable(answerer.classes.join(',')));
        QCOMPARE(f.windowTitle(), QStringLiteral("Kaldoventri"));
        QCOMPARE(w.c.PageControl1->PageCount(), 0);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("unchanged"));
        QVERIFY(!f.Readout().Window()->isVisible());
    }

    void aboutBoxIsNewEachTime() {
        MainWindow w;
        ModalAnswerer answerer;
        QList<QPointer<QWidget>> boxes;
        for (int i = 0; i < 2; ++i)
            answerer.Queue([&boxes](QWidget* modal) {
                boxes << modal;
                modal->close();
            });
        w.c.Om1->trigger();
        w.c.Om1->trigger();
        QCOMPARE(answerer.classes, QStringList({"kaldoventri::TAboutBox", "kaldoventri::TAboutBox"}));
        QCOMPARE(boxes.size(), 2);
        QVERIFY(boxes[0].isNull() && boxes[1].isNull());  // each freed when it closed
    }

    void commandBoundaryReportsAndGoesOn_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown");
        QTest::newRow("conversion") << 0 << QStringLiteral("'12a' is not a valid integer value");
        QTest::newRow("file") << 1 << QStringLiteral("File not found");
        QTest::newRow("other standard exception") << 2 << QStringLiteral("I/O error 5");
        QTest::newRow("no exception") << 3 << QString();
    }
    void commandBoundaryReportsAndGoesOn() {
        QFETCH(int, kind);
        QFETCH(QString, shown);
        QWidget parent;
        ModalAnswerer answerer;
        bool after = false;
        const bool completed = RunCommand(&parent, [&] {
            if (kind == 0) throw CommandError(NotAValidIntegerMessage(u"12a"));
            if (kind == 1) throw CommandError(QStringLiteral("File not found"));
            if (kind == 2) throw std::runtime_error("I/O error 5");
            after = true;
        });
        QCOMPARE(completed, kind == 3);
        QCOMPARE(after, kind == 3);
        QCOMPARE(answerer.messages, shown.isEmpty() ? QStringList() : QStringList{shown});
        if (!shown.isEmpty()) QCOMPARE(answerer.messageTitles.value(0), QCoreApplication::applicationName());
    }
};

QTEST_MAIN(MainWindowStateTest)
#include "MainWindowStateTest.moc"
