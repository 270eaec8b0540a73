// The CSV table's exact bytes for two sheets whose VKs and figures are set by
// hand: quoting, the byte-order mark, the locale's decimal separator, every
// figure a plain number, and empty cells for a figure that does not exist,
// outside the layout's span and where a VK was not computed.
#include <gtest/gtest.h>

#include <map>

#include "evaluation/CalculateSheet.h"
#include "evaluation/SheetFixtures.h"
#include "evaluation/TrayLayout.h"
#include "report/CsvTable.h"
#include "report/SummaryRow.h"

namespace kaldoventri {
namespace {

struct CsvCase {
    const char* name;
    QLocale locale;
    ReportTest (*make)();
    QByteArray cells;                  // the table's 25 columns
    std::map<int, QByteArray> vks;     // width (half-metres) -> field; every other width is empty
    QByteArray pattern = ";";          // "Mönster;Mönster spår/mitt"
};

// 12 m layout at 12 m, back and forth; texts that need quoting. 23 and 27 are
// not computed, 60 lies outside the span; 1 kg left, 3 kg right.
ReportTest Quoted() {
    ReportTest test{QStringLiteral("a;b.vkf"), {}, {}};
    TNewTabSheet& s = test.sheet;
    s.SetDescription("Yara", "Bogballe \"M2W\"", "NS 27-4", "Line\nbreak", Layout12m, 24, "34; vänster", "Köping");
    s.ToggleLeftPassReversed();
    s.ToggleRightPassReversed();
    for (int tray = 1; tray <= TrayCount; ++tray) s.SetTrayPosition(tray, TrayPlacementFor(Layout12m, tray));
    s.SetTrayAmount(1, 1);
    s.SetTrayAmount(3, 26);
    for (const auto& [w, vk] : std::map<int, double>{{10, 3.5}, {22, 1.5}, {24, 2.2}, {25, 0.4}, {26, 3.1}, {60, 9.9}})
        s.SetVK(w, vk);
    s.SetVK(23, 0.0, false);
    s.SetOptimum(12.5, 0.4);
    return test;
}

// 24 m layout at 50 m, racetrack; an optimum whose VK was not computed and no catch.
ReportTest Sparse() {
    ReportTest test{QStringLiteral("b.vkf"), {}, {}};
    TNewTabSheet& s = test.sheet;
    s.SetDescription("", "Amazone", "", "ZA-TS", Layout24m, 100, "", "");
    s.SetVK(10, 4.0);
    s.SetVK(100, 17.5);
    s.SetOptimum(16, 0.0);
    return test;
}

void PrintTo(const CsvCase& c, std::ostream* out) { *out << c.name; }

const QLocale Swedish(QLocale::Swedish, QLocale::Sweden);
const QLocale English(QLocale::English, QLocale::UnitedKingdom);

class CsvTableTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvTableTest, LineHoldsTheFiguresAndOneFieldPerWidth) {
    const CsvCase& c = GetParam();
    QByteArray expected = c.cells;
    for (int w = 10; w <= 100; ++w) expected += ';' + (c.vks.count(w) ? c.vks.at(w) : QByteArray());
    expected += QByteArray(91, ';');  // no units, no uncertainty at any width
    expected += QByteArray(7, ';');   // no test record
    expected += ';' + c.pattern;
    const ReportTest made = c.make();
    const ReportTest test = MakeReportTest(made.name, made.sheet, c.locale);
    EXPECT_EQ(CsvLine(test, c.locale).toStdString(), (expected + "\r\n").toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    KnownSheets, CsvTableTest,
    ::testing::Values(
        CsvCase{"quoted_swedish", Swedish, Quoted,
                "\"a;b.vkf\";\"Bogballe \"\"M2W\"\"\";\"Line\nbreak\";\"34; vänster\";NS 27-4;Yara;12 m;12;"
                "Fram och tillbaka;2,2;Mycket bra;12,5;0,4;3,1;12;13;25;;;;;;;;"
                // The data warnings go with every test, one with units or not.
                "Ytterbacken 26 har 100 % av toppen: en del av givan föll utanför backarna, och VK vid stora bredder blir "
                "för låg. Sidobalansen 25/75 % skiljer mer än 10 %: troligen fel inställning eller vind.",
                {{10, "3,5"}, {22, "1,5"}, {24, "2,2"}, {25, "0,4"}, {26, "3,1"}}},
        CsvCase{"quoted_english", English, Quoted,
                "\"a;b.vkf\";\"Bogballe \"\"M2W\"\"\";\"Line\nbreak\";\"34; vänster\";NS 27-4;Yara;12 m;12;"
                "Fram och tillbaka;2.2;Mycket bra;12.5;0.4;3.1;12;13;25;;;;;;;;"
                "Ytterbacken 26 har 100 % av toppen: en del av givan föll utanför backarna, och VK vid stora bredder blir "
                "för låg. Sidobalansen 25/75 % skiljer mer än 10 %: troligen fel inställning eller vind.",
                {{10, "3.5"}, {22, "1.5"}, {24, "2.2"}, {25, "0.4"}, {26, "3.1"}}},
        CsvCase{"sparse_swedish", Swedish, Sparse,
                "b.vkf;Amazone;ZA-TS;;;;24 m;50;Varvkörning;17,5;Otillräcklig;;;17,5;;;;;;;;;;;",
                {{10, "4"}, {100, "17,5"}}}),
    [](const ::testing::TestParamInfo<CsvCase>& info) { return std::string(info.param.name); });

TEST(CsvTable, StartsWithTheByteOrderMarkAndNamesEveryWidth) {
    const QByteArray start = CsvStart(Swedish);
    EXPECT_TRUE(start.startsWith("\xEF\xBB\xBF" "Fil;Spridare;Modell;Inställning;Gödselmedel;Fabrikat;Uppställning;"
                                 "Arbetsbredd m;Körmönster;VK %;Klass;Optimal bredd m;Optimal VK %;"
                                 "Körfel ±1 m högsta VK %;VK under 15 % från m;VK under 15 % till m;"
                                 "Sidobalans vänster %;Backyta m²;Enhet;Giva kg/ha;Målgiva kg/ha;Avvikelse %;"
                                 "Korrigering;VK osäkerhet %;Varningar;VK 5 m;VK 5,5 m;VK 6 m;"));
    EXPECT_TRUE(start.contains(";VK 50 m;VK osäkerhet 5 m;VK osäkerhet 5,5 m;"));
    EXPECT_TRUE(start.endsWith(";VK osäkerhet 49,5 m;VK osäkerhet 50 m;Provdatum;Kund;Provare;Körhastighet;Varvtal;"
                               "Vind;Anteckning;Mönster;Mönster spår/mitt\r\n"));
    EXPECT_EQ(start.count(';'), 25 + 2 * 91 + 7 + 2 - 1);
}

// A test with units: tray area and unit as given, a unit in ml with its
// density, the target, and the correction and warnings as the window shows
// them. Flat 40 at 12 m: a mean sum of 86,67 over the middle strip (2 of its
// 12 trays caught by both neighbours), 4 or 40 kg/ha per unit.
TEST(CsvTable, UnitsTargetCorrectionAndWarnings) {
    struct Case {
        SheetUnits units;
        QList<QByteArray> fields;  // "Backyta m²" to "Korrigering"
    };
    for (const Case& c : {Case{{0.25, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, 400.0},
                               {"0,25", "0,1 g", "346,7", "400", "-13,3", "1,15"}},
                          Case{{0.25, AmountUnit{1.0, AmountKind::Volume}, 1.0, 4000.0},
                               {"0,25", "1 ml (1 kg/l)", "3466,7", "4000", "-13,3", "1,15"}}}) {
        TNewTabSheet sheet = testing::MakeSheet(testing::Flat(40), Layout12m, 24);  // not fallen off at the edges
        sheet.SetUnits(c.units);
        CalculateSheet(sheet, YScaleValue);
        const QList<QByteArray> fields = CsvLine(MakeReportTest(QStringLiteral("e.vkf"), sheet, Swedish), Swedish).split(';');
        EXPECT_EQ(fields.mid(17, 6), c.fields) << c.fields[1].toStdString();
        EXPECT_EQ(fields[24].toStdString(), WarningLines(sheet, Swedish).join(QLatin1Char(' ')).toStdString());
        EXPECT_TRUE(fields[24].startsWith("Ytterbacken ")) << fields[24].toStdString();
    }
}

// The record's date in the ISO form spreadsheets take for a date, its
// figures as numbers in the locale's form.
TEST(CsvTable, RecordColumnsComeLast) {
    ReportTest test = Sparse();
    test.sheet.SetRecord(TestRecord{"2026-04-12", "Lunds gård; AB", "Åsa", 10.5, 540, 2.5, "Efter byte"});
    const QByteArray line = CsvLine(MakeReportTest(test.name, test.sheet, Swedish), Swedish);
    EXPECT_TRUE(line.contains(";2026-04-12;\"Lunds gård; AB\";Åsa;10,5;540;2,5;Efter byte;")) << line.toStdString();
}

}  // namespace
}  // namespace kaldoventri
