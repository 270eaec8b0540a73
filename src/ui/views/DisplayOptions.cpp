// The display options.
#include "ui/views/DisplayOptions.h"

#include "drawing/DiagramRenderer.h"

namespace kaldoventri {

DisplayOptions::DisplayOptions(QObject* parent) : QObject(parent) {}

void DisplayOptions::SetShowMetres(bool show) {
    if (show == showMetres_) return;
    showMetres_ = show;
    emit changed();
}

void DisplayOptions::SetTrays(TrayMarking marking) {
    if (marking == trays_) return;
    trays_ = marking;
    emit changed();
}

void DisplayOptions::SetShowVKCurve(bool show) {
    if (show == showVKCurve_) return;
    showVKCurve_ = show;
    emit changed();
}

void DisplayOptions::SetShowFieldMap(bool show) {
    if (show == showFieldMap_) return;
    showFieldMap_ = show;
    emit changed();
}

void DisplayOptions::ApplyTo(DiagramRenderer& renderer) const {
    renderer.SetTrayMarking(trays_);
    renderer.SetShowMetres(showMetres_);
}

}  // namespace kaldoventri
