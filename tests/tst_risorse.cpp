// The resource table and its loader: every entry loads, as Qt's readers see it where they can,
// names match without regard to case, pointers keep their hot spots and transparency.

#include "resources/Risorse.h"

#include <QCursor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QMap>
#include <QTest>

using namespace gridora;
using risorse::Tipo;

class TestRisorse : public QObject {
    Q_OBJECT

private slots:
    // The program decodes its own bitmaps, pointers and icon (to spare loading Qt's image
    // plugins at the start): every bitmap pixel as Qt's reader sees it; every pointer with its
    // mask applied (transparent around the figure, opaque on it and at a hot spot inside it).
    void ogniVoceSiCarica()
    {
        QMap<Tipo, int> perTipo;
        for (const risorse::Voce& voce : risorse::tabella()) {
            ++perTipo[voce.tipo];
            if (voce.tipo == Tipo::Suono)
                QVERIFY2(risorse::suono(voce.numero).startsWith("RIFF"), voce.file);
            if (voce.tipo == Tipo::Bitmap) {
                const QImage nostra = voce.nome ? risorse::immagine(QString::fromLatin1(voce.nome))
                                                : risorse::immagine(voce.numero);
                const QImage qt = QImage(QString::fromLatin1(voce.file), "BMP");
                QVERIFY2(!qt.isNull() && nostra == qt.convertToFormat(nostra.format()), voce.file);
            }
            if (voce.tipo != Tipo::Puntatore)
                continue;
            const auto p = risorse::immaginePuntatore(QString::fromLatin1(voce.nome));
            QCOMPARE(p.puntoCaldo, voce.puntoCaldo); // the file agrees with the table
            int trasparenti = 0;
            for (int i = 0; i < 32 * 32; ++i)
                trasparenti += qAlpha(p.immagine.pixel(i % 32, i / 32)) == 0;
            // A hand's or a pen's tip is on its figure; the 24-bit ones' corner is clear.
            QVERIFY2(trasparenti > 100 && trasparenti < 32 * 32 - 30 &&
                         (qAlpha(p.immagine.pixel(p.puntoCaldo)) == 255) != p.puntoCaldo.isNull(),
                     voce.file);
        }
        QCOMPARE(perTipo.values(), (QList<int>{20, 12, 7}));

        const QImage icona = risorse::icona().pixmap(QSize(31, 31)).toImage();
        const QImage qt = QImage(QStringLiteral(":/finestra/gridora.ico"), "ICO");
        QCOMPARE(icona.convertToFormat(QImage::Format_RGB32),
                 qt.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(risorse::icona().availableSizes().value(0), QSize(31, 31));
        QCOMPARE(risorse::pulsanteRecord().size(), QSize(130, 212)); // a JPEG
    }

    // Names match without regard to case, within their own kind; the embedded font is there.
    void ricercaPerNomeECaratteri()
    {
        QVERIFY(risorse::trova(Tipo::Puntatore, u"mano"));
        QVERIFY(!risorse::trova(Tipo::Bitmap, u"MANO")); // a pointer, not a bitmap
        QVERIFY(!risorse::trova(Tipo::Suono, 107));      // bitmap 107, but no sound 107
        const auto cursore = risorse::puntatore(u"penna");
        QCOMPARE(cursore.hotSpot(), QPoint(2, 3));
        QCOMPARE(cursore.pixmap().size(), QSize(32, 32));
        const QString famiglia = risorse::famigliaCaratteri();
        QCOMPARE(famiglia, QStringLiteral("Liberation Sans"));
        QVERIFY(QFontDatabase::families().contains(famiglia) &&
                QFontDatabase::isScalable(famiglia));
    }
};

QTEST_MAIN(TestRisorse)
#include "tst_risorse.moc"
