// The report commands.
#include "ui/mainwindow/ReportCommands.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QProgressDialog>

#include "files/FileAccess.h"
#include "report/CsvTable.h"
#include "report/PdfReport.h"
#include "report/SavedOutput.h"
#include "report/SummaryRow.h"
#include "report/WorkbookSheets.h"
#include "ui/mainwindow/FileCommands.h"
#include "ui/mainwindow/FileDialogs.h"
#include "workbook/CommandError.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

const FileKind PdfFiles{QStringLiteral("PDF-filer"), QStringLiteral("pdf")};
const FileKind CsvFiles{QStringLiteral("CSV-filer"), QStringLiteral("csv")};

}  // namespace

ReportCommands::ReportCommands(QWidget* window, const Workbook& workbook, const FileCommands& files)
    : window_(window), workbook_(workbook), files_(files) {}

void ReportCommands::WriteReport() {
    if (workbook_.SheetCount() == 0) return;
    const QString path = ChooseFileToSave(window_, PdfFiles, files_.StartFolder(), QStringLiteral("Rapport"));
    if (path.isEmpty()) return;

    WorkbookSheets tests(workbook_);
    const ReportSettings settings{QLocale(), QDate::currentDate().toString(Qt::ISODate)};
    const std::vector<QStringList> rows = SummaryRowsOf(tests, settings.locale);
    QProgressDialog progress(QStringLiteral("Rapporten skrivs..."), QStringLiteral("Avbryt"), 0, 1, window_);
    progress.setWindowTitle(QCoreApplication::applicationName());
    // Modal, so that its "Avbryt" is heard while the pages are drawn.
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(static_cast<int>(progressDelay_.count()));
    progress.setAutoReset(false);
    const ReportProgress shown = [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    };
    const SaveOutcome saved =
        SaveThrough(path, [&](QIODevice& out) { return WritePdfReport(out, rows, tests, settings, shown); });
    if (saved.kind == SaveOutcome::Kind::Failed) throw CommandError(saved.error);
}

void ReportCommands::ExportTable() {
    if (workbook_.SheetCount() == 0) return;
    const QString path = ChooseFileToSave(window_, CsvFiles, files_.StartFolder(), QStringLiteral("Tabell"));
    if (path.isEmpty()) return;
    WorkbookSheets tests(workbook_);
    if (const std::optional<QString> failed = WriteFileAtomically(path, CsvTableOf(tests, QLocale())))
        throw CommandError(*failed);
}

}  // namespace kaldoventri
