// The diagram in the main window's diagram area, and the Y value under the
// mouse pointer for the pointer read-out.
#pragma once

#include "drawing/DiagramRenderer.h"

namespace kaldoventri {

class TDiagram : public DiagramRenderer {
public:
    TDiagram() : DiagramRenderer(ScreenStyle) {}

    // The Y-axis value at the sheet's `MouseY` on a diagram area of the given
    // height, by the scale of the last drawing: positive above the X axis,
    // negative below it, 0 before anything was drawn.
    double ValueAtPointer(int surfaceHeight, const TNewTabSheet& sheet) const {
        return ValueAtRow(surfaceHeight, sheet.GetMouseY());
    }
};

}  // namespace kaldoventri
