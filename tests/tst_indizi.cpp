// Clue texts as the labels show them.

#include "model/Indizi.h"

#include <QTest>

using namespace gridora;

namespace {

// A board from rows of '#' and '.'.
Segni tavola(const QStringList& righe)
{
    Segni segni{};
    const int lato = static_cast<int>(righe.size());
    for (int r = 0; r < lato; ++r) {
        for (int c = 0; c < lato; ++c)
            segni[indiceLogico(r, c, lato)] = righe[r][c] == u'#' ? Pieno : Vuoto;
    }
    return segni;
}

QString colonna(const QStringList& numeri, int crIniziali)
{
    QString testo(crIniziali, CR);
    for (const QString& n : numeri)
        testo += u' ' + n + CR;
    return testo;
}

} // namespace

class TestIndizi : public QObject {
    Q_OBJECT

private slots:
    void testiDelleRighe()
    {
        QCOMPARE(testoIndizioRiga({3, 1}), QStringLiteral(" 3  1 "));
        QCOMPARE(testoIndizioRiga({15}), QStringLiteral(" 15 "));
        QCOMPARE(testoIndizioRiga({}), QString());
    }

    void testiDelleColonne()
    {
        QCOMPARE(testoIndizioColonna({2, 1}), colonna({"2", "1"}, 4));
        QCOMPARE(testoIndizioColonna({15}), colonna({"15"}, 5));
        QCOMPARE(testoIndizioColonna({1, 1, 1, 1, 1}), colonna({"1", "1", "1", "1", "1"}, 1));
        QCOMPARE(testoIndizioColonna({1, 1, 1, 1, 1, 1}), colonna(QStringList(6, "1"), 0));
        QCOMPARE(testoIndizioColonna({}), QString());
    }

    void tavolaPiena()
    {
        Segni piena{};
        piena.fill(Pieno);
        const Indizi indizi = calcolaIndizi(piena, 15);
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(indizi.righe[i], QStringLiteral(" 15 "));
            QCOMPARE(indizi.colonne[i], colonna({"15"}, 5));
        }
    }

    // A 15-cell column alternating from the top has eight runs and no leading line.
    void colonnaAlternata()
    {
        Segni segni{};
        for (int r = 0; r < 15; r += 2)
            segni[indiceLogico(r, 4, 15)] = Pieno;
        const Indizi indizi = calcolaIndizi(segni, 15);
        QCOMPARE(indizi.colonne[4], colonna(QStringList(8, "1"), 0));
        QCOMPARE(indizi.colonne[3], QString());
        QCOMPARE(indizi.righe[0], QStringLiteral(" 1 "));
        QCOMPARE(indizi.righe[1], QString());
    }

    // A run that reaches the end of a row stops there even when the next row starts filled.
    void sequenzeNonAttraversanoLeRighe()
    {
        const Segni segni = tavola({"...##", "##...", ".....", "#.#.#", "#####"});
        const Indizi indizi = calcolaIndizi(segni, 5);
        QCOMPARE(indizi.righe[0], QStringLiteral(" 2 "));
        QCOMPARE(indizi.righe[1], QStringLiteral(" 2 "));
        QCOMPARE(indizi.righe[2], QString());
        QCOMPARE(indizi.righe[3], QStringLiteral(" 1  1  1 "));
        QCOMPARE(indizi.righe[4], QStringLiteral(" 5 "));
        QCOMPARE(indizi.colonne[0], colonna({"1", "2"}, 4));
        QCOMPARE(indizi.colonne[4], colonna({"1", "2"}, 4));
        QCOMPARE(indizi.colonne[2], colonna({"2"}, 5));
        // Labels past the side stay empty.
        for (int i = 5; i < 15; ++i) {
            QVERIFY(indizi.righe[i].isEmpty());
            QVERIFY(indizi.colonne[i].isEmpty());
        }
    }

    void numeriDiDueCifre()
    {
        Segni segni{};
        for (int c = 0; c < 10; ++c)
            segni[indiceLogico(0, c, 15)] = Pieno;
        for (int c = 11; c < 15; ++c)
            segni[indiceLogico(0, c, 15)] = Pieno;
        QCOMPARE(calcolaIndizi(segni, 15).righe[0], QStringLiteral(" 10  4 "));
        QCOMPARE(sequenzeRiga(segni, 15, 0), (Sequenze{10, 4}));
    }
};

QTEST_APPLESS_MAIN(TestIndizi)
#include "tst_indizi.moc"
