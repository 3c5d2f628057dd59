#include "resources/Risorse.h"

#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QtEndian>
#include <algorithm>
#include <array>

namespace gridora::risorse {

namespace {

constexpr std::array Tabella = {
    Voce{Tipo::Bitmap, nullptr, 101, ":/bitmap/101.bmp", {}},
    Voce{Tipo::Bitmap, nullptr, 102, ":/bitmap/102.bmp", {}},
    Voce{Tipo::Bitmap, nullptr, 103, ":/bitmap/103.bmp", {}},
    Voce{Tipo::Bitmap, nullptr, 104, ":/bitmap/104.bmp", {}},
    Voce{Tipo::Bitmap, nullptr, 105, ":/bitmap/105.bmp", {}},
    Voce{Tipo::Bitmap, nullptr, 106, ":/bitmap/106.bmp", {}},
    Voce{Tipo::Bitmap, nullptr, 107, ":/bitmap/107.bmp", {}},
    Voce{Tipo::Bitmap, "LOGO", 0, ":/bitmap/LOGO.bmp", {}},
    Voce{Tipo::Bitmap, "FACILE", 0, ":/bitmap/FACILE.bmp", {}},
    Voce{Tipo::Bitmap, "MEDIO", 0, ":/bitmap/MEDIO.bmp", {}},
    Voce{Tipo::Bitmap, "DIFFICILE", 0, ":/bitmap/DIFFICILE.bmp", {}},
    Voce{Tipo::Bitmap, "LIBERO", 0, ":/bitmap/LIBERO.bmp", {}},
    Voce{Tipo::Bitmap, "ICONA", 0, ":/bitmap/ICONA.bmp", {}},
    Voce{Tipo::Bitmap, "INIZIO", 0, ":/bitmap/INIZIO.bmp", {}},
    Voce{Tipo::Bitmap, "AIUTO", 0, ":/bitmap/AIUTO.bmp", {}},
    Voce{Tipo::Bitmap, "MOSTRA", 0, ":/bitmap/MOSTRA.bmp", {}},
    Voce{Tipo::Bitmap, "MOSTRA2", 0, ":/bitmap/MOSTRA2.bmp", {}},
    Voce{Tipo::Bitmap, "DISEGNO", 0, ":/bitmap/DISEGNO.bmp", {}},
    Voce{Tipo::Bitmap, "CARICA", 0, ":/bitmap/CARICA.bmp", {}},
    Voce{Tipo::Bitmap, "IMPORTA", 0, ":/bitmap/IMPORTA.bmp", {}},
    Voce{Tipo::Puntatore, "MANO", 0, ":/puntatori/MANO.cur", {12, 1}},
    Voce{Tipo::Puntatore, "PENNA", 0, ":/puntatori/PENNA.cur", {2, 3}},
    Voce{Tipo::Puntatore, "PENNA2", 0, ":/puntatori/PENNA2.cur", {12, 22}},
    Voce{Tipo::Puntatore, "GOMMA", 0, ":/puntatori/GOMMA.cur", {7, 20}},
    Voce{Tipo::Puntatore, "RIEMPI", 0, ":/puntatori/RIEMPI.cur", {10, 21}},
    Voce{Tipo::Puntatore, "TRE", 0, ":/puntatori/TRE.cur", {0, 0}},
    Voce{Tipo::Puntatore, "DUE", 0, ":/puntatori/DUE.cur", {0, 0}},
    Voce{Tipo::Puntatore, "UNO", 0, ":/puntatori/UNO.cur", {0, 0}},
    Voce{Tipo::Puntatore, "VIA", 0, ":/puntatori/VIA.cur", {0, 0}},
    Voce{Tipo::Puntatore, "2MIN", 0, ":/puntatori/2MIN.cur", {0, 0}},
    Voce{Tipo::Puntatore, "4MIN", 0, ":/puntatori/4MIN.cur", {0, 0}},
    Voce{Tipo::Puntatore, "8MIN", 0, ":/puntatori/8MIN.cur", {0, 0}},
    Voce{Tipo::Suono, nullptr, 101, ":/suoni/101.wav", {}},
    Voce{Tipo::Suono, nullptr, 102, ":/suoni/102.wav", {}},
    Voce{Tipo::Suono, nullptr, 103, ":/suoni/103.wav", {}},
    Voce{Tipo::Suono, nullptr, 104, ":/suoni/104.wav", {}},
    Voce{Tipo::Suono, nullptr, 105, ":/suoni/105.wav", {}},
    Voce{Tipo::Suono, nullptr, 106, ":/suoni/106.wav", {}},
    Voce{Tipo::Suono, nullptr, 108, ":/suoni/108.wav", {}},
};

constexpr auto FileIcona = ":/finestra/gridora.ico";
constexpr auto FilePulsanteRecord = ":/finestra/pulsante_record.jpg";

QByteArray leggi(const char* file)
{
    QFile f(QString::fromLatin1(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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

// The first picture of an icon (type 1) or cursor (type 2) file, when it is a bitmap.
ImmaginePuntatore decodificaIco(const QByteArray& dati, quint16 tipo)
{
    const std::optional<VoceIco> voce = primaVoceIco(dati.left(IntestazioneIco));
    if (!voce || voce->tipo != tipo || voce->inizio >= quint32(dati.size()))
        return {};
    return {decodificaVoceIco(dati.mid(voce->inizio, voce->lunghezza)), voce->puntoCaldo};
}

// An uncompressed 24-bit BMP, as the program's own bitmaps are; a null image otherwise.
QImage decodificaBmp(const QByteArray& dati)
{
    if (dati.size() < 54 || !dati.startsWith("BM") || parola(dati, 28) != 24 ||
        doppiaParola(dati, 30) != 0)
        return {};
    const auto larghezza = static_cast<qint32>(doppiaParola(dati, 18));
    const auto altezzaFile = static_cast<qint32>(doppiaParola(dati, 22));
    const int altezza = std::abs(altezzaFile);
    const qsizetype inizio = doppiaParola(dati, 10);
    const qsizetype riga = (qsizetype(larghezza) * 3 + 3) / 4 * 4;
    if (larghezza < 1 || larghezza > 4096 || altezza < 1 || altezza > 4096 || inizio < 54 ||
        inizio + riga * altezza > dati.size())
        return {};
    QImage figura(larghezza, altezza, QImage::Format_RGB32);
    for (int y = 0; y < altezza; ++y) {
        const int rigaFile = altezzaFile > 0 ? altezza - 1 - y : y; // bottom-up unless negative
        const auto* pixel =
            reinterpret_cast<const quint8*>(dati.constData() + inizio + rigaFile * riga);
        auto* destinazione = reinterpret_cast<QRgb*>(figura.scanLine(y));
        for (int x = 0; x < larghezza; ++x, pixel += 3)
            destinazione[x] = qRgb(pixel[2], pixel[1], pixel[0]);
    }
    return figura;
}

// A picture of the program. Its own bitmaps are decoded here: Qt's reader would load every image
// plugin to ask which one knows the file, a good part of the program's start. Other formats are
// read in the format their name says.
QImage decodifica(const char* file)
{
    const QString percorso = QString::fromLatin1(file);
    const QByteArray formato = QFileInfo(percorso).suffix().toUpper().toLatin1();
    if (formato == "BMP") {
        QImage figura = decodificaBmp(leggi(file));
        if (!figura.isNull())
            return figura;
    }
    return QImage(percorso, formato.constData());
}

// Decoded bitmaps, kept: the board shows the same few cell pictures hundreds of times.
QImage immagineDaFile(const char* file)
{
    static QHash<const char*, QImage> cache;
    auto it = cache.constFind(file);
    if (it == cache.cend())
        it = cache.insert(file, decodifica(file));
    return *it;
}

} // namespace

std::span<const Voce> tabella()
{
    return Tabella;
}

const Voce* trova(Tipo tipo, QStringView nome)
{
    for (const Voce& voce : Tabella) {
        if (voce.tipo == tipo && voce.nome &&
            nome.compare(QLatin1String(voce.nome), Qt::CaseInsensitive) == 0) {
            return &voce;
        }
    }
    return nullptr;
}

const Voce* trova(Tipo tipo, int numero)
{
    for (const Voce& voce : Tabella) {
        if (voce.tipo == tipo && voce.numero == numero)
            return &voce;
    }
    return nullptr;
}

QImage immagine(QStringView nome)
{
    const Voce* voce = trova(Tipo::Bitmap, nome);
    Q_ASSERT_X(voce, "immagine", "bitmap non in tabella");
    return voce ? immagineDaFile(voce->file) : QImage();
}

QImage immagine(int numero)
{
    const Voce* voce = trova(Tipo::Bitmap, numero);
    Q_ASSERT_X(voce, "immagine", "bitmap non in tabella");
    return voce ? immagineDaFile(voce->file) : QImage();
}

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

ImmaginePuntatore decodificaCursore(const QByteArray& dati)
{
    ImmaginePuntatore puntatore = decodificaIco(dati, IcoCursore);
    if (puntatore.immagine.size() != QSize(32, 32))
        return {};
    return puntatore;
}

ImmaginePuntatore immaginePuntatore(QStringView nome)
{
    const Voce* voce = trova(Tipo::Puntatore, nome);
    Q_ASSERT_X(voce, "immaginePuntatore", "puntatore non in tabella");
    return voce ? decodificaCursore(leggi(voce->file)) : ImmaginePuntatore{};
}

QCursor puntatore(QStringView nome)
{
    static QHash<QString, QCursor> cache;
    const QString chiave = nome.toString().toUpper();
    auto it = cache.constFind(chiave);
    if (it == cache.cend()) {
        const ImmaginePuntatore p = immaginePuntatore(nome);
        it = cache.insert(
            chiave, QCursor(QPixmap::fromImage(p.immagine), p.puntoCaldo.x(), p.puntoCaldo.y()));
    }
    return *it;
}

QByteArray suono(int numero)
{
    const Voce* voce = trova(Tipo::Suono, numero);
    Q_ASSERT_X(voce, "suono", "suono non in tabella");
    return voce ? leggi(voce->file) : QByteArray();
}

QIcon icona()
{
    return QIcon(QPixmap::fromImage(decodificaIco(leggi(FileIcona), IcoIcona).immagine));
}

QImage pulsanteRecord()
{
    return immagineDaFile(FilePulsanteRecord);
}

QString famigliaCaratteri()
{
    static const QString famiglia = [] {
        QString nome;
        for (const char* file :
             {":/font/LiberationSans-Regular.ttf", ":/font/LiberationSans-Bold.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
            const QStringList famiglie = QFontDatabase::applicationFontFamilies(id);
            if (nome.isEmpty() && !famiglie.isEmpty())
                nome = famiglie.first();
        }
        return nome;
    }();
    return famiglia;
}

} // namespace gridora::risorse
