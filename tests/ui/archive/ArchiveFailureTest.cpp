// A test saved or opened while the archive fails: the file is written, the
// sheet opens and stays saved, and the user is told the test is not
// archived (on opening only once), whatever is wrong with the archive.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "../mainwindow/MainWindowFixture.h"
#include "ui/archive/ArchiveSession.h"
#include "ui/archive/FileArchiving.h"
#include "ui/commands/FileCommands.h"
#include "ui/support/RecentFolder.h"
#include "workbook/Workbook.h"

namespace kaldoventri::testing {

class ArchiveFailureTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir config_;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path())); }

    void savingAndOpeningOutliveAFailingArchive_data() {
        QTest::addColumn<QString>("archiveKind");
        QTest::newRow("not an archive") << "junk";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("below a file") << "below-file";
    }

    void savingAndOpeningOutliveAFailingArchive() {
        QFETCH(QString, archiveKind);
        QTemporaryDir dir;
        ArchiveLocation location;
        location.file = dir.filePath(QStringLiteral("arkiv.sqlite"));
        if (archiveKind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(location.file));
        } else {
            QFile junk(dir.filePath(QStringLiteral("arkiv.sqlite")));
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write("Kaldoventri\r\nNormal,1,2,3\r\n");
            if (archiveKind == QLatin1String("below-file")) location.file += QStringLiteral("/arkiv.sqlite");
        }
        ArchiveSession session;
        session.SetLocation(location);
        session.SetArchivesFiles(true);

        QWidget window;
        Workbook workbook;
        RecentFolder folder;
        FileCommands files(&window, workbook, folder);
        FileArchiving archiving(&window, workbook, session);
        files.SetFileHook([&](int index, FileCommands::FileEvent event) { archiving.Keep(index, event); });

        const QString first = dir.filePath(QStringLiteral("prov.vkf"));
        const QString second = dir.filePath(QStringLiteral("prov2.vkf"));
        QVERIFY(QFile::copy(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE), first));
        QVERIFY(QFile::copy(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE), second));

        ModalAnswerer answerer;
        files.OpenFile(first);
        files.OpenFile(second);
        QCOMPARE(workbook.SheetCount(), 2);
        QCOMPARE(answerer.messages.size(), 1);
        QVERIFY2(answerer.messages[0].contains(QStringLiteral("inte arkiverats")), qPrintable(answerer.messages[0]));

        // The file is written anew even though the archive refuses the test.
        QVERIFY(QFile::remove(first));
        QVERIFY(files.Save(0));
        QFile saved(first);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), workbook.FileBytes(0));
        QVERIFY(!workbook.IsModified(0));
        QCOMPARE(workbook.SheetCount(), 2);
        QCOMPARE(answerer.messages.size(), 2);
        QVERIFY2(answerer.messages[1].contains(QStringLiteral("sparat")) &&
                     answerer.messages[1].contains(QStringLiteral("inte arkiverats")),
                 qPrintable(answerer.messages[1]));
    }
};

}  // namespace kaldoventri::testing

QTEST_MAIN(kaldoventri::testing::ArchiveFailureTest)
#include "ArchiveFailureTest.moc"
