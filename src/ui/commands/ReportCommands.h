// "Rapport (PDF)...", "Exportera tabell (CSV)..." and "Exportera tabell
// (Excel)..." of the Arkiv menu: the report and the table of all open sheets,
// saved under a chosen name as test files are. Each is written whole or not
// at all; a long report shows a progress dialog whose "Avbryt" leaves nothing
// behind.
#pragma once

#include <QString>

#include <chrono>

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

    // How long a report runs before its progress dialog shows.
    void SetProgressDelay(std::chrono::milliseconds delay) { progressDelay_ = delay; }

private:
    QWidget* window_;
    const Workbook& workbook_;
    const RecentFolder& folder_;
    std::chrono::milliseconds progressDelay_{1000};
};

}  // namespace kaldoventri
