// The report commands.
#include "ui/commands/ReportCommands.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QProgressDialog>

#include "evaluation/CalculateSheet.h"
#include "files/FileAccess.h"
#include "report/CsvTable.h"
#include "report/PdfReport.h"
#include "report/SavedOutput.h"
#include "report/XlsxTable.h"
#include "ui/support/CommandError.h"
#include "ui/support/FileDialogs.h"
#include "ui/support/RecentFolder.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

const FileKind PdfFiles{QStringLiteral("PDF-filer"), QStringLiteral("pdf")};
const FileKind CsvFiles{QStringLiteral("CSV-filer"), QStringLiteral("csv")};
const FileKind XlsxFiles{QStringLiteral("Excel-arbetsböcker"), QStringLiteral("xlsx")};

// The open sheets in tab order, each named by its title and evaluated anew on
// the value Y scale in a copy, whatever scale the window shows.
std::vector<ReportTest> TestsOf(const Workbook& workbook, const QLocale& locale) {
    std::vector<ReportTest> tests;
    for (int i = 0; i < workbook.SheetCount(); ++i) {
        TNewTabSheet sheet = *workbook.Sheet(i);
        CalculateSheet(sheet, YScaleValue);
        QString name = QString::fromStdString(sheet.GetTitle());
        tests.push_back(MakeReportTest(std::move(name), std::move(sheet), locale));
    }
    return tests;
}

}  // namespace

ReportCommands::ReportCommands(QWidget* window, const Workbook& workbook, const RecentFolder& folder)
    : window_(window), workbook_(workbook), folder_(folder) {}

void ReportCommands::WriteReport() {
    if (workbook_.SheetCount() > 0) WriteReportOf(window_, TestsOf(workbook_, QLocale()));
}

void ReportCommands::ExportTable() {
    if (workbook_.SheetCount() > 0) ExportTableOf(window_, TestsOf(workbook_, QLocale()));
}

void ReportCommands::ExportWorkbook() {
    if (workbook_.SheetCount() > 0) ExportWorkbookOf(window_, TestsOf(workbook_, QLocale()));
}

void ReportCommands::WriteReportOf(QWidget* parent, const std::vector<ReportTest>& tests, const MachineHistory* history) {
    if (tests.empty()) return;
    const QString path = ChooseFileToSave(parent, PdfFiles, folder_.StartFolder(), QStringLiteral("Rapport"));
    if (path.isEmpty()) return;

    const ReportSettings settings{QLocale(), QDate::currentDate().toString(Qt::ISODate)};
    QProgressDialog progress(QStringLiteral("Rapporten skrivs..."), QStringLiteral("Avbryt"), 0, 1, parent);
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
        SaveThrough(path, [&](QIODevice& out) { return WritePdfReport(out, tests, settings, shown, history); });
    if (saved.kind == SaveOutcome::Kind::Failed) throw CommandError(saved.error);
}

void ReportCommands::ExportTableOf(QWidget* parent, const std::vector<ReportTest>& tests) {
    if (tests.empty()) return;
    const QString path = ChooseFileToSave(parent, CsvFiles, folder_.StartFolder(), QStringLiteral("Tabell"));
    if (path.isEmpty()) return;
    if (const std::optional<QString> failed = WriteFileAtomically(path, CsvTableOf(tests, QLocale())))
        throw CommandError(*failed);
}

void ReportCommands::ExportWorkbookOf(QWidget* parent, const std::vector<ReportTest>& tests) {
    if (tests.empty()) return;
    const QString path = ChooseFileToSave(parent, XlsxFiles, folder_.StartFolder(), QStringLiteral("Tabell"));
    if (path.isEmpty()) return;
    const SaveOutcome saved = SaveXlsxTable(path, tests, QLocale());
    if (saved.kind == SaveOutcome::Kind::Failed) throw CommandError(saved.error);
}

}  // namespace kaldoventri
