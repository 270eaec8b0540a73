// The test entry dialog with an own tray kit: the quick fill, the places
// typed under the amounts, the refusals of a kit that cannot be evaluated,
// and kits kept in the user's settings from one run to the next.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ui/controls/RadioGroup.h"
#include "ui/dialogs/TTypDokument.h"
#include "ui/support/KitStore.h"
#include "workbook/SheetSettings.h"

using namespace kaldoventri;

namespace {

template <class T = QLineEdit>
T* Control(const QWidget& d, const QString& name) {
    T* found = d.findChild<T*>(name);
    if (found == nullptr) qFatal("no control %s", qPrintable(name));
    return found;
}

void ChooseOwnKit(TTypDokument& d) { Control<RadioGroup>(d, "SpridarTyp_RadioGroup")->Button(2)->click(); }

// "16 backar, 1,5 m mellanrum", Fyll i, as a user types it.
void QuickFill(TTypDokument& d, int count, const QString& spacing) {
    Control<QSpinBox>(d, "KitCount_SpinBox")->setValue(count);
    Control(d, "KitSpacing_Edit")->setText(spacing);
    Control<QPushButton>(d, "KitFill_Button")->click();
}

}  // namespace

class OwnKitDialogTest : public QObject {
    Q_OBJECT

private slots:
    void quickFillGivesEvenPlacesAndTheDefaultSearchRange() {
        TTypDokument d;
        ChooseOwnKit(d);
        QuickFill(d, 16, QStringLiteral("1,5"));
        Control(d, "KitName_Edit")->setText(QStringLiteral("Fältkit 16"));
        for (int tray = 1; tray <= 16; ++tray) d.SetTrayValue(100 + tray, tray);
        QVERIFY(!d.KitProblemText());
        QCOMPARE(d.LastEmptyTray(), 0);
        QVERIFY(!Control(d, "Box_Edit17")->isVisibleTo(&d));

        const SheetSettings settings = d.Settings();
        QCOMPARE(settings.kit.layout, LayoutOwn);
        QCOMPARE(settings.kit.name, std::string("Fältkit 16"));
        QCOMPARE(settings.kit.positions, EvenlySpaced(16, 1.5));
        QCOMPARE(settings.kit.positions.front(), -11.25);
        // 3 + 4 x 11.25 = 48 half-metres, searched from 5 m to 22 m.
        QCOMPARE(settings.kit.search, (WidthRange{10, 44}));
        QCOMPARE(settings.amounts.size(), std::size_t{16});
        QCOMPARE(settings.amounts.back(), 116);

        // Shown again (Inställningar on the sheet), the dialog gives the same settings back.
        TTypDokument again;
        again.ShowSettings(settings);
        QCOMPARE(again.Settings().kit, settings.kit);
        QCOMPARE(again.Settings().amounts, settings.amounts);
    }

    void aHundredTraysScrollAndKeepTheirPlaces() {
        TTypDokument d;
        ChooseOwnKit(d);
        QuickFill(d, 100, QStringLiteral("0,485"));
        QLineEdit* last = Control(d, "Box_Edit100");
        QVERIFY(last->isVisibleTo(&d));
        QCOMPARE(Control(d, "Lage_Edit100")->text(), QLocale().toString(24.0075));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.FocusTray(1);
        QTRY_VERIFY(Control(d, "Box_Edit1")->hasFocus());
        d.FocusTray(100);
        QTRY_VERIFY(last->hasFocus());
        // The focused field is scrolled into the row's sight.
        auto* row = d.findChild<QScrollArea*>(QStringLiteral("Backar_ScrollArea"));
        QVERIFY(row);
        const auto seen = [&] { return QRect(last->mapTo(row->viewport(), QPoint(0, 0)), last->size()); };
        QTRY_VERIFY2(row->viewport()->rect().contains(seen()),
                     qPrintable(QStringLiteral("field at %1 in a row %2 wide").arg(seen().x()).arg(row->viewport()->width())));
    }

    // Places of three decimals widen every field instead of showing "12,125"
    // for -12,125; the quick fill offers the kit's gap as typed, not 0,970000000000001.
    void longPlacesShowWhole() {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        SheetSettings settings;
        settings.kit = TrayKit{LayoutOwn, "Kit", {}, {10, 40}};
        for (int i = 0; i < 26; ++i) settings.kit.positions.push_back(KeptPlace(-12.125 + 0.97 * i));
        settings.amounts.assign(26, 20);
        TTypDokument d;
        d.ShowSettings(settings);
        QCOMPARE(Control(d, "KitSpacing_Edit")->text(), QStringLiteral("0,97"));
        for (int tray = 1; tray <= 26; ++tray) {
            const QLineEdit* place = Control(d, QStringLiteral("Lage_Edit%1").arg(tray));
            QVERIFY2(place->fontMetrics().horizontalAdvance(place->text()) + 8 <= place->width(), qPrintable(place->text()));
            QCOMPARE(Control(d, QStringLiteral("Box_Edit%1").arg(tray))->width(), place->width());
            if (tray > 1)  // neighbouring frames overlap by 2 pixels, as in the stored layout
                QVERIFY(place->x() + 1 >= Control(d, QStringLiteral("Lage_Edit%1").arg(tray - 1))->geometry().right());
        }
        QLocale::setDefault(QLocale::c());
    }

    void kitsThatCannotBeEvaluatedAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tray");
        QTest::addColumn<QString>("place");
        QTest::addColumn<double>("searchLast");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name") << "" << 0 << "" << 0.0 << "Ge uppställningen ett namn.";
        QTest::newRow("empty place") << "Kit" << 3 << "" << 0.0 << "Back 3 saknar läge.";
        QTest::newRow("no number") << "Kit" << 2 << "-" << 0.0 << "Läget för back 2 är inget tal: \"-\".";
        QTest::newRow("not ascending") << "Kit" << 4 << "-9" << 0.0
                                       << "Backarnas lägen måste öka från back till back (back 4).";
        QTest::newRow("outside the track") << "Kit" << 6 << "24,5" << 0.0 << "Back 6 ligger utanför ±24,25 m.";
        QTest::newRow("search beyond the span") << "Kit" << 0 << "" << 40.0 << "Sökområdet måste ligga inom 5 m till 21,5 m.";
    }
    void kitsThatCannotBeEvaluatedAreRefused() {
        QFETCH(QString, name);
        QFETCH(int, tray);
        QFETCH(QString, place);
        QFETCH(double, searchLast);
        QFETCH(QString, message);
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        TTypDokument d;
        ChooseOwnKit(d);
        QuickFill(d, 6, QStringLiteral("4"));  // -10 .. 10 m: the curve ends at 3 + 40 = 43
        Control(d, "KitName_Edit")->setText(name);
        if (tray > 0) Control(d, QStringLiteral("Lage_Edit%1").arg(tray))->setText(place);
        if (searchLast > 0) Control<QDoubleSpinBox>(d, "SearchLast_SpinBox")->setValue(searchLast);
        QCOMPARE(d.KitProblemText().value_or(QString()), message);
        QVERIFY_THROWS_EXCEPTION(std::exception, d.Settings());
        QLocale::setDefault(QLocale::c());
    }

    // A kit typed once is offered by a dialog of a later run, and can be deleted.
    void keptKitsComeBackAfterARestart() {
        {
            TTypDokument first;
            ChooseOwnKit(first);
            QuickFill(first, 5, QStringLiteral("2,5"));
            Control(first, "KitName_Edit")->setText(QStringLiteral("Halva bredden"));
            first.KeepKit();
        }
        QVERIFY(KitStore().Names().contains(QStringLiteral("Halva bredden")));

        TTypDokument later;
        ChooseOwnKit(later);
        auto* saved = Control<QComboBox>(later, "SavedKits_ComboBox");
        const int index = saved->findText(QStringLiteral("Halva bredden"));
        QVERIFY(index > 0);
        saved->setCurrentIndex(index);
        emit saved->activated(index);
        for (int tray = 1; tray <= 5; ++tray) later.SetTrayValue(1, tray);
        const SheetSettings settings = later.Settings();
        QCOMPARE(settings.kit.positions, (std::vector<double>{-5, -2.5, 0, 2.5, 5}));
        QCOMPARE(settings.kit.name, std::string("Halva bredden"));

        // A built-in layout keeps nothing.
        TTypDokument builtIn;
        builtIn.KeepKit();
        QCOMPARE(KitStore().Names(), QStringList{QStringLiteral("Halva bredden")});

        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Yes)->click();
        });
        Control<QPushButton>(later, "DeleteKit_Button")->click();
        QVERIFY(KitStore().Names().isEmpty());
        QCOMPARE(saved->count(), 1);
    }
};

int main(int argc, char** argv) {
    // The kept kits go to a configuration folder of this run only.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    OwnKitDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "OwnKitDialogTest.moc"
