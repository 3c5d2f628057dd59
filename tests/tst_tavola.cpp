// Board geometry: numberings, shades, cell pictures and cell strings.

#include "model/Tavola.h"

#include <QTest>

using namespace gridora;

class TestTavola : public QObject {
    Q_OBJECT

private slots:
    void numerazioni_data()
    {
        QTest::addColumn<int>("lato");
        QTest::newRow("5") << 5;
        QTest::newRow("10") << 10;
        QTest::newRow("15") << 15;
    }

    // Every logical cell maps to one display cell and back; every other display cell is
    // outside the board.
    void numerazioni()
    {
        QFETCH(int, lato);
        QSet<int> visti;
        for (int k = 0; k < lato * lato; ++k) {
            const int video = videoDaLogico(k, lato);
            QCOMPARE(video / LatoMassimo, k / lato);
            QCOMPARE(video % LatoMassimo, k % lato);
            QCOMPARE(logicoDaVideo(video, lato), k);
            visti.insert(video);
        }
        int fuori = 0;
        for (int video = 0; video < CelleVideo; ++video) {
            QCOMPARE(cellaVisibile(video, lato), visti.contains(video));
            fuori += cellaVisibile(video, lato) ? 0 : 1;
        }
        QCOMPARE(fuori, CelleVideo - lato * lato);
    }

    void esempiDiNumerazione()
    {
        // Row 2, column 3 of a 10 x 10 board.
        QCOMPARE(indiceLogico(2, 3, 10), 23);
        QCOMPARE(indiceVideo(2, 3), 33);
        QCOMPARE(videoDaLogico(23, 10), 33);
        // The hidden ranges of a 5 x 5 board.
        for (int video : {5, 14, 20, 29, 35, 44, 50, 59, 65, 224})
            QVERIFY(!cellaVisibile(video, 5));
        for (int video : {0, 4, 15, 19, 60, 64})
            QVERIFY(cellaVisibile(video, 5));
        // And of a 10 x 10 board: 10-14 of each row, then everything from row 10 on.
        for (int video : {10, 14, 25, 29, 145, 224})
            QVERIFY(!cellaVisibile(video, 10));
        QVERIFY(cellaVisibile(144, 10)); // row 9, column 9
        QVERIFY(cellaVisibile(139, 10));
    }

    // The shade pattern: rows alternate "121212121212121" and "232323232323232".
    void tonalitaACorsie()
    {
        for (int riga = 0; riga < LatoMassimo; ++riga) {
            const QString corsia = riga % 2 == 0 ? QStringLiteral("121212121212121")
                                                 : QStringLiteral("232323232323232");
            for (int colonna = 0; colonna < LatoMassimo; ++colonna)
                QCOMPARE(tonalita(indiceVideo(riga, colonna)), corsia[colonna].digitValue());
        }
    }

    void immaginiDelleCelle()
    {
        QCOMPARE(immagineCella(Vuoto, 1), 103);
        QCOMPARE(immagineCella(Vuoto, 2), 102);
        QCOMPARE(immagineCella(Vuoto, 3), 106);
        QCOMPARE(immagineCella(Croce, 1), 105);
        QCOMPARE(immagineCella(Croce, 2), 104);
        QCOMPARE(immagineCella(Croce, 3), 107);
        for (int t = 1; t <= 3; ++t)
            QCOMPARE(immagineCella(Pieno, t), 101);
    }

    void stringaDelleCelle()
    {
        // Only "1" fills a cell; crosses are written back as empty.
        const QString pixel = QStringLiteral("1x0211000000000000000000001");
        const Segni segni = segniDaPixel(pixel.left(25), 5);
        QCOMPARE(segni[0], int(Pieno));
        QCOMPARE(segni[1], int(Vuoto));
        QCOMPARE(segni[3], int(Vuoto));
        QCOMPARE(segni[4], int(Pieno));

        Segni conCroci{};
        conCroci[0] = Pieno;
        conCroci[1] = Croce;
        conCroci[24] = Pieno;
        conCroci[25] = Pieno; // past a 5 x 5 board: not part of its string
        QCOMPARE(pixelDaSegni(conCroci, 5), QStringLiteral("1") + QString(23, u'0') + u'1');

        for (int lato : {5, 10, 15}) {
            QString stringa(lato * lato, u'0');
            stringa[lato * lato - 1] = u'1';
            QCOMPARE(pixelDaSegni(segniDaPixel(stringa, lato), lato), stringa);
            QCOMPARE(latoDaPixel(stringa), std::optional<int>(lato));
            QVERIFY(pixelValido(stringa, lato));
        }
        QVERIFY(!latoDaPixel(QString(24, u'0')));
        QVERIFY(!pixelValido(QString(100, u'0'), 5));
        QVERIFY(!pixelValido(QString(24, u'0') + u'2', 5));
        QVERIFY(!pixelValido(QString(49, u'0'), 7));
    }
};

QTEST_APPLESS_MAIN(TestTavola)
#include "tst_tavola.moc"
