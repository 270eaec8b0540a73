// The diagram as the picture "Kopiera" puts on the clipboard: the screen's
// drawing in a 14-point regular font with a header block naming spreader,
// fertiliser, VK and working width.
#pragma once

#include "drawing/DiagramRenderer.h"

namespace kaldoventri {

class TCopyDiagram : public DiagramRenderer {
public:
    TCopyDiagram() : DiagramRenderer(ClipboardStyle) {}
};

}  // namespace kaldoventri
