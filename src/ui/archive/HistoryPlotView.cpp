// Painting the machine's history on the window.
#include "ui/archive/HistoryPlotView.h"

#include <QPainter>

#include "drawing/HistoryPlotRenderer.h"
#include "drawing/PainterSurface.h"

namespace kaldoventri {

void HistoryPlotView::SetHistory(std::optional<MachineHistory> history) {
    history_ = std::move(history);
    update();
}

void HistoryPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!history_) return;
    PainterSurface surface(painter, width(), height());
    DrawMachineHistory(surface, *history_);
}

}  // namespace kaldoventri
