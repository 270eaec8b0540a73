// The program's fonts. Its windows name the classic Windows sans-serif faces;
// where those are missing the font falls back to DejaVu Sans rather than to
// whatever the font matcher would pick.
#pragma once

#include <QFont>
#include <QString>

namespace kaldoventri {

QFont ProgramPixelFont(const QString& family, int pixelHeight, bool bold);
QFont ProgramPointFont(const QString& family, int pointSize, bool bold);

// The font, narrowed just enough for the text to fit the width in pixels.
// The fallback face runs wider than the one the windows were laid out for,
// and a caption or a three-digit amount must not be cut off for that.
QFont CondensedToFit(QFont font, const QString& text, int width);

// The font narrowed as CondensedToFit does and, where that is not enough,
// made smaller, so that the text fits the width (down to 6 pixels high).
QFont FittedToWidth(QFont font, const QString& text, int width);

}  // namespace kaldoventri
