// Board geometry: numberings, shades, cell pictures and cell strings.

#include "model/Tavola.h"

#include <QTest>

using namespace gridora;

class TestTavola : public QObject {
    Q_OBJECT

private slots:
    // Every logical cell maps to the display cell of its row and column and back; every other
    // display cell is outside the board.
    void numerazioni()
    {
        for (const int lato : {5, 10, 15}) {
            int visibili = 0;
            for (int video = 0; video < CelleVideo; ++video) {
                const int r = video / LatoMassimo, c = video % LatoMassimo;
                QCOMPARE(cellaVisibile(video, lato), r < lato && c < lato);
                visibili += cellaVisibile(video, lato);
                if (r < lato && c < lato)
                    QCOMPARE(std::pair(videoDaLogico(indiceLogico(r, c, lato), lato),
                                       logicoDaVideo(video, lato)),
                             std::pair(video, r * lato + c));
            }
            QCOMPARE(visibili, lato * lato);
        }
    }

    // Rows of shades alternate "121212121212121" and "232323232323232"; each shade has its
    // empty and crossed picture, and a filled cell is 101 on every shade.
    void aspettoDelleCelle()
    {
        for (int video = 0; video < CelleVideo; ++video)
            QCOMPARE(tonalita(video), 1 + video / 15 % 2 + video % 15 % 2);
        const int immagini[3][3] = {{103, 102, 106}, {101, 101, 101}, {105, 104, 107}};
        for (const Segno segno : {Vuoto, Pieno, Croce}) {
            for (int t = 1; t <= 3; ++t)
                QCOMPARE(immagineCella(segno, t), immagini[segno][t - 1]);
        }
    }

    // Only "1" fills a cell; crosses, and cells past the board, are not part of the string.
    void stringaDelleCelle()
    {
        Segni segni = segniDaPixel(QStringLiteral("1x0211") + QString(19, u'0'), 5);
        QCOMPARE(pixelDaSegni(segni, 5), QStringLiteral("100011") + QString(19, u'0'));
        segni[1] = Croce;
        segni[25] = Pieno;
        QCOMPARE(pixelDaSegni(segni, 5), QStringLiteral("100011") + QString(19, u'0'));
        const QString angolo = QString(224, u'0') + u'1';
        QCOMPARE(pixelDaSegni(segniDaPixel(angolo, 15), 15), angolo);
        QVERIFY(pixelValido(angolo, 15));
        QVERIFY(!pixelValido(QString(100, u'0'), 5));
        QVERIFY(!pixelValido(QString(24, u'0') + u'2', 5));
        QVERIFY(!pixelValido(QString(49, u'0'), 7));
    }
};

QTEST_APPLESS_MAIN(TestTavola)
#include "tst_tavola.moc"
