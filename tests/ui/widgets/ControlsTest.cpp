// The small controls: the arrow control, the radio group and the tray key filter.
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QClipboard>
#include <QtTest>

#include "ui/controls/RadioGroup.h"
#include "ui/controls/ArrowControl.h"
#include "ui/controls/TrayKeyFilter.h"

using namespace kaldoventri;

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void arrowsStepWithoutWrapping_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("ups");
        QTest::addColumn<int>("downs");
        QTest::addColumn<int>("expected");
        QTest::newRow("up") << 20 << 3 << 0 << 23;
        QTest::newRow("down") << 20 << 0 << 4 << 16;
        QTest::newRow("up stops at max") << 79 << 5 << 0 << 80;
        QTest::newRow("down stops at min") << 11 << 0 << 5 << 10;
        QTest::newRow("back from max") << 80 << 1 << 1 << 79;
    }
    void arrowsStepWithoutWrapping() {
        QFETCH(int, start);
        QFETCH(int, ups);
        QFETCH(int, downs);
        QFETCH(int, expected);
        for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
            ArrowControl upDown(orientation);
            upDown.SetMin(10);
            upDown.SetMax(80);
            upDown.SetPosition(start);
            QList<int> positionsSeen;
            connect(&upDown, &ArrowControl::Click, [&] { positionsSeen << upDown.Position(); });
            auto* up = upDown.findChild<QToolButton*>("UpButton");
            auto* down = upDown.findChild<QToolButton*>("DownButton");
            for (int i = 0; i < ups; ++i) QTest::mouseClick(up, Qt::LeftButton);
            for (int i = 0; i < downs; ++i) QTest::mouseClick(down, Qt::LeftButton);
            QCOMPARE(upDown.Position(), expected);
            // One Click per step, with the position already moved.
            QCOMPARE(positionsSeen.size(), ups + downs);
            QCOMPARE(positionsSeen.last(), expected);
        }
    }

    void arrowsPointTheWayTheyStep() {
        ArrowControl horizontal(Qt::Horizontal);
        horizontal.resize(41, 25);
        auto* down = horizontal.findChild<QToolButton*>("DownButton");
        auto* up = horizontal.findChild<QToolButton*>("UpButton");
        horizontal.show();
        QCOMPARE(down->arrowType(), Qt::LeftArrow);
        QCOMPARE(up->arrowType(), Qt::RightArrow);
        QVERIFY(down->geometry().right() < up->geometry().left());

        ArrowControl vertical;
        vertical.resize(17, 28);
        vertical.show();
        down = vertical.findChild<QToolButton*>("DownButton");
        up = vertical.findChild<QToolButton*>("UpButton");
        QCOMPARE(up->arrowType(), Qt::UpArrow);
        QVERIFY(up->geometry().bottom() < down->geometry().top());
    }

    void settersClampAndStaySilent() {
        ArrowControl upDown(Qt::Horizontal);
        QSignalSpy clicks(&upDown, &ArrowControl::Click);
        upDown.SetMin(10);
        upDown.SetMax(100);
        upDown.SetPosition(500);
        QCOMPARE(upDown.Position(), 100);
        upDown.SetPosition(-3);
        QCOMPARE(upDown.Position(), 10);
        upDown.SetPosition(60);
        upDown.SetMax(50);
        QCOMPARE(upDown.Position(), 50);
        upDown.SetMin(70);
        QCOMPARE(upDown.Min(), 70);
        QCOMPARE(upDown.Max(), 70);
        QCOMPARE(upDown.Position(), 70);
        QCOMPARE(clicks.count(), 0);
    }

    void extremeLimitsDoNotOverflow() {
        ArrowControl upDown;
        upDown.SetMax(std::numeric_limits<int>::max());
        upDown.SetPosition(std::numeric_limits<int>::max());
        upDown.Step(+1);
        QCOMPARE(upDown.Position(), std::numeric_limits<int>::max());
        upDown.SetMin(std::numeric_limits<int>::min());
        upDown.SetPosition(std::numeric_limits<int>::min());
        upDown.Step(-1);
        QCOMPARE(upDown.Position(), std::numeric_limits<int>::min());
    }

    void keysStepTheControlAndItsBuddy_data() {
        QTest::addColumn<bool>("viaBuddy");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("up") << false << int(Qt::Key_Up) << 21;
        QTest::newRow("right") << false << int(Qt::Key_Right) << 21;
        QTest::newRow("down") << false << int(Qt::Key_Down) << 19;
        QTest::newRow("left") << false << int(Qt::Key_Left) << 19;
        QTest::newRow("buddy up") << true << int(Qt::Key_Up) << 21;
        QTest::newRow("buddy down") << true << int(Qt::Key_Down) << 19;
        // Left and Right move the cursor in the buddy field instead.
        QTest::newRow("buddy left") << true << int(Qt::Key_Left) << 20;
        QTest::newRow("buddy right") << true << int(Qt::Key_Right) << 20;
        QTest::newRow("page up") << false << int(Qt::Key_PageUp) << 22;
        QTest::newRow("buddy page down") << true << int(Qt::Key_PageDown) << 18;
        QTest::newRow("home") << false << int(Qt::Key_Home) << 10;
        QTest::newRow("buddy end") << true << int(Qt::Key_End) << 100;
    }
    void keysStepTheControlAndItsBuddy() {
        QFETCH(bool, viaBuddy);
        QFETCH(int, key);
        QFETCH(int, expected);
        QWidget window;
        auto* buddy = new QLineEdit(&window);
        auto* upDown = new ArrowControl(Qt::Vertical, &window);
        upDown->SetBuddy(buddy);
        upDown->SetMin(10);
        upDown->SetPageStep(2);
        upDown->SetPosition(20);
        QSignalSpy clicks(upDown, &ArrowControl::Click);
        QTest::keyClick(viaBuddy ? static_cast<QWidget*>(buddy) : upDown, Qt::Key(key));
        QCOMPARE(upDown->Position(), expected);
        QCOMPARE(clicks.count(), expected != 20 ? 1 : 0);
    }

    void radioGroupAnnouncesEveryChangeOnce() {
        RadioGroup group;
        group.SetItems({"12 m", "24 m"});
        QCOMPARE(group.ItemIndex(), -1);
        QSignalSpy clicks(&group, &RadioGroup::Click);
        QList<int> seen;
        connect(&group, &RadioGroup::Click, [&] { seen << group.ItemIndex(); });

        group.SetItemIndex(0);
        group.SetItemIndex(0);
        QTest::mouseClick(group.Button(1), Qt::LeftButton);
        QTest::mouseClick(group.Button(1), Qt::LeftButton);
        group.SetItemIndex(5);  // out of range: the nearest item, already selected
        group.SetItemIndex(-7);
        QCOMPARE(seen, (QList<int>{0, 1, -1}));
        QVERIFY(!group.Button(0)->isChecked() && !group.Button(1)->isChecked());

        group.SetItemIndex(1);
        QVERIFY(group.Button(1)->isChecked());
        QCOMPARE(clicks.count(), 4);
    }

    void keyFilterJudgesTheCharacter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7" << false;
        QTest::newRow("keypad digit") << int(Qt::Key_3) << int(Qt::KeypadModifier) << "3" << false;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << false;
        QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "-" << true;
        QTest::newRow("comma") << int(Qt::Key_Comma) << 0 << "," << true;
        QTest::newRow("point") << int(Qt::Key_Period) << 0 << "." << true;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << " " << true;
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << true;
        QTest::newRow("non-ASCII digit") << int(Qt::Key_unknown) << 0 << QString(QChar(0x0663)) << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "\r" << true;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "\x1b" << true;
        QTest::newRow("ctrl+V pastes") << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16" << false;
        QTest::newRow("ctrl+V, no text") << int(Qt::Key_V) << int(Qt::ControlModifier) << "" << false;
        QTest::newRow("ctrl+A selects all") << int(Qt::Key_A) << int(Qt::ControlModifier) << "\x01" << false;
        QTest::newRow("ctrl+Z undoes") << int(Qt::Key_Z) << int(Qt::ControlModifier) << "\x1a" << false;
        QTest::newRow("ctrl+B") << int(Qt::Key_B) << int(Qt::ControlModifier) << "\x02" << true;
        QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << "" << false;
        QTest::newRow("home") << int(Qt::Key_Home) << 0 << "" << false;
        QTest::newRow("delete with DEL") << int(Qt::Key_Delete) << 0 << "\x7f" << false;
        QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << "\t" << false;
        QTest::newRow("shift+insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "" << false;
    }
    void keyFilterJudgesTheCharacter() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        TrayKeyFilter filter;
        QLineEdit field;
        field.installEventFilter(&filter);
        QSignalSpy refusals(&filter, &TrayKeyFilter::KeyRefused);
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(TrayKeyFilter::RefusesKey(press), refused);
        QCoreApplication::sendEvent(&field, &press);
        QCOMPARE(refusals.count(), refused ? 1 : 0);
    }

    // Ctrl+C copies what a tray field has selected, as in any field; with
    // nothing selected it is the window's "Kopiera".
    void copyInATrayField_data() {
        QTest::addColumn<bool>("selected");
        QTest::newRow("text selected") << true;
        QTest::newRow("nothing selected") << false;
    }
    void copyInATrayField() {
        QFETCH(bool, selected);
        TrayKeyFilter filter;
        QWidget window;
        auto* field = new QLineEdit(&window);
        filter.Guard(field);
        QAction copy(&window);
        copy.setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
        window.addAction(&copy);
        QSignalSpy copied(&copy, &QAction::triggered);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        field->setFocus();
        field->setText(QStringLiteral("12"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        if (selected) field->selectAll();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copied.count(), selected ? 0 : 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), selected ? QStringLiteral("12") : QStringLiteral("before"));
        QTest::keyClick(field, Qt::Key_5);  // a digit still reaches the field
        QCOMPARE(field->text(), selected ? QStringLiteral("5") : QStringLiteral("125"));
    }

    // Ctrl+A, then a paste: taken only when the field then holds a whole number.
    void pasteTakesOnlyAWholeNumber_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        QTest::newRow("digits") << "39" << "39";
        QTest::newRow("from a spreadsheet cell") << " 34\r\n" << "34";
        QTest::newRow("letters") << "12a" << "14";
        QTest::newRow("a blank inside") << "1 2" << "14";
        QTest::newRow("decimal comma") << "1,5" << "14";
    }
    void pasteTakesOnlyAWholeNumber() {
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        TrayKeyFilter filter;
        QLineEdit field;
        filter.Guard(&field);
        field.setText(QStringLiteral("14"));
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field.text(), after);
        QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field.text(), QStringLiteral("14"));
    }

    void inputMethodTextIsFilteredToo() {
        TrayKeyFilter filter;
        QLineEdit field;
        field.installEventFilter(&filter);
        QInputMethodEvent letters;
        letters.setCommitString(QStringLiteral("4x"));
        QCoreApplication::sendEvent(&field, &letters);
        QInputMethodEvent digits;
        digits.setCommitString(QStringLiteral("42"));
        QCoreApplication::sendEvent(&field, &digits);
        QCOMPARE(field.text(), QStringLiteral("42"));
    }
};

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
