#include "import/LetturaImmagine.h"

#include "model/FileSicuri.h"
#include "resources/Ico.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <algorithm>
#include <climits>

namespace gridora {

namespace {

quint32 parola16(const QByteArray& b, qsizetype i)
{
    return quint32(quint8(b[i])) | (quint32(quint8(b[i + 1])) << 8);
}

quint32 parola32(const QByteArray& b, qsizetype i)
{
    return parola16(b, i) | (parola16(b, i + 2) << 16);
}

// Restores a device's position when leaving a check.
class Riavvolgi {
public:
    explicit Riavvolgi(QIODevice& d) : m_d(d), m_pos(d.pos()) {}
    ~Riavvolgi() { m_d.seek(m_pos); }
    Riavvolgi(const Riavvolgi&) = delete;
    Riavvolgi& operator=(const Riavvolgi&) = delete;

private:
    QIODevice& m_d;
    qint64 m_pos;
};

int leggiByte(QIODevice& d)
{
    char c;
    return d.getChar(&c) ? quint8(c) : -1;
}

bool salta(QIODevice& d, qint64 quanti, qint64 dimensione)
{
    const qint64 dove = d.pos() + quanti;
    return dove <= dimensione && d.seek(dove);
}

// A BMP decoder happily paints the rows a short file lacks in black: the pixel data the header
// describes must all be there.
bool bmpCompleto(QIODevice& d, qint64 dimensione, QSize& annunciata)
{
    Riavvolgi riavvolgi(d);
    if (!d.seek(0))
        return false;
    const QByteArray h = d.read(54);
    if (h.size() < 26)
        return false;
    const qint64 inizioPixel = parola32(h, 10);
    const quint32 dimIntestazione = parola32(h, 14);
    qint64 larghezza = 0, altezza = 0, bit = 0, compressione = 0, dimImmagine = 0;
    if (dimIntestazione == 12) { // OS/2 core header
        larghezza = parola16(h, 18);
        altezza = parola16(h, 20);
        bit = parola16(h, 24);
    } else {
        if (h.size() < 54 || dimIntestazione < 40)
            return false;
        larghezza = qint32(parola32(h, 18));
        altezza = qint32(parola32(h, 22));
        bit = parola16(h, 28);
        compressione = parola32(h, 30);
        dimImmagine = parola32(h, 34);
    }
    altezza = std::abs(altezza); // negative: rows top-down
    annunciata =
        QSize(int(std::min<qint64>(larghezza, INT_MAX)), int(std::min<qint64>(altezza, INT_MAX)));
    if (larghezza <= 0 || altezza == 0 || bit == 0)
        return false;
    switch (compressione) {
    case 0: // uncompressed, plain or with bit fields
    case 3:
    case 6: {
        const qint64 riga = (larghezza * bit + 31) / 32 * 4; // below 2^45
        return inizioPixel <= dimensione && altezza <= (dimensione - inizioPixel) / riga;
    }
    case 1: // run-length encoded: the header's own byte count, when it gives one
    case 2:
        return dimImmagine > 0 ? inizioPixel + dimImmagine <= dimensione : inizioPixel < dimensione;
    default:
        return false;
    }
}

// A truncated JPEG decodes to a picture grey at the bottom: its end marker must follow the
// first scan. Entropy-coded data never holds FF followed by anything but 00 or a restart marker,
// so the first FF D9 after the first scan header is the end, and every FF DA a further scan. A
// progressive picture with very many scans would keep the decoder busy for minutes: they are
// limited. Also gives the frame's size and whether it is progressive.
bool jpegCompleto(QIODevice& d, qint64 dimensione, QSize& annunciata, bool& progressiva)
{
    constexpr int ScansioniMassime = 100;
    Riavvolgi riavvolgi(d);
    if (!d.seek(2)) // past FF D8
        return false;
    for (;;) {
        int b = leggiByte(d);
        if (b != 0xFF)
            return false;
        while (b == 0xFF)
            b = leggiByte(d);
        if (b < 0 || b == 0xD9)
            return false; // ends before any scan
        if ((b >= 0xD0 && b <= 0xD7) || b == 0x01)
            continue; // markers without a segment
        const int alto = leggiByte(d);
        const int basso = leggiByte(d);
        const int lunghezza = alto << 8 | basso;
        if (alto < 0 || basso < 0 || lunghezza < 2)
            return false;
        const bool fotogramma = b >= 0xC0 && b <= 0xCF && b != 0xC4 && b != 0xC8 && b != 0xCC;
        if (fotogramma && lunghezza >= 7) {
            const QByteArray f = d.peek(5); // precision, height, width (big endian)
            if (f.size() < 5)
                return false;
            annunciata = QSize(quint8(f[3]) << 8 | quint8(f[4]), quint8(f[1]) << 8 | quint8(f[2]));
            progressiva = b == 0xC2 || b == 0xC6 || b == 0xCA || b == 0xCE;
        }
        if (!salta(d, lunghezza - 2, dimensione))
            return false;
        if (b == 0xDA)
            break; // start of scan
    }
    char blocco[65536];
    bool ff = false;
    int scansioni = 1;
    for (;;) {
        const qint64 letti = d.read(blocco, sizeof blocco);
        if (letti <= 0)
            return false;
        for (qint64 i = 0; i < letti; ++i) {
            const auto c = quint8(blocco[i]);
            if (ff && c == 0xD9)
                return true;
            if (ff && c == 0xDA && ++scansioni > ScansioniMassime)
                return false;
            ff = c == 0xFF;
        }
    }
}

bool saltaSottoblocchi(QIODevice& d, qint64 dimensione)
{
    for (;;) {
        const int n = leggiByte(d);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!salta(d, n, dimensione))
            return false;
    }
}

// The first frame of a GIF must be whole: its image data sub-blocks up to their terminator.
// `annunciata` is the logical screen, widened to the first frame where that goes beyond it.
bool gifCompleto(QIODevice& d, qint64 dimensione, QSize& annunciata)
{
    Riavvolgi riavvolgi(d);
    if (!d.seek(0))
        return false;
    const QByteArray h = d.read(13);
    if (h.size() < 13)
        return false;
    annunciata = QSize(int(parola16(h, 6)), int(parola16(h, 8)));
    const int schermo = quint8(h[10]);
    if ((schermo & 0x80) && !salta(d, 3 * (qint64(2) << (schermo & 7)), dimensione))
        return false;
    for (;;) {
        switch (leggiByte(d)) {
        case 0x21: // extension: label, then sub-blocks
            if (leggiByte(d) < 0 || !saltaSottoblocchi(d, dimensione))
                return false;
            break;
        case 0x2C: { // image descriptor
            const QByteArray im = d.read(9);
            if (im.size() < 9)
                return false;
            annunciata = annunciata.expandedTo(QSize(int(parola16(im, 0) + parola16(im, 4)),
                                                     int(parola16(im, 2) + parola16(im, 6))));
            const int locale = quint8(im[8]);
            if ((locale & 0x80) && !salta(d, 3 * (qint64(2) << (locale & 7)), dimensione))
                return false;
            if (leggiByte(d) < 0) // LZW minimum code size
                return false;
            return saltaSottoblocchi(d, dimensione);
        }
        default: // trailer before any frame, or garbage
            return false;
        }
    }
}

QSize limitata(QSize massima)
{
    return QSize(std::clamp(massima.width(), 1, LatoMassimoRichiesto),
                 std::clamp(massima.height(), 1, LatoMassimoRichiesto));
}

QSize entro(QSize originale, QSize massima)
{
    return QSize(std::min(originale.width(), massima.width()),
                 std::min(originale.height(), massima.height()));
}

EsitoImmagine fallita(ErroreImmagine errore)
{
    return EsitoImmagine{QImage(), errore};
}

bool dimensioniAccettabili(QSize s, const LimitiImmagine& limiti)
{
    return s.width() > 0 && s.height() > 0 && s.width() <= limiti.latoMassimo &&
           s.height() <= limiti.latoMassimo &&
           qint64(s.width()) * s.height() <= limiti.pixelMassimi;
}

// Fits a decoded picture within `massima`. A large one is first cut down in its own format (one
// bit a pixel for a black-and-white scan) to four times that size, taking every so many pixels,
// then smoothed: it never gets a full-size 32-bit copy.
QImage riduci(QImage immagine, QSize massima)
{
    const QSize finale = entro(immagine.size(), massima);
    if (immagine.size() == finale)
        return immagine;
    const QSize intermedia = entro(immagine.size(), finale * 4);
    if (intermedia != immagine.size())
        immagine = immagine.scaled(intermedia, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (immagine.depth() < 32)
        immagine = immagine.convertToFormat(immagine.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                       : QImage::Format_RGB32);
    return immagine.scaled(finale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Qt's reader for `formato` on the device; `propria` is the size our own reading of the header
// found, when it is the one to trust.
EsitoImmagine decodificaConQt(QIODevice& d, const char* formato, QSize propria, QSize massima,
                              const LimitiImmagine& limiti)
{
    QImageReader lettore(&d, formato);
    lettore.setAutoDetectImageFormat(false);
    lettore.setDecideFormatFromContent(false);
    lettore.setAutoTransform(false);
    const QSize annunciata = propria.isValid() ? propria : lettore.size();
    if (!annunciata.isValid())
        return fallita(ErroreImmagine::Danneggiata);
    if (!dimensioniAccettabili(annunciata, limiti))
        return fallita(ErroreImmagine::DimensioniEccessive);
    // A reader that can decode straight at a reduced size (JPEG) is asked to; the others decode
    // whole, within Qt's allocation limit (see the constructor), and are reduced afterwards.
    const QSize voluta = entro(annunciata, limitata(massima));
    if (voluta != annunciata && lettore.supportsOption(QImageIOHandler::ScaledSize))
        lettore.setScaledSize(voluta);
    const QImage immagine = lettore.read();
    if (immagine.isNull())
        return fallita(ErroreImmagine::Danneggiata);
    // A picture larger than its header said (an icon's PNG may be) is fitted like the rest.
    return EsitoImmagine{riduci(immagine, limitata(massima)), ErroreImmagine::Nessuno};
}

// An icon or cursor: the picture of its directory's first entry, a PNG through Qt's reader, a
// bitmap through the program's own decoder, which applies the transparency mask at every depth.
EsitoImmagine decodificaIcona(QIODevice& d, qint64 dimensione, QSize massima,
                              const LimitiImmagine& limiti)
{
    const auto voce = risorse::primaVoceIco(d.peek(risorse::IntestazioneIco));
    if (!voce || voce->lunghezza == 0 || qint64(voce->inizio) + voce->lunghezza > dimensione ||
        !d.seek(voce->inizio))
        return fallita(ErroreImmagine::Danneggiata);
    QByteArray dati = d.read(voce->lunghezza);
    if (dati.size() != qsizetype(voce->lunghezza))
        return fallita(ErroreImmagine::NonLeggibile);
    if (risorse::voceIcoPng(dati)) {
        QBuffer png(&dati);
        png.open(QIODevice::ReadOnly);
        return decodificaConQt(png, "png", QSize(), massima, limiti);
    }
    const QSize annunciata = risorse::dimensioneVoceIco(dati);
    if (!annunciata.isValid())
        return fallita(ErroreImmagine::Danneggiata);
    if (!dimensioniAccettabili(annunciata, limiti))
        return fallita(ErroreImmagine::DimensioniEccessive);
    return EsitoImmagine{risorse::decodificaVoceIco(dati, limitata(massima)),
                         ErroreImmagine::Nessuno};
}

EsitoImmagine decodificaRaster(QIODevice& d, qint64 dimensione, FormatoImmagine formato,
                               QSize massima, const LimitiImmagine& limiti)
{
    // Our own reading of the structure first: the dimensions BMP and GIF headers announce, and
    // whether all the data they describe is there.
    QSize propria;
    bool completa = true;
    switch (formato) {
    case FormatoImmagine::Bmp:
        completa = bmpCompleto(d, dimensione, propria);
        break;
    case FormatoImmagine::Jpeg: {
        bool progressiva = false;
        completa = jpegCompleto(d, dimensione, propria, progressiva);
        // A progressive JPEG keeps all its coefficients in memory, up to 6 bytes a pixel, however
        // small it is decoded.
        if (progressiva &&
            qint64(propria.width()) * propria.height() > limiti.pixelMassimiProgressivi)
            return fallita(ErroreImmagine::DimensioniEccessive);
        break;
    }
    case FormatoImmagine::Gif:
        completa = gifCompleto(d, dimensione, propria);
        break;
    default:
        return decodificaIcona(d, dimensione, massima, limiti);
    }
    if (propria.isValid() && !propria.isEmpty() && !dimensioniAccettabili(propria, limiti))
        return fallita(ErroreImmagine::DimensioniEccessive);
    if (!completa)
        return fallita(ErroreImmagine::Danneggiata);
    // Qt gives a top-down BMP a negative height: our own reading of its header stands instead.
    const bool bmp = formato == FormatoImmagine::Bmp;
    return decodificaConQt(d,
                           bmp                                ? "bmp"
                           : formato == FormatoImmagine::Jpeg ? "jpeg"
                                                              : "gif",
                           bmp ? propria : QSize(), massima, limiti);
}

// The helper reads one line "WIDTHxHEIGHT\n" with the largest size wanted, then the metafile;
// it answers with a PNG on its standard output and exit code 0.
QByteArray richiestaWmf(QSize massima)
{
    return QByteArray::number(massima.width()) + 'x' + QByteArray::number(massima.height()) + '\n';
}

} // namespace

FormatoImmagine riconosciFormato(const QByteArray& inizio)
{
    const auto byte = [&](qsizetype i) { return i < inizio.size() ? int(quint8(inizio[i])) : -1; };
    if (inizio.startsWith("BM"))
        return FormatoImmagine::Bmp;
    if (byte(0) == 0xFF && byte(1) == 0xD8 && byte(2) == 0xFF)
        return FormatoImmagine::Jpeg;
    if (inizio.startsWith("GIF87a") || inizio.startsWith("GIF89a"))
        return FormatoImmagine::Gif;
    if (inizio.size() >= 6 && byte(0) == 0 && byte(1) == 0 && byte(3) == 0 &&
        (byte(4) | byte(5)) != 0) {
        if (byte(2) == 1)
            return FormatoImmagine::Ico;
        if (byte(2) == 2)
            return FormatoImmagine::Cur;
    }
    if (byte(0) == 0xD7 && byte(1) == 0xCD && byte(2) == 0xC6 && byte(3) == 0x9A)
        return FormatoImmagine::Wmf; // placeable
    if ((byte(0) == 1 || byte(0) == 2) && byte(1) == 0 && byte(2) == 9 && byte(3) == 0 &&
        byte(4) == 0 && (byte(5) == 1 || byte(5) == 3))
        return FormatoImmagine::Wmf; // plain header: memory or disk metafile, 9 words, 1.0 or 3.0
    return FormatoImmagine::Sconosciuto;
}

LetturaImmagine::LetturaImmagine(QString programmaWmf, LimitiImmagine limiti)
    : m_programmaWmf(std::move(programmaWmf)), m_limiti(limiti)
{
    // Qt's readers refuse a picture whose decoded size, counted at 4 bytes a pixel, exceeds their
    // allocation limit (128 MB unless changed, a setting of the whole process): every picture
    // within our own limits must get through it.
    const qint64 megabyte = (m_limiti.pixelMassimi * 4 + (1 << 20) - 1) >> 20;
    if (megabyte > QImageReader::allocationLimit())
        QImageReader::setAllocationLimit(int(std::min<qint64>(megabyte, INT_MAX)));
}

EsitoImmagine LetturaImmagine::leggi(const QString& percorso, QSize massima) const
{
    return leggi(QFile::encodeName(percorso), massima);
}

EsitoImmagine LetturaImmagine::leggi(const QByteArray& percorso, QSize massima) const
{
    QFile file;
    qint64 dimensione = 0;
    switch (apriFileRegolare(percorso, file, dimensione)) {
    case AperturaFile::Aperto:
        return decodifica(file, dimensione, massima);
    case AperturaFile::NonLeggibile:
        return fallita(ErroreImmagine::NonLeggibile);
    case AperturaFile::NonUnFile:
        break;
    }
    return fallita(ErroreImmagine::NonUnFile);
}

EsitoImmagine LetturaImmagine::decodifica(const QByteArray& dati, QSize massima) const
{
    QByteArray copia = dati; // shares the bytes; QBuffer only reads them
    QBuffer buffer(&copia);
    buffer.open(QIODevice::ReadOnly);
    return decodifica(buffer, copia.size(), massima);
}

EsitoImmagine LetturaImmagine::decodifica(QIODevice& dispositivo, qint64 dimensione,
                                          QSize massima) const
{
    if (dimensione <= 0)
        return fallita(ErroreImmagine::Vuoto);
    if (dimensione > m_limiti.byteMassimi)
        return fallita(ErroreImmagine::TroppoGrande);
    const QByteArray inizio = dispositivo.peek(16);
    if (inizio.isEmpty())
        return fallita(ErroreImmagine::NonLeggibile);
    const FormatoImmagine formato = riconosciFormato(inizio);
    switch (formato) {
    case FormatoImmagine::Sconosciuto:
        return fallita(ErroreImmagine::FormatoSconosciuto);
    case FormatoImmagine::Wmf: {
        if (dimensione > m_limiti.byteMassimiWmf)
            return fallita(ErroreImmagine::TroppoGrande);
        const QByteArray wmf = dispositivo.read(dimensione);
        if (wmf.size() != dimensione)
            return fallita(ErroreImmagine::NonLeggibile);
        return convertiWmf(wmf, limitata(massima));
    }
    default:
        return decodificaRaster(dispositivo, dimensione, formato, massima, m_limiti);
    }
}

EsitoImmagine LetturaImmagine::convertiWmf(const QByteArray& wmf, QSize massima) const
{
    if (m_programmaWmf.isEmpty())
        return fallita(ErroreImmagine::ProgrammaWmfMancante);
    const QDeadlineTimer scadenza(m_limiti.attesaWmfMs);
    const auto resto = [&] { return int(std::max<qint64>(0, scadenza.remainingTime())); };
    // The PNG of the largest picture allowed, uncompressed, with room to spare.
    const qint64 pngMassimo = qint64(massima.width()) * massima.height() * 8 + 65536;

    QProcess aiutante;
    aiutante.setProgram(m_programmaWmf);
    aiutante.setStandardErrorFile(QProcess::nullDevice());
    aiutante.start(QIODevice::ReadWrite);
    if (!aiutante.waitForStarted(resto()))
        return fallita(ErroreImmagine::ProgrammaWmfMancante);
    aiutante.write(richiestaWmf(massima));
    aiutante.write(wmf);
    aiutante.closeWriteChannel();

    // Bounded waits without an event loop: the helper has its own CPU limit, this deadline
    // covers the rest, and its output may not grow past what a PNG of that size can need.
    bool troppo = false;
    while (aiutante.state() != QProcess::NotRunning && !scadenza.hasExpired()) {
        if (!aiutante.waitForReadyRead(resto())) {
            aiutante.waitForFinished(resto());
            break;
        }
        if (aiutante.bytesAvailable() > pngMassimo) {
            troppo = true;
            break;
        }
    }
    if (aiutante.state() != QProcess::NotRunning) {
        aiutante.kill();
        aiutante.waitForFinished(1000);
        return fallita(ErroreImmagine::WmfInterrotto);
    }
    if (troppo || aiutante.exitStatus() != QProcess::NormalExit)
        return fallita(ErroreImmagine::WmfInterrotto);
    if (aiutante.exitCode() != 0)
        return fallita(ErroreImmagine::WmfRifiutato);
    const QByteArray png = aiutante.readAllStandardOutput();
    if (png.size() > pngMassimo)
        return fallita(ErroreImmagine::WmfInterrotto);
    return decodificaPngWmf(png, massima);
}

EsitoImmagine decodificaPngWmf(const QByteArray& png, QSize massima)
{
    QByteArray copia = png;
    QBuffer buffer(&copia);
    buffer.open(QIODevice::ReadOnly);
    QImageReader lettore(&buffer, "png");
    lettore.setAutoDetectImageFormat(false);
    lettore.setDecideFormatFromContent(false);
    const QSize annunciata = lettore.size();
    if (!annunciata.isValid() || annunciata.isEmpty() || annunciata.width() > massima.width() ||
        annunciata.height() > massima.height())
        return fallita(ErroreImmagine::WmfRifiutato);
    const QImage immagine = lettore.read();
    if (immagine.isNull() || immagine.size() != annunciata)
        return fallita(ErroreImmagine::WmfRifiutato);
    return EsitoImmagine{immagine, ErroreImmagine::Nessuno};
}

QString percorsoProgrammaWmf(const QString& cartellaProgramma)
{
    const QDir cartella(cartellaProgramma);
    const QString nome = QString::fromLatin1(NomeProgrammaWmf);
    for (const QString& candidato :
         {cartella.filePath(nome),
          cartella.filePath(QStringLiteral("../libexec/gridorapc/") + nome)}) {
        const QFileInfo info(candidato);
        if (info.isFile() && info.isExecutable())
            return info.canonicalFilePath();
    }
    return {};
}

QString percorsoProgrammaWmf()
{
    return percorsoProgrammaWmf(QCoreApplication::applicationDirPath());
}

} // namespace gridora
