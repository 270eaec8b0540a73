// The VK-curve view.
#include "ui/views/VKCurveView.h"

#include <QMouseEvent>
#include <QPainter>

#include "display/LocaleText.h"
#include "drawing/PainterSurface.h"
#include "evaluation/FigureTexts.h"
#include "ui/controls/ProgramFont.h"
#include "ui/views/PointerReadout.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

VKCurveView::VKCurveView(QWidget* parent) : QWidget(parent), readout_(std::make_unique<PointerReadout>()) {
    setObjectName(QStringLiteral("VKCurveView"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(ProgramPixelFont(QStringLiteral("MS Sans Serif"), 14, false));
    renderer_.SetShowFigures(true);
}

void VKCurveView::SetWorkbook(const Workbook* workbook) {
    workbook_ = workbook;
    connect(workbook, &Workbook::changed, this, [this] {
        readout_->ReleaseHint();
        update();
    });
    update();
}

VKCurveView::~VKCurveView() = default;

QString VKCurveView::ReadoutText() const { return readout_->isVisible() ? readout_->text() : QString(); }

void VKCurveView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    PainterSurface surface(painter, width(), height());
    renderer_.Draw(workbook_ ? workbook_->CurrentSheet() : nullptr, surface);
}

void VKCurveView::ShowReadout(const QPoint& at) {
    const TNewTabSheet* sheet = workbook_ ? workbook_->CurrentSheet() : nullptr;
    const VKCurveGeometry& geometry = renderer_.Geometry();
    if (sheet == nullptr || !geometry.Valid() || !geometry.Contains(at.x(), at.y())) {
        readout_->ReleaseHint();
        return;
    }
    const int width = geometry.WidthAtX(at.x());
    readout_->ShowAt(mapToGlobal(at), FromUtf8(WidthVKText(*sheet, width, DecimalSeparatorOf())));
}

void VKCurveView::mouseMoveEvent(QMouseEvent* event) { ShowReadout(event->position().toPoint()); }

void VKCurveView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const VKCurveGeometry& geometry = renderer_.Geometry();
    if (event->button() != Qt::LeftButton || !geometry.Valid() || !geometry.Contains(at.x(), at.y())) return;
    emit widthChosen(geometry.WidthAtX(at.x()));
}

void VKCurveView::leaveEvent(QEvent*) {
    if (!readout_->PointerStillOver(this)) readout_->ReleaseHint();
}

void VKCurveView::hideEvent(QHideEvent*) { readout_->ReleaseHint(); }

}  // namespace kaldoventri
