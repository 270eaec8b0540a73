// A machine's history as a plot over the test dates: the VK at the working
// width on the left axis over the tolerance classes' bands (the VK curve's
// colours), and the correction factor of the tests with units on a second
// axis at the right. One procedure for the archive window and the report
// page; the differences are the style.
#pragma once

#include "drawing/DrawingSurface.h"
#include "evaluation/MachineHistory.h"

namespace kaldoventri {

struct HistoryPlotStyle {
    int fontPoints = 0;  // 0 keeps the surface's own font
    int padding = 6;
    int linePen = 2;
    int axisPen = 1;
    int pointRadius = 3;
    int tickLength = 4;
    int labelGap = 4;
    bool title = true;  // a report page has the machine in its own title
};

inline constexpr HistoryPlotStyle HistoryPlotScreenStyle{};
// About 600 dots per inch, as the VK curve on a page.
inline constexpr HistoryPlotStyle HistoryPlotPageStyle{11, 40, 12, 5, 24, 30, 30, false};

inline constexpr Colour HistoryCorrectionColour{200, 100, 0};

// Draws over the whole surface.
void DrawMachineHistory(DrawingSurface& surface, const MachineHistory& history,
                        const HistoryPlotStyle& style = HistoryPlotScreenStyle);

// "Amazone ZA-M – Lantbruk AB": the machine a history is of.
std::string MachineName(const MachineHistory& history);

}  // namespace kaldoventri
