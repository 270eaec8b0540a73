// The test entry dialog: key filter on the tray fields, the empty-tray search,
// layout choice, working width, Execute and the window's fixed layout.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/TTypDokument.h"
#include "ui/widgets/ArrowControl.h"

using namespace kaldoventri;

namespace {

void FillAllTrays(TTypDokument& d) {
    for (int tray = 1; tray <= TrayCount; ++tray) d.SetTrayValue(tray, tray);
}

// Runs the action on the dialog as soon as it is shown modally.
void WhenShown(std::function<void(QDialog*)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}

void ClickButton(QDialog* dialog, const char* name) {
    auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

class TTypDokumentTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }

    void startsBlankWithTheTwelveMetreLayout() {
        TTypDokument d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Inställningar"));
        QCOMPARE(d.GetLayout(), Layout12m);
        QCOMPARE(d.SpridarTyp_RadioGroup->ItemIndex(), 0);
        QCOMPARE(d.GetWorkingWidth(), 24);
        QCOMPARE(d.Edit1->text(), QStringLiteral("12"));
        QVERIFY(d.Edit1->isReadOnly());
        QCOMPARE(d.LastEmptyTray(), 26);
        // Nothing placed yet: positions are only valid after a placement.
        QCOMPARE(d.GetPlacement(1), 0.0);
    }

    void trayFieldsTakeOnlyDigits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("digits") << "1234567890" << "1234567890";
        QTest::newRow("minus") << "-5" << "5";
        QTest::newRow("comma") << "1,5" << "15";
        QTest::newRow("point") << "1.5" << "15";
        QTest::newRow("space") << "1 5" << "15";
        QTest::newRow("letters") << "a1bÖ2" << "12";
        QTest::newRow("only refused") << "-,. x" << "";
    }
    void trayFieldsTakeOnlyDigits() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        TTypDokument d;
        // Every field has the filter, not just the first.
        for (int tray : {1, 13, 26}) {
            QTest::keyClicks(d.Box_Edit(tray), typed);
            QCOMPARE(d.GetTrayText(tray), expected);
        }
    }

    void backspaceAndEditingKeysWorkInTrayFields() {
        TTypDokument d;
        QLineEdit* field = d.Box_Edit(5);
        QTest::keyClicks(field, "123");
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("12"));
        QTest::keyClick(field, Qt::Key_Home);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QStringLiteral("2"));
        // Enter is a character and is refused; it must not close the dialog either.
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), QStringLiteral("2"));
    }

    void enterAndEscapeInAFieldLeaveTheDialogOpen() {
        TTypDokument d;
        FillAllTrays(d);
        bool stillOpen = false;
        WhenShown([&](QDialog* dialog) {
            auto* maker = dialog->findChild<QLineEdit*>("SFabrikat_Edit");
            maker->setFocus();
            QTest::keyClick(maker, Qt::Key_Return);
            QTest::keyClick(maker, Qt::Key_Escape);
            QTest::keyClick(dialog, Qt::Key_Escape);
            stillOpen = dialog->isVisible();
            ClickButton(dialog, "Button1");
        });
        QVERIFY(d.Execute());
        QVERIFY(stillOpen);
    }

    void lastEmptyTrayNamesTheHighest_data() {
        QTest::addColumn<QList<int>>("empty");
        QTest::addColumn<int>("expected");
        QTest::newRow("none") << QList<int>{} << 0;
        QTest::newRow("first") << QList<int>{1} << 1;
        QTest::newRow("last") << QList<int>{26} << 26;
        QTest::newRow("3 and 17") << QList<int>{3, 17} << 17;
        QTest::newRow("7 and 19") << QList<int>{19, 7} << 19;
    }
    void lastEmptyTrayNamesTheHighest() {
        QFETCH(QList<int>, empty);
        QFETCH(int, expected);
        TTypDokument d;
        FillAllTrays(d);
        for (int tray : empty) d.Box_Edit(tray)->clear();
        QCOMPARE(d.LastEmptyTray(), expected);
    }

    void spacesCountAsFilled() {
        TTypDokument d;
        FillAllTrays(d);
        d.Box_Edit(9)->setText(QStringLiteral(" "));
        QCOMPARE(d.LastEmptyTray(), 0);
    }

    void okWithEmptyTraysReportsTray17Then3() {
        TTypDokument d;
        FillAllTrays(d);
        d.Box_Edit(3)->clear();
        d.Box_Edit(17)->clear();
        WhenShown([](QDialog* dialog) { ClickButton(dialog, "Button1"); });
        QVERIFY(d.Execute());
        QCOMPARE(d.LastEmptyTray(), 17);
        // The caller shows the dialog again: everything typed is still there.
        WhenShown([](QDialog* dialog) {
            auto* tray17 = dialog->findChild<QLineEdit*>("Box_Edit17");
            QVERIFY(tray17);
            QTest::keyClicks(tray17, "40");
            ClickButton(dialog, "Button1");
        });
        QVERIFY(d.Execute());
        QCOMPARE(d.GetTrayText(17), QStringLiteral("40"));
        QCOMPARE(d.GetTrayText(16), QStringLiteral("16"));
        QCOMPARE(d.LastEmptyTray(), 3);
    }

    void cancelAndCloseBoxReturnFalse_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Avbryt") << 0;
        QTest::newRow("close box") << 1;
    }
    void cancelAndCloseBoxReturnFalse() {
        QFETCH(int, how);
        TTypDokument d;
        WhenShown([how](QDialog* dialog) {
            if (how == 0)
                ClickButton(dialog, "Button2");
            else
                dialog->close();
        });
        QVERIFY(!d.Execute());
    }

    void layoutChoiceSetsPositionsAndWidth() {
        TTypDokument d;
        QTest::mouseClick(d.SpridarTyp_RadioGroup->Button(1), Qt::LeftButton);
        QCOMPARE(d.GetLayout(), Layout24m);
        QCOMPARE(d.Edit1->text(), QStringLiteral("24"));
        QCOMPARE(d.GetWorkingWidth(), 48);
        QCOMPARE(d.GetPlacement(1), -24.25);
        QCOMPARE(d.GetPlacement(13), -0.25);
        QCOMPARE(d.GetPlacement(15), 2.25);
        QCOMPARE(d.GetPlacement(26), 24.25);

        d.SpridarTyp_RadioGroup->SetItemIndex(0);
        QCOMPARE(d.GetLayout(), Layout12m);
        QCOMPARE(d.Edit1->text(), QStringLiteral("12"));
        QCOMPARE(d.GetWorkingWidth(), 24);
        QCOMPARE(d.GetPlacement(1), -12.25);
        QCOMPARE(d.GetPlacement(12), -1.75);
        QCOMPARE(d.GetPlacement(26), 12.25);
    }

    void reselectingTheLayoutKeepsTheWidth() {
        TTypDokument d;
        QToolButton* up = d.UpDown2->findChild<QToolButton*>("UpButton");
        QTest::mouseClick(up, Qt::LeftButton);
        QTest::mouseClick(up, Qt::LeftButton);
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(d.Edit1->text(), QStringLiteral("13,5"));
        QTest::mouseClick(d.SpridarTyp_RadioGroup->Button(0), Qt::LeftButton);
        d.SpridarTyp_RadioGroup->SetItemIndex(0);
        QCOMPARE(d.GetWorkingWidth(), 27);
        QCOMPARE(d.Edit1->text(), QStringLiteral("13,5"));
    }

    void arrowsStepByHalfAMetreWithinFiveToFifty_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("steps");  // signed: up when positive
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one up") << 24 << 1 << 25 << "12,5";
        QTest::newRow("one down") << 24 << -1 << 23 << "11,5";
        QTest::newRow("down to 10") << 12 << -2 << 10 << "5";
        QTest::newRow("stops at 10") << 12 << -5 << 10 << "5";
        QTest::newRow("up to 100") << 98 << 2 << 100 << "50";
        QTest::newRow("stops at 100") << 98 << 6 << 100 << "50";
    }
    void arrowsStepByHalfAMetreWithinFiveToFifty() {
        QFETCH(int, start);
        QFETCH(int, steps);
        QFETCH(int, width);
        QFETCH(QString, shown);
        TTypDokument d;
        d.UpDown2->SetPosition(start);
        QToolButton* arrow = d.UpDown2->findChild<QToolButton*>(steps > 0 ? "UpButton" : "DownButton");
        for (int i = 0; i < std::abs(steps); ++i) QTest::mouseClick(arrow, Qt::LeftButton);
        QCOMPARE(d.GetWorkingWidth(), width);
        QCOMPARE(d.Edit1->text(), shown);
    }

    void upAndDownKeysInTheWidthFieldStepTheWidth() {
        TTypDokument d;
        QTest::keyClick(d.Edit1, Qt::Key_Up);
        QCOMPARE(d.GetWorkingWidth(), 25);
        QTest::keyClick(d.Edit1, Qt::Key_Down);
        QTest::keyClick(d.Edit1, Qt::Key_Down);
        QCOMPARE(d.Edit1->text(), QStringLiteral("11,5"));
    }

    void widthFieldFollowsTheLocale() {
        TTypDokument d;
        d.UpDown2->SetPosition(25);
        QLocale::setDefault(QLocale::c());
        WhenShown([](QDialog* dialog) { ClickButton(dialog, "Button2"); });
        d.Execute();
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        QCOMPARE(d.Edit1->text(), QStringLiteral("12.5"));
    }

    void executePlacesTheTraysOfTheLayout_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("expectedLayout");
        QTest::addColumn<double>("first");
        QTest::newRow("12 m") << 0 << 0 << -12.25;
        QTest::newRow("24 m") << 1 << 1 << -24.25;
        QTest::newRow("unknown code") << 7 << 0 << -12.25;
    }
    void executePlacesTheTraysOfTheLayout() {
        QFETCH(int, layout);
        QFETCH(int, expectedLayout);
        QFETCH(double, first);
        TTypDokument d;
        d.SetLayout(layout);
        d.UpDown2->SetPosition(31);
        QString shownWhileOpen;
        WhenShown([&](QDialog* dialog) {
            shownWhileOpen = dialog->findChild<QLineEdit*>("Edit1")->text();
            ClickButton(dialog, "Button2");
        });
        d.Execute();
        QCOMPARE(d.GetLayout(), expectedLayout);
        QCOMPARE(d.GetPlacement(1), first);
        QCOMPARE(d.GetPlacement(26), -first);
        // A position set directly is shown once the dialog opens.
        QCOMPARE(shownWhileOpen, QStringLiteral("15,5"));
    }

    void clearEntriesReturnsToABlankTest() {
        TTypDokument d;
        d.SpridarTyp_RadioGroup->SetItemIndex(1);
        d.UpDown2->SetPosition(77);
        FillAllTrays(d);
        for (QLineEdit* e : {d.SFabrikat_Edit, d.SModell_Edit, d.SInstallning_Edit, d.GMedel_Edit,
                             d.GFabrikat_Edit, d.GPLats_Edit})
            e->setText(QStringLiteral("x"));
        d.findChild<QPushButton*>("Button1")->setFocus();
        d.ClearEntries();
        QWidget* focusWhenShown = nullptr;
        WhenShown([&](QDialog* dialog) {
            focusWhenShown = dialog->focusWidget();
            ClickButton(dialog, "Button2");
        });
        d.Execute();
        QCOMPARE(focusWhenShown, d.SFabrikat_Edit);
        QCOMPARE(d.GetLayout(), Layout12m);
        QCOMPARE(d.SpridarTyp_RadioGroup->ItemIndex(), 0);
        QCOMPARE(d.GetWorkingWidth(), 24);
        QCOMPARE(d.Edit1->text(), QStringLiteral("12"));
        QCOMPARE(d.GetPlacement(26), 12.25);
        QCOMPARE(d.LastEmptyTray(), 26);
        QVERIFY(d.GetSpreaderMaker().isEmpty() && d.GetSpreaderModel().isEmpty() &&
                d.GetSpreaderSetting().isEmpty() && d.GetFertiliserName().isEmpty() &&
                d.GetFertiliserMaker().isEmpty() && d.GetProductionSite().isEmpty());
    }

    void gettersReadTheirOwnFields() {
        TTypDokument d;
        const QList<QPair<QLineEdit*, std::function<QString()>>> pairs{
            {d.SFabrikat_Edit, [&] { return d.GetSpreaderMaker(); }},
            {d.SModell_Edit, [&] { return d.GetSpreaderModel(); }},
            {d.SInstallning_Edit, [&] { return d.GetSpreaderSetting(); }},
            {d.GMedel_Edit, [&] { return d.GetFertiliserName(); }},
            {d.GFabrikat_Edit, [&] { return d.GetFertiliserMaker(); }},
            {d.GPLats_Edit, [&] { return d.GetProductionSite(); }}};
        for (int i = 0; i < pairs.size(); ++i) pairs[i].first->setText(QString::number(i));
        for (int i = 0; i < pairs.size(); ++i) QCOMPARE(pairs[i].second(), QString::number(i));
    }

    void setTrayValueIgnoresTraysOutsideOneToTwentySix() {
        TTypDokument d;
        d.SetTrayValue(5, 0);
        d.SetTrayValue(5, 27);
        d.SetTrayValue(5, -1);
        QCOMPARE(d.LastEmptyTray(), 26);
        for (int tray = 1; tray <= TrayCount; ++tray) QVERIFY(d.GetTrayText(tray).isEmpty());
        QVERIFY(!d.Box_Edit(0) && !d.Box_Edit(27));
        QVERIFY(d.GetTrayText(27).isEmpty());
        QCOMPARE(d.GetPlacement(27), 0.0);
        d.SetTrayValue(9007199254740993LL, 26);
        QCOMPARE(d.GetTrayText(26), QStringLiteral("9007199254740993"));
        d.SetTrayValue(0, 1);
        QCOMPARE(d.GetTrayText(1), QStringLiteral("0"));
    }

    void tabOrderRunsFromOkToTheWidth() {
        TTypDokument d;
        QStringList order;
        QWidget* w = d.findChild<QPushButton*>("Button1");
        for (int i = 0; i < 37; ++i) {
            order << (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName());
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
        }
        QStringList expected{"Button1",     "Button2",        "SFabrikat_Edit", "SModell_Edit",
                             "SInstallning_Edit", "GMedel_Edit", "GFabrikat_Edit", "GPLats_Edit"};
        for (int tray = 1; tray <= TrayCount; ++tray) expected << QStringLiteral("Box_Edit%1").arg(tray);
        expected << "QRadioButton" << "QRadioButton" << "Edit1";
        QCOMPARE(order, expected);
    }

    // Every tray field shows five digits whole on a 1600-pixel screen (1007
    // once read "007"); on a laptop screen the widened dialog still fits it.
    void trayFieldsShowFiveDigits_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("fiveDigits");
        QTest::newRow("1600 x 1000") << "Desk" << true;
        QTest::newRow("1366 x 768") << "Laptop" << false;
    }
    void trayFieldsShowFiveDigits() {
        QFETCH(QString, screen);
        QFETCH(bool, fiveDigits);
        QWidget owner;
        for (QScreen* candidate : QGuiApplication::screens())
            if (candidate->name() == screen) owner.setScreen(candidate);
        if (owner.screen()->name() != screen) QSKIP("the test platform offers no such screen");
        TTypDokument d(&owner);
        QVERIFY(d.width() <= owner.screen()->availableGeometry().width());
        for (int tray = 1; tray <= TrayCount; ++tray) {
            QLineEdit* field = d.Box_Edit(tray);
            field->setText(QStringLiteral("99999"));
            QStyleOptionFrame option;
            option.initFrom(field);
            const QRect room = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
            if (fiveDigits)
                QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) <= room.width() - 4,
                         qPrintable(QStringLiteral("tray %1").arg(tray)));
            if (tray > 1) QVERIFY(field->x() > d.Box_Edit(tray - 1)->x() + d.Box_Edit(tray - 1)->width() / 2);
        }
        for (QWidget* child : d.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(d.rect().contains(child->geometry()), qPrintable(child->objectName()));
        const QWidget* panel = d.findChild<QWidget*>(QStringLiteral("Backar_Panel"));
        QVERIFY(panel->rect().contains(d.Box_Edit(TrayCount)->geometry()));
    }

    void noButtonIsDefaultAndCaptionsAreBold() {
        TTypDokument d;
        for (auto* button : d.findChildren<QPushButton*>()) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
        QCOMPARE(d.findChild<QPushButton*>("Button1")->text(), QStringLiteral("OK"));
        QCOMPARE(d.findChild<QPushButton*>("Button2")->text(), QStringLiteral("Avbryt"));
        QVERIFY(d.font().bold());
        QCOMPARE(d.font().pixelSize(), 16);
        // The captions fit before their fields, whatever face the fallback is.
        for (auto* label : d.findChildren<QLabel*>())
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
    }
};

QTEST_MAIN(TTypDokumentTest)
#include "TTypDokumentTest.moc"
