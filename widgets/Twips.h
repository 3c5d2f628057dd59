#pragma once

// Window geometry in twips: 1440 to the inch, 15 to a pixel at 96 dpi. Fonts are given in
// points of that same 96 dpi screen and set in pixels, so the layout never depends on the DPI.

#include <QFont>
#include <QRect>
#include <cmath>

class QWidget;

namespace gridora {

inline constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr QRect rettangoloTwips(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// Places a widget in its container, in twips.
void posiziona(QWidget* widget, int left, int top, int width, int height);
void sposta(QWidget* widget, int left, int top);

// The embedded sans font at a size in points (6.75 is 9 px, 8.25 is 11 px, 13.5 is 18 px ...).
QFont carattere(double punti, bool grassetto = false, bool sottolineato = false);

} // namespace gridora
