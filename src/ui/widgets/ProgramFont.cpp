// Fonts with a fixed fallback family.
#include "ui/widgets/ProgramFont.h"

#include <QStringList>

namespace kaldoventri {

namespace {

QFont WithFallback(const QString& family, bool bold) {
    QFont font(family);
    font.setFamilies({family, QStringLiteral("DejaVu Sans")});
    font.setBold(bold);
    return font;
}

}  // namespace

QFont ProgramPixelFont(const QString& family, int pixelHeight, bool bold) {
    QFont font = WithFallback(family, bold);
    font.setPixelSize(pixelHeight);
    return font;
}

QFont ProgramPointFont(const QString& family, int pointSize, bool bold) {
    QFont font = WithFallback(family, bold);
    font.setPointSize(pointSize);
    return font;
}

}  // namespace kaldoventri
