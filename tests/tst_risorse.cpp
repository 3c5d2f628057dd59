// The shipped resources: every entry of the table loads, as Qt's readers see it where they can,
// and its file has the header the program promises (older players and loaders forgive less than
// Qt does); pointers keep their hot spots and transparency; names match without regard to case;
// the desktop theme's icons are drawn on whole pixels.

#include "resources/Risorse.h"

#include <QCursor>
#include <QFontDatabase>
#include <QIcon>
#include <QTest>

using namespace gridora;
using risorse::Tipo;

namespace {

// The little-endian field of `byte` bytes at `i`, 0 past the end.
quint32 campo(const QByteArray& b, qsizetype i, int byte = 4)
{
    quint32 v = 0;
    for (int k = byte - 1; k >= 0; --k)
        v = v << 8 | (i + k < b.size() ? quint8(b[i + k]) : 0u);
    return v;
}

// An icon's or cursor's only entry: type, side, colours and bits, then "?" unless the directory
// and the bitmap header agree (height twice the side, for colours and mask; no compression) and
// the palette and the rows, each padded to 4 bytes, fill the file.
QByteArray voceIco(const QByteArray& b)
{
    const quint32 i = campo(b, 18), lato = campo(b, 6, 1), colori = campo(b, 8, 1);
    const quint32 bit = campo(b, i + 14, 2);
    const quint32 righe = ((lato * bit + 31) / 32 + (lato + 31) / 32) * 4 * lato;
    const bool coerente = campo(b, 0, 2) == 0 && campo(b, 4, 2) == 1 && campo(b, 7, 1) == lato &&
                          i + campo(b, 14) == quint32(b.size()) && campo(b, i) == 40 &&
                          campo(b, i + 4) == lato && campo(b, i + 8) == 2 * lato &&
                          campo(b, i + 16) == 0 && i + 40 + 4 * colori + righe == quint32(b.size());
    return QString::asprintf("%u %u %u %u", campo(b, 2, 2), lato, colori, bit).toLatin1() +
           (coerente ? "" : " ?");
}

// The colours along row `y`, one letter a run of equal pixels: N black, B white, A orange,
// T clear, ? any other, such as a blend at an edge; a clear run at the end is left out.
QString colori(const QImage& img, int y)
{
    QString sequenza;
    for (int x = 0; x < img.width(); ++x) {
        const QRgb p = img.pixel(x, y);
        const qsizetype k = QList<QRgb>{0xFF000000, 0xFFFFFFFF, 0xFFFF8C1A}.indexOf(p);
        const QChar c = qAlpha(p) == 0 ? u'T' : u"NBA?"[k < 0 ? 3 : k];
        if (!sequenza.endsWith(c))
            sequenza += c;
    }
    return sequenza.endsWith(u'T') ? sequenza.chopped(1) : sequenza;
}

} // namespace

class TestRisorse : public QObject {
    Q_OBJECT

private slots:
    // The program decodes its own bitmaps, pointers and icon (to spare loading Qt's image
    // plugins at the start): every bitmap pixel as Qt's reader sees it; every pointer with its
    // mask applied (transparent around the figure, opaque on it and at a hot spot inside it).
    // Bitmaps are 24-bit, uncompressed, bottom-up, of the sizes they are drawn at; pointers 4-bit
    // but for the countdown's 24-bit ones; the window's icon 31 pixels, 24-bit, opaque.
    void ogniVoceSiCarica()
    {
        const QMap<QByteArray, QSize> dimensioni{
            {"LOGO", {262, 63}},     {"ICONA", {31, 31}},    {"INIZIO", {264, 227}},
            {"AIUTO", {180, 201}},   {"MOSTRA", {179, 202}}, {"MOSTRA2", {179, 202}},
            {"DISEGNO", {427, 391}}, {"CARICA", {567, 389}}, {"IMPORTA", {259, 168}}};
        for (const risorse::Voce& v : risorse::tabella()) {
            QFile f(QString::fromLatin1(v.file));
            const QByteArray b = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            if (v.tipo == Tipo::Bitmap) {
                const QImage nostra = v.nome ? risorse::immagine(QString::fromLatin1(v.nome))
                                             : risorse::immagine(v.numero);
                const QImage qt = QImage::fromData(b, "BMP");
                const QSize d = v.nome ? dimensioni.value(v.nome, {97, 21}) : QSize(16, 16);
                QVERIFY2(!qt.isNull() && nostra == qt.convertToFormat(nostra.format()) &&
                             b.size() == 54 + (d.width() * 3 + 3) / 4 * 4 * d.height() &&
                             b.startsWith("BM") && campo(b, 2) == quint32(b.size()) &&
                             campo(b, 10) == 54 && campo(b, 14) == 40 &&
                             QSize(int(campo(b, 18)), int(campo(b, 22))) == d &&
                             campo(b, 26, 2) == 1 && campo(b, 28, 2) == 24 && campo(b, 30) == 0,
                         v.file);
            }
            if (v.tipo != Tipo::Puntatore)
                continue;
            const bool conto = QByteArray("TRE DUE UNO VIA 2MIN 4MIN 8MIN").contains(v.nome);
            QCOMPARE(voceIco(b), conto ? "2 32 0 24" : "2 32 16 4");
            const auto p = risorse::immaginePuntatore(QString::fromLatin1(v.nome));
            QCOMPARE(p.puntoCaldo, v.puntoCaldo); // the file agrees with the table
            int trasparenti = 0;
            for (int i = 0; i < 32 * 32; ++i)
                trasparenti += qAlpha(p.immagine.pixel(i % 32, i / 32)) == 0;
            // A hand's or a pen's tip is on its figure; the 24-bit ones' corner is clear.
            QVERIFY2(trasparenti > 100 && trasparenti < 32 * 32 - 30 &&
                         (qAlpha(p.immagine.pixel(p.puntoCaldo)) == 255) != conto,
                     v.file);
        }
        QCOMPARE(risorse::tabella().size(), 20u + 12 + 7); // bitmaps, pointers, sounds
        QFile f(QStringLiteral(":/finestra/gridora.ico"));
        const QByteArray ico = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        QCOMPARE(voceIco(ico), "1 31 0 24");
        // Planes and bits in the directory; an all-opaque mask.
        QVERIFY(campo(ico, 10) == (24u << 16 | 1) && ico.endsWith(QByteArray(31 * 4, '\0')));
        QCOMPARE(risorse::icona().pixmap(31, 31).toImage().convertToFormat(QImage::Format_RGB32),
                 QImage::fromData(ico, "ICO").convertToFormat(QImage::Format_RGB32));
        QCOMPARE(risorse::pulsanteRecord().size(), QSize(130, 212)); // a JPEG
    }

    // Each sound as its chunks say: channels, rate and bits of its PCM, then each chunk's name
    // and length; the chunks and their pad bytes fill the file, and the fields agree.
    void suoni()
    {
        for (const QByteArray atteso :
             {"101 1 11025 8: fmt 16, fact 4, data 15624",
              "102 1 11025 8: fmt 16, fact 4, data 14429", "103 1 22050 16: fmt 16, data 19368",
              "104 2 44100 16: fmt 18, fact 4, data 123492", "105 1 22050 16: fmt 16, data 111640",
              "106 1 22050 16: fmt 16, data 91968",
              "108 1 16000 8: fmt 16, data 20175, LIST INFO"}) {
            const QByteArray b = risorse::suono(atteso.left(3).toInt());
            QByteArray formato = atteso.left(3), pezzi;
            quint32 blocco = 0, campioni = 0;
            qsizetype i = 12;
            for (quint32 n = 0; i + 8 <= b.size(); i += 8 + n + n % 2) {
                const qsizetype c = i + 8;
                const QByteArray id = b.mid(i, 4).trimmed();
                n = campo(b, i + 4);
                pezzi += ", " + id + ' ' + (id == "LIST" ? b.mid(c, 4) : QByteArray::number(n));
                if (id == "fmt") { // PCM, bytes a second, block size; cbSize 0 if present
                    blocco = campo(b, c + 2, 2) * campo(b, c + 14, 2) / 8;
                    QVERIFY(campo(b, c, 2) == 1 && campo(b, c + 12, 2) == blocco &&
                            campo(b, c + 8) == campo(b, c + 4) * blocco &&
                            (n == 16 || campo(b, c + 16, 2) == 0));
                    formato += QString::asprintf(" %u %u %u", campo(b, c + 2, 2), campo(b, c + 4),
                                                 campo(b, c + 14, 2))
                                   .toLatin1();
                }
                campioni = id == "fact" ? campo(b, c) : campioni;
                QVERIFY(id != "data" || campioni == 0 || campioni == n / blocco);
            }
            QCOMPARE(formato + ':' + pezzi.mid(1), atteso);
            QVERIFY(b.startsWith("RIFF") && b.mid(8, 4) == "WAVE" &&
                    campo(b, 4) == quint32(b.size() - 8) && i == b.size());
        }
    }

    // Names match without regard to case, within their own kind; the embedded font is there.
    void ricercaPerNomeECaratteri()
    {
        // MANO is a pointer, not a bitmap; 107 a bitmap, not a sound.
        QVERIFY(risorse::trova(Tipo::Puntatore, u"mano") &&
                !risorse::trova(Tipo::Bitmap, u"MANO") && !risorse::trova(Tipo::Suono, 107));
        const QCursor cursore = risorse::puntatore(u"penna");
        QCOMPARE(QPair(cursore.hotSpot(), cursore.pixmap().size()),
                 QPair(QPoint(2, 3), QSize(32, 32)));
        const QString famiglia = risorse::famigliaCaratteri();
        QVERIFY(famiglia == "Liberation Sans" && QFontDatabase::families().contains(famiglia) &&
                QFontDatabase::isScalable(famiglia));
    }

    // The desktop theme's icon at every size: black lines around and between four cells, three
    // white and the lower right one orange, on whole pixels, with one clear line at most.
    void iconeDelTema()
    {
        for (const int lato : {16, 32, 48, 64, 128, 256}) {
            const QImage img(QStringLiteral(CARTELLA_ICONE "/%1x%1/gridorapc.png").arg(lato));
            QCOMPARE(img.size(), QSize(lato, lato));
            for (int y = 0; y < lato; ++y)
                QVERIFY2(!colori(img, y).contains(u'?'), qPrintable(QString::number(y)));
            // Across the upper and the lower cells, along rows and (transposed) columns.
            for (const QImage& v : {img, img.transformed(QTransform(0, 1, 1, 0, 0, 0))})
                QCOMPARE(colori(v, lato / 4) + colori(v, 3 * lato / 4), "NBNBNNBNAN");
            QCOMPARE(img.pixel(lato - 2, lato - 2), qRgb(0, 0, 0));
        }
    }
};

QTEST_MAIN(TestRisorse)
#include "tst_risorse.moc"
