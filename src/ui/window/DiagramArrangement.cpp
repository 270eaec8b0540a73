#include "ui/window/DiagramArrangement.h"

#include <QSplitter>

#include "drawing/DiagramRenderer.h"

namespace kaldoventri {

namespace {

// Side by side, each view keeps at least this width.
constexpr int SmallestSideWidth = 500;

// The curve's lines of figures and legend above its plot and the labels below.
int CurveChrome(int textHeight) { return 4 * textHeight + 8; }

}  // namespace

void ArrangeDiagramAndCurve(QSplitter& splitter, int textHeight, bool justShown) {
    QWidget* curve = splitter.widget(1);
    if (curve == nullptr || curve->isHidden()) return;
    // Stacked, the curve takes about a third of the height the two share.
    const int shared = splitter.height() - splitter.handleWidth();
    const int curveShare = shared / 3;
    const int diagramShare = shared - curveShare;
    const bool stackedTooLow = diagramShare - 2 * DiagramRenderer::FontMarginY(diagramShare, textHeight) < SmallestPlotHeight ||
                               curveShare - CurveChrome(textHeight) < SmallestPlotHeight;
    const bool beside = stackedTooLow && splitter.width() >= 2 * SmallestSideWidth;
    const Qt::Orientation wanted = beside ? Qt::Horizontal : Qt::Vertical;
    if (splitter.orientation() == wanted && !justShown) return;
    splitter.setOrientation(wanted);
    if (beside) {
        // The diagram keeps the larger share: its trays need the width.
        const int total = splitter.width();
        splitter.setSizes({total - total * 9 / 20, total * 9 / 20});
    } else {
        const int total = splitter.height();
        splitter.setSizes({total - total / 3, total / 3});
    }
}

}  // namespace kaldoventri
