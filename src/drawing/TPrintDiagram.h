// The diagram on a printed landscape page: margins taken from the page width,
// broader pen and larger marks for the printer's resolution, and the header
// block. The print job itself (orientation, begin, end) belongs to the window
// that prints; this draws on the page surface it is given.
#pragma once

#include "drawing/DiagramRenderer.h"

namespace kaldoventri {

class TPrintDiagram : public DiagramRenderer {
public:
    // A printed diagram always shows the tray squares and the metre labels,
    // whatever the window's display options are.
    TPrintDiagram() : DiagramRenderer(PrintStyle) {
        SetTrayMarking(1);
        SetShowMetres(true);
    }
};

}  // namespace kaldoventri
