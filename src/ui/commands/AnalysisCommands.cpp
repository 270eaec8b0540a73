// The analysis commands.
#include "ui/commands/AnalysisCommands.h"

#include "evaluation/DrivingPattern.h"
#include "ui/dialogs/AverageSheetsDialog.h"
#include "ui/views/DisplayOptions.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

AnalysisCommands::AnalysisCommands(Workbook& workbook, DisplayOptions& options, QWidget* window)
    : workbook_(workbook), options_(options), window_(window) {}

void AnalysisCommands::VisaVKkurvaClick() { options_.SetShowVKCurve(!options_.ShowVKCurve()); }

void AnalysisCommands::VisaFaltbildClick() { options_.SetShowFieldMap(!options_.ShowFieldMap()); }

void AnalysisCommands::KormonsterClick(bool racetrack) {
    workbook_.SetDrivingPattern(racetrack ? DrivingPattern::Racetrack : DrivingPattern::BackAndForth);
}

void AnalysisCommands::MedelvardeClick() {
    if (workbook_.SheetCount() < 2) return;
    AverageSheetsDialog dialog(workbook_, window_);
    if (dialog.exec() == QDialog::Accepted) workbook_.AddAveragedSheet(dialog.ChosenSheets());
}

}  // namespace kaldoventri
