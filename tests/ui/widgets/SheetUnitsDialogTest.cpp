// The units in the test entry dialog: what the fields give as a sheet's
// units, which typings are refused with what message, and a sheet's units
// shown again unchanged.
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "ui/dialogs/TTypDokument.h"

using namespace kaldoventri;

Q_DECLARE_METATYPE(kaldoventri::SheetUnits)

namespace {

QLineEdit* Field(const QWidget& d, const char* name) {
    auto* found = d.findChild<QLineEdit*>(QLatin1String(name));
    if (found == nullptr) qFatal("no field %s", name);
    return found;
}

}  // namespace

class SheetUnitsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }

    // Typed as a user types: width, length, m², unit item, density, target.
    void typedUnits_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<SheetUnits>("units");
        QTest::addColumn<QString>("refusal");
        const SheetUnits none;
        QTest::newRow("nothing typed: no units") << QStringList{"", "", "", "0", "", ""} << none << QString();
        QTest::newRow("50 x 50 cm, 0,1 g, target")
            << QStringList{"50", "50", "", "1", "", "200"}
            << SheetUnits{0.25, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, 200.0} << QString();
        QTest::newRow("m2 with a point, ml with density")
            << QStringList{"", "", "0.2", "3", "1,05", ""}
            << SheetUnits{0.2, AmountUnit{1.0, AmountKind::Volume}, 1.05, std::nullopt} << QString();
        QTest::newRow("a density without ml is not read")
            << QStringList{"", "", "0,5", "2", "1,2", ""}
            << SheetUnits{0.5, AmountUnit{1.0, AmountKind::Mass}, std::nullopt, std::nullopt} << QString();
        QTest::newRow("one side only") << QStringList{"50", "", "", "1", "", ""} << none
                                       << QStringLiteral("Skriv både backens bredd och längd i cm, eller ytan i m².");
        QTest::newRow("a side of 0 cm") << QStringList{"0", "50", "", "1", "", ""} << none
                                        << QStringLiteral("Backens bredd och längd måste vara positiva tal i cm.");
        QTest::newRow("ml without density") << QStringList{"", "", "0,25", "3", "", ""} << none
                                            << QStringLiteral("Med enheten ml behövs gödselmedlets densitet i kg/l.");
        QTest::newRow("target of 0") << QStringList{"", "", "", "0", "", "0"} << none
                                     << QStringLiteral("Målgivan måste vara ett positivt tal i kg/ha.");
    }
    void typedUnits() {
        QFETCH(QStringList, typed);
        QFETCH(SheetUnits, units);
        QFETCH(QString, refusal);
        TTypDokument d;
        for (int tray = 1; tray <= TrayCount; ++tray) d.SetTrayValue(10, tray);
        Field(d, "BackBredd_Edit")->setText(typed[0]);
        Field(d, "BackLangd_Edit")->setText(typed[1]);
        Field(d, "Backyta_Edit")->setText(typed[2]);
        d.findChild<QComboBox*>(QStringLiteral("Enhet_ComboBox"))->setCurrentIndex(typed[3].toInt());
        Field(d, "Densitet_Edit")->setText(typed[4]);
        Field(d, "Malgiva_Edit")->setText(typed[5]);
        QCOMPARE(d.UnitsProblemText().value_or(QString()), refusal);
        if (refusal.isEmpty()) QCOMPARE(d.Settings().units, units);
    }

    // Typing a width and a length shows their area; the sheet's units come back
    // as they were, also a unit the list does not offer.
    void areaFollowsTheSidesAndUnitsShowAgain() {
        TTypDokument d;
        QTest::keyClicks(Field(d, "BackBredd_Edit"), QStringLiteral("40"));
        QTest::keyClicks(Field(d, "BackLangd_Edit"), QStringLiteral("62,5"));
        QCOMPARE(Field(d, "Backyta_Edit")->text(), QStringLiteral("0,25"));

        SheetSettings settings;
        for (std::size_t i = 0; i < settings.amounts.size(); ++i) settings.amounts[i] = 5;
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
