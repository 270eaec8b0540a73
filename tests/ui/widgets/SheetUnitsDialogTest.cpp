// The units in the test entry dialog: what the fields give, what is refused,
// and a sheet's units shown again unchanged.
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "ui/dialogs/TTypDokument.h"

using namespace kaldoventri;

Q_DECLARE_METATYPE(kaldoventri::SheetUnits)

class SheetUnitsDialogTest : public QObject {
    Q_OBJECT

    static QLineEdit* Field(const QWidget& d, const char* name) { return d.findChild<QLineEdit*>(QLatin1String(name)); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }

    // Width, length, m², unit item, density, target, as a user types them.
    void typedUnits_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<SheetUnits>("units");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("nothing: no units") << QStringList{"", "", "", "0", "", ""} << SheetUnits{} << QString();
        QTest::newRow("50 x 50 cm, 0,1 g") << QStringList{"50", "50", "", "1", "", "200"}
                                           << SheetUnits{0.25, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, 200.0} << QString();
        QTest::newRow("m2, ml, density") << QStringList{"", "", "0.2", "3", "1,05", ""}
                                         << SheetUnits{0.2, AmountUnit{1.0, AmountKind::Volume}, 1.05, std::nullopt} << QString();
        QTest::newRow("one side") << QStringList{"50", "", "", "1", "", ""} << SheetUnits{}
                                  << QStringLiteral("Skriv både backens bredd och längd i cm, eller ytan i m².");
        QTest::newRow("target 0") << QStringList{"", "", "", "0", "", "0"} << SheetUnits{}
                                  << QStringLiteral("Målgivan måste vara ett positivt tal i kg/ha.");
    }
    void typedUnits() {
        QFETCH(QStringList, typed);
        QFETCH(SheetUnits, units);
        QFETCH(QString, refusal);
        TTypDokument d;
        for (int tray = 1; tray <= TrayCount; ++tray) d.SetTrayValue(10, tray);
        const char* fields[] = {"BackBredd_Edit", "BackLangd_Edit", "Backyta_Edit", "", "Densitet_Edit", "Malgiva_Edit"};
        for (int i : {0, 1, 2, 4, 5}) Field(d, fields[i])->setText(typed[i]);
        d.findChild<QComboBox*>(QStringLiteral("Enhet_ComboBox"))->setCurrentIndex(typed[3].toInt());
        QCOMPARE(d.UnitsProblemText().value_or(QString()), refusal);
        if (refusal.isEmpty()) QCOMPARE(d.Settings().units, units);
    }

    // A sheet's units, also a unit the list lacks, come back as they were;
    // a blank test has none.
    void unitsShowAgainAndABlankTestHasNone() {
        TTypDokument d;
        SheetSettings settings;
        settings.amounts.assign(TrayCount, 5);
        settings.units = SheetUnits{0.1089, AmountUnit{0.5, AmountKind::Mass}, std::nullopt, 180.0};
        d.ShowSettings(settings);
        QCOMPARE(d.Settings().units, settings.units);
        d.ClearEntries();
        for (int tray = 1; tray <= TrayCount; ++tray) d.SetTrayValue(5, tray);
        QCOMPARE(d.Settings().units, SheetUnits{});
    }
};

QTEST_MAIN(SheetUnitsDialogTest)
#include "SheetUnitsDialogTest.moc"
