// The xlsx table read back from its zip: which cells are numbers and which
// texts (a grade "27-3-3", a setting "12/3" and a model "001" stay texts as
// typed), empty cells left out, and the header row frozen.
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
    const std::vector<ReportTest> tests{MakeReportTest(QStringLiteral("a.vkf"), typed, swedish),
                                        MakeReportTest(QStringLiteral("b.vkf"), sparse, swedish)};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tabell.xlsx"));
    ASSERT_EQ(SaveXlsxTable(path, tests, swedish).kind, SaveOutcome::Kind::Saved);

    const QString sheet = Unzipped(path, "xl/worksheets/sheet1.xml");
    const auto cells = CellsOf(sheet, Unzipped(path, "xl/sharedStrings.xml"));
    struct Row { const char* ref; bool text; const char* value; };  // value nullptr: any
    const Row rows[] = {
        {"A1", true, "Fil"},         {"J1", true, "VK %"},        {"R1", true, "Giva kg/ha"},
        {"U1", true, "VK 5 m"},      {"DH1", true, "VK osäkerhet 5 m"},
        {"A2", true, "a.vkf"},       {"C2", true, "001"},         {"D2", true, "12/3"},
        {"E2", true, "27-3-3"},      {"H2", false, "12"},         {"J2", false, "2.2"},
        {"K2", true, "Mycket bra"},  {"R2", false, nullptr},      {"S2", false, nullptr},
        {"T2", false, nullptr},      {"DH2", false, nullptr},
        {"H3", false, "50"},         {"J3", false, "17.5"},       {"DG3", false, "17.5"},
    };
    for (const Row& r : rows) {
        const auto found = cells.find(QString::fromLatin1(r.ref));
        ASSERT_NE(found, cells.end()) << r.ref;
        EXPECT_EQ(found->second.first, r.text) << r.ref;
        EXPECT_TRUE(!r.value || found->second.second == QString::fromUtf8(r.value)) << r.ref;
    }
    // The figures the second test does not have are no cells at all.
    for (const char* missing : {"L3", "R3", "S3", "T3", "U3", "DH3"}) EXPECT_EQ(cells.count(QString::fromLatin1(missing)), 0u) << missing;
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<pane [^>]*ySplit=\"1\"[^>]*state=\"frozen\""))));
    EXPECT_TRUE(sheet.contains(QRegularExpression(QStringLiteral("<col min=\"1\" max=\"1\" width=\"[0-9]+(\\.[0-9]+)?\""))));
}

}  // namespace
}  // namespace kaldoventri
