#include "Icone.h"

#include "Byte.h"

#include <stdexcept>

namespace genera {

const std::array<QRgb, 16>& tavolozzaVga()
{
    static const std::array<QRgb, 16> colori = {
        qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00),
        qRgb(0x80, 0x80, 0x00), qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80),
        qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0), qRgb(0x80, 0x80, 0x80),
        qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
        qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF),
        qRgb(0xFF, 0xFF, 0xFF),
    };
    return colori;
}

namespace {

bool trasparente(QRgb p)
{
    return qAlpha(p) < 128;
}

quint8 indiceVga(QRgb p)
{
    const auto& colori = tavolozzaVga();
    for (std::size_t i = 0; i < colori.size(); ++i) {
        if (qRed(colori[i]) == qRed(p) && qGreen(colori[i]) == qGreen(p) &&
            qBlue(colori[i]) == qBlue(p))
            return static_cast<quint8>(i);
    }
    throw std::runtime_error("colore fuori dalla tavolozza VGA");
}

// BITMAPINFOHEADER, palette, XOR rows and AND rows, all bottom-up. Where the mask is
// transparent the colour bits are zero, as the AND/XOR rule requires.
QByteArray immagineConMaschera(const QImage& sorgente, int bitPerPixel)
{
    const QImage img = sorgente.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    const int byteRigaXor = ((w * bitPerPixel + 31) / 32) * 4;
    const int byteRigaAnd = ((w + 31) / 32) * 4;
    const int coloriTavolozza = bitPerPixel == 4 ? 16 : 0;

    Byte b;
    b.u32(40);
    b.i32(w);
    b.i32(h * 2);
    b.u16(1);
    b.u16(static_cast<quint16>(bitPerPixel));
    b.u32(0);
    b.u32(static_cast<quint32>((byteRigaXor + byteRigaAnd) * h));
    b.i32(0);
    b.i32(0);
    b.u32(static_cast<quint32>(coloriTavolozza));
    b.u32(0);
    if (bitPerPixel == 4) {
        for (const QRgb c : tavolozzaVga()) {
            b.u8(static_cast<quint8>(qBlue(c)));
            b.u8(static_cast<quint8>(qGreen(c)));
            b.u8(static_cast<quint8>(qRed(c)));
            b.u8(0);
        }
    }

    for (int y = h - 1; y >= 0; --y) {
        QByteArray riga(byteRigaXor, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb p = img.pixel(x, y);
            if (trasparente(p))
                continue;
            if (bitPerPixel == 4) {
                const int spostamento = x % 2 == 0 ? 4 : 0; // the left pixel is the high nibble
                riga[x / 2] = static_cast<char>(static_cast<quint8>(riga[x / 2]) |
                                                (indiceVga(p) << spostamento));
            } else {
                riga[x * 3] = static_cast<char>(qBlue(p));
                riga[x * 3 + 1] = static_cast<char>(qGreen(p));
                riga[x * 3 + 2] = static_cast<char>(qRed(p));
            }
        }
        b.blocco(riga);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray riga(byteRigaAnd, '\0');
        for (int x = 0; x < w; ++x) {
            if (trasparente(img.pixel(x, y)))
                riga[x / 8] = static_cast<char>(riga[x / 8] | (0x80 >> (x % 8)));
        }
        b.blocco(riga);
    }
    return b.dati;
}

// ICONDIR with a single ICONDIRENTRY; the two words at +4 and +6 of the entry are the
// planes and bit count of an icon, or the hot spot of a pointer.
QByteArray contenitore(quint16 tipo, const QImage& img, quint8 colori, quint16 parola4,
                       quint16 parola6, const QByteArray& immagine)
{
    if (img.width() > 255 || img.height() > 255)
        throw std::runtime_error("immagine troppo grande per un'icona");
    Byte b;
    b.u16(0);
    b.u16(tipo);
    b.u16(1);
    b.u8(static_cast<quint8>(img.width()));
    b.u8(static_cast<quint8>(img.height()));
    b.u8(colori);
    b.u8(0);
    b.u16(parola4);
    b.u16(parola6);
    b.u32(static_cast<quint32>(immagine.size()));
    b.u32(6 + 16);
    b.blocco(immagine);
    return b.dati;
}

} // namespace

QByteArray fileIcona(const QImage& immagine)
{
    return contenitore(1, immagine, 0, 1, 24, immagineConMaschera(immagine, 24));
}

QByteArray filePuntatore(const QImage& immagine, QPoint puntoCaldo, Profondita profondita)
{
    if (!immagine.rect().contains(puntoCaldo))
        throw std::runtime_error("punto caldo fuori dall'immagine");
    const bool sedici = profondita == Profondita::SediciColori;
    return contenitore(2, immagine, sedici ? 16 : 0, static_cast<quint16>(puntoCaldo.x()),
                       static_cast<quint16>(puntoCaldo.y()),
                       immagineConMaschera(immagine, sedici ? 4 : 24));
}

} // namespace genera
