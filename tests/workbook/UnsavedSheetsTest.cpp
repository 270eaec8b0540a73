// Whether a sheet is saved, and the recovery copies that keep unsaved sheets
// through a crash: real files in a temporary folder, and a real second process.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "evaluation/DrivingPattern.h"
#include "workbook/SheetRecovery.h"
#include "workbook/Workbook.h"

namespace kaldoventri {
namespace {

SheetSettings Peaked() {
    SheetSettings s;
    s.amounts = {6, 13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98, 98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};
    s.spreaderMaker = QStringLiteral("Bogballe");
    return s;
}

TrayEntries Tray(int tray, qint32 amount) {
    TrayEntries entries(TrayCount);
    entries[static_cast<std::size_t>(tray - 1)] = amount;
    return entries;
}

struct MarkCase {
    const char* name;
    std::function<void(Workbook&)> change;
    bool unsaved;
};

void PrintTo(const MarkCase& c, std::ostream* out) { *out << c.name; }

class SavedMarkTest : public ::testing::TestWithParam<MarkCase> {};

// Every change of what the file holds marks a saved sheet; what changes
// nothing of it does not, and a change undone by hand clears the mark again.
TEST_P(SavedMarkTest, FollowsWhatTheFileWouldHold) {
    QTemporaryDir dir;
    Workbook workbook;
    workbook.AddSheet(Peaked());
    EXPECT_TRUE(workbook.IsModified(0));
    ASSERT_FALSE(workbook.SaveCurrentSheet(dir.filePath("trial.vkf")));
    EXPECT_FALSE(workbook.IsModified(0));
    EXPECT_EQ(workbook.FilePath(0), dir.filePath("trial.vkf"));
    QSignalSpy spy(&workbook, &Workbook::changed);
    GetParam().change(workbook);
    EXPECT_EQ(workbook.IsModified(0), GetParam().unsaved);
    EXPECT_EQ(workbook.ModifiedSheets(), GetParam().unsaved ? std::vector<int>{0} : std::vector<int>{});
    bool told = false;
    for (const auto& signal : spy) told |= signal.at(0).value<Workbook::Changes>().testFlag(Workbook::Saved);
    // The tabs learn of every new mark.
    if (GetParam().unsaved) {
        EXPECT_TRUE(told);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SavedMarkTest,
    ::testing::Values(
        MarkCase{"Amount", [](Workbook& w) { w.SetTrayAmounts(Tray(3, 22)); }, true},
        MarkCase{"StoredAmount", [](Workbook& w) { w.StoreTrayAmounts(Tray(3, 22)); }, true},
        MarkCase{"SameAmount", [](Workbook& w) { w.StoreTrayAmounts(Tray(3, 21)); }, false},
        MarkCase{"WorkingWidth", [](Workbook& w) { w.SetWorkingWidth(30); }, true},
        MarkCase{"Racetrack", [](Workbook& w) { w.SetDrivingPattern(DrivingPattern::Racetrack); }, true},
        MarkCase{"Text", [](Workbook& w) {
                     SheetSettings s = Peaked();
                     s.fertiliserName = QStringLiteral("NS 27-4");
                     w.ApplySettings(s);
                 }, true},
        MarkCase{"SettingsUnchanged", [](Workbook& w) { w.ApplySettings(Peaked()); }, false},
        MarkCase{"YScale", [](Workbook& w) { w.SetYScaleMode(1); }, false},
        MarkCase{"ChangedAndBack", [](Workbook& w) {
                     w.SetTrayAmounts(Tray(3, 22));
                     w.SetTrayAmounts(Tray(3, 21));
                 }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnsavedSheetsTest, AFileOpenAlreadyShowsItsSheet) {
    QTemporaryDir dir;
    Workbook workbook;
    workbook.AddSheet(Peaked());
    ASSERT_FALSE(workbook.SaveCurrentSheet(dir.filePath("trial.vkf")));
    workbook.AddSheet(Peaked());
    ASSERT_FALSE(workbook.OpenSheet(dir.filePath("./trial.vkf")));
    EXPECT_EQ(workbook.SheetCount(), 2);
    EXPECT_EQ(workbook.CurrentIndex(), 0);
    EXPECT_EQ(workbook.NextSheetNumber(), 3);
}

std::vector<qint32> Amounts(const TNewTabSheet& sheet) {
    std::vector<qint32> amounts;
    for (int tray = 1; tray <= sheet.GetTrayCount(); ++tray) amounts.push_back(sheet.GetTrayAmount(tray));
    return amounts;
}

int CopyCount(const QString& root) {
    int count = 0;
    for (const QString& folder : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        count += static_cast<int>(QDir(root + QLatin1Char('/') + folder).entryList({QStringLiteral("*.vkf")}).size());
    return count;
}

TEST(SheetRecoveryTest, ACrashedProgramsSheetsComeBackWhole) {
#ifdef _WIN32
    GTEST_SKIP() << "a crashed second process is made with fork";
#else
    QTemporaryDir dir;
    const QString root = dir.filePath("recovery");
    Workbook running;
    SheetRecovery runningRecovery(running, root);
    running.AddSheet(Peaked());
    runningRecovery.Sync();

    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Another program that copies its unsaved sheets, runs on, and is killed.
        Workbook workbook;
        SheetRecovery recovery(workbook, root);
        workbook.AddSheet(Peaked());
        workbook.AddSheet(Peaked());
        workbook.SetDrivingPattern(DrivingPattern::Racetrack);
        workbook.SetWorkingWidth(30);
        workbook.SetTrayAmounts(Tray(26, 77));
        recovery.Sync();
        const char byte = 1;
        if (write(ready[1], &byte, 1) != 1) _exit(1);
        for (;;) pause();
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    EXPECT_TRUE(FindLeftBehind(root).sheets.empty());  // it still runs: its copies are its own
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);

    LeftBehind left = FindLeftBehind(root);
    ASSERT_EQ(left.sheets.size(), 2u);  // the running program's copy is not among them
    ASSERT_EQ(left.folders.size(), 1);
    EXPECT_EQ(left.sheets[1].title, QStringLiteral("Blad2"));
    Workbook restoring;
    restoring.AddSheet(Peaked());
    const TNewTabSheet& sheet = restoring.RestoreSheet(std::move(left.sheets[1].sheet), left.sheets[1].title, {});
    EXPECT_TRUE(restoring.IsModified(1));
    EXPECT_EQ(sheet.GetTitle(), "Blad2");
    EXPECT_EQ(sheet.GetABredd(), 30);
    EXPECT_EQ(DrivingPatternOf(sheet), DrivingPattern::Racetrack);
    std::vector<qint32> expected = Peaked().amounts;
    expected.back() = 77;
    EXPECT_EQ(Amounts(sheet), expected);
    // Later new sheets pass the restored title's number.
    EXPECT_EQ(restoring.AddSheet(Peaked()).GetTitle(), "Blad3");

    RemoveLeftBehind(left.folders);
    EXPECT_TRUE(FindLeftBehind(root).folders.isEmpty());
    EXPECT_EQ(CopyCount(root), 1);  // the running program's
#endif
}

TEST(SheetRecoveryTest, AFolderThatCannotBeWrittenIsReportedOnce) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Workbook workbook;
    SheetRecovery recovery(workbook, dir.filePath("file/recovery"));
    QSignalSpy failed(&recovery, &SheetRecovery::writeFailed);
    workbook.AddSheet(Peaked());
    recovery.Sync();
    workbook.SetTrayAmounts(Tray(1, 9));
    recovery.Sync();
    EXPECT_EQ(failed.size(), 1);
    EXPECT_EQ(workbook.SheetCount(), 1);
}

}  // namespace
}  // namespace kaldoventri
