// The report's page for one test: the description and the settings, the
// analysis figures and the 26 tray amounts on the left; on the right the
// spread diagram as the printed page draws it, scaled into its box, and the
// VK curve on the bands of the tolerance classes.
#pragma once

#include "report/ReportPageFrame.h"
#include "report/ReportTest.h"

namespace kaldoventri {

// Draws into the frame's content; the frame has started the page.
void DrawTestPage(const ReportPageFrame& frame, const ReportTest& test);

}  // namespace kaldoventri
