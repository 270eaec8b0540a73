// Long use: the main window is driven through thousands of random commands, as
// a busy user would (new sheets with filled and half-filled dialogs, typing and
// pasting into tray fields, both arrow controls, scales, display options,
// settings, tabs, closing, copy, print, save and open, resizing), with every
// modal window answered at random. After every command the window must be
// consistent with its current sheet.
//
// KALDOVENTRI_SEED and KALDOVENTRI_COMMANDS replay or lengthen a run; the seed
// of every run is printed so a failure can be replayed. A run stops after
// KALDOVENTRI_SECONDS (150) as well, so that a slow or busy machine (the
// sanitizer build) ends it well before Qt Test's watchdog does.
#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <random>
#include <set>

#include "../mainwindow/MainWindowFixture.h"
#include "evaluation/FurtherPasses.h"
#include "evaluation/CalculateSheet.h"
#include "display/LocaleText.h"
#include "files/WholeNumber.h"
#include "ui/views/SheetTabBar.h"
#include "ui/controls/TabButton.h"
#include "ui/controls/RadioGroup.h"

namespace kaldoventri::testing {
namespace {

unsigned SeedFromEnvironment() {
    bool ok = false;
    const unsigned seed = qEnvironmentVariable("KALDOVENTRI_SEED").toUInt(&ok);
    return ok ? seed : std::random_device{}();
}

int CommandCountFromEnvironment() {
    bool ok = false;
    const int count = qEnvironmentVariable("KALDOVENTRI_COMMANDS").toInt(&ok);
    return ok && count > 0 ? count : 20000;
}

qint64 TimeBudgetMs() {
    bool ok = false;
    const int seconds = qEnvironmentVariable("KALDOVENTRI_SECONDS").toInt(&ok);
    return (ok && seconds > 0 ? seconds : 150) * qint64{1000};
}

// Answers whatever modal window a command opens, at random but sensibly.
class RandomAnswerer : public QObject {
public:
    RandomAnswerer(std::mt19937& rng, const QString& folder) : rng_(rng), folder_(folder) {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
        qApp->installEventFilter(this);
    }

    int answered = 0;

protected:
    // The test entry dialog is one window shown again and again; each showing
    // wants its own answer.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == handled_) handled_ = nullptr;
        return false;
    }

private:
    int Pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || modal == handled_) return;
        handled_ = modal;
        ++answered;
        if (auto* dialog = qobject_cast<TTypDokument*>(modal)) return AnswerEntry(dialog);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            QAbstractButton* no = box->button(QMessageBox::No);
            if (yes != nullptr && no != nullptr) return (Pick(2) ? yes : no)->click();
            return box->accept();
        }
        if (auto* files = qobject_cast<QFileDialog*>(modal)) return AnswerFile(files);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) return dialog->reject();
        modal->close();
    }

    void AnswerEntry(TTypDokument* dialog) {
        const int choice = Pick(10);
        if (choice == 0) return dialog->reject();
        if (Pick(3) == 0) DialogControl<RadioGroup>(dialog, QStringLiteral("SpridarTyp_RadioGroup"))->SetItemIndex(Pick(2));
        for (int step = Pick(4); step > 0; --step)
            DialogControl<ArrowControl>(dialog, QStringLiteral("UpDown2"))->Step(Pick(2) ? 1 : -1);
        static const QStringList texts = {"", "Bogballe", "Amazone ZA-TS", "Yara, Glomfjord", "NS 27-4", "väster"};
        for (const char* field : {"SFabrikat_Edit", "SModell_Edit", "GMedel_Edit"})
            DialogControl(dialog, QLatin1String(field))->setText(texts[Pick(static_cast<int>(texts.size()))]);
        for (int tray = 1; tray <= TrayCount; ++tray) {
            // A half-filled dialog now and then leaves a tray empty.
            const bool empty = choice == 1 && Pick(6) == 0;
            DialogControl(dialog, QStringLiteral("Box_Edit%1").arg(tray))
                ->setText(empty ? QString() : QString::number(Pick(3) ? Pick(200) : Pick(100000)));
        }
        dialog->accept();
    }

    void AnswerFile(QFileDialog* dialog) {
        if (Pick(8) == 0) return dialog->reject();
        const QStringList existing = QDir(folder_).entryList(QDir::Files);
        QString name = QStringLiteral("test%1.vkf").arg(Pick(4));
        if (dialog->acceptMode() == QFileDialog::AcceptOpen && !existing.isEmpty() && Pick(4) != 0)
            name = existing[Pick(static_cast<int>(existing.size()))];
        dialog->selectFile(QDir(folder_).filePath(name));
        static_cast<QDialog*>(dialog)->accept();
    }

    std::mt19937& rng_;
    QString folder_;
    QTimer timer_;
    QPointer<QWidget> handled_;
};

// The offscreen platform warns at every window that sizes itself; thousands
// of those would crowd the seed and the summary out of the test's output.
QtMessageHandler previousHandler = nullptr;
void DropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    previousHandler(type, context, message);
}

}  // namespace

class RandomCommandsTest : public QObject {
    Q_OBJECT

private:
    std::mt19937 rng_;
    QTemporaryDir folder_;
    std::unique_ptr<MainWindow> window_;
    std::set<std::string> namesSeen_;   // every sheet name that ever existed
    std::set<std::string> namesGone_;   // names of sheets that were closed
    // Tray fields that may hold text the sheet has not taken: pasted text, and
    // typed values that a commit stopped short of because an earlier field
    // held text that is no whole number. They stay so until committed.
    std::set<int> uncommitted_;
    int commands_ = 0;
    QStringList recent_;  // the last commands, shown when an invariant breaks
    bool evaluated_ = false;  // the last command evaluated the current sheet

    void Note(const QString& what) {
        recent_ << QStringLiteral("%1: %2").arg(commands_ + 1).arg(what);
        if (recent_.size() > 12) recent_.removeFirst();
    }

    int Pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    TForm1& Form() { return *window_->form; }

    QLineEdit* RandomTrayField() { return window_->c.TrayEdit(1 + Pick(TrayCount)); }

    void TypeInto(QLineEdit* field) {
        static const Qt::Key keys[] = {Qt::Key_0, Qt::Key_3, Qt::Key_7, Qt::Key_9, Qt::Key_Backspace,
                                       Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Minus, Qt::Key_A, Qt::Key_Comma};
        field->setFocus();
        QString typed;
        for (int n = 1 + Pick(4); n > 0; --n) {
            const Qt::Key key = keys[Pick(10)];
            typed += QKeySequence(key).toString() + QLatin1Char(' ');
            QTest::keyClick(field, key);
        }
        Note(QStringLiteral("type %1into %2").arg(typed, field->objectName()));
    }

    // One random command, the way a user reaches it.
    void RunRandomCommand() {
        TForm1& f = Form();
        const Controls& c = window_->c;
        const int command = Pick(24);
        // Stepping the width, switching the scale and choosing another tab
        // always evaluate the current sheet; typing may not (while a field is empty).
        evaluated_ = command >= 8 && command <= 11;
        if (command < 3 || command > 6) Note(QStringLiteral("command %1").arg(command));
        switch (command) {
            case 0: case 1: c.Nytt1->trigger(); break;
            case 2: c.Nytt_ToolButton->click(); break;
            case 3: case 4: case 5: case 6: TypeInto(RandomTrayField()); break;
            case 7: {  // the context menu's paste reaches past the key filter
                const int tray = 1 + Pick(TrayCount);
                static const QStringList junk = {"12a", "-5", "99999999999", " 7", "1e3", "42"};
                c.TrayEdit(tray)->setText(junk[Pick(static_cast<int>(junk.size()))]);
                uncommitted_.insert(tray);
                break;
            }
            case 8: case 9: c.UpDown1->Step(Pick(2) ? 1 : -1); break;
            case 10: (Pick(2) ? c.Menu_Diagram1 : c.Menu_Diagram2)->trigger(); break;
            case 11: (Pick(2) ? c.YSkala0 : c.YSKala1)->trigger(); break;
            case 12: (Pick(3) == 0 ? c.Visameter1 : Pick(2) ? c.VisaBackar1 : c.VisaBackarbacknr1)->trigger(); break;
            case 13: (Pick(2) ? c.setup : c.PopupMenu_Setup)->trigger(); break;
            case 14: case 15:
                if (c.PageControl1->PageCount() > 0) {
                    const int before = c.PageControl1->ActivePageIndex();
                    c.PageControl1->Tab(Pick(c.PageControl1->PageCount()))->click();
                    evaluated_ = c.PageControl1->ActivePageIndex() != before;
                }
                break;
            case 16: (Pick(4) == 0 ? c.Stngalla1 : c.Stng1)->trigger(); break;
            case 17: c.Kopiera1->trigger(); break;
            case 18: if (Pick(20) == 0) c.Print_ToolButton->click(); break;
            case 19:
                if (Pick(2)) c.Spara1->trigger(); else c.Spara_ToolButton->click();
                break;
            case 20: c.ppna1->trigger(); break;
            case 21: f.resize(500 + Pick(1200), 400 + Pick(700)); break;
            case 22: if (c.Box_ScrollBar->isVisible()) c.Box_ScrollBar->setValue(Pick(c.Box_ScrollBar->maximum() + 1)); break;
            case 23: RandomTrayField()->setFocus(); break;
        }
        QCoreApplication::processEvents();
    }

    void CheckInvariants() {
        TForm1& f = Form();
        const Controls& c = window_->c;
        const Workbook& workbook = *window_->workbook;
        SheetTabBar* pages = c.PageControl1;
        const TNewTabSheet* sheet = workbook.CurrentSheet();
        QCOMPARE(pages->ActivePageIndex(), workbook.CurrentIndex());
        if (sheet == nullptr) {
            QCOMPARE(f.windowTitle(), QStringLiteral("Kaldoventri"));
            QVERIFY(c.VK_Label->text().isEmpty());
            QVERIFY(c.SFabrikat_Label->text().isEmpty());
            return;
        }
        QCOMPARE(f.windowTitle(), QStringLiteral("Kaldoventri - ") + QString::fromStdString(sheet->GetTitle()));
        QCOMPARE(pages->PageCaption(pages->ActivePageIndex()),
                 QString::fromStdString(sheet->GetTitle()) +
                     (workbook.IsModified(workbook.CurrentIndex()) ? QStringLiteral(" *") : QString()));
        QCOMPARE(c.SFabrikat_Label->text(), QString::fromStdString(sheet->GetSpridarFabrikat()));
        QCOMPARE(c.GMedel_Label->text(), QString::fromStdString(sheet->GetGodselMedel()));
        QCOMPARE(c.ABredd_Label->text(), FormatNumber(sheet->GetABredd() / 2.0) + QStringLiteral(" m"));
        QCOMPARE(c.VK_Label->text(), FormatNumber(sheet->GetVK(sheet->GetABredd())) + QStringLiteral(" %"));
        QCOMPARE(c.OVK_Label->text(), FormatNumber(sheet->GetOptimalVK()) + QStringLiteral(" %"));
        QCOMPARE(c.OptimalAbredd_Label->text(), FormatNumber(sheet->GetOptimalWidth()) + QStringLiteral(" m"));

        // A field holding pasted text that is no whole number stops every
        // commit at that tray, so the fields after it may hold typed values
        // the sheet has not taken yet.
        int firstBadTray = TrayCount + 1;
        for (int tray = TrayCount; tray >= 1; --tray) {
            const QString text = c.TrayEdit(tray)->text();
            if (!text.isEmpty() && !ParseWholeNumber(text)) firstBadTray = tray;
        }
            for (int tray = 1; tray <= TrayCount; ++tray) {
            const QString text = c.TrayEdit(tray)->text();
            const std::optional<qint32> value = ParseWholeNumber(text);
            if (value && *value == sheet->GetTrayAmount(tray)) {
                uncommitted_.erase(tray);
                continue;
            }
            // A field may differ from the sheet while it is empty, holds text
            // that is no whole number (pasted, or typed beyond the 32-bit range),
            // or holds a value not committed yet.
            if (!value) continue;
            if (tray > firstBadTray) uncommitted_.insert(tray);
            if (!uncommitted_.count(tray))
                QFAIL(qPrintable(QStringLiteral("tray %1 shows '%2', the sheet holds %3").arg(tray).arg(text).arg(sheet->GetTrayAmount(tray))));
        }
        if (evaluated_) {
            // Where passes beyond the neighbours reach the middle strip, they add to the sum.
            const std::vector<int> further = WidthsCountingFurtherPasses(*sheet);
            const bool neighboursAlone = std::find(further.begin(), further.end(), sheet->GetABredd()) == further.end();
            // A field's text that bypassed the key filter, or a file, may hold a
            // negative amount (a net weight below the tare); then a further
            // pass may take away from a tray's sum.
            bool negativeAmount = false;
            for (int tray = 1; tray <= TrayCount; ++tray) negativeAmount |= sheet->GetTrayAmount(tray) < 0;
            for (int tray = 1; tray <= TrayCount; ++tray) {
                const qint64 neighbours =
                    qint64{sheet->GetTrayAmount(tray)} + sheet->GetLeftOverlap(tray) + sheet->GetRightOverlap(tray);
                if (neighboursAlone)
                    QCOMPARE(sheet->GetTraySum(tray), neighbours);
                else if (!negativeAmount)
                    QVERIFY(sheet->GetTraySum(tray) >= neighbours);
            }
            QCOMPARE(sheet->GetCalcWidth(), sheet->GetABredd());
        }

        // Sheet names are never used twice, not even after their sheets are closed.
        std::set<std::string> open;
        QCOMPARE(pages->PageCount(), workbook.SheetCount());
        for (int i = 0; i < workbook.SheetCount(); ++i) {
            const std::string name = workbook.Sheet(i)->GetName();
            QVERIFY2(!namesGone_.count(name), name.c_str());
            QVERIFY2(open.insert(name).second, name.c_str());
            namesSeen_.insert(name);
        }
        for (const std::string& name : namesSeen_)
            if (!open.count(name)) namesGone_.insert(name);
    }

private slots:
    void initTestCase() {
        previousHandler = qInstallMessageHandler(DropSizeHintWarnings);
        QVERIFY(folder_.isValid());
        const unsigned seed = SeedFromEnvironment();
        qInfo("random commands: seed %u (replay with KALDOVENTRI_SEED=%u)", seed, seed);
        rng_.seed(seed);
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        QFile junk(folder_.filePath("junk.vkf"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("Kaldoventri\r\nNormal,1,2,x\r\n");
    }

    void randomCommandsKeepTheWindowConsistent() {
        window_ = std::make_unique<MainWindow>();
        Form().Printer().setOutputFormat(QPrinter::PdfFormat);
        Form().Printer().setOutputFileName(folder_.filePath("print.pdf"));
        RandomAnswerer answerer(rng_, folder_.path());
        const int count = CommandCountFromEnvironment();
        const qint64 budget = TimeBudgetMs();
        QElapsedTimer clock;
        clock.start();
        for (commands_ = 0; commands_ < count && clock.elapsed() < budget; ++commands_) {
            RunRandomCommand();
            CheckInvariants();
            if (QTest::currentTestFailed()) {
                qWarning("failed after command %d; the last commands:\n%s", commands_ + 1, qPrintable(recent_.join('\n')));
                return;
            }
        }
        qInfo("%d commands in %lld s, %d modal windows answered, %zu sheets made", commands_, clock.elapsed() / 1000,
              answerer.answered, namesSeen_.size());
        QVERIFY(namesSeen_.size() > 10);
    }

    void cleanupTestCase() { window_.reset(); }
};

}  // namespace kaldoventri::testing

QTEST_MAIN(kaldoventri::testing::RandomCommandsTest)
#include "RandomCommandsTest.moc"
