// The archive window driven from the keyboard as a user finds and opens
// tests: a word typed and Enter narrow the list, the arrow keys choose, Enter
// opens the chosen tests as sheets, and "Jämför..." hands those sheets on.
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "../mainwindow/MainWindowFixture.h"
#include "archive/TestArchive.h"
#include "evaluation/CalculateSheet.h"
#include "files/TestSheetReading.h"
#include "ui/archive/ArchiveSession.h"
#include "ui/archive/ArchiveTableModel.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/commands/ReportCommands.h"
#include "ui/support/RecentFolder.h"
#include "workbook/Workbook.h"

namespace kaldoventri::testing {

class ArchiveWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    void Archive(const ArchiveLocation& location) {
        auto opened = TestArchive::Open(location);
        QVERIFY(opened.index() == 0);
        auto& archive = std::get<std::unique_ptr<TestArchive>>(opened);
        const std::pair<const char*, int> tests[] = {{"Östgöta Maskin", 0}, {"Östgöta Maskin", 5}, {"Bogballe", 9}};
        for (const auto& [maker, extra] : tests) {
            TNewTabSheet sheet = std::get<TNewTabSheet>(ReadTestSheet(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE), YScaleValue));
            sheet.SetDescription("Yara", maker, "NS27-4", "ZA-M", sheet.GetBackuppstallning(), sheet.GetABredd(), "18", "Köping");
            sheet.SetTrayAmount(sheet.GetTrayAmount(1) + extra, 1);
            CalculateSheet(sheet, YScaleValue);
            QVERIFY(archive->Add(sheet, dir_.filePath(QStringLiteral("%1-%2.vkf").arg(QString::fromUtf8(maker)).arg(extra))).index() == 0);
        }
    }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config")))); }

    void keyboardFindsOpensAndCompares() {
        ArchiveLocation location;
        location.file = dir_.filePath(QStringLiteral("arkiv.sqlite"));
        Archive(location);
        ArchiveSession session;
        session.SetLocation(location);
        QWidget main;
        Workbook workbook;
        RecentFolder folder;
        ReportCommands reports(&main, workbook, folder);
        ArchiveWindow window(session, workbook, reports, &main);
        std::vector<int> compared;
        window.SetCompareHook([&](const std::vector<int>& sheets) { compared = sheets; });
        window.show();
        QVERIFY(MakeActive(&window));
        window.ConnectArchive();
        QCOMPARE(window.Model().rowCount(), 3);

        auto* search = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(search != nullptr);
        QTest::keyClicks(search, QStringLiteral("ÖSTGÖTA"));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(window.Model().rowCount(), 2);

        QTest::keyClick(search, Qt::Key_Down);
        auto* table = window.findChild<QTableView*>();
        QVERIFY(table->hasFocus());
        QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(workbook.SheetCount(), 2);
        for (int i = 0; i < 2; ++i) QVERIFY(workbook.FilePath(i).contains(QStringLiteral("Östgöta")));

        QPushButton* compare = nullptr;
        for (QPushButton* button : window.findChildren<QPushButton*>())
            if (button->text().remove(QLatin1Char('&')) == QStringLiteral("Jämför...")) compare = button;
        QVERIFY(compare != nullptr && compare->isEnabled());
        compare->click();
        // Already open, the tests are compared as the sheets they are.
        QCOMPARE(workbook.SheetCount(), 2);
        QCOMPARE(compared, (std::vector<int>{0, 1}));
    }
};

}  // namespace kaldoventri::testing

QTEST_MAIN(kaldoventri::testing::ArchiveWindowTest)
#include "ArchiveWindowTest.moc"
