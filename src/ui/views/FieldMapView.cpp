#include "ui/views/FieldMapView.h"

#include <QPainter>

#include "drawing/PainterSurface.h"
#include "ui/controls/ProgramFont.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

FieldMapView::FieldMapView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FieldMapView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(ProgramPixelFont(QStringLiteral("MS Sans Serif"), 14, false));
}

void FieldMapView::SetWorkbook(const Workbook* workbook) {
    workbook_ = workbook;
    connect(workbook, &Workbook::changed, this, qOverload<>(&QWidget::update));
    update();
}

void FieldMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    PainterSurface surface(painter, width(), height());
    renderer_.Draw(workbook_ ? workbook_->CurrentSheet() : nullptr, surface);
}

}  // namespace kaldoventri
