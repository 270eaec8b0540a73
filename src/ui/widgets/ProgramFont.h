// The program's fonts. Its windows name the classic Windows sans-serif faces;
// where those are missing the font falls back to DejaVu Sans rather than to
// whatever the font matcher would pick.
#pragma once

#include <QFont>
#include <QString>

namespace kaldoventri {

QFont ProgramPixelFont(const QString& family, int pixelHeight, bool bold);
QFont ProgramPointFont(const QString& family, int pointSize, bool bold);

}  // namespace kaldoventri
