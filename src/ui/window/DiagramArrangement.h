// Where the VK curve goes beside the spread diagram. Stacked, the two plots
// share the height between the window's panels; on a wide, short screen (a
// maximised 1366 x 768 laptop) that leaves each a strip of a few dozen
// pixels, so the curve goes to the diagram's right instead.
#pragma once

#include "drawing/DiagramRenderer.h"

class QSplitter;

namespace kaldoventri {

// Each plot keeps at least this height where the window allows it.
inline constexpr int SmallestPlotHeight = DiagramRenderer::ReadablePlotHeight;

// Turns the splitter holding the diagram (first) and the curve (second) to
// stacked or side by side for its present size and the diagram's font height.
// The shares are set when the curve has just been shown (`justShown`) or the
// arrangement changes, so a divider the user has dragged stays where it is.
void ArrangeDiagramAndCurve(QSplitter& splitter, int textHeight, bool justShown);

}  // namespace kaldoventri
