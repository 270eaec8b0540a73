// JPEG decoding with libjpeg, for the splash picture.
#pragma once

#include <QByteArray>
#include <QImage>

namespace kaldoventri {

// Decodes a baseline or progressive JPEG (colour or greyscale) into an RGB
// image. Returns a null image for anything libjpeg cannot read cleanly: a
// damaged, truncated or empty file, or one larger than MaxJpegPixels.
QImage DecodeJpeg(const QByteArray& bytes);

// A damaged header can claim any size up to 65500 x 65500; pictures beyond
// this many pixels are refused before any memory is taken for them.
inline constexpr qint64 MaxJpegPixels = 64LL * 1024 * 1024;

}  // namespace kaldoventri
