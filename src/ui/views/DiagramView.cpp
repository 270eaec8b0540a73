// The diagram paint box.
#include "ui/views/DiagramView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "drawing/PainterSurface.h"
#include "drawing/TDiagram.h"
#include "ui/views/DisplayOptions.h"

namespace kaldoventri {

DiagramView::DiagramView(QWidget* parent) : QWidget(parent), renderer_(std::make_unique<TDiagram>()) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    DisplayOptions().ApplyTo(*renderer_);
}

DiagramView::~DiagramView() = default;

void DiagramView::SetSheet(const TNewTabSheet* sheet) {
    sheet_ = sheet;
    update();
}

void DiagramView::SetDisplayOptions(const DisplayOptions* options) {
    const auto follow = [this, options] {
        options->ApplyTo(*renderer_);
        update();
    };
    connect(options, &DisplayOptions::changed, this, follow);
    follow();
}

double DiagramView::ValueAtPointer() const {
    return sheet_ == nullptr ? 0.0 : renderer_->ValueAtPointer(height(), *sheet_);
}

void DiagramView::SetShowHint(bool show) {
    showHint_ = show;
    if (!show && QToolTip::isVisible()) QToolTip::hideText();
}

bool DiagramView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (showHint_ && !toolTip().isEmpty())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), toolTip(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void DiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    PainterSurface surface(painter, width(), height());
    renderer_->DrawDiagram(sheet_, surface);
}

void DiagramView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (OnMouseMove) OnMouseMove(p.x(), p.y());
}

void DiagramView::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void DiagramView::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && OnClick) OnClick();
}

void DiagramView::leaveEvent(QEvent*) {
    if (OnMouseLeave) OnMouseLeave();
}

}  // namespace kaldoventri
