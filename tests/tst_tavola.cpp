// Board geometry: numberings, shades, cell pictures and cell strings.

#include "model/Tavola.h"

#include <QTest>

using namespace gridora;

class TestTavola : public QObject {
    Q_OBJECT

private slots:
    // Every logical cell maps to one display cell and back; every other display cell is
    // outside the board.
    void numerazioni()
    {
        for (const int lato : {5, 10, 15}) {
            QSet<int> visti;
            for (int k = 0; k < lato * lato; ++k) {
                const int video = videoDaLogico(k, lato);
                QCOMPARE(video / LatoMassimo, k / lato);
                QCOMPARE(video % LatoMassimo, k % lato);
                QCOMPARE(logicoDaVideo(video, lato), k);
                visti.insert(video);
            }
            QCOMPARE(visti.size(), lato * lato);
            for (int video = 0; video < CelleVideo; ++video)
                QCOMPARE(cellaVisibile(video, lato), visti.contains(video));
        }
        // Row 2, column 3 of a 10 x 10 board.
        QCOMPARE(indiceLogico(2, 3, 10), 23);
        QCOMPARE(videoDaLogico(23, 10), 33);
    }

    // Rows of shades alternate "121212121212121" and "232323232323232"; each shade has its
    // empty and crossed picture, and a filled cell is 101 on every shade.
    void aspettoDelleCelle()
    {
        const QString corsie[] = {QStringLiteral("121212121212121"),
                                  QStringLiteral("232323232323232")};
        for (int video = 0; video < CelleVideo; ++video)
            QCOMPARE(tonalita(video), corsie[video / 15 % 2][video % 15].digitValue());
        const int immagini[3][3] = {{103, 102, 106}, {101, 101, 101}, {105, 104, 107}};
        for (const Segno segno : {Vuoto, Pieno, Croce}) {
            for (int t = 1; t <= 3; ++t)
                QCOMPARE(immagineCella(segno, t), immagini[segno][t - 1]);
        }
    }

    void stringaDelleCelle()
    {
        // Only "1" fills a cell; crosses are written back as empty.
        const Segni segni = segniDaPixel(QStringLiteral("1x0211") + QString(19, u'0'), 5);
        QCOMPARE(pixelDaSegni(segni, 5), QStringLiteral("100011") + QString(19, u'0'));
        Segni conCroci = segni;
        conCroci[1] = Croce;
        conCroci[25] = Pieno; // past a 5 x 5 board: not part of its string
        QCOMPARE(pixelDaSegni(conCroci, 5), pixelDaSegni(segni, 5));

        for (int lato : {5, 10, 15}) {
            QString stringa(lato * lato, u'0');
            stringa[lato * lato - 1] = u'1';
            QCOMPARE(pixelDaSegni(segniDaPixel(stringa, lato), lato), stringa);
            QVERIFY(pixelValido(stringa, lato));
        }
        QVERIFY(!pixelValido(QString(100, u'0'), 5));
        QVERIFY(!pixelValido(QString(24, u'0') + u'2', 5));
        QVERIFY(!pixelValido(QString(49, u'0'), 7));
    }
};

QTEST_APPLESS_MAIN(TestTavola)
#include "tst_tavola.moc"
