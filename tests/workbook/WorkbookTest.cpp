// The workbook: sheet numbering, the current sheet after closing, one
// evaluation per change, and opening and saving test files.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "evaluation/CalculateSheet.h"
#include "workbook/Workbook.h"

namespace kaldoventri {
namespace {

SheetSettings Peaked(int workingWidth = 24) {
    SheetSettings s;
    s.amounts = {6, 13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98, 98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};
    s.workingWidth = workingWidth;
    s.spreaderMaker = QStringLiteral("Bogballe");
    return s;
}

std::vector<std::string> Names(const Workbook& workbook) {
    std::vector<std::string> names;
    for (int i = 0; i < workbook.SheetCount(); ++i) names.push_back(workbook.Sheet(i)->GetName());
    return names;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TestFile(const QByteArray& normal) {
    return "Kaldoventri\r\nNormal," + normal +
           "\r\nSpridarFabrikat,Amazone\r\nSpridarModell,ZA-TS\r\nSpridarInst\xE4llning,47\r\nArbetsbredd,15 m\r\n"
           "G\xF6" "dselFabrikat,Yara\r\nG\xF6" "dselMedel,NS 27-4\r\nProduktionsplats,Glomfjord\r\n"
           "----------------------------------------------------------\r\nABredd,30\r\nBackuppst\xE4llning,0\r\n";
}

TEST(WorkbookTest, SheetNumbersAreNeverUsedTwice) {
    QTemporaryDir dir;
    Workbook workbook;
    for (int i = 0; i < 3; ++i) workbook.AddSheet(Peaked());
    workbook.SetCurrentIndex(1);
    workbook.CloseCurrentSheet();
    workbook.AddSheet(Peaked());
    EXPECT_EQ(Names(workbook), (std::vector<std::string>{"Blad1", "Blad3", "Blad4"}));

    Write(dir.filePath("field 3.vkf"), TestFile("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26"));
    ASSERT_FALSE(workbook.OpenSheet(dir.filePath("field 3.vkf")));
    EXPECT_EQ(workbook.CurrentSheet()->GetName(), "Blad5");
    EXPECT_EQ(workbook.CurrentSheet()->GetTitle(), "field 3");
    workbook.CloseAllSheets();
    workbook.AddSheet(Peaked());
    EXPECT_EQ(Names(workbook), std::vector<std::string>{"Blad6"});
    EXPECT_EQ(workbook.CurrentSheet()->GetTitle(), "Blad6");
}

struct CloseCase {
    const char* name;
    int sheets;
    int closing;
    std::string nowCurrent;  // empty: none
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

class CloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseTest, NextSheetOrTheFirstBecomesCurrentAndIsEvaluated) {
    const CloseCase& c = GetParam();
    Workbook workbook;
    for (int i = 0; i < c.sheets; ++i) workbook.AddSheet(Peaked(20 + i));
    workbook.SetCurrentIndex(c.closing);
    // Another scale since the next sheet was last evaluated: it is evaluated anew.
    workbook.SetYScaleMode(1);
    workbook.CloseCurrentSheet();
    const TNewTabSheet* current = workbook.CurrentSheet();
    EXPECT_EQ(current ? current->GetName() : std::string(), c.nowCurrent);
    if (current) {
        EXPECT_EQ(current->GetPercentScale(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CloseTest,
                         ::testing::Values(CloseCase{"First", 3, 0, "Blad2"}, CloseCase{"Middle", 3, 1, "Blad3"},
                                           CloseCase{"Last", 3, 2, "Blad1"}, CloseCase{"Only", 1, 0, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CommandCase {
    const char* name;
    std::function<void(Workbook&)> command;
    long evaluations;
};

void PrintTo(const CommandCase& c, std::ostream* out) { *out << c.name; }

class OneEvaluationTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(OneEvaluationTest, EachChangeEvaluatesOnceAndNotifiesOnce) {
    const CommandCase& c = GetParam();
    Workbook workbook;
    workbook.AddSheet(Peaked());
    workbook.AddSheet(Peaked());
    int notifications = 0;
    QObject::connect(&workbook, &Workbook::changed, [&] { ++notifications; });
    const long before = workbook.EvaluationCount();
    c.command(workbook);
    EXPECT_EQ(workbook.EvaluationCount() - before, c.evaluations);
    EXPECT_EQ(notifications, 1);
}

TrayEntries Tray(int tray, qint32 amount) {
    TrayEntries entries(TrayCount);
    entries[static_cast<std::size_t>(tray - 1)] = amount;
    return entries;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneEvaluationTest,
    ::testing::Values(
        CommandCase{"NewSheet", [](Workbook& w) { w.AddSheet(Peaked()); }, 1},
        CommandCase{"WorkingWidth", [](Workbook& w) { w.SetWorkingWidth(30); }, 1},
        CommandCase{"TrayAmount", [](Workbook& w) { w.SetTrayAmounts(Tray(13, 90)); }, 1},
        CommandCase{"StoredOnly", [](Workbook& w) { w.StoreTrayAmounts(Tray(13, 90)); }, 0},
        CommandCase{"Settings", [](Workbook& w) { w.ApplySettings(Peaked(48)); }, 1},
        CommandCase{"YScale", [](Workbook& w) { w.SetYScaleMode(1); }, 1},
        CommandCase{"OtherSheet", [](Workbook& w) { w.SetCurrentIndex(0); }, 1},
        CommandCase{"Close", [](Workbook& w) { w.CloseCurrentSheet(); }, 1},
        CommandCase{"CloseAll", [](Workbook& w) { w.CloseAllSheets(); }, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WorkbookTest, StoredAmountsWaitForTheNextEvaluation) {
    Workbook workbook;
    const TNewTabSheet& sheet = workbook.AddSheet(Peaked());
    const std::int64_t sum = sheet.GetTraySum(1);
    workbook.StoreTrayAmounts(Tray(1, 60));
    EXPECT_EQ(sheet.GetTrayAmount(1), 60);
    EXPECT_EQ(sheet.GetTraySum(1), sum);
    workbook.SetTrayAmounts({});
    EXPECT_EQ(sheet.GetTraySum(1), 60 + sheet.GetLeftOverlap(1) + sheet.GetRightOverlap(1));
}

struct FailedOpenCase {
    const char* name;
    QByteArray bytes;  // empty: no such file
    OpenFailure::Kind kind;
    QString message;
};

void PrintTo(const FailedOpenCase& c, std::ostream* out) { *out << c.name; }

class FailedOpenTest : public ::testing::TestWithParam<FailedOpenCase> {};

TEST_P(FailedOpenTest, LeavesNoSheetAndUsesNoNumber) {
    const FailedOpenCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("trial.vkf");
    if (!c.bytes.isEmpty()) Write(path, c.bytes);
    Workbook workbook;
    const std::optional<OpenFailure> failed = workbook.OpenSheet(path);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->kind, c.kind);
    EXPECT_EQ(failed->message, c.message);
    EXPECT_EQ(workbook.SheetCount(), 0);
    EXPECT_EQ(workbook.NextSheetNumber(), 1);
    EXPECT_EQ(workbook.EvaluationCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedOpenTest,
    ::testing::Values(
        FailedOpenCase{"Missing", {}, OpenFailure::Kind::Error, "File not found"},
        FailedOpenCase{"NotATestFile", "Kaldoventri 2\r\n", OpenFailure::Kind::NotATestFile,
                       QString::fromUtf8("trial.vkf är ingen Kaldoventrifil!")},
        FailedOpenCase{"BrokenAmount", TestFile("1,2,x"), OpenFailure::Kind::Error, "'x' is not a valid integer value"},
        FailedOpenCase{"ShortLineAndNoSheet", TestFile("1,2,3"), OpenFailure::Kind::Error,
                       QString::fromUtf8("trial.vkf: raden Normal har för få värden")}),
    [](const auto& info) { return std::string(info.param.name); });

// A sheet on show lends a short file nothing: the file is refused as in an
// empty window, and the workbook stays as it was.
TEST(WorkbookTest, ShortLineIsRefusedWithASheetOpen) {
    QTemporaryDir dir;
    Workbook workbook;
    const TNewTabSheet* shown = &workbook.AddSheet(Peaked());
    const long evaluations = workbook.EvaluationCount();
    Write(dir.filePath("short.vkf"), TestFile("5,7,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1"));
    const std::optional<OpenFailure> failed = workbook.OpenSheet(dir.filePath("short.vkf"));
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->kind, OpenFailure::Kind::Error);
    EXPECT_EQ(failed->message, QString::fromUtf8("short.vkf: raden Normal har för få värden"));
    EXPECT_EQ(failed->swedish, QString::fromUtf8("raden Normal har för få värden"));
    EXPECT_EQ(workbook.SheetCount(), 1);
    EXPECT_EQ(workbook.CurrentSheet(), shown);
    EXPECT_EQ(workbook.NextSheetNumber(), 2);
    EXPECT_EQ(workbook.EvaluationCount(), evaluations);
}

}  // namespace
}  // namespace kaldoventri

namespace kaldoventri {
namespace {

// Units travel with the settings into a new and a changed sheet; the mean of
// replicates keeps their scatter; the kg/ha scale is refused without units.
TEST(WorkbookTest, UnitsTravelWithTheSettingsAndGateTheKgPerHaScale) {
    Workbook workbook;
    workbook.AddSheet(Peaked());
    workbook.SetYScaleMode(YScaleKgPerHa);
    EXPECT_EQ(workbook.YScaleMode(), YScaleValue);

    SheetSettings withUnits = Peaked();
    withUnits.units = SheetUnits{0.25, AmountUnit{0.1, AmountKind::Mass}, std::nullopt, 200.0};
    workbook.ApplySettings(withUnits);
    EXPECT_EQ(SettingsOf(*workbook.CurrentSheet()).units, withUnits.units);
    workbook.SetYScaleMode(YScaleKgPerHa);
    EXPECT_EQ(workbook.YScaleMode(), YScaleKgPerHa);
    EXPECT_DOUBLE_EQ(workbook.CurrentSheet()->GetYScaleFactor(), 4.0);

    withUnits.amounts[3] += 8;
    workbook.AddSheet(withUnits);
    ASSERT_NE(workbook.AddAveragedSheet({0, 1}), nullptr);
    const TNewTabSheet& mean = *workbook.CurrentSheet();
    EXPECT_EQ(mean.GetUnits(), withUnits.units);
    EXPECT_DOUBLE_EQ(mean.GetReplicateVariance(4), 16.0);  // 29 and 37: variance 32 over 2
    EXPECT_DOUBLE_EQ(mean.GetReplicateVariance(5), 0.0);
}

// Amounts are averaged only with sheets that count them in the same unit:
// a sheet in 1 g, or one without a unit, is left out of a mean of 0,1 g.
TEST(WorkbookTest, AveragesOnlySheetsOfTheFirstOnesAmountUnit) {
    const auto with = [](std::optional<AmountUnit> unit, int bump) {
        SheetSettings s = Peaked();
        s.units.unit = unit;
        s.units.trayArea = 0.25;
        s.amounts[0] += bump;
        return s;
    };
    const AmountUnit tenth{0.1, AmountKind::Mass}, gram{1.0, AmountKind::Mass};
    Workbook workbook;
    workbook.AddSheet(with(tenth, 0));         // Blad1: 6
    workbook.AddSheet(with(gram, 1000));       // Blad2: 1006
    workbook.AddSheet(with(std::nullopt, 500)); // Blad3: 506
    workbook.AddSheet(with(tenth, 4));         // Blad4: 10
    EXPECT_EQ(workbook.AddAveragedSheet({0, 1, 2}), nullptr);
    EXPECT_EQ(workbook.AddAveragedSheet({1, 0}), nullptr);
    ASSERT_NE(workbook.AddAveragedSheet({0, 1, 2, 3}), nullptr);
    const TNewTabSheet& mean = *workbook.CurrentSheet();
    EXPECT_EQ(mean.GetTrayAmount(1), 8);
    EXPECT_EQ(mean.GetOrigin(), "Medelvärde av Blad1, Blad4");
    EXPECT_EQ(mean.GetUnits().unit, tenth);
}

}  // namespace
}  // namespace kaldoventri
