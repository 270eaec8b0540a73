// The xlsx table read back from its zip: which cells are numbers and which
// texts (a grade "27-3-3", a setting "12/3" and a model "001" stay texts as
// typed), every number as the program shows it, empty cells left out, the
// header rows frozen, and the sheet of every tray.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <iostream>
#include <map>
#include <string>

#include "evaluation/SheetFixtures.h"
#include "report/XlsxTable.h"

namespace kaldoventri {
namespace {

QString Unzipped(const QString& zip, const char* member) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, QString::fromLatin1(member)});
    unzip.waitForFinished(30000);
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

// Cell reference ("R2") -> (is a text, value), shared strings resolved.
std::map<QString, std::pair<bool, QString>> CellsOf(const QString& sheet, const QString& shared) {
    QStringList strings;
    for (const auto& m : QRegularExpression(QStringLiteral("<si><t[^>]*>([^<]*)</t></si>")).globalMatch(shared)) strings << m.captured(1);
    std::map<QString, std::pair<bool, QString>> cells;
    const QRegularExpression c(QStringLiteral("<c r=\"([A-Z]+\\d+)\"([^>]*?)(?:/>|>.*?<v>([^<]*)</v>.*?</c>)"));
    for (const auto& m : c.globalMatch(sheet)) {
        const bool text = m.captured(2).contains(QStringLiteral("t=\"s\""));
        cells[m.captured(1)] = {text, text ? strings.value(m.captured(3).toInt()) : m.captured(3)};
    }
    return cells;
}

// The process's C numbers in Swedish (decimal comma), as Qt sets them from a
// Swedish environment, where a private copy of the locale can be made.
class SwedishCNumbers {
public:
    SwedishCNumbers() {
        if (const char* now = std::setlocale(LC_NUMERIC, nullptr)) saved_ = now;
        QProcess make;
        make.start(QStringLiteral("localedef"), {QStringLiteral("-i"), QStringLiteral("sv_SE"), QStringLiteral("-c"),
                                                 QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                                 folder_.filePath(QStringLiteral("sv_SE.UTF-8"))});
        make.waitForFinished(60000);
        qputenv("LOCPATH", folder_.path().toLocal8Bit());
        active_ = std::setlocale(LC_NUMERIC, "sv_SE.UTF-8") != nullptr;
    }
    ~SwedishCNumbers() {
        std::setlocale(LC_NUMERIC, saved_.c_str());
        qunsetenv("LOCPATH");
    }
    bool Active() const { return active_; }

private:
    QTemporaryDir folder_;
    std::string saved_ = "C";
    bool active_ = false;
};

TEST(XlsxTable, FiguresAreNumbersAndTextsStayAsTyped) {
    const SwedishCNumbers numbers;
    if (!numbers.Active()) std::cout << "note: no Swedish locale could be made; C numbers only\n";
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    TNewTabSheet typed = testing::MakeSheet(testing::Peaked, Layout12m, 24);
    typed.SetDescription("Yara", "Bogballe", "27-3-3", "001", Layout12m, 24, "12/3", "Köping");
    typed.SetUnits(SheetUnits{0.25, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, 200.0});
    CalculateSheet(typed, YScaleValue);
    // No units, one VK set by hand and no optimum.
    TNewTabSheet sparse;
    sparse.SetDescription("", "Amazone", "", "ZA-TS", Layout24m, 100, "", "");
    sparse.SetVK(100, 17.5);
    sparse.SetVK(20, 87 / 10.0);  // libxlsxwriter's 16 digits print 8.699999999999999
    const std::vector<ReportTest> tests{MakeReportTest(QStringLiteral("a.vkf"), typed, swedish),
                                        MakeReportTest(QStringLiteral("b.vkf"), sparse, swedish)};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tabell.xlsx"));
    ASSERT_EQ(SaveXlsxTable(path, tests, swedish).kind, SaveOutcome::Kind::Saved);

    const QString sheet = Unzipped(path, "xl/worksheets/sheet1.xml");
    const auto cells = CellsOf(sheet, Unzipped(path, "xl/sharedStrings.xml"));
    const QString trays = Unzipped(path, "xl/worksheets/sheet2.xml");
    const auto trayCells = CellsOf(trays, Unzipped(path, "xl/sharedStrings.xml"));
    struct Row { const std::map<QString, std::pair<bool, QString>>* sheet; const char* ref; bool text; const char* value; };  // value nullptr: any
    const Row rows[] = {
        {&cells, "A1", true, "Fil"},         {&cells, "J1", true, "VK %"},          {&cells, "R1", true, "Backyta m²"},
        {&cells, "S1", true, "Enhet"},       {&cells, "T1", true, "Giva kg/ha"},    {&cells, "U1", true, "Målgiva kg/ha"},
        {&cells, "W1", true, "Korrigering"}, {&cells, "Y1", true, "Varningar"},
        {&cells, "Z1", true, "VK 5 m"},      {&cells, "DM1", true, "VK osäkerhet 5 m"},
        {&cells, "A2", true, "a.vkf"},       {&cells, "C2", true, "001"},           {&cells, "D2", true, "12/3"},
        {&cells, "E2", true, "27-3-3"},      {&cells, "H2", false, "12"},           {&cells, "J2", false, "2.2"},
        {&cells, "K2", true, "Mycket bra"},  {&cells, "R2", false, "0.25"},         {&cells, "S2", true, "0,1 g"},
        {&cells, "T2", false, nullptr},      {&cells, "U2", false, "200"},          {&cells, "V2", false, nullptr},
        {&cells, "W2", false, nullptr},      {&cells, "X2", false, nullptr},        {&cells, "DM2", false, nullptr},
        {&cells, "H3", false, "50"},         {&cells, "J3", false, "17.5"},         {&cells, "AJ3", false, "8.7"},
        {&cells, "DL3", false, "17.5"},
        {&trayCells, "A1", true, "Fil"},     {&trayCells, "C1", true, "Läge m"},    {&trayCells, "D1", true, "Mängd"},
        {&trayCells, "A2", true, "a.vkf"},   {&trayCells, "B2", false, "1"},        {&trayCells, "C2", false, "-12.25"},
        {&trayCells, "D2", false, "6"},      {&trayCells, "C27", false, "12.25"},    {&trayCells, "D14", false, "98"},
        {&trayCells, "A28", true, "b.vkf"},  {&trayCells, "B53", false, "26"},
    };
    for (const Row& r : rows) {
        const auto found = r.sheet->find(QString::fromLatin1(r.ref));
        ASSERT_NE(found, r.sheet->end()) << r.ref;
        EXPECT_EQ(found->second.first, r.text) << r.ref;
        EXPECT_TRUE(!r.value || found->second.second == QString::fromUtf8(r.value)) << r.ref << " " << found->second.second.toStdString();
    }
    // Every figure as the program shows it, never with a 16th digit.
    for (const auto* numbers : {&cells, &trayCells})
        for (const auto& [ref, cell] : *numbers)
            EXPECT_TRUE(cell.first || cell.second.count(QRegularExpression(QStringLiteral("\\d"))) <= 15)
                << ref.toStdString() << " " << cell.second.toStdString();
    // The figures the second test does not have are no cells at all.
    for (const char* missing : {"L3", "R3", "S3", "T3", "U3", "W3", "Y3", "Z3", "DM3"})
        EXPECT_EQ(cells.count(QString::fromLatin1(missing)), 0u) << missing;
    EXPECT_EQ(trayCells.count(QStringLiteral("A54")), 0u);
    for (const QString& xml : {sheet, trays}) {
        EXPECT_TRUE(xml.contains(QRegularExpression(QStringLiteral("<pane [^>]*ySplit=\"1\"[^>]*state=\"frozen\""))));
        EXPECT_TRUE(xml.contains(QRegularExpression(QStringLiteral("<col min=\"1\" max=\"1\" width=\"[0-9]+(\\.[0-9]+)?\""))));
    }
    QProcess test;
    test.start(QStringLiteral("unzip"), {QStringLiteral("-tq"), path});
    test.waitForFinished(30000);
    EXPECT_EQ(test.exitCode(), 0) << test.readAllStandardOutput().toStdString();
}

}  // namespace
}  // namespace kaldoventri
