// The sheet workflow through the main window's commands: sheet numbers and
// pages, the dialog loop, the tray fields' commits, labels, closing, copy and
// print.
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "ui/controls/TabButton.h"
#include "ui/controls/RadioGroup.h"

using namespace kaldoventri;
using namespace kaldoventri::testing;

namespace {

QStringList PageNames(const Workbook& workbook) {
    QStringList names;
    for (int i = 0; i < workbook.SheetCount(); ++i) names << QString::fromStdString(workbook.Sheet(i)->GetName());
    return names;
}

int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

}  // namespace

class SheetWorkflowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }

    void newSheetShowsItsEvaluation() {
        MainWindow w;
        TForm1& f = *w.form;
        const TNewTabSheet* sheet = w.NewSheet();
        QVERIFY(sheet != nullptr);
        QCOMPARE(f.windowTitle(), QStringLiteral("Kaldoventri - Blad1"));
        QCOMPARE(w.c.PageControl1->PageCaption(0), QStringLiteral("Blad1 *"));
        QVERIFY(sheet->GetLeftPassReversed() && sheet->GetRightPassReversed() && !sheet->GetOwnPassReversed());
        QCOMPARE(sheet->GetTrayPosition(1), -12.25);
        QCOMPARE(sheet->GetTrayPosition(26), 12.25);
        QCOMPARE(w.c.VK_Label->text(), QStringLiteral("2,2 %"));
        QCOMPARE(w.c.ABredd_Label->text(), QStringLiteral("12 m"));
        QCOMPARE(w.c.OVK_Label->text(), QStringLiteral("0 %"));
        QCOMPARE(w.c.OptimalAbredd_Label->text(), QStringLiteral("12,5 m"));
        QCOMPARE(w.c.SFabrikat_Label->text(), QStringLiteral("Bogballe"));
        QCOMPARE(w.c.GFabrikat_Label->text(), QStringLiteral("Yara"));
        QCOMPARE(w.c.GPlats_Label->text(), QStringLiteral("Glomfjord"));
        QCOMPARE(w.c.TrayEdit(13)->text(), QStringLiteral("98"));
        QVERIFY(w.c.Spara_ToolButton->isEnabled() && w.c.Print_ToolButton->isEnabled());
        QVERIFY(w.c.UpDown1->isVisible() && w.c.Label9->isVisible() && w.c.Close_Button->isVisible());
        QCOMPARE(w.c.UpDown1->Position(), 24);
    }

    void sheetNumbersNeverGoBack() {
        MainWindow w;
        TForm1& f = *w.form;
        for (int i = 0; i < 3; ++i) w.NewSheet();
        QCOMPARE(PageNames(*w.workbook), QStringList({"Blad1", "Blad2", "Blad3"}));
        w.c.PageControl1->Tab(1)->click();
        QCOMPARE(f.windowTitle(), QStringLiteral("Kaldoventri - Blad2"));
        {
            ModalAnswerer answerer;
            answerer.Queue(PressButton(QStringLiteral("Spara inte")));
            w.c.Stng1->trigger();
        }
        QCOMPARE(PageNames(*w.workbook), QStringList({"Blad1", "Blad3"}));
        QCOMPARE(QString::fromStdString(w.workbook->CurrentSheet()->GetName()), QStringLiteral("Blad3"));
        QCOMPARE(w.c.PageControl1->ActivePageIndex(), 1);
        w.NewSheet();
        QCOMPARE(PageNames(*w.workbook), QStringList({"Blad1", "Blad3", "Blad4"}));
        QCOMPARE(f.windowTitle(), QStringLiteral("Kaldoventri - Blad4"));
    }

    void closingLastPageActivatesFirst() {
        MainWindow w;
        TForm1& f = *w.form;
        for (int i = 0; i < 3; ++i) w.NewSheet();
        QCOMPARE(w.c.PageControl1->ActivePageIndex(), 2);
        ModalAnswerer answerer;
        answerer.Queue(PressButton(QStringLiteral("Spara inte")));
        w.c.Close_Button->click();
        QCOMPARE(w.c.PageControl1->ActivePageIndex(), 0);
        QCOMPARE(f.windowTitle(), QStringLiteral("Kaldoventri - Blad1"));
    }

    void closingEveryPageRestoresNoSheetState_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("close the only sheet") << "Stng1";
        QTest::newRow("close all") << "Stngalla1";
    }
    void closingEveryPageRestoresNoSheetState() {
        QFETCH(QString, command);
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        if (command == QLatin1String("Stngalla1")) w.NewSheet();
        ModalAnswerer answerer;
        answerer.Queue(PressButton(QStringLiteral("Spara inte")));
        f.findChild<QAction*>(command)->trigger();
        QVERIFY(w.workbook->CurrentSheet() == nullptr);
        QCOMPARE(w.c.PageControl1->PageCount(), 0);
        QCOMPARE(f.windowTitle(), QStringLiteral("Kaldoventri"));
        for (int tray = 1; tray <= TrayCount; ++tray) {
            QVERIFY(w.c.TrayEdit(tray)->text().isEmpty());
            QVERIFY(!w.c.TrayEdit(tray)->isVisible());
        }
        QVERIFY(w.c.VK_Label->text().isEmpty() && w.c.SFabrikat_Label->text().isEmpty());
        QVERIFY(!w.c.Spara_ToolButton->isEnabled() && !w.c.Print_ToolButton->isEnabled());
        QVERIFY(!w.c.UpDown1->isVisible() && !w.c.Close_Button->isVisible());
        QCOMPARE(w.workbook->NextSheetNumber(), command == QLatin1String("Stngalla1") ? 3 : 2);
    }

    void cancelUsesNoSheetNumber() {
        MainWindow w;
        ModalAnswerer answerer;
        w.c.Nytt_ToolButton->click();  // the answerer cancels the dialog
        QCOMPARE(answerer.classes, QStringList{"kaldoventri::TTypDokument"});
        QCOMPARE(w.c.PageControl1->PageCount(), 0);
        QCOMPARE(w.workbook->NextSheetNumber(), 1);
        w.NewSheet();
        QCOMPARE(PageNames(*w.workbook), QStringList{"Blad1"});
    }

    void missingTraysAreNamedHighestFirst() {
        MainWindow w;
        ModalAnswerer answerer;
        answerer.Queue(FillAndAccept(PeakedAmounts, 24, {3, 17}));
        answerer.Queue([](QWidget* box) { box->close(); });
        answerer.Queue([](QWidget* modal) {  // the typed values are still there
            auto* dialog = qobject_cast<TTypDokument*>(modal);
            QCOMPARE(dialog->GetTrayText(4), QStringLiteral("29"));
            QCOMPARE(dialog->focusWidget(), DialogControl(dialog, QStringLiteral("Box_Edit17")));  // ready for the missing amount
            DialogControl(dialog, QStringLiteral("Box_Edit17"))->setText(QStringLiteral("75"));
            dialog->accept();
        });
        answerer.Queue([](QWidget* box) { box->close(); });
        answerer.Queue([](QWidget* modal) {
            auto* dialog = qobject_cast<TTypDokument*>(modal);
            DialogControl(dialog, QStringLiteral("Box_Edit3"))->setText(QStringLiteral("21"));
            dialog->accept();
        });
        w.c.Nytt1->trigger();
        QCOMPARE(answerer.messages, QStringList({QStringLiteral("Saknas värde i back 17!"),
                                                 QStringLiteral("Saknas värde i back 3!")}));
        QCOMPARE(w.c.PageControl1->PageCount(), 1);
        QCOMPARE(w.workbook->CurrentSheet()->GetTrayAmount(3), 21);
    }

    void settingsRefusedWhileTrayFieldEmpty_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("main menu") << "setup";
        QTest::newRow("pop-up menu") << "PopupMenu_Setup";
    }
    void settingsRefusedWhileTrayFieldEmpty() {
        QFETCH(QString, command);
        MainWindow w;
        w.NewSheet();
        w.c.TrayEdit(7)->clear();
        w.c.TrayEdit(19)->clear();
        ModalAnswerer answerer;
        w.form->findChild<QAction*>(command)->trigger();
        QCOMPARE(answerer.classes, QStringList{"QMessageBox"});
        QCOMPARE(answerer.messages, QStringList{QStringLiteral("Saknas värde i back 19!")});
    }

    void settingsDialogIsFilledFromSheet_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("main menu") << "setup";
        QTest::newRow("pop-up menu") << "PopupMenu_Setup";
    }
    void settingsDialogIsFilledFromSheet() {
        QFETCH(QString, command);
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet(FillAndAccept(PeakedAmounts, 30));
        w.c.TrayEdit(5)->setText(QStringLiteral("40"));  // typed, not yet committed
        ModalAnswerer answerer;
        QString seenMaker;
        int seenWidth = 0;
        int seenLayout = -1;
        QString seenTray5;
        answerer.Queue([&](QWidget* modal) {
            auto* dialog = qobject_cast<TTypDokument*>(modal);
            seenMaker = dialog->GetSpreaderMaker();
            seenWidth = dialog->GetWorkingWidth();
            seenLayout = DialogControl<RadioGroup>(dialog, QStringLiteral("SpridarTyp_RadioGroup"))->ItemIndex();
            seenTray5 = dialog->GetTrayText(5);
            DialogControl(dialog, QStringLiteral("GMedel_Edit"))->setText(QStringLiteral("Urea"));
            dialog->accept();
        });
        w.form->findChild<QAction*>(command)->trigger();
        QCOMPARE(seenMaker, QStringLiteral("Bogballe"));
        QCOMPARE(seenWidth, 30);
        QCOMPARE(seenLayout, 0);
        QCOMPARE(seenTray5, QStringLiteral("40"));
        QCOMPARE(w.c.GMedel_Label->text(), QStringLiteral("Urea"));
        QCOMPARE(sheet->GetTrayAmount(5), 40);
        QCOMPARE(w.c.PageControl1->PageCount(), 1);
    }

    void typingWithAnotherFieldEmptyCommitsWithoutEvaluating() {
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet();
        const qint64 sumBefore = sheet->GetTraySum(1);
        w.c.TrayEdit(5)->clear();
        w.c.TrayEdit(1)->setFocus();
        QTest::keyClick(w.c.TrayEdit(1), Qt::Key_7);
        QCOMPARE(w.c.TrayEdit(1)->text(), QStringLiteral("67"));
        QCOMPARE(sheet->GetTrayAmount(1), 67);
        QCOMPARE(sheet->GetTraySum(1), sumBefore);
        QCOMPARE(w.c.VK_Label->text(), QStringLiteral("2,2 %"));
        QCOMPARE(sheet->GetTrayAmount(5), 37);  // an empty field leaves its amount alone
        // Another evaluation (here a switch of the Y scale) shows the typed amount in every result.
        w.c.YSKala1->trigger();
        QCOMPARE(sheet->GetTraySum(1), 67 + sheet->GetLeftOverlap(1) + sheet->GetRightOverlap(1));
        QCOMPARE(w.c.VK_Label->text(), QLocale().toString(sheet->GetVK(24), 'g', 15) + QStringLiteral(" %"));
        QCOMPARE(w.c.OVK_Label->text(), QLocale().toString(sheet->GetOptimalVK(), 'g', 15) + QStringLiteral(" %"));
        QVERIFY(w.c.VK_Label->text() != QStringLiteral("2,2 %"));
        w.c.YSkala0->trigger();
        w.c.TrayEdit(5)->setFocus();
        QTest::keyClick(w.c.TrayEdit(5), Qt::Key_3);  // all filled again: evaluated and shown
        QCOMPARE(sheet->GetTrayAmount(5), 3);
        QCOMPARE(sheet->GetTraySum(1), 67 + sheet->GetLeftOverlap(1) + sheet->GetRightOverlap(1));
        QVERIFY(w.c.VK_Label->text() != QStringLiteral("2,2 %"));
    }

    void enterCommitsAndKeyUpEvaluates() {
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet();
        const qint64 sumBefore = sheet->GetTraySum(1);
        const long evaluations = w.workbook->EvaluationCount();
        w.c.TrayEdit(1)->setText(QStringLiteral("50"));
        QTest::keyPress(w.c.TrayEdit(1), Qt::Key_Return);
        QCOMPARE(sheet->GetTrayAmount(1), 50);
        QCOMPARE(sheet->GetTraySum(1), sumBefore);
        QCOMPARE(w.workbook->EvaluationCount(), evaluations);
        QTest::keyRelease(w.c.TrayEdit(1), Qt::Key_Return);
        QCOMPARE(sheet->GetTraySum(1), 50 + sheet->GetLeftOverlap(1) + sheet->GetRightOverlap(1));
        QCOMPARE(w.workbook->EvaluationCount(), evaluations + 1);  // once per key release
        QCOMPARE(w.c.VK_Label->text(), QLocale().toString(sheet->GetVK(24), 'g', 15) + QStringLiteral(" %"));
    }

    void trayTextBecomesWholeNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("amount");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::newRow("leading zeros") << "007" << 7 << "7" << QString();
        QTest::newRow("zero") << "0" << 0 << "0" << QString();
        QTest::newRow("pasted letters") << "12a" << 13 << "12a" << "Back 2: '12a' är inget heltal";
        QTest::newRow("beyond 32 bits") << "99999999999" << 13 << "99999999999"
                                        << "Back 2: '99999999999' är inget heltal";
    }
    void trayTextBecomesWholeNumber() {
        QFETCH(QString, typed);
        QFETCH(int, amount);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet();
        ModalAnswerer answerer;
        w.c.TrayEdit(2)->setText(typed);
        QTest::keyClick(w.c.TrayEdit(2), Qt::Key_End);
        QCOMPARE(sheet->GetTrayAmount(2), amount);
        QCOMPARE(w.c.TrayEdit(2)->text(), shown);
        QCOMPARE(answerer.messages, message.isEmpty() ? QStringList() : QStringList{message});
        // No key brings the message back until the field's text has changed.
        for (const Qt::Key key : {Qt::Key_End, Qt::Key_Left, Qt::Key_Home})
            QTest::keyClick(w.c.TrayEdit(2), key);
        QCOMPARE(answerer.messages.size(), message.isEmpty() ? 0 : 1);
    }

    // Typed into a field holding 37: a separator or a sign leaves field and
    // sheet as they were and says why; an amount beyond five digits is
    // refused with a message naming the tray.
    void typedAmountsAreNeverChanged_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("amount");
        QTest::addColumn<bool>("hint");
        QTest::addColumn<QString>("message");
        QTest::newRow("decimal comma") << ",5" << 37 << true << QString();
        QTest::newRow("decimal point") << ".5" << 37 << true << QString();
        QTest::newRow("minus") << "-5" << 37 << true << QString();
        QTest::newRow("too large") << "9999999999" << 37999 << false
                                   << QStringLiteral("För stort värde i back 5: högst 99\u00a0999.");
    }
    void typedAmountsAreNeverChanged() {
        QFETCH(QString, typed);
        QFETCH(int, amount);
        QFETCH(bool, hint);
        QFETCH(QString, message);
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet();
        QLineEdit* field = w.c.TrayEdit(5);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_End);
        ModalAnswerer answerer;
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), QString::number(amount));
        QCOMPARE(sheet->GetTrayAmount(5), amount);
        const auto* note = w.form->findChild<QLabel*>(QStringLiteral("TrayHint"));
        QCOMPARE(note != nullptr && note->isVisible(), hint);
        QCOMPARE(answerer.messages.mid(0, 1), message.isEmpty() ? QStringList() : QStringList{message});
    }

    void workingWidthLabels_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("aBredd");
        QTest::addColumn<QString>("widthLabel");
        QTest::addColumn<QString>("vkLabel");  // empty: whatever the curve holds at the width
        QTest::newRow("24 m") << 1 << 48 << "24 m" << QString();
        QTest::newRow("12 m") << 0 << 24 << "12 m" << "2,2 %";
        QTest::newRow("12.5 m") << 0 << 25 << "12,5 m" << "0 %";
        QTest::newRow("outside the 12 m span") << 0 << 70 << "35 m" << QString();
    }
    void workingWidthLabels() {
        QFETCH(int, layout);
        QFETCH(int, aBredd);
        QFETCH(QString, widthLabel);
        QFETCH(QString, vkLabel);
        MainWindow w;
        const TNewTabSheet* sheet = w.NewSheet([&](QWidget* modal) {
            auto* dialog = qobject_cast<TTypDokument*>(modal);
            DialogControl<RadioGroup>(dialog, QStringLiteral("SpridarTyp_RadioGroup"))->SetItemIndex(layout);
            FillAndAccept(PeakedAmounts, aBredd)(modal);
        });
        QCOMPARE(sheet->GetABredd(), aBredd);
        QCOMPARE(sheet->GetBackuppstallning(), layout);
        QCOMPARE(w.c.ABredd_Label->text(), widthLabel);
        if (vkLabel.isEmpty()) {
            QVERIFY(sheet->GetVK(aBredd) > 0.0);  // computed for this width, not left at 0
            vkLabel = QLocale().toString(sheet->GetVK(aBredd), 'g', 15) + QStringLiteral(" %");
        }
        QCOMPARE(w.c.VK_Label->text(), vkLabel);
    }

    // Every result shows whole inside its box, "%" and "m" included, also a
    // VK of several hundred percent.
    void resultValuesFitTheirBoxes_data() {
        QTest::addColumn<std::vector<int>>("amounts");
        QTest::addColumn<int>("aBredd");
        std::vector<int> oneTray(TrayCount, 0);
        oneTray[12] = 1000;
        QTest::newRow("12,5 m") << PeakedAmounts << 25;
        QTest::newRow("one full tray") << oneTray << 48;
    }
    void resultValuesFitTheirBoxes() {
        QFETCH(std::vector<int>, amounts);
        QFETCH(int, aBredd);
        MainWindow w;
        w.NewSheet(FillAndAccept(amounts, aBredd));
        if (amounts[12] == 1000) QVERIFY(w.workbook->CurrentSheet()->GetVK(aBredd) >= 100.0);
        for (QLabel* label : {w.c.VK_Label, w.c.ABredd_Label, w.c.OVK_Label, w.c.OptimalAbredd_Label}) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
            QVERIFY(label->geometry().right() < label->parentWidget()->width() - 4);
        }
    }

    void leavingEmptyTrayFieldAsksAndReturns() {
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        QVERIFY(MakeActive(&f));
        w.c.TrayEdit(3)->setFocus();
        w.c.TrayEdit(3)->clear();
        w.c.TrayEdit(4)->clear();
        ModalAnswerer answerer;
        w.c.TrayEdit(4)->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(answerer.messages, QStringList{QStringLiteral("Saknas värde i back 3!")});
        QTRY_COMPARE(f.focusWidget(), w.c.TrayEdit(3));
        QTest::qWait(100);  // field 4 is empty too, yet no second message follows
        QCOMPARE(answerer.messages.size(), 1);

        // Leaving and re-entering the window is no exit either.
        QWidget other;
        other.show();
        QVERIFY(MakeActive(&other));
        QVERIFY(MakeActive(&f));
        QTRY_COMPARE(QApplication::focusWidget(), w.c.TrayEdit(3));
        QTest::qWait(50);
        QCOMPARE(answerer.messages.size(), 1);

        // A pop-up menu takes the focus from the field without leaving it.
        w.c.PopupMenu1->popup(f.mapToGlobal(QPoint(300, 300)));
        QTest::qWait(50);
        w.c.PopupMenu1->hide();
        QTest::qWait(50);
        QCOMPARE(answerer.messages.size(), 1);
    }

    void copyPutsCurrentSizedPictureOnClipboard() {
        MainWindow w;
        TForm1& f = *w.form;
        w.NewSheet();
        for (const QSize size : {QSize(1600, 1000), QSize(1200, 800)}) {
            f.resize(size);
            QTRY_COMPARE(f.size(), size);
            QApplication::clipboard()->clear();
            w.c.Kopiera1->trigger();
            const QImage picture = QApplication::clipboard()->image();
            QCOMPARE(picture.size(), w.c.Diagram_Image->size());
            QVERIFY(CountColour(picture, qRgb(255, 0, 0)) > 100);  // the sum curve
            QVERIFY(CountColour(picture, qRgb(0, 0, 255)) > 100);  // the measured pattern
        }
        // With the VK curve shown beside or under it, the picture keeps its size.
        const QSize alone = QApplication::clipboard()->image().size();
        w.form->findChild<QAction*>(QStringLiteral("VisaVKkurva1"))->trigger();
        QTRY_VERIFY(w.c.Diagram_Image->height() < alone.height() || w.c.Diagram_Image->width() < alone.width());
        w.c.Kopiera1->trigger();
        QCOMPARE(QApplication::clipboard()->image().size(), alone);
    }

    void printGivesOnePage() {
        MainWindow w;
        w.NewSheet();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        w.form->Printer().setOutputFormat(QPrinter::PdfFormat);
        w.form->Printer().setOutputFileName(pdf);
        ModalAnswerer answerer;
        w.c.Print_ToolButton->click();
        QVERIFY(answerer.classes.isEmpty());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
        const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"));
        const QRegularExpressionMatch box = mediaBox.match(QString::fromLatin1(bytes));
        QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());  // the job's page is landscape
        QCOMPARE(w.form->Printer().pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(w.form->Printer().resolution(), 1200);  // the user's choice stays
        // The two header lines (200 pixels apart) must not overlap on the page.
        QFont font = QGuiApplication::font();
        font.setPointSize(18);
        QVERIFY(QFontMetrics(font, JobPrinterFor(w.form->Printer()).get()).height() < 200);
    }

    // A job that could not start leaves the printer ready for the next one.
    void printThatCannotStartIsReported_data() {
        QTest::addColumn<QString>("firstFile");
        QTest::newRow("no printer and no file") << QString();
        QTest::newRow("folder that does not exist") << QStringLiteral("/nonexistent-folder/page.pdf");
    }

    void printThatCannotStartIsReported() {
        QFETCH(QString, firstFile);
        MainWindow w;
        w.NewSheet();
        w.form->Printer().setOutputFormat(QPrinter::PdfFormat);
        if (!firstFile.isEmpty()) w.form->Printer().setOutputFileName(firstFile);
        ModalAnswerer answerer;
        w.c.Print_ToolButton->click();
        QCOMPARE(answerer.messages.size(), 1);
        QVERIFY(answerer.messages[0].startsWith(QStringLiteral("Utskriften kunde inte göras")));
        QTemporaryDir dir;
        w.form->Printer().setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));  // as Inställningar does
        w.c.Print_ToolButton->click();
        QCOMPARE(answerer.messages.size(), 1);  // no second message
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("page.pdf"))).size() > 0);
    }

    void newLikeThisKeepsTheTestAndEmptiesTheAmounts() {
        MainWindow w;
        w.NewSheet(FillAndAccept(PeakedAmounts, 30));
        ModalAnswerer answerer;
        answerer.Queue([](QWidget* modal) {
            auto* dialog = qobject_cast<TTypDokument*>(modal);
            QCOMPARE(dialog->GetSpreaderMaker() + dialog->GetProductionSite(), QStringLiteral("BogballeGlomfjord"));
            QCOMPARE(dialog->GetWorkingWidth(), 30);
            QVERIFY(dialog->GetTrayText(1).isEmpty() && dialog->GetTrayText(TrayCount).isEmpty());
            FillAndAccept(std::vector<int>(TrayCount, 7), 30)(modal);
        });
        w.c.NyttSomDetta1->trigger();
        QCOMPARE(PageNames(*w.workbook), QStringList({"Blad1", "Blad2"}));
        QVERIFY(w.workbook->CurrentIndex() == 1 && w.workbook->IsModified(1));
    }
};

QTEST_MAIN(SheetWorkflowTest)
#include "SheetWorkflowTest.moc"
