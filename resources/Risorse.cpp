#include "resources/Risorse.h"

#include "resources/Ico.h"

#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QtEndian>
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
