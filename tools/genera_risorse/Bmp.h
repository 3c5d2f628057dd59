#pragma once

#include <QByteArray>
#include <QImage>

namespace genera {

// An uncompressed 24-bit BMP (BITMAPINFOHEADER, bottom-up rows padded to four bytes).
// The image must be opaque; any alpha is ignored.
QByteArray bmp24(const QImage& immagine);

} // namespace genera
