// The board: its two cell numberings, the cell string that stores a puzzle, and the clue texts
// as the labels show them.

#include "Disegni.h"
#include "model/Indizi.h"

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
            for (int video = 0; video < CelleVideo; ++video) {
                const int r = video / LatoMassimo, c = video % LatoMassimo;
                const int logico = r < lato && c < lato ? r * lato + c : -1;
                QCOMPARE(logicoDaVideo(video, lato), logico);
                QVERIFY(logico < 0 || videoDaLogico(logico, lato) == video);
            }
        }
    }

    // Only "1" fills a cell; crosses, and cells past the board, are not part of the string.
    void stringaDelleCelle()
    {
        Segni segni = segniDaPixel(u"1x0211"_qs + QString(19, u'0'), 5);
        segni[1] = Croce;
        segni[25] = Pieno;
        QCOMPARE(pixelDaSegni(segni, 5), u"100011"_qs + QString(19, u'0'));
        const QString angolo = QString(224, u'0') + u'1';
        QCOMPARE(pixelDaSegni(segniDaPixel(angolo, 15), 15), angolo);
        QVERIFY(pixelValido(angolo, 15) && !pixelValido(QString(100, u'0'), 5) &&
                !pixelValido(QString(24, u'0') + u'2', 5) && !pixelValido(QString(49, u'0'), 7));
    }

    // Fewer than six runs of a column sit at the bottom of six lines; an empty line has no text.
    // A run that reaches the end of a row stops there even when the next row starts filled;
    // labels past the side stay empty.
    void indizi()
    {
        QCOMPARE(testoIndizioRiga({3, 1}) + testoIndizioRiga({}) + testoIndizioColonna({}),
                 u" 3  1 "_qs);
        QCOMPARE(testoIndizioColonna({15}), u"\r\r\r\r\r 15\r"_qs);
        QCOMPARE(testoIndizioColonna({1, 1, 1, 1, 1}), u"\r 1\r 1\r 1\r 1\r 1\r"_qs);
        QCOMPARE(testoIndizioColonna(Sequenze(6, 1)) + testoIndizioColonna(Sequenze(8, 1)),
                 u" 1\r"_qs.repeated(14));
        const QStringList tavola = {"...##", "##...", ".....", "#.#.#", "#####"};
        const Indizi indizi = calcolaIndizi(segniDaPixel(pixelDi(tavola), 5), 5);
        QCOMPARE(QStringList(indizi.righe.begin(), indizi.righe.end()),
                 QStringList({" 2 ", " 2 ", "", " 1  1  1 ", " 5 "}) + QStringList(10));
        const QString unoDue = u"\r\r\r\r 1\r 2\r"_qs, unoUno = u"\r\r\r\r 1\r 1\r"_qs;
        QCOMPARE(QStringList(indizi.colonne.begin(), indizi.colonne.end()),
                 QStringList({unoDue, unoUno, u"\r\r\r\r\r 2\r"_qs, unoUno, unoDue}) +
                     QStringList(10));
    }
};

QTEST_APPLESS_MAIN(TestTavola)
#include "tst_tavola.moc"
