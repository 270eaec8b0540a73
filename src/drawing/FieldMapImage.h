// The field map as a picture of its own: for the clipboard ("Kopiera
// fältbild") and the command line's --field-map.
#pragma once

#include <QImage>
#include <QSize>

#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

// The size the command line writes and the clipboard gets.
inline constexpr QSize FieldMapPictureSize{1600, 700};

QImage FieldMapImage(const TNewTabSheet& sheet, QSize size);

}  // namespace kaldoventri
