// The archive window's commands on the chosen tests, the folder import and
// the change of archive. The archive does the work; failures end the command
// with the archive's Swedish message.
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

#include "archive/ArchivedTest.h"
#include "evaluation/CalculateSheet.h"
#include "files/TestSheetReading.h"
#include "ui/archive/ArchiveSession.h"
#include "ui/archive/ArchiveTableModel.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/archive/FolderImport.h"
#include "ui/commands/ReportCommands.h"
#include "ui/support/CommandError.h"
#include "ui/support/MessageBoxes.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

TestArchive& Opened(std::variant<TestArchive*, ArchiveError> archive) {
    if (auto* error = std::get_if<ArchiveError>(&archive)) throw CommandError(error->message);
    return *std::get<TestArchive*>(archive);
}

QByteArray BytesOf(TestArchive& archive, qint64 id) {
    auto bytes = archive.Bytes(id);
    if (auto* error = std::get_if<ArchiveError>(&bytes)) throw CommandError(error->message);
    return std::get<QByteArray>(std::move(bytes));
}

// A long list of refused files is cut short; the counts still tell them all.
constexpr int MostRefusalsShown = 15;

}  // namespace

void ArchiveWindow::ConnectArchive() {
    archiveName_->setText(QDir::toNativeSeparators(session_.Location().Name()));
    auto archive = session_.Archive(this);
    if (auto* error = std::get_if<ArchiveError>(&archive)) {
        model_->SetArchive(nullptr);
        status_->setText(QStringLiteral("Arkivet kunde inte öppnas."));
        throw CommandError(error->message);
    }
    model_->SetArchive(std::get<TestArchive*>(archive));
}

std::vector<ReportTest> ArchiveWindow::ChosenTests() {
    TestArchive& archive = Opened(session_.Archive(this));
    std::vector<ReportTest> tests;
    const QLocale locale;
    for (const ArchivedTest* test : Chosen()) {
        auto sheet = ReadTestSheetBytes(BytesOf(archive, test->id), test->file, YScaleValue);
        if (auto* failure = std::get_if<OpenFailure>(&sheet)) throw CommandError(RefusalText(test->file, *failure));
        tests.push_back(MakeReportTest(QFileInfo(test->file).fileName(), std::get<TNewTabSheet>(std::move(sheet)), locale));
    }
    return tests;
}

std::vector<int> ArchiveWindow::OpenChosen() {
    const std::vector<const ArchivedTest*> chosen = Chosen();
    std::vector<int> opened;
    if (chosen.empty()) return opened;
    TestArchive& archive = Opened(session_.Archive(this));
    for (const ArchivedTest* test : chosen) {
        if (const auto failed = workbook_.OpenArchivedSheet(BytesOf(archive, test->id), test->file))
            ShowPlainMessage(this, RefusalText(QDir::toNativeSeparators(test->file), *failed));
        else
            opened.push_back(workbook_.CurrentIndex());
    }
    // The sheets are seen in the main window.
    if (QWidget* main = parentWidget()) {
        main->raise();
        main->activateWindow();
    }
    return opened;
}

void ArchiveWindow::CompareChosen() {
    const std::size_t chosen = Chosen().size();
    if (!compare_ || chosen < 2 || chosen > 4) return;
    const std::vector<int> sheets = OpenChosen();
    if (sheets.size() >= 2) compare_(sheets);
}

void ArchiveWindow::ReportChosen() {
    if (Chosen().empty()) return;
    const std::optional<MachineHistory> history = ChosenHistory();
    reports_.WriteReportOf(this, ChosenTests(), history ? &*history : nullptr);
}

void ArchiveWindow::TableOfChosen(bool excel) {
    if (Chosen().empty()) return;
    if (excel)
        reports_.ExportWorkbookOf(this, ChosenTests());
    else
        reports_.ExportTableOf(this, ChosenTests());
}

void ArchiveWindow::RemoveChosen() {
    std::vector<qint64> ids;
    for (const ArchivedTest* test : Chosen()) ids.push_back(test->id);
    if (ids.empty()) return;
    const QString question = ids.size() == 1 ? QStringLiteral("Ta bort provet ur arkivet?")
                                             : QStringLiteral("Ta bort %1 prov ur arkivet?").arg(ids.size());
    if (!AskChoice(this, question, QStringLiteral("Ja"), QStringLiteral("Nej"))) return;
    const auto removed = Opened(session_.Archive(this)).Remove(ids);
    model_->Refresh();
    if (const auto* error = std::get_if<ArchiveError>(&removed)) throw CommandError(error->message);
}

void ArchiveWindow::ImportFolder() {
    if (import_) return;
    Opened(session_.Archive(this));  // asks for a password here, never on the import's thread
    QFileDialog dialog(this, QStringLiteral("Importera mapp"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // Qt's Swedish catalogue has no word for this button.
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Välj"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString folder = dialog.selectedFiles().front();
    import_ = new FolderImport(session_.Location(), session_.Password(), folder, this);
    importButton_->setEnabled(false);
    progress_->setRange(0, 0);
    progress_->show();
    connect(import_, &FolderImport::progressed, this, [this](int done, int total) {
        progress_->setRange(0, total);
        progress_->setValue(done);
        status_->setText(QStringLiteral("Importerar: %1 av %2").arg(done).arg(total));
    });
    connect(import_, &FolderImport::finished, this,
            [this](const FolderImportResult& result) { Run([this, result] { ImportFinished(result); }); });
}

void ArchiveWindow::ImportFinished(const FolderImportResult& result) {
    progress_->hide();
    importButton_->setEnabled(true);
    model_->Refresh();
    QString text = result.counts + '.';
    if (!result.refusals.isEmpty()) {
        text += QStringLiteral("\n\nFiler som inte kunde läsas:\n") +
                QDir::toNativeSeparators(result.refusals.mid(0, MostRefusalsShown).join('\n'));
        if (result.refusals.size() > MostRefusalsShown)
            text += QStringLiteral("\n... och %1 till").arg(result.refusals.size() - MostRefusalsShown);
    }
    if (!result.archiveError.isEmpty()) text += QStringLiteral("\n\n") + result.archiveError;
    ShowPlainMessage(this, text);
}

void ArchiveWindow::ChangeArchive() {
    if (import_) throw CommandError(QStringLiteral("Arkivet kan inte bytas medan en mapp importeras."));
    bool given = false;
    const ArchiveLocation& now = session_.Location();
    const QString text = QInputDialog::getText(
        this, QStringLiteral("Byt arkiv"),
        QStringLiteral("En SQLite-fil eller en postgresql://användare@värd:port/databas-adress:"), QLineEdit::Normal,
        now.kind == ArchiveLocation::Kind::SQLite ? QDir::toNativeSeparators(now.file) : now.Name(), &given);
    if (!given || text.trimmed().isEmpty()) return;
    const auto location = ParseArchiveLocation(text.trimmed());
    if (!location)
        throw CommandError(QStringLiteral("%1 är ingen SQLite-fil och ingen postgresql://-adress med databas.").arg(text.trimmed()));
    session_.SetLocation(*location);
    ConnectArchive();
}

}  // namespace kaldoventri
