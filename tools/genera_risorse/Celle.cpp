#include "Disegni.h"

#include <algorithm>
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

namespace {

const QRgb neroIcona = qRgb(0, 0, 0);
const QRgb biancoIcona = qRgb(255, 255, 255);
const QRgb arancioIcona = qRgb(0xFF, 0x8C, 0x1A);

// Three lines of `linea` pixels around two cells of `cella` pixels, in each direction.
struct GrigliaIcona {
    int linea;
    int cella;

    explicit GrigliaIcona(int lato)
        : linea(std::max(1, static_cast<int>(std::lround(lato / 32.0)))),
          cella((lato - 3 * linea) / 2)
    {
    }
    int inizioCella(int i) const { return linea + i * (cella + linea); }
    int usato() const { return 3 * linea + 2 * cella; }
    // Cell (colonna, riga): the lower right one is orange.
    QRgb colore(int colonna, int riga) const
    {
        return colonna == 1 && riga == 1 ? arancioIcona : biancoIcona;
    }
};

} // namespace

QImage iconaProgramma(int lato)
{
    const GrigliaIcona g(lato);
    QImage img(lato, lato, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    // The lines are the black square the cells are laid on.
    for (int y = 0; y < g.usato(); ++y)
        for (int x = 0; x < g.usato(); ++x)
            img.setPixel(x, y, neroIcona);
    for (int riga = 0; riga < 2; ++riga)
        for (int colonna = 0; colonna < 2; ++colonna)
            for (int y = 0; y < g.cella; ++y)
                for (int x = 0; x < g.cella; ++x)
                    img.setPixel(g.inizioCella(colonna) + x, g.inizioCella(riga) + y,
                                 g.colore(colonna, riga));
    return img;
}

QImage icona()
{
    // Lines at 0, 15 and 30 leave four 14x14 cells.
    return iconaProgramma(31).convertToFormat(QImage::Format_RGB32);
}

QByteArray iconaSvg()
{
    constexpr int lato = 256;
    const GrigliaIcona g(lato);
    const auto esadecimale = [](QRgb c) {
        return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0'));
    };
    QString testo =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                       "viewBox=\"0 0 %1 %1\" shape-rendering=\"crispEdges\">\n"
                       "  <title>GridoraPC</title>\n"
                       "  <rect x=\"0\" y=\"0\" width=\"%2\" height=\"%2\" fill=\"%3\"/>\n")
            .arg(lato)
            .arg(g.usato())
            .arg(esadecimale(neroIcona));
    for (int riga = 0; riga < 2; ++riga)
        for (int colonna = 0; colonna < 2; ++colonna)
            testo += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" "
                                    "fill=\"%4\"/>\n")
                         .arg(g.inizioCella(colonna))
                         .arg(g.inizioCella(riga))
                         .arg(g.cella)
                         .arg(esadecimale(g.colore(colonna, riga)));
    testo += QStringLiteral("</svg>\n");
    return testo.toUtf8();
}

} // namespace genera
