#include "drawing/FieldMapImage.h"

#include <QFont>
#include <QPainter>

#include "drawing/FieldMapRenderer.h"
#include "drawing/PainterSurface.h"

namespace kaldoventri {

QImage FieldMapImage(const TNewTabSheet& sheet, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(18);  // read at a glance on a 1600-pixel picture
    painter.setFont(font);
    PainterSurface surface(painter, size.width(), size.height());
    FieldMapRenderer().Draw(&sheet, surface);
    return image;
}

}  // namespace kaldoventri
