// A machine's history on a report page.
#include "report/HistoryPage.h"

#include <QPainter>

#include <algorithm>

#include "drawing/HistoryPlotRenderer.h"
#include "drawing/PainterSurface.h"

namespace kaldoventri {

QString HistoryPageTitle(const MachineHistory& history) {
    return QStringLiteral("Historik: ") + QString::fromStdString(MachineName(history));
}

void DrawHistoryPage(const ReportPageFrame& frame, const MachineHistory& history) {
    QPainter& p = frame.Painter();
    // The plot reads best no taller than about half its width.
    QRect box = frame.Content();
    box.setHeight(std::min(box.height(), box.width() / 2));
    p.save();
    p.translate(box.topLeft());
    p.setClipRect(QRect(0, 0, box.width(), box.height()));
    p.setFont(ReportPageFrame::Font(HistoryPlotPageStyle.fontPoints));
    {
        PainterSurface surface(p, box.width(), box.height());
        DrawMachineHistory(surface, history, HistoryPlotPageStyle);
    }
    p.restore();
}

}  // namespace kaldoventri
