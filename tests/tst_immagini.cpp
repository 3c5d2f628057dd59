// The image import's engine: the conversion rule, a picture of every format read and converted,
// and every kind of bad file, down to a metafile that keeps libwmf busy and helpers that crash,
// hang or flood their output.

#include "import/Campionamento.h"
#include "import/LetturaImmagine.h"
#include "import/wmf/ConversioneWmf.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace gridora;

namespace {

const QSize DimensioneAnteprima(LatoInternoAnteprima, LatoInternoAnteprima);

void le16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

void le32(QByteArray& b, quint32 v)
{
    le16(b, int(v & 0xFFFF));
    le16(b, int(v >> 16));
}

void pone16(QByteArray& b, qsizetype i, int v)
{
    b[i] = char(v & 0xFF);
    b[i + 1] = char((v >> 8) & 0xFF);
}

void pone32(QByteArray& b, qsizetype i, quint32 v)
{
    pone16(b, i, int(v & 0xFFFF));
    pone16(b, i + 2, int(v >> 16));
}

// A recognisable, irregular drawing for each side.
QString celleDi(int lato)
{
    QString celle;
    for (int i = 0; i < lato; ++i)
        for (int j = 0; j < lato; ++j)
            celle += (i * 7 + j * 3 + i * j) % 5 < 2 ? u'1' : u'0';
    return celle;
}

// Where block k of a side-N grid starts, in preview pixels: halfway between its sample point
// and the previous one, so every sample lies well inside its block whatever the scaling.
int confine(int k, int lato)
{
    const auto punto = [&](int j) { return j * 121 / lato; }; // floor(j * 1815 / N / 15)
    if (k <= 0)
        return 0;
    if (k >= lato)
        return LatoInternoAnteprima;
    return (punto(k - 1) + punto(k)) / 2;
}

// Filled cells alternate black and red, empty ones white and blue.
QColor coloreCella(bool pieno, int i, int j)
{
    if (pieno)
        return (i + j) % 2 ? Qt::black : Qt::red;
    return (i + j) % 2 ? Qt::white : Qt::blue;
}

// A picture of `dimensione` whose preview converts to `celle`.
QImage disegno(const QString& celle, int lato, QSize dimensione)
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    const auto x = [&](int k) { return qRound(confine(k, lato) * dimensione.width() / 119.0); };
    const auto y = [&](int k) { return qRound(confine(k, lato) * dimensione.height() / 119.0); };
    for (int i = 0; i < lato; ++i)
        for (int j = 0; j < lato; ++j)
            p.fillRect(QRect(QPoint(x(j), y(i)), QPoint(x(j + 1) - 1, y(i + 1) - 1)),
                       coloreCella(celle[i * lato + j] == u'1', i, j));
    return img;
}

QByteArray scritta(const QImage& img, const char* formato, int qualita = -1,
                   bool progressiva = false)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter scrittore(&buffer, formato);
    scrittore.setQuality(qualita);
    scrittore.setProgressiveScanWrite(progressiva);
    if (!scrittore.write(img))
        qFatal("cannot write %s", formato);
    return dati;
}

// A GIF of one or more frames of the same size, 256-colour palette, written with LZW codes
// of a constant 9 bits (a clear code every 250 pixels keeps the table from growing).
QByteArray gif(const QList<QImage>& fotogrammi)
{
    QList<QRgb> tavolozza;
    QList<QImage> indicizzati;
    for (const QImage& f : fotogrammi) {
        QImage ind(f.size(), QImage::Format_Indexed8);
        ind.setColorCount(256);
        for (int y = 0; y < f.height(); ++y)
            for (int x = 0; x < f.width(); ++x) {
                const QRgb c = f.pixel(x, y);
                qsizetype k = tavolozza.indexOf(c);
                if (k < 0) {
                    k = tavolozza.size();
                    tavolozza.append(c);
                }
                ind.setPixel(x, y, uint(k));
            }
        indicizzati.append(ind);
    }
    const QSize s = fotogrammi.first().size();
    QByteArray g("GIF89a");
    le16(g, s.width());
    le16(g, s.height());
    g.append(char(0xF7)).append('\0').append('\0'); // global table of 256 colours
    for (int k = 0; k < 256; ++k) {
        const QRgb c = k < tavolozza.size() ? tavolozza[k] : 0;
        g.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    for (const QImage& ind : indicizzati) {
        g.append(char(0x2C));
        le16(g, 0);
        le16(g, 0);
        le16(g, s.width());
        le16(g, s.height());
        g.append('\0').append(char(8)); // no local table; minimum code size 8
        QByteArray flusso;
        quint32 accumulo = 0;
        int bit = 0;
        const auto codice = [&](int c) {
            accumulo |= quint32(c) << bit;
            bit += 9;
            while (bit >= 8) {
                flusso.append(char(accumulo & 0xFF));
                accumulo >>= 8;
                bit -= 8;
            }
        };
        codice(256);
        int dallaPulizia = 0;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x) {
                if (dallaPulizia == 250) {
                    codice(256);
                    dallaPulizia = 0;
                }
                codice(ind.pixelIndex(x, y));
                ++dallaPulizia;
            }
        codice(257);
        if (bit > 0)
            flusso.append(char(accumulo & 0xFF));
        for (qsizetype i = 0; i < flusso.size(); i += 255) {
            const QByteArray pezzo = flusso.mid(i, 255);
            g.append(char(pezzo.size())).append(pezzo);
        }
        g.append('\0');
    }
    g.append(char(0x3B));
    return g;
}

// Windows metafile records, sizes in 16-bit words.
QByteArray record(int funzione, const QList<int>& parole)
{
    QByteArray r;
    le32(r, quint32(3 + parole.size()));
    le16(r, funzione);
    for (int p : parole)
        le16(r, p);
    return r;
}

QList<int> coloreWmf(QColor c) // COLORREF 0x00BBGGRR as two words
{
    return {c.red() | c.green() << 8, c.blue()};
}

// A placeable metafile: the header, then the records and the end record.
QByteArray metafile(const QByteArray& corpo, int oggetti, QRect riquadro = QRect(0, 0, 119, 119),
                    int perPollice = 96)
{
    QByteArray m;
    le32(m, 0x9AC6CDD7u);
    le16(m, 0);
    le16(m, riquadro.left());
    le16(m, riquadro.top());
    le16(m, riquadro.left() + riquadro.width());
    le16(m, riquadro.top() + riquadro.height());
    le16(m, perPollice);
    le32(m, 0);
    int somma = 0;
    for (int i = 0; i < 20; i += 2)
        somma ^= quint8(m[i]) | quint8(m[i + 1]) << 8;
    le16(m, somma);
    const QByteArray tutto = corpo + record(0, {});
    quint32 massimo = 3;
    for (qsizetype i = 0; i < tutto.size();) {
        const quint32 parole =
            quint8(tutto[i]) | quint8(tutto[i + 1]) << 8 | quint8(tutto[i + 2]) << 16;
        massimo = std::max(massimo, parole);
        i += parole * 2;
    }
    le16(m, 1); // in memory
    le16(m, 9); // header words
    le16(m, 0x0300);
    le32(m, quint32((18 + tutto.size()) / 2));
    le16(m, oggetti);
    le32(m, massimo);
    le16(m, 0);
    return m + tutto;
}

// The drawing as a metafile of 119 x 119 units at 96 units an inch: one unit, one pixel.
// Without `colori`, filled cells are black and empty ones left undrawn.
QByteArray wmfDi(const QString& celle, int lato, QPoint origine = QPoint(0, 0), bool colori = true)
{
    QByteArray corpo = record(0x020B, {origine.y(), origine.x()}) // SetWindowOrg(y, x)
                       + record(0x020C, {119, 119})               // SetWindowExt
                       + record(0x02FA, {5, 0, 0, 0, 0})          // CreatePenIndirect: no pen
                       + record(0x012D, {0});                     // SelectObject
    const QList<QColor> pennelli{Qt::black, Qt::red, Qt::blue};
    for (const QColor& c : pennelli) // objects 1, 2, 3
        corpo += record(0x02FC, QList<int>{0} + coloreWmf(c) + QList<int>{0});
    for (int i = 0; i < lato; ++i)
        for (int j = 0; j < lato; ++j) {
            const bool pieno = celle[i * lato + j] == u'1';
            const QColor c = colori ? coloreCella(pieno, i, j) : pieno ? Qt::black : Qt::white;
            if (c == Qt::white)
                continue;
            corpo += record(0x012D, {int(pennelli.indexOf(c)) + 1});
            corpo +=
                record(0x041B, {origine.y() + confine(i + 1, lato), // Rectangle
                                origine.x() + confine(j + 1, lato), origine.y() + confine(i, lato),
                                origine.x() + confine(j, lato)});
        }
    return metafile(corpo, 4, QRect(origine, QSize(119, 119)));
}

// The same BMP with its rows stored top-down, as a negative height says.
QByteArray dallAlto(QByteArray bmp)
{
    const auto u32 = [&](qsizetype i) {
        return quint32(quint8(bmp[i]) | quint8(bmp[i + 1]) << 8 | quint8(bmp[i + 2]) << 16 |
                       quint8(bmp[i + 3]) << 24);
    };
    const qsizetype inizio = u32(10);
    const int larghezza = int(u32(18));
    const int altezza = int(u32(22));
    const qsizetype riga = (qsizetype(larghezza) * (u32(28) & 0xFFFF) + 31) / 32 * 4;
    const QByteArray righe = bmp.mid(inizio, riga * altezza);
    for (int y = 0; y < altezza; ++y)
        bmp.replace(inizio + y * riga, riga, righe.mid((altezza - 1 - y) * riga, riga));
    pone32(bmp, 22, quint32(-altezza));
    return bmp;
}

QByteArray casuali(qsizetype quanti, quint32 seme)
{
    QRandomGenerator g(seme);
    QByteArray b(quanti, Qt::Uninitialized);
    for (char& c : b)
        c = char(g.bounded(256));
    return b;
}

quint32 crc32(const QByteArray& b)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : b) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// An icon whose only image is a PNG, its directory entry saying `lato` (0 for 256).
QByteArray icoDiPng(const QByteArray& png, int lato)
{
    QByteArray ico;
    le16(ico, 0);
    le16(ico, 1);
    le16(ico, 1);
    ico.append(char(lato)).append(char(lato)).append('\0').append('\0'); // no palette
    le16(ico, 1);
    le16(ico, 32);
    le32(ico, quint32(png.size()));
    le32(ico, 22);
    return ico + png;
}

// The same with a PNG whose header announces the given size.
QByteArray icoConPngGigante(QSize annunciata)
{
    QByteArray png = scritta(disegno(celleDi(5), 5, QSize(16, 16)), "png");
    const qsizetype ihdr = png.indexOf("IHDR");
    for (int k = 0; k < 4; ++k) {
        png[ihdr + 4 + k] = char((annunciata.width() >> (24 - 8 * k)) & 0xFF);
        png[ihdr + 8 + k] = char((annunciata.height() >> (24 - 8 * k)) & 0xFF);
    }
    const quint32 crc = crc32(png.mid(ihdr, 17));
    for (int k = 0; k < 4; ++k)
        png[ihdr + 17 + k] = char((crc >> (24 - 8 * k)) & 0xFF);
    return icoDiPng(png, 0);
}

// Replaces the width and height of a JPEG's frame header (baseline C0, progressive C2).
QByteArray jpegConDimensioni(QByteArray jpeg, int larghezza, int altezza, char tipo = '\xC0')
{
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF") + tipo);
    jpeg[sof + 5] = char(altezza >> 8);
    jpeg[sof + 6] = char(altezza & 0xFF);
    jpeg[sof + 7] = char(larghezza >> 8);
    jpeg[sof + 8] = char(larghezza & 0xFF);
    return jpeg;
}

QString convertita(const EsitoImmagine& esito, int lato)
{
    return campiona(immagineAnteprima(esito.immagine), lato);
}

} // namespace

Q_DECLARE_METATYPE(ErroreImmagine)

class TestImmagini : public QObject {
    Q_OBJECT

    QTemporaryDir m_cartella;
    LetturaImmagine m_lettura{QStringLiteral(GRIDORA_PROGRAMMA_WMF)};

    QString scrivi(const QString& nome, const QByteArray& dati)
    {
        const QString percorso = m_cartella.filePath(nome);
        QFile f(percorso);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(dati) != dati.size())
            qFatal("cannot write %s", qPrintable(percorso));
        return percorso;
    }

    // An executable shell script standing in for the helper.
    QString aiutanteFinto(const QString& nome, const QByteArray& corpo)
    {
        const QString percorso = scrivi(nome, "#!/bin/sh\n" + corpo + "\n");
        QFile::setPermissions(percorso, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return percorso;
    }

private slots:
    void initTestCase() { QVERIFY(m_cartella.isValid()); }

    // --- The conversion rule ---

    void soglia_data()
    {
        QTest::addColumn<QColor>("colore");
        QTest::addColumn<bool>("pieno");
        QTest::newRow("nero") << QColor(0, 0, 0) << true;
        QTest::newRow("rosso") << QColor(255, 0, 0) << true;
        QTest::newRow("verde") << QColor(0, 255, 0) << true;
        QTest::newRow("giallo") << QColor(255, 255, 0) << true;
        QTest::newRow("grigio 128") << QColor(128, 128, 128) << true;
        QTest::newRow("bianco") << QColor(255, 255, 255) << false;
        QTest::newRow("blu") << QColor(0, 0, 255) << false;
        QTest::newRow("grigio 130") << QColor(130, 130, 130) << false;
        // The threshold itself, 81B320: blue 129 decides.
        QTest::newRow("sotto la soglia") << QColor(0x1F, 0xB3, 0x81) << true;
        QTest::newRow("sulla soglia") << QColor(0x20, 0xB3, 0x81) << false;
        // Seen over the white box.
        QTest::newRow("nero trasparente") << QColor(0, 0, 0, 0) << false;
        QTest::newRow("nero quasi opaco") << QColor(0, 0, 0, 250) << true;
    }

    void soglia()
    {
        QFETCH(QColor, colore);
        QFETCH(bool, pieno);
        QCOMPARE(campionePieno(colore.rgba()), pieno);
        QImage uniforme(DimensioneAnteprima, QImage::Format_ARGB32);
        uniforme.fill(colore);
        QCOMPARE(campiona(uniforme, 10), QString(100, pieno ? u'1' : u'0'));
    }

    // Each block is read at its top-left corner in the box's twips, j * 1815 / N, which falls in
    // pixel floor(j * 121 / N): a dot there counts, a dot just before it does not.
    void puntiDiCampionamento()
    {
        for (int lato : {5, 10, 15}) {
            for (int k = 1; k < lato; ++k) {
                const int punto = k * 121 / lato;
                QImage img(DimensioneAnteprima, QImage::Format_RGB32);
                img.fill(Qt::white);
                img.setPixel(punto, punto, qRgb(0, 0, 0));
                img.setPixel(punto - 1, 0, qRgb(0, 0, 0)); // row 0, left of block k
                QString atteso(lato * lato, u'0');
                atteso[k * lato + k] = u'1';
                QCOMPARE(campiona(img, lato), atteso);
            }
        }
        // The last sample of a 15 x 15 grid: 14 * 1815 / 15 = 1694 twips, pixel 112 of 119.
        QImage img(DimensioneAnteprima, QImage::Format_RGB32);
        img.fill(Qt::white);
        img.setPixel(112, 112, qRgb(0, 0, 0));
        QCOMPARE(campiona(img, 15).lastIndexOf(u'1'), 224);
    }

    // A picture of any shape is stretched over the square box before it is sampled.
    void figuraNonQuadrataAllungata()
    {
        // 300 x 60, left third black: the black reaches preview pixel 39, so columns 0 and 1
        // of a 5 x 5 grid (pixels 0 and 24) are filled in every row, column 2 (48) is not.
        QImage larga(300, 60, QImage::Format_RGB32);
        larga.fill(Qt::white);
        QPainter(&larga).fillRect(0, 0, 100, 60, Qt::black);
        QCOMPARE(campiona(immagineAnteprima(larga), 5), QString("11000").repeated(5));

        // 20 x 200, bottom half black: rows from pixel 60 down, so rows 3 and 4 (72, 96).
        QImage alta(20, 200, QImage::Format_RGB32);
        alta.fill(Qt::white);
        QPainter(&alta).fillRect(0, 100, 20, 100, Qt::black);
        QCOMPARE(campiona(immagineAnteprima(alta), 5),
                 QString("00000").repeated(3) + QString("11111").repeated(2));
    }

    void grigliaFuoriMisura()
    {
        QImage nero(DimensioneAnteprima, QImage::Format_RGB32);
        nero.fill(Qt::black);
        QVERIFY(campiona(nero, 0).isEmpty());
        QVERIFY(campiona(nero, 16).isEmpty());
        // A grab at twice the pixels reads the same points; beyond a short grab all is white.
        QImage doppia = immagineAnteprima(disegno(celleDi(15), 15, DimensioneAnteprima))
                            .scaled(238, 238, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        doppia.setDevicePixelRatio(2);
        QCOMPARE(campiona(doppia, 15), celleDi(15));
        QCOMPARE(campiona(nero.copy(0, 0, 60, 119), 5), QString("11100").repeated(5));
    }

    // --- A picture of each format, read and converted ---

    void ogniFormato_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<int>("lato");
        QTest::addColumn<QSize>("dimensione"); // as read, at most the preview's
        QTest::addColumn<QString>("attese");

        QTest::newRow("bmp") << "quadro.bmp" << scritta(disegno(celleDi(10), 10, {200, 150}), "bmp")
                             << 10 << DimensioneAnteprima << celleDi(10);
        QTest::newRow("bmp piccolo")
            << "Piccolo.BMP" << scritta(disegno(celleDi(5), 5, {40, 30}), "bmp") << 5
            << QSize(40, 30) << celleDi(5);
        QTest::newRow("bmp dall'alto") // Qt announces these with a negative height
            << "dallalto.bmp" << dallAlto(scritta(disegno(celleDi(10), 10, {150, 200}), "bmp"))
            << 10 << DimensioneAnteprima << celleDi(10);
        QTest::newRow("jpeg") << "foto.jpg"
                              << scritta(disegno(celleDi(15), 15, {640, 480}), "jpeg", 90) << 15
                              << DimensioneAnteprima << celleDi(15);
        QTest::newRow("jpeg stretto")
            << "foto.jpeg" << scritta(disegno(celleDi(10), 10, {90, 700}), "jpeg", 90) << 10
            << QSize(90, 119) << celleDi(10);
        QTest::newRow("gif") << "animale.gif" << gif({disegno(celleDi(10), 10, {90, 120})}) << 10
                             << QSize(90, 119) << celleDi(10);
        QTest::newRow("ico") << "icona.ico" << scritta(disegno(celleDi(5), 5, {48, 48}), "ico") << 5
                             << QSize(48, 48) << celleDi(5);
        // An icon's PNG larger than its entry says still comes back no larger than asked.
        QTest::newRow("ico con png")
            << "grande.ico" << icoDiPng(scritta(disegno(celleDi(10), 10, {200, 180}), "png"), 16)
            << 10 << DimensioneAnteprima << celleDi(10);
        QByteArray cursore = scritta(disegno(celleDi(5), 5, {32, 32}), "ico");
        pone16(cursore, 2, 2);  // a cursor file
        pone16(cursore, 10, 4); // hot spot
        pone16(cursore, 12, 4);
        QTest::newRow("cur") << "puntatore.cur" << cursore << 5 << QSize(32, 32) << celleDi(5);
        QTest::newRow("wmf") << "disegno.wmf" << wmfDi(celleDi(15), 15) << 15 << DimensioneAnteprima
                             << celleDi(15);
        // Without a placeable header the bounds of what is drawn are the picture.
        QTest::newRow("wmf semplice") << "semplice.wmf" << wmfDi(celleDi(15), 15).mid(22) << 15
                                      << DimensioneAnteprima << celleDi(15);
        // The header's box, not the bounds of what is drawn, is the picture: a drawing that
        // leaves the right and bottom blocks empty keeps them empty, wherever its origin lies.
        QString bordoVuoto = celleDi(5);
        for (int k = 0; k < 5; ++k)
            bordoVuoto[k * 5 + 4] = bordoVuoto[20 + k] = u'0';
        QTest::newRow("wmf spostato")
            << "spostato.wmf" << wmfDi(bordoVuoto, 5, QPoint(1000, -2000), false) << 5
            << DimensioneAnteprima << bordoVuoto;
    }

    void ogniFormato()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, dati);
        QFETCH(int, lato);
        QFETCH(QSize, dimensione);
        QFETCH(QString, attese);
        const EsitoImmagine esito = m_lettura.leggi(scrivi(nome, dati), DimensioneAnteprima);
        QCOMPARE(esito.errore, ErroreImmagine::Nessuno);
        QCOMPARE(esito.immagine.size(), dimensione);
        QCOMPARE(convertita(esito, lato), attese);
    }

    // The content decides, not the name; and only the six formats are taken, however well Qt
    // reads others.
    void contenutoNonNome()
    {
        const QByteArray gifDati = gif({disegno(celleDi(5), 5, {50, 50})});
        const EsitoImmagine esito =
            m_lettura.leggi(scrivi("in-realta-gif.jpg", gifDati), DimensioneAnteprima);
        QVERIFY(esito.ok());
        QCOMPARE(convertita(esito, 5), celleDi(5));

        const QByteArray png = scritta(disegno(celleDi(5), 5, {50, 50}), "png");
        QCOMPARE(m_lettura.leggi(scrivi("png.bmp", png), DimensioneAnteprima).errore,
                 ErroreImmagine::FormatoSconosciuto);
        QCOMPARE(riconosciFormato(QByteArray("\x00\x00\x01\x00\x00\x00", 6)),
                 FormatoImmagine::Sconosciuto); // an icon directory with no icons
    }

    // An animated GIF shows its first frame.
    void primoFotogrammaGif()
    {
        const QImage primo = disegno(celleDi(10), 10, {60, 60});
        QImage secondo(60, 60, QImage::Format_RGB32);
        secondo.fill(Qt::black);
        const EsitoImmagine esito =
            m_lettura.leggi(scrivi("animata.gif", gif({primo, secondo})), DimensioneAnteprima);
        QVERIFY(esito.ok());
        QCOMPARE(convertita(esito, 10), celleDi(10));
    }

    // A large photograph comes back at the preview's size, decoded small by the JPEG decoder.
    void fotografiaGrande()
    {
        const QByteArray jpeg = scritta(disegno(celleDi(15), 15, {3000, 2000}), "jpeg", 80);
        const EsitoImmagine esito = m_lettura.decodifica(jpeg, DimensioneAnteprima);
        QVERIFY(esito.ok());
        QCOMPARE(esito.immagine.size(), DimensioneAnteprima);
        QCOMPARE(convertita(esito, 15), celleDi(15));
        // A caller asking for more than any preview gets the largest size allowed.
        QCOMPARE(m_lettura.decodifica(jpeg, QSize(100000, 100000)).immagine.size(),
                 QSize(3000, 2000));
        QCOMPARE(m_lettura.decodifica(jpeg, QSize(0, -5)).immagine.size(), QSize(1, 1));
    }

    // --- Bad files ---

    void fileNonValidi_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<ErroreImmagine>("errore");

        const QByteArray bmp = scritta(disegno(celleDi(5), 5, {64, 48}), "bmp");
        const QByteArray jpeg = scritta(disegno(celleDi(5), 5, {64, 48}), "jpeg");
        const QByteArray gifDati = gif({disegno(celleDi(5), 5, {64, 48})});
        const QByteArray ico = scritta(disegno(celleDi(5), 5, {32, 32}), "ico");
        const QByteArray wmf = wmfDi(celleDi(5), 5);

        QTest::newRow("vuoto") << "vuoto.bmp" << QByteArray() << ErroreImmagine::Vuoto;
        QTest::newRow("casuale") << "casuale.jpg" << casuali(5000, 1)
                                 << ErroreImmagine::FormatoSconosciuto;
        QTest::newRow("testo") << "leggimi.gif" << QByteArray("Non sono una figura.\n")
                               << ErroreImmagine::FormatoSconosciuto;
        QTest::newRow("bmp casuale") << "rumore.bmp" << bmp.left(30) + casuali(5000, 2)
                                     << ErroreImmagine::Danneggiata; // sane size, then noise
        QTest::newRow("jpeg casuale")
            << "rumore.jpg"
            << "\xFF\xD8\xFF" + casuali(5000, 3) << ErroreImmagine::Danneggiata;
        QTest::newRow("gif casuale") << "rumore.gif"
                                     << "GIF89a" + casuali(5000, 4) << ErroreImmagine::Danneggiata;
        QTest::newRow("ico casuale")
            << "rumore.ico" << QByteArray("\0\0\1\0\1\0", 6) + casuali(5000, 5)
            << ErroreImmagine::Danneggiata;

        // Truncated files, which Qt's BMP and JPEG readers would fill in black or grey.
        QTest::newRow("bmp troncato")
            << "mezzo.bmp" << bmp.left(bmp.size() - 200) << ErroreImmagine::Danneggiata;
        QTest::newRow("bmp solo intestazione")
            << "testa.bmp" << bmp.left(54) << ErroreImmagine::Danneggiata;
        QTest::newRow("jpeg troncato")
            << "mezzo.jpg" << jpeg.left(jpeg.size() * 2 / 3) << ErroreImmagine::Danneggiata;
        QTest::newRow("jpeg senza fine")
            << "senzafine.jpg" << jpeg.left(jpeg.size() - 2) << ErroreImmagine::Danneggiata;
        QTest::newRow("gif troncato")
            << "mezzo.gif" << gifDati.left(gifDati.size() - 300) << ErroreImmagine::Danneggiata;
        QTest::newRow("ico troncato")
            << "mezzo.ico" << ico.left(ico.size() - 100) << ErroreImmagine::Danneggiata;

        // Headers announcing gigantic pictures are refused before anything is decoded.
        QByteArray bmpGigante = bmp;
        pone32(bmpGigante, 18, 100000);
        pone32(bmpGigante, 22, 100000);
        QTest::newRow("bmp gigante")
            << "gigante.bmp" << bmpGigante << ErroreImmagine::DimensioniEccessive;
        QTest::newRow("jpeg gigante") << "gigante.jpg" << jpegConDimensioni(jpeg, 65000, 65000)
                                      << ErroreImmagine::DimensioniEccessive;
        QTest::newRow("jpeg oltre 50 megapixel")
            << "grande.jpg" << jpegConDimensioni(jpeg, 9000, 6000)
            << ErroreImmagine::DimensioniEccessive;
        const QByteArray jpegProgressivo =
            scritta(disegno(celleDi(5), 5, {64, 48}), "jpeg", -1, true);
        QTest::newRow("jpeg progressivo oltre 30 megapixel")
            << "progressiva.jpg" << jpegConDimensioni(jpegProgressivo, 6000, 6000, '\xC2')
            << ErroreImmagine::DimensioniEccessive;
        QByteArray gifGigante = gifDati;
        pone16(gifGigante, 6, 65535);
        pone16(gifGigante, 8, 65535);
        QTest::newRow("gif gigante")
            << "gigante.gif" << gifGigante << ErroreImmagine::DimensioniEccessive;
        QByteArray fotogrammaGigante = gifDati; // small screen, huge frame
        const qsizetype descrittore = 13 + 768;
        pone16(fotogrammaGigante, descrittore + 5, 65535);
        pone16(fotogrammaGigante, descrittore + 7, 65535);
        QTest::newRow("gif fotogramma gigante")
            << "fotogramma.gif" << fotogrammaGigante << ErroreImmagine::DimensioniEccessive;
        // Icons are at most 256 pixels a side, but a PNG inside one may say anything: Qt's
        // allocation limit refuses it.
        QTest::newRow("ico con png gigante")
            << "gigante.ico" << icoConPngGigante({50000, 50000}) << ErroreImmagine::Danneggiata;

        // Metafiles that libwmf turns down.
        QByteArray wmfRotto = metafile(record(0x041B, {10, 10, 0, 0}), 0);
        pone32(wmfRotto, 22 + 18, 60000); // a record longer than the largest announced
        QTest::newRow("wmf record assurdo")
            << "rotto.wmf" << wmfRotto << ErroreImmagine::WmfRifiutato;
        // libwmf would allocate the announced largest record, 3 GB, before reading any.
        QByteArray wmfAvido = wmf;
        pone32(wmfAvido, 22 + 12, 0x60000000);
        QTest::newRow("wmf record massimo enorme")
            << "avido.wmf" << wmfAvido << ErroreImmagine::WmfRifiutato;
        QTest::newRow("wmf troncato")
            << "mezzo.wmf" << wmf.left(wmf.size() / 2 + 1) << ErroreImmagine::WmfRifiutato;
        QTest::newRow("wmf casuale")
            << "rumore.wmf" << QByteArray("\xD7\xCD\xC6\x9A", 4) + casuali(3000, 6)
            << ErroreImmagine::WmfRifiutato;
        QTest::newRow("wmf solo intestazione")
            << "testa.wmf" << wmf.left(22) << ErroreImmagine::WmfRifiutato;
    }

    void fileNonValidi()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, dati);
        QFETCH(ErroreImmagine, errore);
        QElapsedTimer tempo;
        tempo.start();
        const EsitoImmagine esito = m_lettura.leggi(scrivi(nome, dati), DimensioneAnteprima);
        QCOMPARE(esito.errore, errore);
        QVERIFY(esito.immagine.isNull());
        QVERIFY2(tempo.elapsed() < 1500, qPrintable(QString::number(tempo.elapsed())));
    }

    // Things with a picture's name that are not regular files are never opened for reading:
    // a pipe would block, a device would never end.
    void nonFileConNomeDiFigura()
    {
        const QString cartella = m_cartella.filePath("cartella.bmp");
        QVERIFY(QDir().mkpath(cartella));
        QCOMPARE(m_lettura.leggi(cartella, DimensioneAnteprima).errore, ErroreImmagine::NonUnFile);

        const QString tubo = m_cartella.filePath("tubo.gif");
        QCOMPARE(::mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
        QElapsedTimer tempo;
        tempo.start();
        QCOMPARE(m_lettura.leggi(tubo, DimensioneAnteprima).errore, ErroreImmagine::NonUnFile);
        QVERIFY(tempo.elapsed() < 1000);

        const QString zero = m_cartella.filePath("zero.jpg");
        QVERIFY(QFile::link("/dev/zero", zero));
        QCOMPARE(m_lettura.leggi(zero, DimensioneAnteprima).errore, ErroreImmagine::NonUnFile);

        QCOMPARE(m_lettura.leggi(m_cartella.filePath("assente.bmp"), DimensioneAnteprima).errore,
                 ErroreImmagine::NonUnFile);
        const QString sospeso = m_cartella.filePath("sospeso.ico");
        QVERIFY(QFile::link(m_cartella.filePath("non-ce.ico"), sospeso));
        QCOMPARE(m_lettura.leggi(sospeso, DimensioneAnteprima).errore, ErroreImmagine::NonUnFile);
    }

    void fileSenzaPermesso()
    {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        const QString percorso =
            scrivi("chiuso.bmp", scritta(disegno(celleDi(5), 5, {8, 8}), "bmp"));
        QFile::setPermissions(percorso, {});
        QCOMPARE(m_lettura.leggi(percorso, DimensioneAnteprima).errore,
                 ErroreImmagine::NonLeggibile);
    }

    // Too large a file is refused by its size alone, before a byte is read.
    void fileTroppoGrande()
    {
        for (const char* nome : {"enorme.bmp", "enorme.wmf"}) {
            const QString percorso =
                scrivi(QString::fromLatin1(nome),
                       QByteArray(nome).endsWith("wmf") ? wmfDi(celleDi(5), 5) : QByteArray("BM"));
            QFile f(percorso);
            const qint64 oltre = QByteArray(nome).endsWith("wmf")
                                     ? m_lettura.limiti().byteMassimiWmf + 1
                                     : m_lettura.limiti().byteMassimi + 1;
            QVERIFY(f.resize(oltre)); // sparse: no disk space used
            QCOMPARE(m_lettura.leggi(percorso, DimensioneAnteprima).errore,
                     ErroreImmagine::TroppoGrande);
        }
    }

    // The limits given to the reader are the ones it applies.
    void limitiSuMisura()
    {
        const QByteArray bmp = scritta(disegno(celleDi(5), 5, {40, 40}), "bmp");
        LimitiImmagine stretti;
        stretti.byteMassimi = bmp.size() - 1;
        QCOMPARE(LetturaImmagine(QString(), stretti).decodifica(bmp, DimensioneAnteprima).errore,
                 ErroreImmagine::TroppoGrande);
        stretti = LimitiImmagine();
        stretti.pixelMassimi = 40 * 40 - 1;
        QCOMPARE(LetturaImmagine(QString(), stretti).decodifica(bmp, DimensioneAnteprima).errore,
                 ErroreImmagine::DimensioniEccessive);
        stretti = LimitiImmagine();
        stretti.latoMassimo = 39;
        QCOMPARE(LetturaImmagine(QString(), stretti).decodifica(bmp, DimensioneAnteprima).errore,
                 ErroreImmagine::DimensioniEccessive);
        QVERIFY(
            LetturaImmagine(QString(), LimitiImmagine()).decodifica(bmp, DimensioneAnteprima).ok());
    }

    // --- The metafile helper, isolated in its own process ---

    // 122 bytes: a 30000-unit font and a few letters keep libwmf busy for seconds. The helper's
    // own CPU limit ends it, even with the game's deadline far away.
    void wmfCheEsaurisceLaCpu()
    {
        QByteArray carattere;
        le16(carattere, -30000); // height
        for (int k = 0; k < 3; ++k)
            le16(carattere, 0); // width, escapement, orientation
        le16(carattere, 400);
        carattere += QByteArray(8, '\0') + QByteArray("Arial\0\0\0", 8);
        QList<int> parole;
        for (qsizetype i = 0; i < carattere.size(); i += 2)
            parole << (quint8(carattere[i]) | quint8(carattere[i + 1]) << 8);
        const QByteArray corpo = record(0x020B, {0, 0}) + record(0x020C, {119, 119}) +
                                 record(0x02FB, parole) + record(0x012D, {0}) +
                                 record(0x0521, {4, 0x5757, 0x5757, 10, 0}); // TextOut "WWWW"
        LimitiImmagine pazienti;
        pazienti.attesaWmfMs = 20000;
        const LetturaImmagine lettura(QStringLiteral(GRIDORA_PROGRAMMA_WMF), pazienti);
        QElapsedTimer tempo;
        tempo.start();
        const EsitoImmagine esito =
            lettura.leggi(scrivi("carattere.wmf", metafile(corpo, 1)), DimensioneAnteprima);
        QCOMPARE(esito.errore, ErroreImmagine::WmfInterrotto);
        QVERIFY2(tempo.elapsed() < 8000, qPrintable(QString::number(tempo.elapsed())));
        // The same metafile under the game's own deadline.
        tempo.restart();
        QCOMPARE(m_lettura.decodifica(metafile(corpo, 1), DimensioneAnteprima).errore,
                 ErroreImmagine::WmfInterrotto);
        QVERIFY(tempo.elapsed() < m_lettura.limiti().attesaWmfMs + 1500);
    }

    void aiutantiCheFallano_data()
    {
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<ErroreImmagine>("errore");
        QTest::newRow("si schianta")
            << QByteArray("cat >/dev/null; kill -SEGV $$") << ErroreImmagine::WmfInterrotto;
        QTest::newRow("si blocca") << QByteArray("exec sleep 30") << ErroreImmagine::WmfInterrotto;
        QTest::newRow("non legge e si blocca")
            << QByteArray("exec sleep 30 <&-") << ErroreImmagine::WmfInterrotto;
        QTest::newRow("inonda") << QByteArray("exec cat /dev/zero")
                                << ErroreImmagine::WmfInterrotto;
        QTest::newRow("chiude l'uscita e si blocca")
            << QByteArray("exec >&-; sleep 30") << ErroreImmagine::WmfInterrotto;
        QTest::newRow("rifiuta") << QByteArray("cat >/dev/null; exit 1")
                                 << ErroreImmagine::WmfRifiutato;
        QTest::newRow("esce senza figura")
            << QByteArray("cat >/dev/null; exit 0") << ErroreImmagine::WmfRifiutato;
        QTest::newRow("figura non png")
            << QByteArray("cat >/dev/null; printf 'BM'; exit 0") << ErroreImmagine::WmfRifiutato;
    }

    // Whatever the helper does, the reader answers within its deadline and the game goes on.
    void aiutantiCheFallano()
    {
        QFETCH(QByteArray, corpo);
        QFETCH(ErroreImmagine, errore);
        LimitiImmagine limiti;
        limiti.attesaWmfMs = 500;
        const LetturaImmagine lettura(aiutanteFinto(QTest::currentDataTag(), corpo), limiti);
        QElapsedTimer tempo;
        tempo.start();
        QCOMPARE(lettura.decodifica(wmfDi(celleDi(5), 5), DimensioneAnteprima).errore, errore);
        QVERIFY2(tempo.elapsed() < 2500, qPrintable(QString::number(tempo.elapsed())));
    }

    void aiutanteMancante()
    {
        const QByteArray wmf = wmfDi(celleDi(5), 5);
        QCOMPARE(LetturaImmagine(QString()).decodifica(wmf, DimensioneAnteprima).errore,
                 ErroreImmagine::ProgrammaWmfMancante);
        QCOMPARE(LetturaImmagine(m_cartella.filePath("nessuno"))
                     .decodifica(wmf, DimensioneAnteprima)
                     .errore,
                 ErroreImmagine::ProgrammaWmfMancante);
        // Raster pictures do not need it.
        QVERIFY(LetturaImmagine(QString())
                    .decodifica(scritta(disegno(celleDi(5), 5, {8, 8}), "bmp"), DimensioneAnteprima)
                    .ok());
    }

    // The helper's picture may not be larger than asked for.
    void pngDelAiutanteLimitato()
    {
        const QByteArray png = scritta(disegno(celleDi(5), 5, {120, 119}), "png");
        QCOMPARE(decodificaPngWmf(png, DimensioneAnteprima).errore, ErroreImmagine::WmfRifiutato);
        QVERIFY(decodificaPngWmf(png, QSize(120, 119)).ok());
        QCOMPARE(decodificaPngWmf(png.left(png.size() / 2), QSize(120, 119)).errore,
                 ErroreImmagine::WmfRifiutato);
    }

    // What libwmf is never given: a header that is not one, or one announcing a record longer
    // than the whole file, for which it would allocate up to 8 GB before reading anything.
    void intestazioneWmfCredibile()
    {
        const auto credibile = [](const QByteArray& b) {
            return intestazioneCredibile(reinterpret_cast<const unsigned char*>(b.constData()),
                                         std::size_t(b.size()));
        };
        const QByteArray wmf = wmfDi(celleDi(5), 5);
        QVERIFY(credibile(wmf));
        QVERIFY(credibile(wmf.mid(22))); // without the placeable header
        QByteArray avido = wmf;
        pone32(avido, 22 + 12, quint32(wmf.size() / 2 + 1));
        QVERIFY(!credibile(avido));
        pone32(avido, 22 + 12, quint32(wmf.size() / 2));
        QVERIFY(credibile(avido));
        QByteArray corta = wmf;
        pone16(corta, 22 + 2, 8);
        QVERIFY(!credibile(corta));
        QVERIFY(!credibile(wmf.left(22 + 17)));
    }

    // The shipped program finds the helper beside itself, or in ../libexec/gridorapc/.
    void percorsoDelProgrammaWmf()
    {
        QTemporaryDir radice;
        QVERIFY(radice.isValid());
        const QString bin = radice.filePath("bin");
        const QString libexec = radice.filePath("libexec/gridorapc");
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QDir().mkpath(libexec));
        QVERIFY(percorsoProgrammaWmf(bin).isEmpty());

        const auto prepara = [](const QString& percorso, bool eseguibile) {
            QFile f(percorso);
            if (!f.exists()) {
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.close();
            }
            QVERIFY(f.setPermissions(eseguibile ? QFile::ReadOwner | QFile::ExeOwner
                                                : QFile::ReadOwner));
        };
        prepara(libexec + "/gridora-wmf", false);
        QVERIFY(percorsoProgrammaWmf(bin).isEmpty());
        prepara(libexec + "/gridora-wmf", true);
        QCOMPARE(percorsoProgrammaWmf(bin),
                 QFileInfo(libexec + "/gridora-wmf").canonicalFilePath());
        prepara(bin + "/gridora-wmf", true);
        QCOMPARE(percorsoProgrammaWmf(bin), QFileInfo(bin + "/gridora-wmf").canonicalFilePath());
    }
};

QTEST_MAIN(TestImmagini)
#include "tst_immagini.moc"
