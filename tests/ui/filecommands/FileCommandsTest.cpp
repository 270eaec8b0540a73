// "Spara som" and "Öppna" as a user meets them: the dialogs, the overwrite
// question, the messages, titles and captions, and what happens to the file on
// disk when saving fails part way (read-only file, locked folder, full disk, a
// file or folder that vanishes while the question is open).
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "../OrdinaryUser.h"
#include "FileDialogAnswer.h"
#include "../mainwindow/MainWindowFixture.h"
#include "app/SwedishTranslation.h"
#include "ui/dialogs/TTypDokument.h"

namespace kaldoventri::testing {
namespace {

bool qtCatalogueInstalled = false;  // Qt's own Swedish texts

ModalAnswerer::Answer Press(QMessageBox::StandardButton button, std::function<void()> first = {}) {
    return [button, first](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        if (first) first();
        box->button(button)->click();
    };
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray TestFile(const QByteArray& normal, const QByteArray& aBredd = "30", const QByteArray& layout = "0") {
    return "Kaldoventri\r\nNormal," + normal +
           "\r\nSpridarFabrikat,Amazone ZA-TS\r\nSpridarModell,4200 Profis\r\nSpridarInst\xE4llning,47, v\xE4nster\r\n"
           "Arbetsbredd,99 m\r\nG\xF6" "dselFabrikat,Yara\r\nG\xF6" "dselMedel,NS 27-4\r\nProduktionsplats,Glomfjord\r\n"
           "----------------------------------------------------------\r\nABredd," + aBredd +
           "\r\nBackuppst\xE4llning," + layout + "\r\n";
}

QByteArray Amounts(int first, int count = TrayCount) {
    QByteArrayList values;
    for (int i = 0; i < count; ++i) values << QByteArray::number(first + i);
    return values.join(',');
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Saves the current sheet through the menu under `name`; answers the
    // overwrite question with `answer` when it comes.
    void SaveAs(MainWindow& w, ModalAnswerer& answerer, const QString& path,
                std::optional<QMessageBox::StandardButton> answer = {}, std::function<void()> beforeAnswer = {}) {
        answerer.Queue(ChooseFile(path));
        if (answer) answerer.Queue(Press(*answer, std::move(beforeAnswer)));
        w.c.Spara1->trigger();
    }

    void Open(MainWindow& w, ModalAnswerer& answerer, const QString& path) {
        answerer.Queue(ChooseFile(path));
        w.c.ppna1->trigger();
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void savedSheetOpensAsAFurtherTabWithTheSameValues() {
        MainWindow w;
        const TNewTabSheet* saved = w.NewSheet();
        QVERIFY(saved != nullptr);
        SheetSettings settings = SettingsOf(*saved);
        settings.fertiliserMaker = QStringLiteral("Yara");
        settings.spreaderMaker = QStringLiteral("Bogballe");
        settings.fertiliserName = QStringLiteral("NS 27-4");
        settings.spreaderModel = QStringLiteral("M2W Plus");
        settings.kit = BuiltInKit(0);
        settings.workingWidth = 25;
        settings.spreaderSetting = QStringLiteral("34, vänster");
        settings.productionSite = QStringLiteral("Glomfjord");
        w.workbook->ApplySettings(settings);
        ModalAnswerer answerer;
        DialogSeen seen;
        answerer.Queue(ChooseFile(Path("field 3.2"), &seen));  // a dot, but no suffix
        w.c.Spara1->trigger();
        QCOMPARE(seen.value(0), QStringLiteral("Blad1"));
        QCOMPARE(QString::fromStdString(saved->GetTitle()), QStringLiteral("field 3.2"));
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Kaldoventri - field 3.2"));
        QVERIFY(ReadAll(Path("field 3.2.vkf")).startsWith("Kaldoventri\r\nNormal,6,13,21,"));

        // A copy in another folder: the saved file itself would only show its tab.
        QDir(dir_.path()).mkpath(QStringLiteral("copy"));
        QFile::copy(Path("field 3.2.vkf"), Path("copy/field 3.2.vkf"));
        Open(w, answerer, Path("copy/field 3.2.vkf"));
        const TNewTabSheet* opened = w.workbook->CurrentSheet();
        QVERIFY(opened != saved);
        QCOMPARE(QString::fromStdString(opened->GetName()), QStringLiteral("Blad2"));
        QCOMPARE(w.workbook->NextSheetNumber(), 3);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Kaldoventri - field 3.2"));
        for (int tray = 1; tray <= TrayCount; ++tray) QCOMPARE(opened->GetTrayAmount(tray), saved->GetTrayAmount(tray));
        QCOMPARE(opened->GetSpridarModell(), std::string("M2W Plus"));
        QCOMPARE(opened->GetSpridarInstallning(), std::string("34, vänster"));
        QCOMPARE(opened->GetABredd(), 25);
        QCOMPARE(opened->GetVK(25), saved->GetVK(25));
        QCOMPARE(w.c.ABredd_Label->text(), QLocale().toString(12.5) + QStringLiteral(" m"));
        QVERIFY(answerer.messages.isEmpty());
        // Nothing of the dialogs stays behind to take clicks and keys.
        QVERIFY(w.form->findChildren<QFileDialog*>().isEmpty() && QApplication::activePopupWidget() == nullptr);
    }

    void openReadsKeysAndIgnoresTheWidthText() {
        MainWindow w;
        WriteAll(Path("old.vkf"), TestFile(Amounts(10)) + "ABredd,40\r\n");
        ModalAnswerer answerer;
        Open(w, answerer, Path("old.vkf"));
        const TNewTabSheet* sheet = w.workbook->CurrentSheet();
        QVERIFY(sheet != nullptr);
        QCOMPARE(sheet->GetABredd(), 40);  // the last "ABredd" line wins; "99 m" is never read
        QCOMPARE(sheet->GetTrayAmount(26), 35);
        QCOMPARE(sheet->GetSpridarFabrikat(), std::string("Amazone ZA-TS"));
        QCOMPARE(sheet->GetGodselMedel(), std::string("NS 27-4"));
        QCOMPARE(sheet->GetTrayPosition(1), -12.25);
        QVERIFY(sheet->GetLeftPassReversed() && sheet->GetRightPassReversed());
        QCOMPARE(w.c.TrayEdit(26)->text(), QStringLiteral("35"));
        QCOMPARE(w.c.UpDown1->Position(), 40);
    }

    // "Öppna" and a file given at start name the file, in Swedish.
    void refusedFilesCreateNoSheet_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("given");  // after the file's path
        QTest::newRow("not a test file") << "notes.txt" << QByteArray("kaldoventri\r\n") << "notes.txt är ingen Kaldoventrifil!"
                                         << "";
        QTest::newRow("LF line ends") << "unix.vkf" << TestFile(Amounts(1)).replace("\r\n", "\n")
                                      << "unix.vkf är ingen Kaldoventrifil!" << "";
        QTest::newRow("tray value not a number") << "bad.vkf" << TestFile(Amounts(1, 12) + ",1x," + Amounts(1, 13))
                                                 << "'1x' is not a valid integer value" << ": '1x' är inget heltal";
        QTest::newRow("working width not a number") << "width.vkf" << TestFile(Amounts(1), "12.5")
                                                    << "'12.5' is not a valid integer value" << ": '12.5' är inget heltal";
        QTest::newRow("tray beyond the 32-bit range") << "big.vkf" << TestFile(Amounts(1, 25) + ",2147483648")
                                                      << "'2147483648' is not a valid integer value"
                                                      << ": '2147483648' är inget heltal";
        QTest::newRow("missing file") << "nowhere.vkf" << QByteArray() << "File not found" << ": filen finns inte";
    }

    void refusedFilesCreateNoSheet() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(QString, given);
        MainWindow w;
        if (!bytes.isEmpty()) WriteAll(Path(name), bytes);
        ModalAnswerer answerer;
        Open(w, answerer, Path(name));
        w.form->OpenFiles({Path(name)});
        const QString expected = given.isEmpty() ? message : Path(name) + given;
        QCOMPARE(answerer.messages, QStringList({expected, expected}));
        QCOMPARE(answerer.messageTitles.value(0), QCoreApplication::applicationName());
        QCOMPARE(answerer.messageButtons, QStringList({QStringLiteral("OK"), QStringLiteral("OK")}));
        QVERIFY(w.workbook->CurrentSheet() == nullptr);
        QCOMPARE(w.workbook->NextSheetNumber(), 1);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Kaldoventri"));
    }

    // Several files chosen at once open in order; a refused one has its message.
    void openChoosesSeveralFiles() {
        MainWindow w;
        WriteAll(Path("first.vkf"), TestFile(Amounts(1)));
        WriteAll(Path("second.vkf"), TestFile(Amounts(2)));
        ModalAnswerer answerer;
        answerer.Queue([this](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog != nullptr);
            dialog->setDirectory(dir_.path());
            // As typed by a user (typing here would meet the dialog's completer).
            auto* names = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            const QString typed = QStringLiteral("\"first.vkf\" \"absent.vkf\" \"second.vkf\"");
            names->setText(typed);
            emit names->textEdited(typed);
            static_cast<QDialog*>(dialog)->accept();
        });
        w.c.ppna1->trigger();
        QCOMPARE(w.c.PageControl1->PageCount(), 2);
        QCOMPARE(w.c.PageControl1->PageCaption(0), QStringLiteral("first"));
        QCOMPARE(w.c.PageControl1->PageCaption(1), QStringLiteral("second"));
        QCOMPARE(answerer.messages, QStringList{Path("absent.vkf") + QStringLiteral(": filen finns inte")});
    }

    // A file with fewer than 26 values is refused alike in an empty window and
    // with a sheet on show, whose amounts it never borrows.
    void shortTrayLineIsRefused() {
        MainWindow w;
        WriteAll(Path("short.vkf"), TestFile(Amounts(100, 25)));
        const QStringList refusal{Path("short.vkf") + QStringLiteral(": raden Normal har för få värden")};
        {
            ModalAnswerer answerer;
            Open(w, answerer, Path("short.vkf"));
            QCOMPARE(answerer.messages, refusal);
            QVERIFY(w.workbook->CurrentSheet() == nullptr);
        }
        const TNewTabSheet* shown = w.NewSheet();
        QVERIFY(shown != nullptr);
        ModalAnswerer answerer;
        Open(w, answerer, Path("short.vkf"));
        QCOMPARE(answerer.messages, refusal);
        QCOMPARE(w.c.PageControl1->PageCount(), 1);
        QVERIFY(w.workbook->CurrentSheet() == shown);
    }

    // The replaced file keeps its permissions; in a folder where no file may be
    // created it is overwritten in place.
    void overwriteQuestion_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("lockedFolder");
        QTest::newRow("no keeps everything") << false << false;
        QTest::newRow("yes replaces the file") << true << false;
        QTest::newRow("yes in a locked folder") << true << true;
    }

    void overwriteQuestion() {
        QFETCH(bool, yes);
        QFETCH(bool, lockedFolder);
        MainWindow w;
        QVERIFY(w.NewSheet() != nullptr);
        const QString path = Path("exists.vkf");
        WriteAll(path, "old contents");
        const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteOther;
        QFile::setPermissions(path, permissions);
        if (lockedFolder) QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
        ModalAnswerer answerer;
        SaveAs(w, answerer, path, yes ? QMessageBox::Yes : QMessageBox::No);
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(answerer.messages, QStringList{QStringLiteral("Ska filen skrivas över?")});
        QCOMPARE(answerer.messageButtons, QStringList{QStringLiteral("&Ja &Nej")});
        QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser), permissions);
        QCOMPARE(ReadAll(path) == "old contents", !yes);
        QCOMPARE(w.form->windowTitle(), yes ? QStringLiteral("Kaldoventri - exists") : QStringLiteral("Kaldoventri - Blad1"));
    }

    // An empty tray field is written as the amount the sheet holds for it, so
    // the values after it keep their trays when the file is read.
    // A number pasted into a field through its edit menu is saved as it is shown.
    void emptyTrayFieldIsSavedAsTheSheetsAmount() {
        MainWindow w;
        QVERIFY(w.NewSheet() != nullptr);
        w.c.TrayEdit(7)->clear();
        w.c.TrayEdit(2)->setText(QStringLiteral("500"));
        w.c.TrayEdit(3)->setText(QStringLiteral("12a"));
        ModalAnswerer answerer;
        SaveAs(w, answerer, Path("gap.vkf"));
        QVERIFY(ReadAll(Path("gap.vkf")).startsWith("Kaldoventri\r\nNormal,6,500,21,29,37,44,52,60,"));
        QVERIFY(answerer.messages.isEmpty());
    }

    // Saving that fails part way leaves the previous file byte for byte, shows
    // the standard message, and changes neither the title nor the captions.
    void failedSaveKeepsThePreviousFile_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("read-only file") << "read-only file" << "File access denied";
        QTest::newRow("read-only file in a locked folder") << "locked folder" << "File access denied";
        QTest::newRow("disk full") << "disk full" << "Disk full";
        QTest::newRow("folder vanishes before the write") << "folder vanishes" << "File not found";
    }

    void failedSaveKeepsThePreviousFile() {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        MainWindow w;
        QVERIFY(w.NewSheet() != nullptr);
        QTemporaryDir folder;
        const QString path = folder.filePath("trial.vkf");
        const QByteArray previous = TestFile(Amounts(1));
        WriteAll(path, previous);

        std::function<void()> beforeYes;
        rlimit saved{};
        if (fault == "read-only file" || fault == "locked folder") QFile::setPermissions(path, QFile::ReadOwner);
        if (fault == "locked folder") QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (fault == "folder vanishes") beforeYes = [&] { QDir(folder.path()).removeRecursively(); };
        if (fault == "disk full") {
            // A file size limit makes every write past 64 bytes fail as on a full disk.
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &saved);
            rlimit small = saved;
            small.rlim_cur = 64;
            setrlimit(RLIMIT_FSIZE, &small);
        }

        ModalAnswerer answerer;
        SaveAs(w, answerer, path, QMessageBox::Yes, beforeYes);
        if (fault == "disk full") setrlimit(RLIMIT_FSIZE, &saved);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(answerer.messages.value(1), message);
        if (fault != "folder vanishes") QCOMPARE(ReadAll(path), previous);
        QCOMPARE(QString::fromStdString(w.workbook->CurrentSheet()->GetTitle()), QStringLiteral("Blad1"));
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Kaldoventri - Blad1"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), fault == "folder vanishes" ? 0 : 1);
        answerer.Queue(FillAndAccept());  // the program runs on
        w.c.Nytt1->trigger();
        QCOMPARE(w.workbook->NextSheetNumber(), 3);
    }

    // A file removed while the question is open is simply written anew.
    void fileThatVanishesIsWrittenAnew() {
        MainWindow w;
        QVERIFY(w.NewSheet() != nullptr);
        const QString path = Path("vanishing.vkf");
        WriteAll(path, "old");
        ModalAnswerer answerer;
        SaveAs(w, answerer, path, QMessageBox::Yes, [path] { QFile::remove(path); });
        QVERIFY(ReadAll(path).startsWith("Kaldoventri\r\n"));
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Kaldoventri - vanishing"));
    }

    // The dialogs start in the documents folder, then where the last test file
    // was saved or opened; Qt's texts in them are Swedish where its catalogue is.
    void dialogsStartWhereTheLastTestFileWas() {
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        for (const char* folder : {"Documents", "a", "b"}) QDir(home.path()).mkpath(folder);
        WriteAll(home.filePath("b/annan.vkf"), TestFile(Amounts(1)));
        MainWindow w;
        QVERIFY(w.NewSheet() != nullptr);
        ModalAnswerer answerer;
        DialogSeen firstSave, open, lastSave;
        answerer.Queue(ChooseFile(home.filePath("a/sparad.vkf"), &firstSave));
        w.c.Spara1->trigger();
        answerer.Queue(ChooseFile(home.filePath("b/annan.vkf"), &open));
        w.c.ppna1->trigger();
        answerer.Queue(ChooseFile(home.filePath("b/ny.vkf"), &lastSave));
        w.c.Spara1->trigger();
        qputenv("HOME", QFile::encodeName(QDir::tempPath()));
        QCOMPARE(firstSave.mid(1, 2), QStringList({"Spara som", home.filePath("Documents")}));
        QCOMPARE(open.mid(1, 2) + lastSave.mid(2, 1), QStringList({"Öppna", home.filePath("a"), home.filePath("b")}));
        QCOMPARE(open.value(4), QStringLiteral("Avbryt"));
        if (!qtCatalogueInstalled) QSKIP("Qt's Swedish catalogue (package qt6-translations-l10n) is not installed");
        QCOMPARE(firstSave.value(3) + open.value(3), QStringLiteral("SparaÖppna"));
    }

    void commandsWithoutASheetDoNothing() {
        MainWindow w;
        ModalAnswerer answerer;
        w.c.Spara1->trigger();
        w.c.Spara_ToolButton->click();
        QVERIFY(answerer.classes.isEmpty());
    }
};

}  // namespace kaldoventri::testing

int main(int argc, char** argv) {
    if (!kaldoventri::testing::BecomeOrdinaryUser()) return 1;
    qputenv("HOME", QFile::encodeName(QDir::tempPath()));  // the dialogs start there; root's is closed now
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    kaldoventri::testing::qtCatalogueInstalled = kaldoventri::InstallSwedishTranslation();
    kaldoventri::testing::FileCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FileCommandsTest.moc"
