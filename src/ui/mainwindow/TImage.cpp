// Image control of the diagram area.
#include "ui/mainwindow/TImage.h"

#include <QPainter>

namespace kaldoventri {

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

}  // namespace kaldoventri
