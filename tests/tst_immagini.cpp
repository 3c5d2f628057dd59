// The image import's engine: the conversion rule, a picture of every format read and converted,
// and every kind of bad file, down to a metafile that keeps libwmf busy and helpers that crash,
// hang or flood their output.

#include "Figure.h"
#include "import/LetturaImmagine.h"
#include "import/wmf/ConversioneWmf.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace gridora;

namespace {

// The bytes with a little-endian word or double word replaced at `i`.
QByteArray con16(QByteArray b, qsizetype i, int v)
{
    b[i] = char(v & 0xFF);
    b[i + 1] = char((v >> 8) & 0xFF);
    return b;
}

QByteArray con32(const QByteArray& b, qsizetype i, quint32 v)
{
    return con16(con16(b, i, int(v & 0xFFFF)), i + 2, int(v >> 16));
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
    return con32(bmp, 22, quint32(-altezza));
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
    for (int v : {0, 1, 1, lato | lato << 8, 0, 1, 32}) // no palette, 1 plane, 32 bits
        le16(ico, v);
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
        return scriviFile(m_cartella.filePath(nome), dati);
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
    }

    // Each block is read at its top-left corner in the box's twips, j * 1815 / N, which falls in
    // pixel floor(j * 121 / N): a dot there counts, a dot just before it does not.
    void puntiDiCampionamento()
    {
        for (int lato : {5, 10, 15}) {
            for (int k = 1; k < lato; ++k) {
                const int punto = k * 121 / lato;
                QImage img = tinta(Qt::white, DimensioneAnteprima);
                img.setPixel(punto, punto, qRgb(0, 0, 0));
                img.setPixel(punto - 1, 0, qRgb(0, 0, 0)); // row 0, left of block k
                QString atteso(lato * lato, u'0');
                atteso[k * lato + k] = u'1';
                QCOMPARE(campiona(img, lato), atteso);
            }
        }
    }

    // A picture of any shape is stretched over the square box before it is sampled.
    void figuraNonQuadrataAllungata()
    {
        // 300 x 60, left third black: the black reaches preview pixel 39, so columns 0 and 1
        // of a 5 x 5 grid (pixels 0 and 24) are filled in every row, column 2 (48) is not.
        QImage larga = tinta(Qt::white, {300, 60});
        QPainter(&larga).fillRect(0, 0, 100, 60, Qt::black);
        QCOMPARE(campiona(immagineAnteprima(larga), 5), QString("11000").repeated(5));

        // 20 x 200, bottom half black: rows from pixel 60 down, so rows 3 and 4 (72, 96).
        QImage alta = tinta(Qt::white, {20, 200});
        QPainter(&alta).fillRect(0, 100, 20, 100, Qt::black);
        QCOMPARE(campiona(immagineAnteprima(alta), 5),
                 QString("00000").repeated(3) + QString("11111").repeated(2));
    }

    void grigliaFuoriMisura()
    {
        const QImage nero = tinta(Qt::black, DimensioneAnteprima);
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
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<int>("lato");
        QTest::addColumn<QSize>("dimensione"); // as read, at most the preview's
        QTest::addColumn<QString>("attese");
        const auto riga = [](const char* nome, const QByteArray& dati, int lato, QSize dimensione,
                             const QString& attese = {}) {
            QTest::newRow(nome) << dati << lato << dimensione
                                << (attese.isEmpty() ? celleDi(lato) : attese);
        };
        const auto d = [](int lato, QSize dimensione) {
            return disegno(celleDi(lato), lato, dimensione);
        };
        riga("quadro.bmp", scritta(d(10, {200, 150}), "bmp"), 10, DimensioneAnteprima);
        // Qt announces these with a negative height.
        riga("dallalto.bmp", dallAlto(scritta(d(10, {150, 200}), "bmp")), 10, DimensioneAnteprima);
        riga("foto.jpg", scritta(d(15, {640, 480}), "jpeg", 90), 15, DimensioneAnteprima);
        riga("animale.gif", gif({d(10, {90, 120})}), 10, {90, 119});
        riga("animata.gif", gif({d(10, {60, 60}), tinta(Qt::black, {60, 60})}), 10, {60, 60});
        riga("in realta gif.jpg", gif({d(5, {50, 50})}), 5, {50, 50}); // the content decides
        riga("icona.ico", scritta(d(5, {48, 48}), "ico"), 5, {48, 48});
        // An icon's PNG larger than its entry says still comes back no larger than asked.
        riga("grande.ico", icoDiPng(scritta(d(10, {200, 180}), "png"), 16), 10,
             DimensioneAnteprima);
        const QByteArray cursore = con16(scritta(d(5, {32, 32}), "ico"), 2, 2);  // a cursor file
        riga("puntatore.cur", con16(con16(cursore, 10, 4), 12, 4), 5, {32, 32}); // hot spot 4, 4
        riga("disegno.wmf", wmfDi(celleDi(15), 15), 15, DimensioneAnteprima);
        // Without a placeable header the bounds of what is drawn are the picture.
        riga("semplice.wmf", wmfDi(celleDi(15), 15).mid(22), 15, DimensioneAnteprima);
        // The header's box, not the bounds of what is drawn, is the picture: a drawing that
        // leaves the right and bottom blocks empty keeps them empty, wherever its origin lies.
        QString bordoVuoto = celleDi(5);
        for (int k = 0; k < 5; ++k)
            bordoVuoto[k * 5 + 4] = bordoVuoto[20 + k] = u'0';
        riga("spostato.wmf", wmfDi(bordoVuoto, 5, QPoint(1000, -2000), false), 5,
             DimensioneAnteprima, bordoVuoto);
    }

    void ogniFormato()
    {
        QFETCH(QByteArray, dati);
        QFETCH(int, lato);
        QFETCH(QSize, dimensione);
        QFETCH(QString, attese);
        const EsitoImmagine esito =
            m_lettura.leggi(scrivi(QTest::currentDataTag(), dati), DimensioneAnteprima);
        QCOMPARE(esito.errore, ErroreImmagine::Nessuno);
        QCOMPARE(esito.immagine.size(), dimensione);
        QCOMPARE(convertita(esito, lato), attese);
    }

    // A caller's size is kept within 1 and 4096 pixels a side.
    void misuraRichiesta()
    {
        const QByteArray jpeg = scritta(disegno(celleDi(5), 5, {4200, 30}), "jpeg");
        QCOMPARE(m_lettura.decodifica(jpeg, QSize(100000, 100000)).immagine.size(),
                 QSize(LatoMassimoRichiesto, 30));
        QCOMPARE(m_lettura.decodifica(jpeg, QSize(0, -5)).immagine.size(), QSize(1, 1));
    }

    // --- Bad files ---

    void fileNonValidi_data()
    {
        using enum ErroreImmagine;
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<ErroreImmagine>("errore");
        const auto riga = [](const char* nome, const QByteArray& dati, ErroreImmagine errore) {
            QTest::newRow(nome) << dati << errore;
        };
        const QByteArray bmp = scritta(disegno(celleDi(5), 5, {64, 48}), "bmp");
        const QByteArray jpeg = scritta(disegno(celleDi(5), 5, {64, 48}), "jpeg");
        const QByteArray gifDati = gif({disegno(celleDi(5), 5, {64, 48})});
        const QByteArray ico = scritta(disegno(celleDi(5), 5, {32, 32}), "ico");
        const QByteArray wmf = wmfDi(celleDi(5), 5);

        riga("vuoto.bmp", {}, Vuoto);
        riga("casuale.jpg", casuali(5000, 1), FormatoSconosciuto);
        // Only the six formats are taken, however well Qt reads others.
        riga("png.bmp", scritta(disegno(celleDi(5), 5, {50, 50}), "png"), FormatoSconosciuto);
        riga("senza icone.ico", QByteArray("\0\0\1\0\0\0", 6), FormatoSconosciuto);
        // A format's signature, then noise (after a sane size, for the BMP).
        riga("rumore.bmp", bmp.left(30) + casuali(5000, 2), Danneggiata);
        riga("rumore.jpg", "\xFF\xD8\xFF" + casuali(5000, 3), Danneggiata);
        riga("rumore.gif", "GIF89a" + casuali(5000, 4), Danneggiata);
        riga("rumore.ico", QByteArray("\0\0\1\0\1\0", 6) + casuali(5000, 5), Danneggiata);

        // Truncated files, which Qt's BMP and JPEG readers would fill in black or grey.
        riga("mezzo.bmp", bmp.left(bmp.size() - 200), Danneggiata);
        riga("mezzo.jpg", jpeg.left(jpeg.size() * 2 / 3), Danneggiata);
        riga("mezzo.gif", gifDati.left(gifDati.size() - 300), Danneggiata);
        riga("mezzo.ico", ico.left(ico.size() - 100), Danneggiata);

        // Headers announcing gigantic pictures are refused before anything is decoded.
        riga("gigante.bmp", con32(con32(bmp, 18, 100000), 22, 100000), DimensioniEccessive);
        riga("oltre 50 megapixel.jpg", jpegConDimensioni(jpeg, 9000, 6000), DimensioniEccessive);
        const QByteArray progressivo = scritta(disegno(celleDi(5), 5, {64, 48}), "jpeg", -1, true);
        riga("progressivo oltre 30 megapixel.jpg",
             jpegConDimensioni(progressivo, 6000, 6000, '\xC2'), DimensioniEccessive);
        riga("gigante.gif", con16(con16(gifDati, 6, 65535), 8, 65535), DimensioniEccessive);
        const qsizetype descrittore = 13 + 768; // small screen, huge frame
        riga("fotogramma gigante.gif",
             con16(con16(gifDati, descrittore + 5, 65535), descrittore + 7, 65535),
             DimensioniEccessive);
        // Icons are at most 256 pixels a side, but a PNG inside one may say anything: Qt's
        // allocation limit refuses it.
        riga("png gigante.ico", icoConPngGigante({50000, 50000}), Danneggiata);

        // Metafiles that libwmf turns down: a record longer than the largest announced, a
        // truncated file, noise after the placeable key.
        riga("rotto.wmf", con32(metafile(record(0x041B, {10, 10, 0, 0}), 0), 22 + 18, 60000),
             WmfRifiutato);
        riga("mezzo.wmf", wmf.left(wmf.size() / 2 + 1), WmfRifiutato);
        riga("rumore.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4) + casuali(3000, 6), WmfRifiutato);
    }

    void fileNonValidi()
    {
        QFETCH(QByteArray, dati);
        QFETCH(ErroreImmagine, errore);
        QElapsedTimer tempo;
        tempo.start();
        const EsitoImmagine esito =
            m_lettura.leggi(scrivi(QTest::currentDataTag(), dati), DimensioneAnteprima);
        QCOMPARE(esito.errore, errore);
        QVERIFY(esito.immagine.isNull());
        QVERIFY2(tempo.elapsed() < 1500, qPrintable(QString::number(tempo.elapsed())));
    }

    // Things with a picture's name that are not regular files are never opened for reading:
    // a pipe would block, a device would never end.
    void nonFileConNomeDiFigura()
    {
        const auto errore = [this](const QString& nome) {
            return m_lettura.leggi(m_cartella.filePath(nome), DimensioneAnteprima).errore;
        };
        QVERIFY(QDir().mkpath(m_cartella.filePath("cartella.bmp")));
        QCOMPARE(errore("cartella.bmp"), ErroreImmagine::NonUnFile);
        QCOMPARE(::mkfifo(QFile::encodeName(m_cartella.filePath("tubo.gif")).constData(), 0600), 0);
        QElapsedTimer tempo;
        tempo.start();
        QCOMPARE(errore("tubo.gif"), ErroreImmagine::NonUnFile);
        QVERIFY(tempo.elapsed() < 1000);
        QVERIFY(QFile::link("/dev/zero", m_cartella.filePath("zero.jpg")));
        QCOMPARE(errore("zero.jpg"), ErroreImmagine::NonUnFile);
        QCOMPARE(errore("assente.bmp"), ErroreImmagine::NonUnFile);
    }

    void fileSenzaPermesso()
    {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        const QString percorso = scrivi("chiuso.bmp", scritta(tinta(Qt::black), "bmp"));
        QVERIFY(QFile::setPermissions(percorso, {}));
        QCOMPARE(m_lettura.leggi(percorso, DimensioneAnteprima).errore,
                 ErroreImmagine::NonLeggibile);
    }

    // The limits given to the reader are the ones it applies; a file too large is refused by its
    // size alone.
    void limitiSuMisura()
    {
        using enum ErroreImmagine;
        const QString bmp = scrivi("limiti.bmp", scritta(disegno(celleDi(5), 5, {40, 40}), "bmp"));
        const QString wmf = scrivi("limiti.wmf", wmfDi(celleDi(5), 5));
        const auto errore = [](const QString& percorso, LimitiImmagine limiti) {
            return LetturaImmagine(QStringLiteral(GRIDORA_PROGRAMMA_WMF), limiti)
                .leggi(percorso, DimensioneAnteprima)
                .errore;
        };
        const qint64 byte = QFileInfo(bmp).size();
        QCOMPARE(errore(bmp, {.byteMassimi = byte - 1}), TroppoGrande);
        QCOMPARE(errore(wmf, {.byteMassimiWmf = QFileInfo(wmf).size() - 1}), TroppoGrande);
        QCOMPARE(errore(bmp, {.latoMassimo = 39}), DimensioniEccessive);
        QCOMPARE(errore(bmp, {.pixelMassimi = 40 * 40 - 1}), DimensioniEccessive);
        QCOMPARE(errore(bmp, {.byteMassimi = byte, .latoMassimo = 40, .pixelMassimi = 40 * 40}),
                 Nessuno);
    }

    // --- The metafile helper, isolated in its own process ---

    // 122 bytes: a 30000-unit font and a few letters keep libwmf busy for seconds. The helper's
    // own CPU limit ends it, even with the game's deadline far away.
    void wmfCheEsaurisceLaCpu()
    {
        // LOGFONT: height -30000, weight 400, face "Arial".
        const QList<int> carattere{-30000, 0, 0, 0, 400, 0, 0, 0, 0, 0x7241, 0x6169, 0x6C, 0};
        const QByteArray wmf = metafile(record(0x020B, {0, 0}) + record(0x020C, {119, 119}) +
                                            record(0x02FB, carattere) + record(0x012D, {0}) +
                                            record(0x0521, {4, 0x5757, 0x5757, 10, 0}), // "WWWW"
                                        1);
        const LetturaImmagine paziente(QStringLiteral(GRIDORA_PROGRAMMA_WMF),
                                       {.attesaWmfMs = 20000});
        QElapsedTimer tempo;
        tempo.start();
        const EsitoImmagine esito =
            paziente.leggi(scrivi("carattere.wmf", wmf), DimensioneAnteprima);
        QCOMPARE(esito.errore, ErroreImmagine::WmfInterrotto);
        QVERIFY2(tempo.elapsed() < 8000, qPrintable(QString::number(tempo.elapsed())));
    }

    void aiutantiCheFallano_data()
    {
        using enum ErroreImmagine;
        QTest::addColumn<QByteArray>("corpo");
        QTest::addColumn<ErroreImmagine>("errore");
        QTest::newRow("si schianta")
            << QByteArray("cat >/dev/null; kill -SEGV $$") << WmfInterrotto;
        QTest::newRow("si blocca") << QByteArray("exec sleep 30") << WmfInterrotto;
        QTest::newRow("non legge e si blocca") << QByteArray("exec sleep 30 <&-") << WmfInterrotto;
        QTest::newRow("inonda") << QByteArray("exec cat /dev/zero") << WmfInterrotto;
        QTest::newRow("chiude l'uscita e si blocca")
            << QByteArray("exec >&-; sleep 30") << WmfInterrotto;
        QTest::newRow("rifiuta") << QByteArray("cat >/dev/null; exit 1") << WmfRifiutato;
        QTest::newRow("esce senza figura") << QByteArray("cat >/dev/null; exit 0") << WmfRifiutato;
    }

    // Whatever the helper does, the reader answers within its deadline and the game goes on.
    void aiutantiCheFallano()
    {
        QFETCH(QByteArray, corpo);
        QFETCH(ErroreImmagine, errore);
        const QString aiutante = scrivi(QTest::currentDataTag(), "#!/bin/sh\n" + corpo + "\n");
        QFile::setPermissions(aiutante, QFile::ReadOwner | QFile::ExeOwner);
        const LetturaImmagine lettura(aiutante, {.attesaWmfMs = 500});
        QElapsedTimer tempo;
        tempo.start();
        QCOMPARE(lettura.decodifica(wmfDi(celleDi(5), 5), DimensioneAnteprima).errore, errore);
        QVERIFY2(tempo.elapsed() < 2500, qPrintable(QString::number(tempo.elapsed())));
    }

    void aiutanteMancante()
    {
        const auto esito = [](const QString& programma, const QByteArray& dati) {
            return LetturaImmagine(programma).decodifica(dati, DimensioneAnteprima).errore;
        };
        const QByteArray wmf = wmfDi(celleDi(5), 5);
        QCOMPARE(esito(QString(), wmf), ErroreImmagine::ProgrammaWmfMancante);
        QCOMPARE(esito(m_cartella.filePath("nessuno"), wmf), ErroreImmagine::ProgrammaWmfMancante);
        // Raster pictures do not need it.
        QCOMPARE(esito(QString(), scritta(tinta(Qt::black), "bmp")), ErroreImmagine::Nessuno);
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
    // than the whole file, for which it would allocate up to 8 GB before reading anything (the
    // helper's memory limit would then refuse the file in any case, so only here does it show).
    void intestazioneWmfCredibile()
    {
        const auto credibile = [](const QByteArray& b) {
            return intestazioneCredibile(reinterpret_cast<const unsigned char*>(b.constData()),
                                         std::size_t(b.size()));
        };
        const QByteArray wmf = wmfDi(celleDi(5), 5);
        QVERIFY(!credibile(con32(wmf, 22 + 12, quint32(wmf.size() / 2 + 1))));
        QVERIFY(credibile(con32(wmf, 22 + 12, quint32(wmf.size() / 2))));
        QVERIFY(!credibile(con16(wmf, 22 + 2, 8))); // not 9 header words
        QVERIFY(!credibile(wmf.left(22 + 17)));
    }

    // The shipped program finds the helper beside itself, or in ../libexec/gridorapc/.
    void percorsoDelProgrammaWmf()
    {
        QTemporaryDir radice;
        const QString bin = radice.filePath("bin");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(radice.filePath("libexec/gridorapc")));
        const QString libexec = scriviFile(radice.filePath("libexec/gridorapc/gridora-wmf"), {});
        QVERIFY(QFile::setPermissions(libexec, QFile::ReadOwner)); // not executable
        QVERIFY(percorsoProgrammaWmf(bin).isEmpty());
        QVERIFY(QFile::setPermissions(libexec, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(percorsoProgrammaWmf(bin), QFileInfo(libexec).canonicalFilePath());
        const QString accanto = scriviFile(bin + "/gridora-wmf", {});
        QVERIFY(QFile::setPermissions(accanto, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(percorsoProgrammaWmf(bin), QFileInfo(accanto).canonicalFilePath());
    }
};

QTEST_MAIN(TestImmagini)
#include "tst_immagini.moc"
