// The bytes of the shipped bitmaps, pointers, icon and sounds, read with a parser of our
// own: the players and image loaders forgive a lot, older ones less, so the headers and
// chunk layouts are checked field by field against the formats the program promises. What they
// draw and sound like is the generator's (the test risorse_aggiornate compares them with it).

#include "resources/Risorse.h"

#include <QFile>
#include <QMap>
#include <QTest>

using gridora::risorse::Tipo;

namespace {

// A file's bytes and its little-endian fields.
struct Dati {
    QByteArray b;

    explicit Dati(const QString& percorso)
    {
        QFile f(percorso);
        if (f.open(QIODevice::ReadOnly))
            b = f.readAll();
    }
    qsizetype size() const { return b.size(); }
    quint32 u8(qsizetype i) const { return static_cast<quint8>(b.at(i)); }
    quint32 u16(qsizetype i) const { return u8(i) | u8(i + 1) << 8; }
    quint32 u32(qsizetype i) const { return u16(i) | u16(i + 2) << 16; }
    qint32 i32(qsizetype i) const { return static_cast<qint32>(u32(i)); }
    QByteArray codice(qsizetype i) const { return b.mid(i, 4); }
};

struct Pezzo {
    QByteArray id;
    qsizetype inizio; // first byte of the content
    quint32 dimensione;
};

// The chunks of a RIFF file in order; stops at the first chunk that runs past the end.
QList<Pezzo> pezzi(const Dati& b, qsizetype* fine)
{
    QList<Pezzo> elenco;
    qsizetype i = 12;
    while (i + 8 <= b.size()) {
        const Pezzo p{b.codice(i), i + 8, b.u32(i + 4)};
        if (p.inizio + p.dimensione > b.size())
            break;
        elenco.append(p);
        i = p.inizio + p.dimensione + (p.dimensione % 2); // odd chunks are padded
    }
    *fine = i;
    return elenco;
}

// The fields of a one-entry icon or cursor: its directory (reserved, type, count, width,
// height, colours, and where the image ends against the file's end), then the image header
// (size, width, height of colour and mask, bits, compression) and the bytes after it.
QList<qint64> campiIco(const Dati& b)
{
    const qsizetype i = b.u32(18);
    return QList<qint64>() << b.u16(0) << b.u16(2) << b.u16(4) << b.u8(6) << b.u8(7) << b.u8(8)
                           << i + b.u32(14) - b.size() << b.u32(i) << b.i32(i + 4) << b.i32(i + 8)
                           << b.u16(i + 14) << b.u32(i + 16) << b.size() - i - 40;
}

// The same as they must be: a palette for 4 bits only, rows of colour and of mask each padded
// to 4 bytes.
QList<qint64> campiAttesi(int tipo, int lato, int bit)
{
    const qint64 righe = ((lato * bit + 31) / 32 + (lato + 31) / 32) * 4 * lato;
    return QList<qint64>() << 0 << tipo << 1 << lato << lato << (bit == 4 ? 16 : 0) << 0 << 40
                           << lato << 2 * lato << bit << 0 << (bit == 4 ? 16 * 4 : 0) + righe;
}

} // namespace

class TestFormatiRisorse : public QObject {
    Q_OBJECT

private slots:
    void suoni_data()
    {
        QTest::addColumn<int>("canali");
        QTest::addColumn<int>("frequenza");
        QTest::addColumn<int>("bit");
        QTest::addColumn<QByteArray>("ordine"); // the chunk names, one after another
        QTest::addColumn<int>("byteFmt");
        QTest::addColumn<int>("byteDati");
        QTest::newRow("101") << 1 << 11025 << 8 << QByteArray("fmt factdata") << 16 << 15624;
        QTest::newRow("102") << 1 << 11025 << 8 << QByteArray("fmt factdata") << 16 << 14429;
        QTest::newRow("103") << 1 << 22050 << 16 << QByteArray("fmt data") << 16 << 19368;
        QTest::newRow("104") << 2 << 44100 << 16 << QByteArray("fmt factdata") << 18 << 123492;
        QTest::newRow("105") << 1 << 22050 << 16 << QByteArray("fmt data") << 16 << 111640;
        QTest::newRow("106") << 1 << 22050 << 16 << QByteArray("fmt data") << 16 << 91968;
        QTest::newRow("108") << 1 << 16000 << 8 << QByteArray("fmt dataLIST") << 16 << 20175;
    }
    void suoni()
    {
        QFETCH(int, canali);
        QFETCH(int, frequenza);
        QFETCH(int, bit);
        QFETCH(QByteArray, ordine);
        QFETCH(int, byteFmt);
        QFETCH(int, byteDati);
        const Dati b(QStringLiteral(":/suoni/%1.wav").arg(QTest::currentDataTag()));
        QVERIFY(b.size() > 44);
        QCOMPARE(b.codice(0) + b.codice(8), QByteArray("RIFFWAVE"));
        QCOMPARE(qsizetype(b.u32(4)), b.size() - 8);
        qsizetype fine = 0;
        const QList<Pezzo> elenco = pezzi(b, &fine);
        QCOMPARE(fine, b.size()); // the chunks, pad bytes included, fill the file exactly
        QByteArray trovati;
        for (const Pezzo& p : elenco)
            trovati += p.id;
        QCOMPARE(trovati, ordine);
        const auto pezzo = [&](const char* id) { return elenco.at(ordine.indexOf(id) / 4); };

        // PCM, channels, rate, bytes a second, block alignment, bits, and cbSize when present.
        const qsizetype f = elenco.at(0).inizio;
        const quint32 blocco = quint32(canali * bit / 8);
        QCOMPARE((QList<quint32>{elenco.at(0).dimensione, b.u16(f), b.u16(f + 2), b.u32(f + 4),
                                 b.u32(f + 8), b.u16(f + 12), b.u16(f + 14)}),
                 (QList<quint32>{quint32(byteFmt), 1, quint32(canali), quint32(frequenza),
                                 quint32(frequenza) * blocco, blocco, quint32(bit)}));
        QVERIFY(byteFmt == 16 || b.u16(f + 16) == 0);
        QCOMPARE(int(pezzo("data").dimensione), byteDati);
        if (ordine.contains("fact"))
            QCOMPARE(QPair(pezzo("fact").dimensione, b.u32(pezzo("fact").inizio)),
                     QPair(4u, quint32(byteDati) / blocco));
        if (ordine.contains("LIST"))
            QCOMPARE(b.codice(pezzo("LIST").inizio), QByteArray("INFO"));
    }

    // Bitmaps: 24-bit, uncompressed, rows bottom-up, of the size the pictures are made at.
    // Cursors: 32 pixels, 4-bit but for the countdown's 24-bit ones. The window's icon: 31
    // pixels, 24-bit, opaque.
    void bitmapEPuntatori()
    {
        const QMap<QByteArray, QSize> dimensioni{
            {"LOGO", {262, 63}},     {"FACILE", {97, 21}},    {"MEDIO", {97, 21}},
            {"DIFFICILE", {97, 21}}, {"LIBERO", {97, 21}},    {"ICONA", {31, 31}},
            {"INIZIO", {264, 227}},  {"AIUTO", {180, 201}},   {"MOSTRA", {179, 202}},
            {"MOSTRA2", {179, 202}}, {"DISEGNO", {427, 391}}, {"CARICA", {567, 389}},
            {"IMPORTA", {259, 168}}};
        for (const gridora::risorse::Voce& v : gridora::risorse::tabella()) {
            const Dati b(QString::fromLatin1(v.file));
            if (v.tipo == Tipo::Puntatore) {
                const bool conto = QByteArray("TRE DUE UNO VIA 2MIN 4MIN 8MIN").contains(v.nome);
                QCOMPARE(campiIco(b), campiAttesi(2, 32, conto ? 24 : 4));
            }
            if (v.tipo != Tipo::Bitmap)
                continue;
            const QSize d = v.nome ? dimensioni.value(v.nome) : QSize(16, 16);
            QVERIFY2(b.size() == 54 + ((d.width() * 3 + 3) & ~3) * d.height() &&
                         b.b.left(2) == "BM" && b.u32(2) == b.size() && b.u32(10) == 54 &&
                         b.u32(14) == 40 && QSize(b.i32(18), b.i32(22)) == d && b.u16(26) == 1 &&
                         b.u16(28) == 24 && b.u32(30) == 0,
                     v.file);
        }
        const Dati icona(QStringLiteral(":/finestra/gridora.ico"));
        QCOMPARE(campiIco(icona), campiAttesi(1, 31, 24));
        QCOMPARE(QPair(icona.u16(10), icona.u16(12)), QPair(1u, 24u)); // planes and bits
        QCOMPARE(icona.b.right(31 * 4), QByteArray(31 * 4, '\0'));     // an opaque mask
    }
};

QTEST_MAIN(TestFormatiRisorse)
#include "tst_formati_risorse.moc"
