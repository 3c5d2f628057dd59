// The resource table and its loader: every entry loads, names match without regard to case,
// pointers keep their hot spots and transparency.

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
    void ogniVoceSiCarica()
    {
        int bitmap = 0, puntatori = 0, suoni = 0;
        for (const risorse::Voce& voce : risorse::tabella()) {
            switch (voce.tipo) {
            case Tipo::Bitmap: {
                const QImage img = voce.nome ? risorse::immagine(QString::fromLatin1(voce.nome))
                                             : risorse::immagine(voce.numero);
                QVERIFY2(!img.isNull(), voce.file);
                if (voce.numero)
                    QCOMPARE(img.size(), QSize(16, 16));
                ++bitmap;
                break;
            }
            case Tipo::Puntatore: {
                const auto p = risorse::immaginePuntatore(QString::fromLatin1(voce.nome));
                QVERIFY2(!p.immagine.isNull(), voce.file);
                QCOMPARE(p.immagine.size(), QSize(32, 32));
                QCOMPARE(p.puntoCaldo, voce.puntoCaldo); // the file agrees with the table
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
    }

    // The program decodes its own bitmaps and icon (to spare loading Qt's image plugins at the
    // start): every pixel as Qt's readers see it.
    void decodificaComeQt()
    {
        for (const risorse::Voce& voce : risorse::tabella()) {
            if (voce.tipo != Tipo::Bitmap)
                continue;
            const QImage nostra = voce.nome ? risorse::immagine(QString::fromLatin1(voce.nome))
                                            : risorse::immagine(voce.numero);
            const QImage qt =
                QImage(QString::fromLatin1(voce.file), "BMP").convertToFormat(nostra.format());
            QVERIFY2(!qt.isNull() && nostra == qt, voce.file);
        }
        const QImage icona = risorse::icona().pixmap(QSize(31, 31)).toImage();
        const QImage qt = QImage(QStringLiteral(":/finestra/gridora.ico"), "ICO");
        QCOMPARE(icona.convertToFormat(QImage::Format_RGB32),
                 qt.convertToFormat(QImage::Format_RGB32));
    }

    void ricercaPerNomeENumero()
    {
        QVERIFY(risorse::trova(Tipo::Puntatore, u"mano"));
        QVERIFY(risorse::trova(Tipo::Puntatore, u"2min"));
        QVERIFY(!risorse::trova(Tipo::Bitmap, u"MANO")); // a pointer, not a bitmap
        QVERIFY(!risorse::trova(Tipo::Suono, 107));      // there is no sound 107
        QVERIFY(risorse::trova(Tipo::Suono, 108));
        QVERIFY(risorse::trova(Tipo::Bitmap, 107));
    }

    // Transparent around the figure, opaque on it: the mask of both kinds of cursor is applied.
    void trasparenzaDeiPuntatori()
    {
        for (const char* nome : {"TRE", "VIA", "8MIN", "MANO", "PENNA"}) {
            const QImage img = risorse::immaginePuntatore(QString::fromLatin1(nome)).immagine;
            int trasparenti = 0, opachi = 0;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x)
                    (qAlpha(img.pixel(x, y)) == 0 ? trasparenti : opachi)++;
            }
            QVERIFY2(trasparenti > 100 && opachi > 30, nome);
        }
        // The hand's fingertip is the hot spot, so it must be drawn there.
        const auto mano = risorse::immaginePuntatore(u"MANO");
        QCOMPARE(qAlpha(mano.immagine.pixel(mano.puntoCaldo)), 255);
        const auto cursore = risorse::puntatore(u"penna");
        QCOMPARE(cursore.hotSpot(), QPoint(2, 3));
        QCOMPARE(cursore.pixmap().size(), QSize(32, 32));
    }

    void cursoriMalformati()
    {
        const QByteArray buono = [] {
            QFile f(":/puntatori/MANO.cur");
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QVERIFY(!risorse::decodificaCursore(buono).immagine.isNull());
        QVERIFY(risorse::decodificaCursore(buono.left(100)).immagine.isNull());
        QVERIFY(risorse::decodificaCursore(QByteArray()).immagine.isNull());
        QByteArray icona = buono;
        icona[2] = 1; // an icon directory, not a cursor
        QVERIFY(risorse::decodificaCursore(icona).immagine.isNull());
    }

    void iconaPulsanteECaratteri()
    {
        QVERIFY(!risorse::icona().isNull());
        QCOMPARE(risorse::icona().availableSizes().value(0), QSize(31, 31));
        QCOMPARE(risorse::pulsanteRecord().size(), QSize(130, 212));
        const QString famiglia = risorse::famigliaCaratteri();
        QCOMPARE(famiglia, QStringLiteral("Liberation Sans"));
        QVERIFY(QFontDatabase::families().contains(famiglia));
        QVERIFY(QFontDatabase::isScalable(famiglia));
    }
};

QTEST_MAIN(TestRisorse)
#include "tst_risorse.moc"
