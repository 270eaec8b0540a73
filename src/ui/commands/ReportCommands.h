// "Rapport (PDF)...", "Exportera tabell (CSV)..." and "Exportera tabell
// (Excel)..." of the Arkiv menu: the report and the table of all open sheets,
// saved under a chosen name as test files are. Each is written whole or not
// at all; a long report shows a progress dialog whose "Avbryt" leaves nothing
// behind.
#pragma once

#include <QString>

#include <chrono>
#include <vector>

#include "evaluation/MachineHistory.h"
#include "report/ReportTest.h"

class QWidget;

namespace kaldoventri {

class RecentFolder;
class Workbook;

class ReportCommands {
public:
    ReportCommands(QWidget* window, const Workbook& workbook, const RecentFolder& folder);

    void WriteReport();
    void ExportTable();
    void ExportWorkbook();

    // The same of tests chosen elsewhere (the archive window), the dialogs
    // and the progress on `parent`; a report of one machine's tests may have
    // its history on a page after the table.
    void WriteReportOf(QWidget* parent, const std::vector<ReportTest>& tests, const MachineHistory* history = nullptr);
    void ExportTableOf(QWidget* parent, const std::vector<ReportTest>& tests);
    void ExportWorkbookOf(QWidget* parent, const std::vector<ReportTest>& tests);

    // How long a report runs before its progress dialog shows.
    void SetProgressDelay(std::chrono::milliseconds delay) { progressDelay_ = delay; }

private:
    QWidget* window_;
    const Workbook& workbook_;
    const RecentFolder& folder_;
    std::chrono::milliseconds progressDelay_{1000};
};

}  // namespace kaldoventri
