// The test entry dialog: key filter on the tray fields, the empty-tray search,
// layout choice, working width, Execute and the window's fixed layout.
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
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

#include "ui/controls/ArrowControl.h"
#include "ui/controls/RadioGroup.h"
#include "ui/dialogs/TTypDokument.h"

using namespace kaldoventri;

namespace {

// The dialog's controls, found by their component names as an automation tool finds them.
template <class T = QLineEdit>
T* Control(const QWidget& d, const char* name) {
    T* found = d.findChild<T*>(QLatin1String(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}
QLineEdit* Tray(const QWidget& d, int tray) { return d.findChild<QLineEdit*>(QStringLiteral("Box_Edit%1").arg(tray)); }
RadioGroup* Layouts(const QWidget& d) { return Control<RadioGroup>(d, "SpridarTyp_RadioGroup"); }
ArrowControl* Arrows(const QWidget& d) { return Control<ArrowControl>(d, "UpDown2"); }
QLineEdit* WidthField(const QWidget& d) { return Control(d, "Edit1"); }

// Where a sheet made from the dialog's values puts the tray.
double PositionGiven(const TTypDokument& d, int tray) {
    TNewTabSheet sheet;
    ApplySettings(d.Settings(), sheet);
    return sheet.GetTrayPosition(tray);
}

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
        QCOMPARE(Layouts(d)->ItemIndex(), 0);
        QCOMPARE(d.GetWorkingWidth(), 24);
        QCOMPARE(WidthField(d)->text(), QStringLiteral("12"));
        QVERIFY(WidthField(d)->isReadOnly());
        QCOMPARE(d.LastEmptyTray(), 26);
    }

    // A separator or a minus keeps the field as it was, the digits after it
    // included, and says why: 4,5 never becomes 45 nor -5 becomes 5.
    void trayFieldsTakeOnlyDigits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("hint");
        QTest::newRow("digits") << "09876" << "09876" << false;
        QTest::newRow("minus") << "-5" << "" << true;
        QTest::newRow("comma") << "4,5" << "4" << true;
        QTest::newRow("point") << "1.5" << "1" << true;
        QTest::newRow("space") << "1 5" << "15" << false;
        QTest::newRow("letters") << "a1bÖ2" << "12" << false;
        QTest::newRow("only refused") << "-,. x" << "" << true;
    }
    void trayFieldsTakeOnlyDigits() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(bool, hint);
        TTypDokument d;
        d.show();
        // Every field has the filter, not just the first.
        for (int tray : {1, 13, 26}) {
            QTest::keyClicks(Tray(d, tray), typed);
            QCOMPARE(d.GetTrayText(tray), expected);
            const auto* note = d.findChild<QLabel*>(QStringLiteral("TrayHint"));
            QCOMPARE(note != nullptr && note->isVisible(), hint);
            if (hint) QVERIFY(note->text().startsWith(QStringLiteral("Mängderna är heltal från 0 i den valda enheten")));
            QTest::keyClick(Tray(d, tray), Qt::Key_End);  // any other key ends the refusal
            QTest::keyClicks(Tray(d, tray), "7");
            QCOMPARE(d.GetTrayText(tray), expected + "7");
        }
    }

    void backspaceAndEditingKeysWorkInTrayFields() {
        TTypDokument d;
        QLineEdit* field = Tray(d, 5);
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

    // The description fields hold only what a test file can: a character it
    // cannot is refused when typed and left out of a paste, which says so.
    void descriptionsTakeOnlyWhatAFileHolds() {
        TTypDokument d;
        QLineEdit* maker = Control(d, "SFabrikat_Edit");
        for (const QString& typed : {QStringLiteral("Ł"), QStringLiteral("ó"), QStringLiteral("d")}) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
            QApplication::sendEvent(maker, &key);
        }
        QCOMPARE(maker->text(), QStringLiteral("ód"));
        maker->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("Łódź ✓ 27–3–3\n€"));
        QString message;
        QTimer::singleShot(0, [&message] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
        QTest::keyClick(maker, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(maker->text(), QStringLiteral("ód  27–3–3 €"));
        QCOMPARE(message, QStringLiteral("Tecknen Ł ź ✓ kan inte sparas i en provfil och togs bort ur den inklistrade texten."));
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
        for (int tray : empty) Tray(d, tray)->clear();
        QCOMPARE(d.LastEmptyTray(), expected);
    }

    void spacesCountAsFilled() {
        TTypDokument d;
        FillAllTrays(d);
        Tray(d, 9)->setText(QStringLiteral(" "));
        QCOMPARE(d.LastEmptyTray(), 0);
    }

    // OK with empty trays names the highest over the dialog, which stays in
    // sight and ready for it, with everything typed still there.
    void okWithEmptyTraysReportsTray17Then3() {
        TTypDokument d;
        FillAllTrays(d);
        Tray(d, 3)->clear();
        Tray(d, 17)->clear();
        QStringList messages;
        const auto okAndRead = [&](QDialog* dialog) {
            QTimer::singleShot(0, [&messages, dialog] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr && box->parentWidget() == dialog && dialog->isVisible());
                messages << box->text();
                box->accept();
            });
            ClickButton(dialog, "Button1");
        };
        WhenShown([&](QDialog* dialog) {
            okAndRead(dialog);
            QCOMPARE(dialog->focusWidget(), Tray(*dialog, 17));
            QTest::keyClicks(Tray(*dialog, 17), "40");
            okAndRead(dialog);
            QCOMPARE(dialog->focusWidget(), Tray(*dialog, 3));
            QTest::keyClicks(Tray(*dialog, 3), "3");
            ClickButton(dialog, "Button1");
        });
        QVERIFY(d.Execute());
        QCOMPARE(messages, QStringList({QStringLiteral("Saknas värde i back 17!"), QStringLiteral("Saknas värde i back 3!")}));
        QCOMPARE(d.GetTrayText(17), QStringLiteral("40"));
        QCOMPARE(d.GetTrayText(16), QStringLiteral("16"));
        QCOMPARE(d.LastEmptyTray(), 0);
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
        FillAllTrays(d);
        QTest::mouseClick(Layouts(d)->Button(1), Qt::LeftButton);
        QCOMPARE(d.GetLayout(), Layout24m);
        QCOMPARE(WidthField(d)->text(), QStringLiteral("24"));
        QCOMPARE(d.GetWorkingWidth(), 48);
        QCOMPARE(PositionGiven(d, 1), -24.25);
        QCOMPARE(PositionGiven(d, 13), -0.25);
        QCOMPARE(PositionGiven(d, 15), 2.25);
        QCOMPARE(PositionGiven(d, 26), 24.25);

        Layouts(d)->SetItemIndex(0);
        QCOMPARE(d.GetLayout(), Layout12m);
        QCOMPARE(WidthField(d)->text(), QStringLiteral("12"));
        QCOMPARE(d.GetWorkingWidth(), 24);
        QCOMPARE(PositionGiven(d, 1), -12.25);
        QCOMPARE(PositionGiven(d, 12), -1.75);
        QCOMPARE(PositionGiven(d, 26), 12.25);
    }

    void reselectingTheLayoutKeepsTheWidth() {
        TTypDokument d;
        QToolButton* up = Arrows(d)->findChild<QToolButton*>("UpButton");
        QTest::mouseClick(up, Qt::LeftButton);
        QTest::mouseClick(up, Qt::LeftButton);
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(WidthField(d)->text(), QStringLiteral("13,5"));
        QTest::mouseClick(Layouts(d)->Button(0), Qt::LeftButton);
        Layouts(d)->SetItemIndex(0);
        QCOMPARE(d.GetWorkingWidth(), 27);
        QCOMPARE(WidthField(d)->text(), QStringLiteral("13,5"));
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
        Arrows(d)->SetPosition(start);
        QToolButton* arrow = Arrows(d)->findChild<QToolButton*>(steps > 0 ? "UpButton" : "DownButton");
        for (int i = 0; i < std::abs(steps); ++i) QTest::mouseClick(arrow, Qt::LeftButton);
        QCOMPARE(d.GetWorkingWidth(), width);
        QCOMPARE(WidthField(d)->text(), shown);
    }

    void upAndDownKeysInTheWidthFieldStepTheWidth() {
        TTypDokument d;
        QTest::keyClick(WidthField(d), Qt::Key_Up);
        QCOMPARE(d.GetWorkingWidth(), 25);
        QTest::keyClick(WidthField(d), Qt::Key_Down);
        QTest::keyClick(WidthField(d), Qt::Key_Down);
        QCOMPARE(WidthField(d)->text(), QStringLiteral("11,5"));
        // A metre at a time, and straight to either end.
        for (const auto& [key, shown] : {std::pair{Qt::Key_PageUp, "12,5"}, {Qt::Key_End, "50"},
                                         {Qt::Key_PageUp, "50"}, {Qt::Key_Home, "5"}, {Qt::Key_PageDown, "5"}}) {
            QTest::keyClick(WidthField(d), key);
            QCOMPARE(WidthField(d)->text(), QLatin1String(shown));
        }
    }

    void widthFieldFollowsTheLocale() {
        TTypDokument d;
        Arrows(d)->SetPosition(25);
        QLocale::setDefault(QLocale::c());
        WhenShown([](QDialog* dialog) { ClickButton(dialog, "Button2"); });
        d.Execute();
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        QCOMPARE(WidthField(d)->text(), QStringLiteral("12.5"));
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
        FillAllTrays(d);
        d.SetLayout(layout);
        Arrows(d)->SetPosition(31);
        QString shownWhileOpen;
        WhenShown([&](QDialog* dialog) {
            shownWhileOpen = dialog->findChild<QLineEdit*>("Edit1")->text();
            ClickButton(dialog, "Button2");
        });
        d.Execute();
        QCOMPARE(d.GetLayout(), expectedLayout);
        QCOMPARE(PositionGiven(d, 1), first);
        QCOMPARE(PositionGiven(d, 26), -first);
        // A position set directly is shown once the dialog opens.
        QCOMPARE(shownWhileOpen, QStringLiteral("15,5"));
    }

    void clearEntriesReturnsToABlankTest() {
        TTypDokument d;
        Layouts(d)->SetItemIndex(1);
        Arrows(d)->SetPosition(77);
        FillAllTrays(d);
        for (QLineEdit* e : {Control(d, "SFabrikat_Edit"), Control(d, "SModell_Edit"), Control(d, "SInstallning_Edit"), Control(d, "GMedel_Edit"),
                             Control(d, "GFabrikat_Edit"), Control(d, "GPLats_Edit")})
            e->setText(QStringLiteral("x"));
        d.findChild<QPushButton*>("Button1")->setFocus();
        d.ClearEntries();
        QWidget* focusWhenShown = nullptr;
        WhenShown([&](QDialog* dialog) {
            focusWhenShown = dialog->focusWidget();
            ClickButton(dialog, "Button2");
        });
        d.Execute();
        QCOMPARE(focusWhenShown, Control(d, "SFabrikat_Edit"));
        QCOMPARE(d.GetLayout(), Layout12m);
        QCOMPARE(Layouts(d)->ItemIndex(), 0);
        QCOMPARE(d.GetWorkingWidth(), 24);
        QCOMPARE(WidthField(d)->text(), QStringLiteral("12"));
        QCOMPARE(d.LastEmptyTray(), 26);
        FillAllTrays(d);
        QCOMPARE(PositionGiven(d, 26), 12.25);
        QVERIFY(d.GetSpreaderMaker().isEmpty() && d.GetSpreaderModel().isEmpty() &&
                d.GetSpreaderSetting().isEmpty() && d.GetFertiliserName().isEmpty() &&
                d.GetFertiliserMaker().isEmpty() && d.GetProductionSite().isEmpty());
    }

    void gettersReadTheirOwnFields() {
        TTypDokument d;
        const QList<QPair<QLineEdit*, std::function<QString()>>> pairs{
            {Control(d, "SFabrikat_Edit"), [&] { return d.GetSpreaderMaker(); }},
            {Control(d, "SModell_Edit"), [&] { return d.GetSpreaderModel(); }},
            {Control(d, "SInstallning_Edit"), [&] { return d.GetSpreaderSetting(); }},
            {Control(d, "GMedel_Edit"), [&] { return d.GetFertiliserName(); }},
            {Control(d, "GFabrikat_Edit"), [&] { return d.GetFertiliserMaker(); }},
            {Control(d, "GPLats_Edit"), [&] { return d.GetProductionSite(); }}};
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
        QVERIFY(!Tray(d, 0) && !Tray(d, 27));
        QVERIFY(d.GetTrayText(27).isEmpty());
        d.SetTrayValue(9007199254740993LL, 26);
        QCOMPARE(d.GetTrayText(26), QStringLiteral("9007199254740993"));
        d.SetTrayValue(0, 1);
        QCOMPARE(d.GetTrayText(1), QStringLiteral("0"));
    }

    void tabOrderRunsFromOkToTheWidth() {
        TTypDokument d;
        QStringList order;
        QWidget* w = d.findChild<QPushButton*>("Button1");
        // Tab passes the own kit's fields by while they are hidden.
        const auto reached = [&d](const QWidget* widget) {
            return widget->focusPolicy() != Qt::NoFocus && widget->isVisibleTo(&d);
        };
        for (int i = 0; i < 38; ++i) {
            order << (w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName());
            w = w->nextInFocusChain();
            while (!reached(w)) w = w->nextInFocusChain();
        }
        QStringList expected{"Button1",     "Button2",        "SFabrikat_Edit", "SModell_Edit",
                             "SInstallning_Edit", "GMedel_Edit", "GFabrikat_Edit", "GPLats_Edit"};
        for (int tray = 1; tray <= TrayCount; ++tray) expected << QStringLiteral("Box_Edit%1").arg(tray);
        expected << "QRadioButton" << "QRadioButton" << "QRadioButton" << "Edit1";
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
            QLineEdit* field = Tray(d, tray);
            field->setText(QStringLiteral("99999"));
            QStyleOptionFrame option;
            option.initFrom(field);
            const QRect room = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
            if (fiveDigits)
                QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) <= room.width() - 4,
                         qPrintable(QStringLiteral("tray %1").arg(tray)));
            if (tray > 1) QVERIFY(field->x() > Tray(d, tray - 1)->x() + Tray(d, tray - 1)->width() / 2);
        }
        for (QWidget* child : d.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(d.rect().contains(child->geometry()), qPrintable(child->objectName()));
        const QWidget* panel = d.findChild<QWidget*>(QStringLiteral("Backar_Panel"));
        QVERIFY(panel->rect().contains(Tray(d, TrayCount)->geometry()));
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
            if (label->isVisibleTo(&d))
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->objectName()));
    }
};

QTEST_MAIN(TTypDokumentTest)
#include "TTypDokumentTest.moc"
