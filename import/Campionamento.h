#pragma once

// The conversion of the preview into cells: each of the N x N blocks of the preview box is
// judged by the colour at its top-left corner.
//
// The preview box `test` is 1815 x 1815 twips with a one-pixel border; the picture fills its
// inner area, 1785 x 1785 twips, which is 119 x 119 pixels at 15 twips a pixel. Sample points
// are in the box's own coordinates, whose origin is the inner area's top-left corner: block (i, j)
// of an N x N grid is sampled at (j * 1815 / N, i * 1815 / N) twips. The grid uses the box's
// outer size, so the last points lie a little further into the picture than an even split of
// the inner area would put them.
//
// The image given to campiona() is what the inner area shows (picture plus strokes), one image
// pixel per screen pixel, as TelaAnteprima::vista() keeps it. A point of x twips falls in pixel
// floor(x / 15), the pixel that contains it; a point outside the image reads as the white of the
// empty box. Transparent pixels are seen over that white.

#include <QImage>
#include <QString>

namespace gridora {

inline constexpr int LatoAnteprimaTwips = 1815;
inline constexpr int LatoInternoAnteprima = 119; // pixels inside the border
inline constexpr int SogliaPieno = 8500000;      // packed colours below it give a filled cell

// R + 256 G + 65536 B of a colour seen over white.
int coloreImpaccato(QRgb colore);
inline bool campionePieno(QRgb colore)
{
    return coloreImpaccato(colore) < SogliaPieno;
}

// The cell string of an N x N conversion: N * N characters "1" and "0", row after row, top row
// first, each left to right. Empty for a side outside 1..15.
QString campiona(const QImage& anteprima, int lato);

// What the preview's inner area shows of a picture and nothing else: the picture stretched over
// the 119 x 119 pixels, each preview pixel taking the picture pixel under it, over white.
QImage immagineAnteprima(const QImage& figura);

} // namespace gridora
