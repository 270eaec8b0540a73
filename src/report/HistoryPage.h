// The report's page of a machine's history, after the table of a report of
// that machine's tests: the same plot the archive window shows beside its list.
#pragma once

#include <QString>

#include "evaluation/MachineHistory.h"
#include "report/ReportPageFrame.h"

namespace kaldoventri {

// "Historik: Amazone ZA-M – Lantbruk AB"
QString HistoryPageTitle(const MachineHistory& history);

// Draws the plot into the frame's content of the page just started.
void DrawHistoryPage(const ReportPageFrame& frame, const MachineHistory& history);

}  // namespace kaldoventri
