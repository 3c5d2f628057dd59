// The bytes of the shipped bitmaps, pointers, icon and sounds, read with a parser of our
// own: the players and image loaders forgive a lot, older ones less, so the headers and
// chunk layouts are checked field by field against the formats the program promises. What they
// draw and sound like is the generator's (the test risorse_aggiornate compares them with it).

#include <QFile>
#include <QMap>
#include <QTest>

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

        const qsizetype f = elenco.at(0).inizio;
        const quint32 allineamento = quint32(canali * bit / 8);
        QCOMPARE(int(elenco.at(0).dimensione), byteFmt);
        // PCM, channels, rate, bytes a second, block alignment, bits, and cbSize when present.
        const QList<quint32> campi{1,
                                   quint32(canali),
                                   quint32(frequenza),
                                   quint32(frequenza) * allineamento,
                                   allineamento,
                                   quint32(bit)};
        QCOMPARE((QList<quint32>{b.u16(f), b.u16(f + 2), b.u32(f + 4), b.u32(f + 8), b.u16(f + 12),
                                 b.u16(f + 14)}),
                 campi);
        QVERIFY(byteFmt == 16 || b.u16(f + 16) == 0);
        QCOMPARE(int(pezzo("data").dimensione), byteDati);
        if (ordine.contains("fact"))
            QCOMPARE(QPair(pezzo("fact").dimensione, b.u32(pezzo("fact").inizio)),
                     QPair(4u, quint32(byteDati) / allineamento));
        if (ordine.contains("LIST"))
            QCOMPARE(b.codice(pezzo("LIST").inizio), QByteArray("INFO"));
    }

    // Every bitmap 24-bit, rows bottom-up, of the size the pictures are made at.
    void bitmap()
    {
        QMap<QString, QSize> dimensioni{
            {"LOGO", {262, 63}},     {"FACILE", {97, 21}},    {"MEDIO", {97, 21}},
            {"DIFFICILE", {97, 21}}, {"LIBERO", {97, 21}},    {"ICONA", {31, 31}},
            {"INIZIO", {264, 227}},  {"AIUTO", {180, 201}},   {"MOSTRA", {179, 202}},
            {"MOSTRA2", {179, 202}}, {"DISEGNO", {427, 391}}, {"CARICA", {567, 389}},
            {"IMPORTA", {259, 168}}};
        for (int n = 101; n <= 107; ++n)
            dimensioni.insert(QString::number(n), {16, 16});
        for (auto [nome, dimensione] : dimensioni.asKeyValueRange()) {
            const Dati b(QStringLiteral(":/bitmap/%1.bmp").arg(nome));
            const qsizetype riga = (dimensione.width() * 3 + 3) & ~3;
            QVERIFY2(b.size() == 54 + riga * dimensione.height() && b.b.left(2) == "BM" &&
                         b.u32(2) == b.size() && b.u32(10) == 54 && b.u32(14) == 40 &&
                         QSize(b.i32(18), b.i32(22)) == dimensione && b.u16(26) == 1 &&
                         b.u16(28) == 24 && b.u32(30) == 0, // BI_RGB
                     qPrintable(nome));
        }
    }

    // The directory and the image header of each cursor and of the window's icon (31 pixels,
    // opaque); the mask and the hot spot on the figure are checked on the decoded pointers.
    void puntatoriEIcona_data()
    {
        QTest::addColumn<int>("tipo"); // 2 a cursor, 1 an icon
        QTest::addColumn<int>("lato");
        QTest::addColumn<int>("bit");
        for (const char* n : {"MANO", "PENNA", "PENNA2", "GOMMA", "RIEMPI"})
            QTest::newRow(n) << 2 << 32 << 4;
        for (const char* n : {"TRE", "DUE", "UNO", "VIA", "2MIN", "4MIN", "8MIN"})
            QTest::newRow(n) << 2 << 32 << 24;
        QTest::newRow("gridora.ico") << 1 << 31 << 24;
    }
    void puntatoriEIcona()
    {
        QFETCH(int, tipo);
        QFETCH(int, lato);
        QFETCH(int, bit);
        const QString nome = QString::fromLatin1(QTest::currentDataTag());
        const Dati b(tipo == 1 ? u":/finestra/"_qs + nome : u":/puntatori/%1.cur"_qs.arg(nome));
        QVERIFY(b.size() > 22 + 40);
        QCOMPARE((QList<quint32>{b.u16(0), b.u16(2), b.u16(4), b.u8(6), b.u8(7), b.u8(8)}),
                 (QList<quint32>{0, quint32(tipo), 1, quint32(lato), quint32(lato),
                                 bit == 4 ? 16u : 0u}));
        if (tipo == 1) // planes and bits, where a cursor has its hot spot
            QCOMPARE(QPair(b.u16(10), b.u16(12)), QPair(1u, 24u));
        const qsizetype inizio = b.u32(18);
        QCOMPARE(inizio + qsizetype(b.u32(14)), b.size());
        QCOMPARE((QList<qint32>{b.i32(inizio), b.i32(inizio + 4), b.i32(inizio + 8),
                                qint32(b.u16(inizio + 14)), b.i32(inizio + 16)}),
                 (QList<qint32>{40, lato, 2 * lato, bit, 0})); // colour and mask, uncompressed
        // The palette (4-bit only), the rows of colour and of mask, each padded to 4 bytes.
        const qsizetype maschera =
            inizio + 40 + (bit == 4 ? 16 * 4 : 0) + (lato * bit + 31) / 32 * 4 * lato;
        QCOMPARE(b.size(), maschera + lato * 4);
        for (qsizetype i = maschera; tipo == 1 && i < b.size(); ++i)
            QCOMPARE(b.u8(i), 0u); // opaque
    }
};

QTEST_MAIN(TestFormatiRisorse)
#include "tst_formati_risorse.moc"
