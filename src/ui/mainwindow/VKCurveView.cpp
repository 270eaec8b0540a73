// The VK-curve view.
#include "ui/mainwindow/VKCurveView.h"

#include <QApplication>
#include <QCursor>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include "drawing/PainterSurface.h"
#include "evaluation/FigureTexts.h"
#include "ui/mainwindow/PointerReadout.h"
#include "ui/widgets/ProgramFont.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {
const QSize ReadoutSize(150, 30);
}  // namespace

VKCurveView::VKCurveView(const Workbook& workbook, QWidget* parent)
    : QWidget(parent), workbook_(&workbook), readout_(std::make_unique<PointerReadout>()) {
    setObjectName(QStringLiteral("VKCurveView"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(ProgramPixelFont(QStringLiteral("MS Sans Serif"), 14, false));
    renderer_.SetShowFigures(true);
    connect(&workbook, &Workbook::changed, this, [this] {
        readout_->ReleaseHint();
        update();
    });
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
    const QString text = QString::fromStdString(WidthVKText(*sheet, width, QLocale().decimalPoint().toStdString()));
    readout_->ActivateHint(QRect(mapToGlobal(at), ReadoutSize), text);
}

void VKCurveView::mouseMoveEvent(QMouseEvent* event) { ShowReadout(event->position().toPoint()); }

void VKCurveView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const VKCurveGeometry& geometry = renderer_.Geometry();
    if (event->button() != Qt::LeftButton || !geometry.Valid() || !geometry.Contains(at.x(), at.y())) return;
    emit widthChosen(geometry.WidthAtX(at.x()));
}

void VKCurveView::leaveEvent(QEvent*) {
    // The read-out itself appears under the pointer and may report a leave
    // before it lets the pointer through.
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    if (under != this && under != readout_.get()) readout_->ReleaseHint();
}

void VKCurveView::hideEvent(QHideEvent*) { readout_->ReleaseHint(); }

}  // namespace kaldoventri
