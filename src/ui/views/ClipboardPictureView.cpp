// Image control of the diagram area.
#include "ui/views/ClipboardPictureView.h"

#include <QPainter>

namespace kaldoventri {

ClipboardPictureView::ClipboardPictureView(QWidget* parent) : QWidget(parent) {}

void ClipboardPictureView::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ClipboardPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

}  // namespace kaldoventri
