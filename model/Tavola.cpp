#include "model/Tavola.h"

#include <cmath>

namespace gridora {

bool latoValido(int lato)
{
    return lato == 5 || lato == 10 || lato == 15;
}

int immagineCella(int segno, int tonalita)
{
    if (segno == Pieno)
        return 101;
    const bool croce = segno == Croce;
    switch (tonalita) {
    case 1:
        return croce ? 105 : 103;
    case 2:
        return croce ? 104 : 102;
    default:
        return croce ? 107 : 106;
    }
}

bool pixelValido(const QString& pixel, int lato)
{
    if (!latoValido(lato) || pixel.size() != lato * lato)
        return false;
    for (const QChar c : pixel) {
        if (c != u'0' && c != u'1')
            return false;
    }
    return true;
}

Segni segniDaPixel(const QString& pixel, int lato)
{
    Segni segni{};
    const int celle = std::min<int>(lato * lato, static_cast<int>(pixel.size()));
    for (int k = 0; k < celle; ++k)
        segni[k] = pixel[k] == u'1' ? Pieno : Vuoto;
    return segni;
}

QString pixelDaSegni(const Segni& segni, int lato)
{
    QString pixel(lato * lato, u'0');
    for (int k = 0; k < lato * lato; ++k) {
        if (segni[k] == Pieno)
            pixel[k] = u'1';
    }
    return pixel;
}

} // namespace gridora
