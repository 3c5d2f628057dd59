// The resource table and its loader: every entry loads, as Qt's readers see it where they can,
// names match without regard to case, pointers keep their hot spots and transparency.

#include "resources/Risorse.h"

#include <QCursor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
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
        int bitmap = 0, puntatori = 0, suoni = 0;
        for (const risorse::Voce& voce : risorse::tabella()) {
            switch (voce.tipo) {
            case Tipo::Bitmap: {
                const QImage nostra = voce.nome ? risorse::immagine(QString::fromLatin1(voce.nome))
                                                : risorse::immagine(voce.numero);
                const QImage qt =
                    QImage(QString::fromLatin1(voce.file), "BMP").convertToFormat(nostra.format());
                QVERIFY2(!qt.isNull() && nostra == qt, voce.file);
                ++bitmap;
                break;
            }
            case Tipo::Puntatore: {
                const auto p = risorse::immaginePuntatore(QString::fromLatin1(voce.nome));
                QVERIFY2(!p.immagine.isNull(), voce.file);
                QCOMPARE(p.puntoCaldo, voce.puntoCaldo); // the file agrees with the table
                int trasparenti = 0;
                for (int y = 0; y < 32; ++y) {
                    for (int x = 0; x < 32; ++x)
                        trasparenti += qAlpha(p.immagine.pixel(x, y)) == 0;
                }
                QVERIFY2(trasparenti > 100 && trasparenti < 32 * 32 - 30, voce.file);
                // A hand's or a pen's tip is on its figure; the 24-bit ones' corner is clear.
                QVERIFY2((qAlpha(p.immagine.pixel(p.puntoCaldo)) == 255) != p.puntoCaldo.isNull(),
                         voce.file);
                ++puntatori;
                break;
            }
            case Tipo::Suono:
                QVERIFY2(risorse::suono(voce.numero).startsWith("RIFF"), voce.file);
                ++suoni;
                break;
            }
        }
        QCOMPARE(bitmap, 20);
        QCOMPARE(puntatori, 12);
        QCOMPARE(suoni, 7);

        const QImage icona = risorse::icona().pixmap(QSize(31, 31)).toImage();
        const QImage qt = QImage(QStringLiteral(":/finestra/gridora.ico"), "ICO");
        QCOMPARE(icona.convertToFormat(QImage::Format_RGB32),
                 qt.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(risorse::icona().availableSizes().value(0), QSize(31, 31));
        QCOMPARE(risorse::pulsanteRecord().size(), QSize(130, 212)); // a JPEG
    }

    void ricercaPerNome()
    {
        QVERIFY(risorse::trova(Tipo::Puntatore, u"mano"));
        QVERIFY(!risorse::trova(Tipo::Bitmap, u"MANO")); // a pointer, not a bitmap
        QVERIFY(!risorse::trova(Tipo::Suono, 107));      // bitmap 107, but no sound 107
        const auto cursore = risorse::puntatore(u"penna");
        QCOMPARE(cursore.hotSpot(), QPoint(2, 3));
        QCOMPARE(cursore.pixmap().size(), QSize(32, 32));
    }

    void caratteri()
    {
        const QString famiglia = risorse::famigliaCaratteri();
        QCOMPARE(famiglia, QStringLiteral("Liberation Sans"));
        QVERIFY(QFontDatabase::families().contains(famiglia));
        QVERIFY(QFontDatabase::isScalable(famiglia));
    }
};

QTEST_MAIN(TestRisorse)
#include "tst_risorse.moc"
