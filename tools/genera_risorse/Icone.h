#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <array>

namespace genera {

// The sixteen VGA colours in the order of a 4-bit Windows palette.
const std::array<QRgb, 16>& tavolozzaVga();

enum class Profondita {
    SediciColori, // 4 bpp with the VGA palette: every opaque pixel must be one of its colours
    Vera,         // 24 bpp, no palette
};

// An ICO file holding one 24-bit image (at most 255x255). Pixels with alpha below 128
// become transparent through the AND mask.
QByteArray fileIcona(const QImage& immagine);

// A CUR file holding one image with its hot spot, transparency as in fileIcona().
QByteArray filePuntatore(const QImage& immagine, QPoint puntoCaldo, Profondita profondita);

} // namespace genera
