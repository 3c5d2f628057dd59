// The bytes of the shipped bitmaps, pointers, icon and sounds, read with a parser of our
// own: the players and image loaders forgive a lot, older ones less, so the headers and
// chunk layouts are checked field by field against the formats the program promises. What they
// draw and sound like is the generator's (the test risorse_aggiornate compares them with it).

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
        QVERIFY(!lettore.read().isNull());
    }
};

QTEST_MAIN(TestFormatiRisorse)
#include "tst_formati_risorse.moc"
