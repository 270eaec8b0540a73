// The window's report and table of its open sheets, and what the disk holds
// afterwards: a complete report, or after a failure or "Avbryt" the old file
// of that name as it was and no partial file beside it.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "../OrdinaryUser.h"
#include "../mainwindow/MainWindowFixture.h"
#include "ui/commands/ReportCommands.h"

namespace kaldoventri::testing {
namespace {

ModalAnswerer::Answer ChooseFile(const QString& path) {
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        dialog->selectFile(path);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

// Presses Yes on a message box, or "Avbryt" on the progress dialog.
void Press(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    (box != nullptr ? box->button(QMessageBox::Yes) : modal->findChild<QPushButton*>())->click();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void AddSheets(Workbook& workbook, int count) {
    SheetSettings settings;
    std::copy(PeakedAmounts.begin(), PeakedAmounts.end(), settings.amounts.begin());
    for (int i = 0; i < count; ++i) workbook.AddSheet(settings);
}

}  // namespace

class ReportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void reportAndTableOfTheOpenSheets() {
        MainWindow w;
        AddSheets(*w.workbook, 2);
        QTemporaryDir folder;
        ModalAnswerer answerer;
        answerer.Queue(ChooseFile(folder.filePath(QStringLiteral("rapport"))));
        w.c.Find<QAction>(QStringLiteral("Rapport1"))->trigger();
        answerer.Queue(ChooseFile(folder.filePath(QStringLiteral("tabell"))));
        w.c.Find<QAction>(QStringLiteral("ExporteraTabell1"))->trigger();
        answerer.Queue(ChooseFile(folder.filePath(QStringLiteral("tabell"))));
        w.c.Find<QAction>(QStringLiteral("ExporteraExcel1"))->trigger();

        QProcess text;
        text.start(QStringLiteral("pdftotext"), {folder.filePath(QStringLiteral("rapport.pdf")), QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString pages = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(pages.contains(QStringLiteral("Sida 3 av 3")) && pages.contains(QStringLiteral("Blad2")), qPrintable(pages));
        const QByteArray csv = ReadAll(folder.filePath(QStringLiteral("tabell.csv")));
        QVERIFY(csv.startsWith("\xEF\xBB\xBF" "Fil;"));
        QCOMPARE(csv.count("\r\nBlad"), 2);
        QVERIFY(ReadAll(folder.filePath(QStringLiteral("tabell.xlsx"))).startsWith("PK\x03\x04"));
        QVERIFY(answerer.messages.isEmpty());
    }

    // Writing that fails part way or is cancelled leaves the old report byte
    // for byte and nothing beside it; only a failure is reported.
    void unfinishedReportLeavesTheOldFile_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("disk full") << "disk full" << "Disk full";
        QTest::newRow("locked folder") << "locked folder" << "File access denied";
        QTest::newRow("cancelled") << "cancelled" << "";
    }

    void unfinishedReportLeavesTheOldFile() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        MainWindow w;
        const bool cancelled = fault == "cancelled";
        // Enough pages for the progress dialog to be seen and cancelled on the way.
        AddSheets(*w.workbook, cancelled ? 40 : 2);
        if (cancelled) w.form->Reports().SetProgressDelay(std::chrono::milliseconds(0));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("rapport.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("%PDF-1.4 old") == 12);
        file.close();

        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (fault == "disk full") {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small{4096, saved.rlim_max};
            setrlimit(RLIMIT_FSIZE, &small);
        }
        if (fault == "locked folder") QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        ModalAnswerer answerer;
        answerer.Queue(ChooseFile(path));
        answerer.Queue(Press);
        if (cancelled) answerer.Queue(Press);
        w.c.Find<QAction>(QStringLiteral("Rapport1"))->trigger();
        setrlimit(RLIMIT_FSIZE, &saved);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(ReadAll(path), QByteArray("%PDF-1.4 old"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1);
        QCOMPARE(answerer.messages.mid(1), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(answerer.classes.contains(QStringLiteral("QProgressDialog")), cancelled);
    }
};

}  // namespace kaldoventri::testing

int main(int argc, char** argv) {
    if (!kaldoventri::testing::BecomeOrdinaryUser()) return 1;
    qputenv("HOME", QFile::encodeName(QDir::tempPath()));
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    kaldoventri::testing::ReportCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ReportCommandsTest.moc"
