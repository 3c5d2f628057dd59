// The bytes of the shipped bitmaps, pointers, icon and sounds, read with a parser of our
// own: the players and image loaders forgive a lot, older ones less, so the headers and
// chunk layouts are checked field by field.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <cmath>
#include <cstdlib>

namespace {

QByteArray leggi(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

quint32 u8(const QByteArray& b, qsizetype i)
{
    return static_cast<quint8>(b.at(i));
}
quint32 u16(const QByteArray& b, qsizetype i)
{
    return u8(b, i) | u8(b, i + 1) << 8;
}
quint32 u32(const QByteArray& b, qsizetype i)
{
    return u16(b, i) | u16(b, i + 2) << 16;
}
qint32 i32(const QByteArray& b, qsizetype i)
{
    return static_cast<qint32>(u32(b, i));
}
QByteArray codice(const QByteArray& b, qsizetype i)
{
    return b.mid(i, 4);
}

struct Pezzo {
    QByteArray id;
    qsizetype inizio; // first byte of the content
    quint32 dimensione;
};

// The chunks of a RIFF file in order; stops at the first chunk that runs past the end.
QList<Pezzo> pezzi(const QByteArray& b, qsizetype* fine)
{
    QList<Pezzo> elenco;
    qsizetype i = 12;
    while (i + 8 <= b.size()) {
        const Pezzo p{codice(b, i), i + 8, u32(b, i + 4)};
        if (p.inizio + p.dimensione > b.size())
            break;
        elenco.append(p);
        i = p.inizio + p.dimensione + (p.dimensione % 2); // odd chunks are padded
    }
    *fine = i;
    return elenco;
}

// Colour of a pixel of a 24-bit bottom-up BMP, (0, 0) being the top left.
QRgb pixelBmp(const QByteArray& b, int x, int y)
{
    const int w = i32(b, 18);
    const int h = i32(b, 22);
    const qsizetype riga = (w * 3 + 3) & ~3;
    const qsizetype i = u32(b, 10) + (h - 1 - y) * riga + x * 3;
    return qRgb(static_cast<int>(u8(b, i + 2)), static_cast<int>(u8(b, i + 1)),
                static_cast<int>(u8(b, i)));
}

// A 24-bit bottom-up BMP long enough for all its rows: pixelBmp() may read it.
bool bmpLeggibile(const QByteArray& b)
{
    if (b.size() < 54 || u16(b, 28) != 24 || i32(b, 18) <= 0 || i32(b, 22) <= 0)
        return false;
    const qsizetype riga = (i32(b, 18) * 3 + 3) & ~3;
    return b.size() >= qsizetype(u32(b, 10)) + riga * i32(b, 22);
}

bool vicino(QRgb a, QRgb b, int tolleranza)
{
    return std::abs(qRed(a) - qRed(b)) <= tolleranza &&
           std::abs(qGreen(a) - qGreen(b)) <= tolleranza &&
           std::abs(qBlue(a) - qBlue(b)) <= tolleranza;
}

bool quasiBianco(QRgb p)
{
    return qRed(p) > 225 && qGreen(p) > 225 && qBlue(p) > 225;
}

} // namespace

class TestFormatiRisorse : public QObject {
    Q_OBJECT

private slots:
    void suoni_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("canali");
        QTest::addColumn<int>("frequenza");
        QTest::addColumn<int>("bit");
        QTest::addColumn<QByteArrayList>("ordine");
        QTest::addColumn<int>("byteFmt");
        QTest::addColumn<int>("byteDati");
        QTest::addColumn<double>("secondi");

        const QByteArrayList conFact{"fmt ", "fact", "data"};
        const QByteArrayList semplice{"fmt ", "data"};
        QTest::newRow("101") << "101" << 1 << 11025 << 8 << conFact << 16 << 15624 << 1.42;
        QTest::newRow("102 odd data") << "102" << 1 << 11025 << 8 << conFact << 16 << 14429 << 1.31;
        QTest::newRow("103") << "103" << 1 << 22050 << 16 << semplice << 16 << 19368 << 0.44;
        QTest::newRow("104 stereo") << "104" << 2 << 44100 << 16 << conFact << 18 << 123492 << 0.70;
        QTest::newRow("105") << "105" << 1 << 22050 << 16 << semplice << 16 << 111640 << 2.53;
        QTest::newRow("106") << "106" << 1 << 22050 << 16 << semplice << 16 << 91968 << 2.09;
        QTest::newRow("108 with LIST")
            << "108" << 1 << 16000 << 8 << QByteArrayList{"fmt ", "data", "LIST"} << 16 << 20175
            << 1.26;
    }
    void suoni()
    {
        QFETCH(QString, file);
        QFETCH(int, canali);
        QFETCH(int, frequenza);
        QFETCH(int, bit);
        QFETCH(QByteArrayList, ordine);
        QFETCH(int, byteFmt);
        QFETCH(int, byteDati);
        QFETCH(double, secondi);

        const QByteArray b = leggi(QStringLiteral(":/suoni/%1.wav").arg(file));
        QVERIFY(b.size() > 44);
        QCOMPARE(codice(b, 0), QByteArray("RIFF"));
        QCOMPARE(codice(b, 8), QByteArray("WAVE"));
        QCOMPARE(qsizetype(u32(b, 4)), b.size() - 8);

        qsizetype fine = 0;
        const QList<Pezzo> elenco = pezzi(b, &fine);
        QCOMPARE(fine, b.size()); // the chunks, pad bytes included, fill the file exactly
        QByteArrayList trovati;
        for (const Pezzo& p : elenco)
            trovati.append(p.id);
        QCOMPARE(trovati, ordine);

        const Pezzo fmt = elenco.at(0);
        const int allineamento = canali * bit / 8;
        QCOMPARE(int(fmt.dimensione), byteFmt);
        QCOMPARE(u16(b, fmt.inizio), 1u); // PCM
        QCOMPARE(int(u16(b, fmt.inizio + 2)), canali);
        QCOMPARE(int(u32(b, fmt.inizio + 4)), frequenza);
        QCOMPARE(int(u32(b, fmt.inizio + 8)), frequenza * allineamento);
        QCOMPARE(int(u16(b, fmt.inizio + 12)), allineamento);
        QCOMPARE(int(u16(b, fmt.inizio + 14)), bit);
        if (byteFmt == 18)
            QCOMPARE(u16(b, fmt.inizio + 16), 0u); // cbSize

        const Pezzo dati = elenco.at(ordine.indexOf("data"));
        QCOMPARE(int(dati.dimensione), byteDati);
        if (ordine.contains("fact")) {
            const Pezzo fact = elenco.at(ordine.indexOf("fact"));
            QCOMPARE(fact.dimensione, 4u);
            QCOMPARE(int(u32(b, fact.inizio)), byteDati / allineamento);
        }
        if (ordine.contains("LIST")) {
            const Pezzo lista = elenco.at(ordine.indexOf("LIST"));
            QCOMPARE(codice(b, lista.inizio), QByteArray("INFO"));
            QCOMPARE(codice(b, lista.inizio + 4), QByteArray("ISFT"));
            QVERIFY(b.mid(lista.inizio + 12, u32(b, lista.inizio + 8)).startsWith("GridoraPC"));
        }

        const double durata = double(byteDati) / (frequenza * allineamento);
        QVERIFY2(std::abs(durata - secondi) < 0.01, qPrintable(QString::number(durata)));
    }

    // Audible but not clipped, and silent at both ends so that starting and stopping the
    // sound does not click.
    void livelliDeiSuoni_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* n : {"101", "102", "103", "104", "105", "106", "108"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void livelliDeiSuoni()
    {
        QFETCH(QString, file);
        const QByteArray b = leggi(QStringLiteral(":/suoni/%1.wav").arg(file));
        qsizetype fine = 0;
        const QList<Pezzo> elenco = pezzi(b, &fine);
        const int bit = int(u16(b, elenco.at(0).inizio + 14));
        Pezzo dati{};
        for (const Pezzo& p : elenco)
            if (p.id == "data")
                dati = p;
        QVERIFY(dati.dimensione > 0);

        QList<double> campioni;
        for (qsizetype i = 0; i < dati.dimensione; i += bit / 8) {
            const qsizetype j = dati.inizio + i;
            campioni.append(bit == 8 ? (double(u8(b, j)) - 128.0) / 128.0
                                     : static_cast<qint16>(u16(b, j)) / 32768.0);
        }
        double picco = 0.0;
        for (const double v : campioni)
            picco = std::max(picco, std::abs(v));
        QVERIFY2(picco > 0.1 && picco < 0.9, qPrintable(QString::number(picco)));
        QVERIFY(std::abs(campioni.first()) < 0.02);
        QVERIFY(std::abs(campioni.last()) < 0.02);
    }

    void bitmap_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<int>("altezza");
        for (int n = 101; n <= 107; ++n)
            QTest::addRow("%d", n) << QString::number(n) << 16 << 16;
        QTest::newRow("LOGO") << "LOGO" << 262 << 63;
        for (const char* n : {"FACILE", "MEDIO", "DIFFICILE", "LIBERO"})
            QTest::newRow(n) << QString::fromLatin1(n) << 97 << 21;
        QTest::newRow("ICONA") << "ICONA" << 31 << 31;
    }
    void bitmap()
    {
        QFETCH(QString, file);
        QFETCH(int, larghezza);
        QFETCH(int, altezza);
        const QByteArray b = leggi(QStringLiteral(":/bitmap/%1.bmp").arg(file));
        QVERIFY(b.size() >= 54);
        QCOMPARE(b.left(2), QByteArray("BM"));
        QCOMPARE(qsizetype(u32(b, 2)), b.size());
        QCOMPARE(u32(b, 10), 54u);
        QCOMPARE(u32(b, 14), 40u); // BITMAPINFOHEADER
        QCOMPARE(i32(b, 18), larghezza);
        QCOMPARE(i32(b, 22), altezza); // positive: rows stored bottom-up
        QCOMPARE(u16(b, 26), 1u);
        QCOMPARE(u16(b, 28), 24u);
        QCOMPARE(u32(b, 30), 0u); // BI_RGB
        const qsizetype riga = (larghezza * 3 + 3) & ~3;
        QCOMPARE(b.size(), 54 + riga * altezza);
    }

    void coloriDelleCelle_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QPoint>("punto");
        QTest::addColumn<QRgb>("colore");
        QTest::addColumn<int>("tolleranza");

        const QRgb nero = qRgb(0, 0, 0);
        QTest::newRow("101 light top left") << "101" << QPoint(0, 0) << qRgb(0xDF, 0xDF, 0xE0) << 0;
        QTest::newRow("101 light left") << "101" << QPoint(0, 7) << qRgb(0xDF, 0xDF, 0xE0) << 0;
        QTest::newRow("101 dark bottom right") << "101" << QPoint(15, 15) << qRgb(5, 5, 5) << 0;
        QTest::newRow("101 dark top right") << "101" << QPoint(15, 0) << qRgb(5, 5, 5) << 0;
        QTest::newRow("101 dark bottom left") << "101" << QPoint(0, 15) << qRgb(5, 5, 5) << 0;
        QTest::newRow("101 deep blue above")
            << "101" << QPoint(8, 1) << qRgb(0x15, 0x04, 0xF9) << 14;
        QTest::newRow("101 light blue below")
            << "101" << QPoint(8, 14) << qRgb(0x0B, 0xA6, 0xF7) << 14;
        QTest::newRow("102 centre") << "102" << QPoint(8, 8) << qRgb(0xD9, 0xF0, 0xFC) << 0;
        QTest::newRow("102 frame") << "102" << QPoint(0, 8) << nero << 0;
        QTest::newRow("103 centre") << "103" << QPoint(8, 8) << qRgb(0xB4, 0xE1, 0xF9) << 0;
        QTest::newRow("103 frame") << "103" << QPoint(8, 15) << nero << 0;
        QTest::newRow("104 diagonal") << "104" << QPoint(5, 5) << nero << 0;
        QTest::newRow("104 other diagonal") << "104" << QPoint(5, 10) << nero << 0;
        QTest::newRow("104 between") << "104" << QPoint(8, 3) << qRgb(0xD9, 0xF0, 0xFC) << 0;
        QTest::newRow("105 diagonal") << "105" << QPoint(12, 12) << nero << 0;
        QTest::newRow("105 between") << "105" << QPoint(3, 8) << qRgb(0xB4, 0xE1, 0xF9) << 0;
        QTest::newRow("106 centre") << "106" << QPoint(8, 8) << qRgb(0xFC, 0xF9, 0xFB) << 0;
        QTest::newRow("106 frame") << "106" << QPoint(15, 3) << nero << 0;
        QTest::newRow("107 diagonal") << "107" << QPoint(11, 4) << nero << 0;
        QTest::newRow("107 between") << "107" << QPoint(12, 8) << qRgb(0xFC, 0xF9, 0xFB) << 0;
        QTest::newRow("icon white cell") << "ICONA" << QPoint(7, 7) << qRgb(255, 255, 255) << 0;
        QTest::newRow("icon orange cell") << "ICONA" << QPoint(22, 22) << qRgb(255, 140, 26) << 40;
        QTest::newRow("icon grid line") << "ICONA" << QPoint(15, 7) << nero << 0;
        QTest::newRow("logo ground blue") << "LOGO" << QPoint(3, 50) << qRgb(40, 120, 220) << 50;
    }
    void coloriDelleCelle()
    {
        QFETCH(QString, file);
        QFETCH(QPoint, punto);
        QFETCH(QRgb, colore);
        QFETCH(int, tolleranza);
        const QByteArray b = leggi(QStringLiteral(":/bitmap/%1.bmp").arg(file));
        QVERIFY(bmpLeggibile(b));
        const QRgb trovato = pixelBmp(b, punto.x(), punto.y());
        QVERIFY2(vicino(trovato, colore, tolleranza),
                 qPrintable(QString::number(trovato, 16) + " != " + QString::number(colore, 16)));
    }

    // White lettering on a darker ground: a label drawn without its text, or with the text
    // pushed off the picture, has almost no white in it.
    void scritte_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* n : {"LOGO", "FACILE", "MEDIO", "DIFFICILE", "LIBERO"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void scritte()
    {
        QFETCH(QString, file);
        const QByteArray b = leggi(QStringLiteral(":/bitmap/%1.bmp").arg(file));
        QVERIFY(bmpLeggibile(b));
        const int w = i32(b, 18);
        const int h = i32(b, 22);
        int bianchi = 0;
        int xMin = w, xMax = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (quasiBianco(pixelBmp(b, x, y))) {
                    ++bianchi;
                    xMin = std::min(xMin, x);
                    xMax = std::max(xMax, x);
                }
        QVERIFY2(bianchi > w * h / 40, qPrintable(QString::number(bianchi)));
        QVERIFY(bianchi < w * h / 2);
        // Centred: about as much room on the left of the text as on the right.
        QVERIFY2(std::abs(xMin - (w - 1 - xMax)) <= 3,
                 qPrintable(QStringLiteral("%1..%2").arg(xMin).arg(xMax)));
        QVERIFY(!quasiBianco(pixelBmp(b, 2, h / 2)));
    }

    void puntatori_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("bit");
        QTest::addColumn<QPoint>("puntoCaldo");
        QTest::addColumn<bool>("caldoSullaFigura");

        QTest::newRow("MANO") << "MANO" << 4 << QPoint(12, 1) << true;
        QTest::newRow("PENNA") << "PENNA" << 4 << QPoint(2, 3) << true;
        QTest::newRow("PENNA2") << "PENNA2" << 4 << QPoint(12, 22) << true;
        QTest::newRow("GOMMA") << "GOMMA" << 4 << QPoint(7, 20) << true;
        QTest::newRow("RIEMPI") << "RIEMPI" << 4 << QPoint(10, 21) << true;
        for (const char* n : {"TRE", "DUE", "UNO", "VIA", "2MIN", "4MIN", "8MIN"})
            QTest::newRow(n) << QString::fromLatin1(n) << 24 << QPoint(0, 0) << false;
    }
    void puntatori()
    {
        QFETCH(QString, file);
        QFETCH(int, bit);
        QFETCH(QPoint, puntoCaldo);
        QFETCH(bool, caldoSullaFigura);

        const QByteArray b = leggi(QStringLiteral(":/puntatori/%1.cur").arg(file));
        QVERIFY(b.size() > 22 + 40);
        QCOMPARE(u16(b, 0), 0u);
        QCOMPARE(u16(b, 2), 2u); // cursor
        QCOMPARE(u16(b, 4), 1u);
        QCOMPARE(u8(b, 6), 32u);
        QCOMPARE(u8(b, 7), 32u);
        QCOMPARE(u8(b, 8), bit == 4 ? 16u : 0u);
        QCOMPARE(QPoint(int(u16(b, 10)), int(u16(b, 12))), puntoCaldo);
        const qsizetype inizio = u32(b, 18);
        QCOMPARE(inizio + qsizetype(u32(b, 14)), b.size());

        QCOMPARE(u32(b, inizio), 40u);
        QCOMPARE(i32(b, inizio + 4), 32);
        QCOMPARE(i32(b, inizio + 8), 64); // colour and mask
        QCOMPARE(int(u16(b, inizio + 14)), bit);
        QCOMPARE(u32(b, inizio + 16), 0u);
        const qsizetype tavolozza = bit == 4 ? 16 * 4 : 0;
        const qsizetype rigaXor = bit == 4 ? 16 : 96;
        const qsizetype xorInizio = inizio + 40 + tavolozza;
        const qsizetype andInizio = xorInizio + 32 * rigaXor;
        QCOMPARE(andInizio + 32 * 4, b.size());

        const auto trasparente = [&](int x, int y) {
            const quint32 byte = u8(b, andInizio + (31 - y) * 4 + x / 8);
            return (byte & (0x80u >> (x % 8))) != 0;
        };
        const auto colore = [&](int x, int y) -> QRgb {
            const qsizetype riga = xorInizio + (31 - y) * rigaXor;
            if (bit == 24) {
                const qsizetype i = riga + x * 3;
                return qRgb(int(u8(b, i + 2)), int(u8(b, i + 1)), int(u8(b, i)));
            }
            const quint32 indice = (u8(b, riga + x / 2) >> (x % 2 ? 0 : 4)) & 0xFu;
            const qsizetype i = inizio + 40 + indice * 4;
            return qRgb(int(u8(b, i + 2)), int(u8(b, i + 1)), int(u8(b, i)));
        };

        int trasparenti = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (trasparente(x, y)) {
                    ++trasparenti;
                    QCOMPARE(colore(x, y), qRgb(0, 0, 0)); // AND 1 with XOR 0 leaves the screen
                } else if (bit == 24) {
                    // Lettering is white with a black rim, without grey fringes.
                    const QRgb c = colore(x, y);
                    QVERIFY(c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255));
                }
            }
        }
        QVERIFY(trasparenti > 0);
        QVERIFY2(trasparenti < 32 * 32 - 100, qPrintable(QString::number(trasparenti)));
        QCOMPARE(!trasparente(puntoCaldo.x(), puntoCaldo.y()), caldoSullaFigura);
    }

    void icona()
    {
        const QByteArray b = leggi(QStringLiteral(":/finestra/gridora.ico"));
        QVERIFY(b.size() > 22 + 40);
        QCOMPARE(u16(b, 2), 1u); // icon
        QCOMPARE(u16(b, 4), 1u);
        QCOMPARE(u8(b, 6), 31u);
        QCOMPARE(u8(b, 7), 31u);
        QCOMPARE(u16(b, 10), 1u);  // planes
        QCOMPARE(u16(b, 12), 24u); // bit count
        const qsizetype inizio = u32(b, 18);
        QCOMPARE(inizio + qsizetype(u32(b, 14)), b.size());
        QCOMPARE(i32(b, inizio + 4), 31);
        QCOMPARE(i32(b, inizio + 8), 62);
        QCOMPARE(u16(b, inizio + 14), 24u);
        // XOR rows of 93 bytes padded to 96, AND rows of 31 bits padded to 4 bytes.
        QCOMPARE(b.size(), inizio + 40 + 31 * 96 + 31 * 4);
        for (qsizetype i = inizio + 40 + 31 * 96; i < b.size(); ++i)
            QCOMPARE(u8(b, i), 0u); // opaque

        const QImage img(QStringLiteral(":/finestra/gridora.ico"));
        QCOMPARE(img.size(), QSize(31, 31));
    }

    void pulsanteRecord()
    {
        QImageReader lettore(QStringLiteral(":/finestra/pulsante_record.jpg"));
        QCOMPARE(lettore.format(), QByteArray("jpeg"));
        QCOMPARE(lettore.size(), QSize(130, 212));
        const QImage img = lettore.read();
        QVERIFY(!img.isNull());
        const QRgb corpo = img.pixel(15, 100); // beside the cup
        QVERIFY(qGreen(corpo) > qRed(corpo) + 40 && qGreen(corpo) > qBlue(corpo) + 40);
    }
};

QTEST_MAIN(TestFormatiRisorse)
#include "tst_formati_risorse.moc"
