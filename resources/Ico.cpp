#include "resources/Ico.h"

#include <QtEndian>
#include <algorithm>

namespace gridora::risorse {

namespace {

quint16 parola(const QByteArray& dati, qsizetype pos)
{
    return qFromLittleEndian<quint16>(dati.constData() + pos);
}
quint32 doppiaParola(const QByteArray& dati, qsizetype pos)
{
    return qFromLittleEndian<quint32>(dati.constData() + pos);
}

// A bitmap entry as its header describes it; null `bit` when the header is not one.
struct Dib {
    int larghezza = 0, altezza = 0, bit = 0;
    int colori = 0;                            // palette entries
    qsizetype pixel = 0, maschera = 0;         // where the colours and the mask start
    qsizetype rigaPixel = 0, rigaMaschera = 0; // bytes of a row, padded to 4
    bool conMaschera = false;
};

constexpr qint32 LatoMassimoVoce = 1 << 16;

Dib leggiDib(const QByteArray& voce)
{
    Dib d;
    if (voce.size() < 40)
        return {};
    const quint32 intestazione = doppiaParola(voce, 0);
    const auto larghezza = static_cast<qint32>(doppiaParola(voce, 4));
    const auto altezza = static_cast<qint32>(doppiaParola(voce, 8)) / 2; // colours, then mask
    const int bit = parola(voce, 14);
    const quint32 usati = doppiaParola(voce, 32);
    const bool bitValidi = bit == 1 || bit == 4 || bit == 8 || bit == 16 || bit == 24 || bit == 32;
    if (intestazione < 40 || intestazione > quint32(voce.size()) || larghezza < 1 ||
        larghezza > LatoMassimoVoce || altezza < 1 || altezza > LatoMassimoVoce || !bitValidi ||
        doppiaParola(voce, 16) != 0) // compressed or with bit fields
        return {};
    d.larghezza = larghezza;
    d.altezza = altezza;
    d.colori = bit > 8 ? 0 : usati > 0 && usati < (1u << bit) ? int(usati) : 1 << bit;
    d.pixel = qsizetype(intestazione) + 4 * d.colori;
    d.rigaPixel = (qsizetype(larghezza) * bit + 31) / 32 * 4;
    d.maschera = d.pixel + d.rigaPixel * altezza;
    d.rigaMaschera = (qsizetype(larghezza) + 31) / 32 * 4;
    d.conMaschera = d.maschera + d.rigaMaschera * altezza <= voce.size();
    // Only a 32-bit picture may do without its mask: its alpha channel says the same.
    if (d.maschera > voce.size() || (!d.conMaschera && bit != 32))
        return {};
    d.bit = bit;
    return d;
}

// The colour of pixel x of a row of colours.
QRgb colorePixel(const Dib& d, const uchar* riga, qsizetype x, const QRgb* tavolozza, bool alfa)
{
    const auto indice = [&](int i) { return i < d.colori ? tavolozza[i] : qRgb(0, 0, 0); };
    switch (d.bit) {
    case 1:
        return indice((riga[x / 8] >> (7 - x % 8)) & 1);
    case 4:
        return indice(x % 2 == 0 ? riga[x / 2] >> 4 : riga[x / 2] & 0x0F);
    case 8:
        return indice(riga[x]);
    case 16: { // 5 bits each of red, green and blue
        const int v = riga[2 * x] | riga[2 * x + 1] << 8;
        const auto otto = [](int c) { return c << 3 | c >> 2; };
        return qRgb(otto(v >> 10 & 31), otto(v >> 5 & 31), otto(v & 31));
    }
    case 24:
        return qRgb(riga[3 * x + 2], riga[3 * x + 1], riga[3 * x]);
    default:
        return qRgba(riga[4 * x + 2], riga[4 * x + 1], riga[4 * x], alfa ? riga[4 * x + 3] : 255);
    }
}

// A 32-bit picture whose alpha channel is not all zero uses it instead of the mask.
bool alfaUsata(const Dib& d, const uchar* pixel)
{
    if (d.bit != 32)
        return false;
    for (qsizetype i = 3; i < d.rigaPixel * d.altezza; i += 4) {
        if (pixel[i] != 0)
            return true;
    }
    return false;
}

} // namespace

std::optional<VoceIco> primaVoceIco(const QByteArray& intestazione)
{
    if (intestazione.size() < IntestazioneIco || parola(intestazione, 0) != 0 ||
        parola(intestazione, 4) < 1)
        return std::nullopt;
    const quint16 tipo = parola(intestazione, 2);
    if (tipo != IcoIcona && tipo != IcoCursore)
        return std::nullopt;
    const QPoint caldo =
        tipo == IcoCursore ? QPoint(parola(intestazione, 10), parola(intestazione, 12)) : QPoint();
    const quint32 inizio = doppiaParola(intestazione, 18);
    if (inizio < IntestazioneIco)
        return std::nullopt;
    return VoceIco{tipo, caldo, inizio, doppiaParola(intestazione, 14)};
}

bool voceIcoPng(const QByteArray& voce)
{
    return voce.startsWith("\x89PNG\r\n\x1A\n");
}

QSize dimensioneVoceIco(const QByteArray& voce)
{
    const Dib d = leggiDib(voce);
    return d.bit ? QSize(d.larghezza, d.altezza) : QSize();
}

QImage decodificaVoceIco(const QByteArray& voce, QSize massima)
{
    const Dib d = leggiDib(voce);
    if (!d.bit)
        return {};
    const auto* byte = reinterpret_cast<const uchar*>(voce.constData());
    QRgb tavolozza[256];
    for (int i = 0; i < d.colori; ++i) {
        const uchar* c = byte + doppiaParola(voce, 0) + 4 * i;
        tavolozza[i] = qRgb(c[2], c[1], c[0]);
    }
    const bool alfa = alfaUsata(d, byte + d.pixel);
    const QSize uscita = massima.isEmpty() ? QSize(d.larghezza, d.altezza)
                                           : QSize(std::min(d.larghezza, massima.width()),
                                                   std::min(d.altezza, massima.height()));
    QImage figura(uscita, QImage::Format_ARGB32);
    for (int y = 0; y < uscita.height(); ++y) {
        const qsizetype rigaFile = d.altezza - 1 - qsizetype(y) * d.altezza / uscita.height();
        const uchar* pixel = byte + d.pixel + rigaFile * d.rigaPixel; // rows are stored bottom-up
        const uchar* maschera = byte + d.maschera + rigaFile * d.rigaMaschera;
        auto* destinazione = reinterpret_cast<QRgb*>(figura.scanLine(y));
        for (int x = 0; x < uscita.width(); ++x) {
            const qsizetype xFile = qsizetype(x) * d.larghezza / uscita.width();
            const bool trasparente =
                !alfa && d.conMaschera && (maschera[xFile / 8] & (0x80 >> (xFile % 8)));
            destinazione[x] = trasparente ? 0 : colorePixel(d, pixel, xFile, tavolozza, alfa);
        }
    }
    return figura;
}

} // namespace gridora::risorse
