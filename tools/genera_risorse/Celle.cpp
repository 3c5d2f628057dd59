#include "Disegni.h"

#include <cmath>

namespace genera {

namespace {

QRgb mescola(QRgb a, QRgb b, double t)
{
    const auto canale = [t](int da, int a2) {
        return static_cast<int>(std::lround(da + (a2 - da) * t));
    };
    return qRgb(canale(qRed(a), qRed(b)), canale(qGreen(a), qGreen(b)), canale(qBlue(a), qBlue(b)));
}

constexpr int latoCella = 16;

} // namespace

QImage cellaPiena()
{
    const QRgb alto = qRgb(0x15, 0x04, 0xF9);
    const QRgb basso = qRgb(0x0B, 0xA6, 0xF7);
    const QRgb luce = qRgb(0xDF, 0xDF, 0xE0);
    const QRgb ombra = qRgb(0x05, 0x05, 0x05);
    const int ultimo = latoCella - 1;

    QImage img(latoCella, latoCella, QImage::Format_RGB32);
    for (int y = 0; y < latoCella; ++y)
        for (int x = 0; x < latoCella; ++x)
            img.setPixel(x, y, mescola(alto, basso, static_cast<double>(y) / ultimo));
    // Light from the top left: the shadow edges are drawn last, so they own the top-right
    // and bottom-left corners.
    for (int i = 0; i < latoCella; ++i) {
        img.setPixel(i, 0, luce);
        img.setPixel(0, i, luce);
    }
    for (int i = 0; i < latoCella; ++i) {
        img.setPixel(i, ultimo, ombra);
        img.setPixel(ultimo, i, ombra);
    }
    return img;
}

QImage cellaVuota(QRgb fondo, bool croce)
{
    const QRgb nero = qRgb(0, 0, 0);
    const int ultimo = latoCella - 1;
    QImage img(latoCella, latoCella, QImage::Format_RGB32);
    img.fill(fondo);
    for (int i = 0; i < latoCella; ++i) {
        img.setPixel(i, 0, nero);
        img.setPixel(i, ultimo, nero);
        img.setPixel(0, i, nero);
        img.setPixel(ultimo, i, nero);
        if (croce) {
            img.setPixel(i, i, nero);
            img.setPixel(ultimo - i, i, nero);
        }
    }
    return img;
}

QImage icona()
{
    // Lines at 0, 15 and 30 leave four 14x14 cells.
    constexpr int lato = 31;
    constexpr int passo = 15;
    QImage img(lato, lato, QImage::Format_RGB32);
    img.fill(qRgb(255, 255, 255));
    for (int y = passo + 1; y < lato - 1; ++y)
        for (int x = passo + 1; x < lato - 1; ++x)
            img.setPixel(x, y, qRgb(0xFF, 0x8C, 0x1A));
    for (int i = 0; i < lato; ++i) {
        for (int linea = 0; linea < lato; linea += passo) {
            img.setPixel(i, linea, qRgb(0, 0, 0));
            img.setPixel(linea, i, qRgb(0, 0, 0));
        }
    }
    return img;
}

} // namespace genera
