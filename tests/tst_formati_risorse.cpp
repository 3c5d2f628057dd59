// The bytes of the shipped bitmaps, pointers, icon and sounds, read with a parser of our
// own: the players and image loaders forgive a lot, older ones less, so the headers and
// chunk layouts are checked field by field against the formats the program promises. What they
// draw and sound like is the generator's (the test risorse_aggiornate compares them with it).

#include <QFile>
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
        QCOMPARE(b.codice(0), QByteArray("RIFF"));
        QCOMPARE(b.codice(8), QByteArray("WAVE"));
        QCOMPARE(qsizetype(b.u32(4)), b.size() - 8);

        qsizetype fine = 0;
        const QList<Pezzo> elenco = pezzi(b, &fine);
        QCOMPARE(fine, b.size()); // the chunks, pad bytes included, fill the file exactly
        QByteArray trovati;
        for (const Pezzo& p : elenco)
            trovati += p.id;
        QCOMPARE(trovati, ordine);
        const auto pezzo = [&](const char* id) { return elenco.at(ordine.indexOf(id) / 4); };

        const Pezzo fmt = elenco.at(0);
        const int allineamento = canali * bit / 8;
        QCOMPARE(int(fmt.dimensione), byteFmt);
        QCOMPARE(b.u16(fmt.inizio), 1u); // PCM
        QCOMPARE(int(b.u16(fmt.inizio + 2)), canali);
        QCOMPARE(int(b.u32(fmt.inizio + 4)), frequenza);
        QCOMPARE(int(b.u32(fmt.inizio + 8)), frequenza * allineamento);
        QCOMPARE(int(b.u16(fmt.inizio + 12)), allineamento);
        QCOMPARE(int(b.u16(fmt.inizio + 14)), bit);
        if (byteFmt == 18)
            QCOMPARE(b.u16(fmt.inizio + 16), 0u); // cbSize
        QCOMPARE(int(pezzo("data").dimensione), byteDati);
        if (ordine.contains("fact")) {
            QCOMPARE(pezzo("fact").dimensione, 4u);
            QCOMPARE(int(b.u32(pezzo("fact").inizio)), byteDati / allineamento);
        }
        if (ordine.contains("LIST"))
            QCOMPARE(b.codice(pezzo("LIST").inizio), QByteArray("INFO"));
    }

    // Every bitmap, of the size the pictures are made at.
    void bitmap_data()
    {
        QTest::addColumn<QSize>("dimensione");
        for (int n = 101; n <= 107; ++n)
            QTest::addRow("%d", n) << QSize(16, 16);
        const QList<std::pair<const char*, QSize>> conNome = {
            {"LOGO", {262, 63}},     {"FACILE", {97, 21}},    {"MEDIO", {97, 21}},
            {"DIFFICILE", {97, 21}}, {"LIBERO", {97, 21}},    {"ICONA", {31, 31}},
            {"INIZIO", {264, 227}},  {"AIUTO", {180, 201}},   {"MOSTRA", {179, 202}},
            {"MOSTRA2", {179, 202}}, {"DISEGNO", {427, 391}}, {"CARICA", {567, 389}},
            {"IMPORTA", {259, 168}}};
        for (const auto& [nome, dimensione] : conNome)
            QTest::newRow(nome) << dimensione;
    }
    void bitmap()
    {
        QFETCH(QSize, dimensione);
        const Dati b(QStringLiteral(":/bitmap/%1.bmp").arg(QTest::currentDataTag()));
        QVERIFY(b.size() >= 54);
        QCOMPARE(b.b.left(2), QByteArray("BM"));
        QCOMPARE(qsizetype(b.u32(2)), b.size());
        QCOMPARE(b.u32(10), 54u);
        QCOMPARE(b.u32(14), 40u);                          // BITMAPINFOHEADER
        QCOMPARE(QSize(b.i32(18), b.i32(22)), dimensione); // positive height: rows bottom-up
        QCOMPARE(b.u16(26), 1u);
        QCOMPARE(b.u16(28), 24u);
        QCOMPARE(b.u32(30), 0u); // BI_RGB
        const qsizetype riga = (dimensione.width() * 3 + 3) & ~3;
        QCOMPARE(b.size(), 54 + riga * dimensione.height());
    }

    // The directory and the image header of each cursor; the mask and the hot spot on the figure
    // are checked on the decoded pointers.
    void puntatori_data()
    {
        QTest::addColumn<int>("bit");
        QTest::addColumn<QPoint>("puntoCaldo");
        QTest::newRow("MANO") << 4 << QPoint(12, 1);
        QTest::newRow("PENNA") << 4 << QPoint(2, 3);
        QTest::newRow("PENNA2") << 4 << QPoint(12, 22);
        QTest::newRow("GOMMA") << 4 << QPoint(7, 20);
        QTest::newRow("RIEMPI") << 4 << QPoint(10, 21);
        for (const char* n : {"TRE", "DUE", "UNO", "VIA", "2MIN", "4MIN", "8MIN"})
            QTest::newRow(n) << 24 << QPoint(0, 0);
    }
    void puntatori()
    {
        QFETCH(int, bit);
        QFETCH(QPoint, puntoCaldo);
        const Dati b(QStringLiteral(":/puntatori/%1.cur").arg(QTest::currentDataTag()));
        QVERIFY(b.size() > 22 + 40);
        QCOMPARE(b.u16(0), 0u);
        QCOMPARE(b.u16(2), 2u); // cursor
        QCOMPARE(b.u16(4), 1u);
        QCOMPARE(b.u8(6), 32u);
        QCOMPARE(b.u8(7), 32u);
        QCOMPARE(b.u8(8), bit == 4 ? 16u : 0u);
        QCOMPARE(QPoint(int(b.u16(10)), int(b.u16(12))), puntoCaldo);
        const qsizetype inizio = b.u32(18);
        QCOMPARE(inizio + qsizetype(b.u32(14)), b.size());

        QCOMPARE(b.u32(inizio), 40u);
        QCOMPARE(b.i32(inizio + 4), 32);
        QCOMPARE(b.i32(inizio + 8), 64); // colour and mask
        QCOMPARE(int(b.u16(inizio + 14)), bit);
        QCOMPARE(b.u32(inizio + 16), 0u);
        // The palette (4-bit only), 32 rows of colour, 32 rows of mask, each padded to 4 bytes.
        const qsizetype colori = bit == 4 ? 16 * 4 + 32 * 16 : 32 * 96;
        QCOMPARE(b.size(), inizio + 40 + colori + 32 * 4);
    }

    void icona()
    {
        const Dati b(QStringLiteral(":/finestra/gridora.ico"));
        QVERIFY(b.size() > 22 + 40);
        QCOMPARE(b.u16(2), 1u); // icon
        QCOMPARE(b.u16(4), 1u);
        QCOMPARE(b.u8(6), 31u);
        QCOMPARE(b.u8(7), 31u);
        QCOMPARE(b.u16(10), 1u);  // planes
        QCOMPARE(b.u16(12), 24u); // bit count
        const qsizetype inizio = b.u32(18);
        QCOMPARE(inizio + qsizetype(b.u32(14)), b.size());
        QCOMPARE(b.i32(inizio + 4), 31);
        QCOMPARE(b.i32(inizio + 8), 62);
        QCOMPARE(b.u16(inizio + 14), 24u);
        // XOR rows of 93 bytes padded to 96, AND rows of 31 bits padded to 4 bytes.
        QCOMPARE(b.size(), inizio + 40 + 31 * 96 + 31 * 4);
        for (qsizetype i = inizio + 40 + 31 * 96; i < b.size(); ++i)
            QCOMPARE(b.u8(i), 0u); // opaque
    }
};

QTEST_MAIN(TestFormatiRisorse)
#include "tst_formati_risorse.moc"
