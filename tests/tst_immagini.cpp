// The image import's engine: the conversion rule, a picture of every format read and converted,
// and every kind of bad file, down to a metafile that keeps libwmf busy and helpers that crash,
// hang or flood their output.

#include "Figure.h"
#include "import/LetturaImmagine.h"
#include "import/wmf/ConversioneWmf.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/stat.h>

using namespace gridora;
using enum ErroreImmagine;

namespace {

// The bytes with a value written at `i`, little-endian or big-endian.
template <typename T> QByteArray con(QByteArray b, qsizetype i, T v, bool grande = false)
{
    grande ? qToBigEndian(v, b.data() + i) : qToLittleEndian(v, b.data() + i);
    return b;
}

// An icon (or cursor) whose only entry is `voce`, its directory saying `lato` (0 for 256).
QByteArray icoDi(const QByteArray& voce, int lato, int bit = 32, int tipo = 1)
{
    QByteArray ico;
    // A cursor's hot spot: 1, bit. Then the entry's length and where it starts.
    const int n = int(voce.size());
    for (int v : {0, tipo, 1, lato | lato << 8, 0, 1, bit, n & 0xFFFF, n >> 16, 22, 0})
        le16(ico, v);
    return ico + voce;
}

// A 40 x 40 icon (or cursor) of `bit` bits whose colours are all black and whose transparency
// mask leaves only the filled cells of celleDi(5) opaque; a 32-bit one's alpha says the same.
QByteArray icoConMaschera(int bit, int tipo = 1)
{
    const QImage maschera = monoDi(celleDi(5), 5, {40, 40}).mirrored(); // rows bottom-up
    QByteArray dib;
    for (quint32 v : {40u, 40u, 80u, 1u | quint32(bit) << 16, 0u, 0u, 0u, 0u, 0u, 0u})
        le32(dib, v);
    for (int k = 0; bit <= 8 && k < 1 << bit; ++k)
        le32(dib, k == 0 ? 0 : 0xFFFFFF); // colour 0 black
    QByteArray colori((40 * bit + 31) / 32 * 4 * 40, '\0');
    for (int i = 0; bit == 32 && i < 40 * 40; ++i)
        colori[i * 4 + 3] = maschera.pixelIndex(i % 40, i / 40) ? '\0' : '\xFF';
    const auto* bit0 = reinterpret_cast<const char*>(maschera.constBits());
    return icoDi(dib + colori + QByteArray(bit0, maschera.sizeInBytes()), 40, bit, tipo);
}

} // namespace

class TestImmagini : public QObject {
    Q_OBJECT

    QTemporaryDir m_cartella;
    LetturaImmagine m_lettura{QStringLiteral(GRIDORA_PROGRAMMA_WMF)};

    // What a reader with the helper `programma` and `limiti` makes of `dati`.
    static ErroreImmagine errore(const QByteArray& dati, const QString& programma,
                                 LimitiImmagine limiti = {})
    {
        return LetturaImmagine(programma, limiti).decodifica(dati, DimensioneAnteprima).errore;
    }

private slots:
    // Black, red, green, yellow and grey 128 give a filled cell, white, blue and grey 130 an empty
    // one. At the threshold itself, 81B320, blue 129 decides; colours are seen over the white box.
    // Each block is read at its top-left corner in the box's twips, j * 1815 / N, which falls in
    // pixel floor(j * 121 / N): a dot there counts, a dot just before it does not.
    void regolaDiConversione()
    {
        QString pieni;
        for (QRgb c :
             {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0),
              qRgb(128, 128, 128), qRgb(0x1F, 0xB3, 0x81), qRgba(0, 0, 0, 250), qRgb(255, 255, 255),
              qRgb(0, 0, 255), qRgb(130, 130, 130), qRgb(0x20, 0xB3, 0x81), qRgba(0, 0, 0, 0)})
            pieni += campionePieno(c) ? u'1' : u'0';
        QCOMPARE(pieni, QStringLiteral("111111100000"));
        for (int lato : {5, 10, 15}) {
            QImage img = tinta(Qt::white, DimensioneAnteprima);
            QString atteso(lato * lato, u'0');
            for (int k = 1; k < lato; ++k) {
                const int punto = k * 121 / lato;
                img.setPixel(punto, punto, qRgb(0, 0, 0));
                img.setPixel(punto - 1, 0, qRgb(0, 0, 0)); // row 0, left of block k
                atteso[k * lato + k] = u'1';
            }
            QCOMPARE(campiona(img, lato), atteso);
        }
    }

    // A file of each format, read and converted, or refused with its reason. Things with a
    // picture's name that are not regular files are never opened for reading (a pipe would
    // block, a device would never end).
    void letture_data()
    {
        QTest::addColumn<QByteArray>("dati"); // null: the test makes no file
        QTest::addColumn<ErroreImmagine>("errore");
        QTest::addColumn<QSize>("dimensione"); // as read, at most the preview's
        QTest::addColumn<QString>("attese");
        const auto buona = [](const char* nome, const QByteArray& dati, int lato,
                              QSize dimensione = DimensioneAnteprima, QString attese = {}) {
            QTest::newRow(nome) << dati << Nessuno << dimensione
                                << (attese.isEmpty() ? celleDi(lato) : attese);
        };
        const auto d = [](int lato, QSize dimensione) {
            return disegno(celleDi(lato), lato, dimensione);
        };
        buona("quadro.bmp", scritta(d(10, {200, 150}), "bmp"), 10);
        // Rows stored top-down, as a negative height says: Qt announces these wrongly.
        buona("dallalto.bmp", con<qint32>(scritta(d(10, {150, 200}).mirrored(), "bmp"), 22, -200),
              10);
        buona("foto.jpg", scritta(d(15, {640, 480}), "jpeg", 90), 15);
        // The first frame, scaled down only along the side that exceeds the preview.
        buona("animata.gif", gif({d(10, {90, 120}), tinta(Qt::black, {90, 120})}), 10, {90, 119});
        buona("in realta gif.jpg", gif({d(5, {50, 50})}), 5, {50, 50}); // the content decides
        // An icon's PNG larger than its entry says still comes back no larger than asked.
        buona("grande.ico", icoDi(scritta(d(10, {200, 180}), "png"), 16), 10);
        // Transparent pixels are the white of the box, whatever the depth: Qt's own reader
        // would show 16-bit and 24-bit ones black.
        for (int bit : {1, 4, 8, 16, 24, 32})
            buona(qPrintable(QStringLiteral("maschera %1 bit.ico").arg(bit)), icoConMaschera(bit),
                  5, {40, 40});
        buona("maschera 24 bit.cur", icoConMaschera(24, 2), 5, {40, 40});
        // An A4 page scanned at 600 dpi, within the program's limits though above Qt's own.
        buona("pagina a4.bmp", scritta(monoDi(celleDi(15), 15, {4960, 7016}), "bmp"), 15);
        buona("disegno.wmf", wmfDi(celleDi(15), 15), 15);
        // Without a placeable header the bounds of what is drawn are the picture.
        buona("semplice.wmf", wmfDi(celleDi(15), 15).mid(22), 15);
        // The header's box, not the bounds of what is drawn, is the picture: a drawing that
        // leaves the right and bottom blocks empty keeps them empty, wherever its origin lies.
        QString bordoVuoto = celleDi(5);
        for (int k = 0; k < 5; ++k)
            bordoVuoto[k * 5 + 4] = bordoVuoto[20 + k] = u'0';
        buona("spostato.wmf", wmfDi(bordoVuoto, 5, QPoint(1000, -2000)), 5, DimensioneAnteprima,
              bordoVuoto);
        cattive();
    }

    void letture()
    {
        QFETCH(QByteArray, dati);
        QFETCH(ErroreImmagine, errore);
        QFETCH(QSize, dimensione);
        QFETCH(QString, attese);
        const QString nome = m_cartella.filePath(QTest::currentDataTag());
        const EsitoImmagine esito =
            m_lettura.leggi(dati.isNull() ? nome : scriviFile(nome, dati), DimensioneAnteprima);
        QCOMPARE(esito.errore, errore);
        QCOMPARE(esito.immagine.size(), dimensione);
        if (esito.ok())
            QCOMPARE(campiona(immagineAnteprima(esito.immagine), int(std::sqrt(attese.size()))),
                     attese);
    }

    // A file larger than the reader's limit is refused by its size alone, a metafile by its
    // own, lower limit; the PNG inside an icon is held to the limits, whatever its directory says.
    void limiti()
    {
        const QByteArray bmp = scritta(tinta(Qt::black), "bmp"), wmf = wmfDi(celleDi(5), 5);
        QCOMPARE(errore(bmp, {}, {.byteMassimi = bmp.size() - 1}), TroppoGrande);
        QCOMPARE(errore(bmp, {}, {.byteMassimi = bmp.size()}), Nessuno);
        QCOMPARE(errore(wmf, {}, {.byteMassimiWmf = wmf.size() - 1}), TroppoGrande);
        const QByteArray ico = icoDi(scritta(tinta(Qt::black), "png"), 40);
        QCOMPARE(errore(ico, {}, {.pixelMassimi = 40 * 40 - 1}), DimensioniEccessive);
    }

    // 122 bytes: a 30000-unit font and a few letters keep libwmf busy for long. The helper's own
    // CPU limit ends it (SIGXCPU, or SIGKILL at the hard limit), however loaded the machine and
    // with the reader's deadline a minute away; a shell in between notes how it ended.
    void wmfCheEsaurisceLaCpu()
    {
        // LOGFONT: height -30000, weight 400, face "Arial"; then "WWWW".
        const QList<int> carattere{-30000, 0, 0, 0, 400, 0, 0, 0, 0, 0x7241, 0x6169, 0x6C, 0};
        const QByteArray wmf = metafile(record(0x020B, {0, 0}) + record(0x020C, {119, 119}) +
                                            record(0x02FB, carattere) + record(0x012D, {0}) +
                                            record(0x0521, {4, 0x5757, 0x5757, 10, 0}),
                                        1);
        // Only when the helper ended by its CPU limit does the shell answer "no picture".
        const QByteArray limite =
            QByteArray::number(128 + SIGXCPU) + '|' + QByteArray::number(128 + SIGKILL);
        const QString guscio =
            aiutante(m_cartella.filePath("guscio"), "'" GRIDORA_PROGRAMMA_WMF "'; case $? in " +
                                                        limite + ") exit 0;; esac; kill -SEGV $$");
        QCOMPARE(errore(wmf, guscio, {.attesaWmfMs = 60000}), WmfRifiutato);
    }

    // Whatever the helper does, the reader answers long before the helper's 30 seconds are up
    // and the game goes on; without a helper only metafiles fail.
    void aiutantiCheFallano()
    {
        const QList<QPair<QByteArray, ErroreImmagine>> casi{
            {"cat >/dev/null; kill -SEGV $$", WmfInterrotto}, // crashes
            {"exec sleep 30", WmfInterrotto},                 // hangs
            {"exec sleep 30 <&-", WmfInterrotto},             // reads nothing and hangs
            {"exec cat /dev/zero", WmfInterrotto},            // floods its output
            {"exec >&-; sleep 30", WmfInterrotto},            // closes its output and hangs
            {"cat >/dev/null; exit 0", WmfRifiutato},         // ends without a picture
            {"", ProgrammaWmfMancante}};                      // is not there
        const QString manca = m_cartella.filePath("manca"), finto = m_cartella.filePath("finto");
        for (int k = 0; const auto& [corpo, atteso] : casi) { // one file each: it ends read-only
            const QDeadlineTimer presto(15000);
            const bool giusto =
                errore(wmfDi(celleDi(5), 5),
                       corpo.isEmpty() ? manca : aiutante(finto + QString::number(++k), corpo),
                       {.attesaWmfMs = 500}) == atteso;
            QVERIFY2(giusto && !presto.hasExpired(), corpo);
        }
        QCOMPARE(errore(scritta(tinta(Qt::black), "bmp"), manca), Nessuno);
    }

    // What libwmf is never given: a header that is not one, or one announcing a record longer
    // than the whole file, for which it would allocate up to 8 GB before reading anything (the
    // helper's memory limit would then refuse the file in any case, so only here does it show).
    // The shipped program finds the helper beside itself, or in ../libexec/gridorapc/.
    void intestazioneEPercorsoWmf()
    {
        const auto credibile = [](const QByteArray& b) {
            return intestazioneCredibile(reinterpret_cast<const uchar*>(b.constData()),
                                         std::size_t(b.size()));
        };
        const QByteArray wmf = wmfDi(celleDi(5), 5);
        QVERIFY(!credibile(con<quint32>(wmf, 22 + 12, quint32(wmf.size() / 2 + 1))));
        QVERIFY(credibile(con<quint32>(wmf, 22 + 12, quint32(wmf.size() / 2))));
        QVERIFY(!credibile(con<quint16>(wmf, 22 + 2, 8))); // not 9 header words
        QVERIFY(!credibile(wmf.left(22 + 17)));

        const QString bin = m_cartella.filePath("bin");
        const QString libexec = m_cartella.filePath("libexec/gridorapc/gridora-wmf");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(QFileInfo(libexec).path()));
        scriviFile(libexec, {}); // not executable
        QVERIFY(percorsoProgrammaWmf(bin).isEmpty());
        QCOMPARE(percorsoProgrammaWmf(bin), QFileInfo(aiutante(libexec, {})).canonicalFilePath());
        const QString accanto = QFileInfo(aiutante(bin + "/gridora-wmf", {})).canonicalFilePath();
        QCOMPARE(percorsoProgrammaWmf(bin), accanto);
    }

private:
    // The bad files of letture(), each with the reason it is refused.
    void cattive()
    {
        const auto riga = [](const char* nome, const QByteArray& dati, ErroreImmagine errore) {
            QTest::newRow(nome) << dati << errore << QSize(0, 0) << QString();
        };
        QVERIFY(QDir().mkpath(m_cartella.filePath("cartella.bmp")));
        QCOMPARE(::mkfifo(QFile::encodeName(m_cartella.filePath("tubo.gif")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", m_cartella.filePath("zero.jpg")));
        for (const char* nome : {"cartella.bmp", "tubo.gif", "zero.jpg", "assente.bmp"})
            riga(nome, {}, NonUnFile);
        const QImage figura = disegno(celleDi(5), 5, {64, 48});
        const QByteArray bmp = scritta(figura, "bmp"), jpeg = scritta(figura, "jpeg");
        const QByteArray gifDati = gif({figura});
        const QByteArray ico = scritta(disegno(celleDi(5), 5, {32, 32}), "ico");
        const QByteArray wmf = wmfDi(celleDi(5), 5);

        riga("vuoto.bmp", QByteArray(""), Vuoto);
        riga("casuale.jpg", casuali(5000, 1), FormatoSconosciuto);
        // Only the six formats are taken, however well Qt reads others.
        riga("png.bmp", scritta(disegno(celleDi(5), 5, {50, 50}), "png"), FormatoSconosciuto);
        // A format's signature, then noise (after a sane size, for the BMP).
        const QList<QByteArray> firme{bmp.left(30), "\xFF\xD8\xFF", "GIF89a", {"\0\0\1\0\1\0", 6}};
        for (quint32 k = 0; k < 4; ++k)
            riga(qPrintable(QStringLiteral("rumore %1").arg(k)), firme[k] + casuali(5000, k + 2),
                 Danneggiata);

        // Truncated files, which Qt's BMP and JPEG readers would fill in black or grey.
        riga("mezzo.bmp", bmp.left(bmp.size() - 200), Danneggiata);
        riga("mezzo.jpg", jpeg.left(jpeg.size() * 2 / 3), Danneggiata);
        riga("mezzo.gif", gifDati.left(gifDati.size() - 300), Danneggiata);
        riga("mezzo.ico", ico.left(ico.size() - 100), Danneggiata);

        // Headers announcing gigantic pictures are refused before anything is decoded.
        riga("gigante.bmp", con<quint32>(con<quint32>(bmp, 18, 100000), 22, 100000),
             DimensioniEccessive);
        // The frame header's sides (baseline C0, progressive C2).
        const auto lati = [](const QByteArray& j, quint16 larghezza, quint16 altezza, char sof) {
            const qsizetype i = j.indexOf(QByteArray("\xFF") + sof);
            return con(con(j, i + 5, altezza, true), i + 7, larghezza, true);
        };
        riga("oltre 50 megapixel.jpg", lati(jpeg, 9000, 6000, '\xC0'), DimensioniEccessive);
        riga("progressivo oltre 30 megapixel.jpg",
             lati(scritta(figura, "jpeg", -1, true), 6000, 6000, '\xC2'), DimensioniEccessive);
        riga("gigante.gif", con<quint32>(gifDati, 6, 0xFFFFFFFFu), DimensioniEccessive);
        const qsizetype fotogramma = 13 + 768 + 5; // small screen, huge first frame
        riga("fotogramma gigante.gif", con<quint32>(gifDati, fotogramma, 0xFFFFFFFFu),
             DimensioniEccessive);

        // Metafiles that libwmf turns down: a record longer than the largest announced, a
        // truncated file.
        riga("rotto.wmf", con<quint32>(metafile(record(0x041B, {10, 10, 0, 0}), 0), 22 + 18, 60000),
             WmfRifiutato);
        riga("mezzo.wmf", wmf.left(wmf.size() / 2 + 1), WmfRifiutato);
    }
};

QTEST_MAIN(TestImmagini)
#include "tst_immagini.moc"
