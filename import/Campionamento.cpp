#include "import/Campionamento.h"

#include "model/Tavola.h"

#include <QPainter>

namespace gridora {

namespace {

constexpr int TwipsPerPixel = 15;

int suBianco(int componente, int alfa)
{
    return (componente * alfa + 255 * (255 - alfa) + 127) / 255;
}

} // namespace

int coloreImpaccato(QRgb colore)
{
    const int a = qAlpha(colore);
    return suBianco(qRed(colore), a) + 256 * suBianco(qGreen(colore), a) +
           65536 * suBianco(qBlue(colore), a);
}

QString campiona(const QImage& anteprima, int lato)
{
    if (lato < 1 || lato > LatoMassimo)
        return {};
    const auto pixel = [&](int indice) {
        return indice * LatoAnteprimaTwips / lato / TwipsPerPixel;
    };
    QString celle;
    celle.reserve(lato * lato);
    for (int i = 0; i < lato; ++i) {
        const int y = pixel(i);
        for (int j = 0; j < lato; ++j) {
            const int x = pixel(j);
            const bool dentro = anteprima.valid(x, y);
            celle += dentro && campionePieno(anteprima.pixel(x, y)) ? u'1' : u'0';
        }
    }
    return celle;
}

QImage immagineAnteprima(const QImage& figura)
{
    QImage anteprima(LatoInternoAnteprima, LatoInternoAnteprima, QImage::Format_RGB32);
    anteprima.fill(Qt::white);
    if (!figura.isNull()) {
        QPainter pittore(&anteprima);
        pittore.drawImage(anteprima.rect(), figura);
    }
    return anteprima;
}

} // namespace gridora
