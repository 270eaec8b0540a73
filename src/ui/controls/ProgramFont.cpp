// Fonts with a fixed fallback family.
#include "ui/controls/ProgramFont.h"

#include <QFontMetrics>
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

QFont CondensedToFit(QFont font, const QString& text, int width) {
    // Narrower than this is no longer pleasant to read; stop there.
    constexpr int NarrowestStretch = 75;
    for (int stretch = QFont::Unstretched; stretch >= NarrowestStretch; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
    }
    return font;
}

QFont FittedToWidth(QFont font, const QString& text, int width) {
    font = CondensedToFit(font, text, width);
    const bool pixels = font.pixelSize() > 0;
    for (int size = pixels ? font.pixelSize() : font.pointSize(); size > 6; --size) {
        if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
        if (pixels)
            font.setPixelSize(size - 1);
        else
            font.setPointSize(size - 1);
    }
    return font;
}

}  // namespace kaldoventri
