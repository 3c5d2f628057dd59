// The solver: what line logic alone settles and in how many sweeps, how many pictures the search
// finds for a puzzle's clues (none, one, more) and the budget that bounds it.

#include "Disegni.h"
#include "model/Indizi.h"
#include "model/RisolutoreCompleto.h"

#include <QTest>
#include <array>
#include <climits>
#include <random>
#include <vector>

using namespace gridora;

using IndiziLinee = std::vector<Sequenze>;
Q_DECLARE_METATYPE(gridora::Unicita)

namespace {

// A picture of the right size whose rows and columns show exactly these runs.
bool rispetta(const QString& celle, const SequenzeDisegno& i)
{
    const int lato = int(i.righe.size());
    return celle.size() == lato * lato && sequenzeDiPixel(celle, lato, lato) == i;
}

// Counts the pictures, up to two, row by row from every filling that fits the row's clue.
int contaPerEnumerazione(const SequenzeDisegno& i, const QString& celle = {})
{
    const int lato = int(i.righe.size()), r = int(celle.size()) / lato;
    if (r == lato)
        return sequenzeDiPixel(celle, lato, lato).colonne == i.colonne;
    int trovate = 0;
    for (int bit = 0; bit < (1 << lato) && trovate < 2; ++bit) {
        const QString riga = QString::number(bit, 2).rightJustified(lato, u'0');
        if (sequenzeDiPixel(riga, lato, 1).righe[0] == i.righe[r])
            trovate += contaPerEnumerazione(i, celle + riga);
    }
    return std::min(trovate, 2);
}

// Unique, and line logic alone leaves cells open.
const QStringList unica15 = {
    "##.#.#..###..##", "....#.##..#...#", "#.......#......", "######.##.#.###", ".###........#..",
    "...#.##.###....", "....##.#...###.", "#.#.##..#....#.", ".#..###.##..#.#", ".##.##...####..",
    "#...##....##.##", "###..#..#..###.", "#.##....#..##.#", ".####.##..#....", "#.#.#.....#.#..",
};

// Two pictures fit, and no swap of four cells turns one into the other.
const QStringList ambiguo15 = {
    ".##.#.##.#.#.#.", "....#.#..#....#", "####....#.#.##.", "..#.....#...#..", "...#..#.#.##.##",
    ".#...##...#.##.", "..##...#...##..", "....#.##.#.#.#.", "#.#.#....#.....", "......##.#..##.",
    "....#..###..##.", "...##.#.###...#", "..#.#.#.#....##", "...##..#....##.", ".....##..#....#",
};

constexpr Budget SoloLogica{.soloLogica = true};

} // namespace

class TestRisolutore : public QObject {
    Q_OBJECT

private slots:
    void disegni_data()
    {
        QTest::addColumn<QStringList>("disegno");
        QTest::addColumn<Unicita>("atteso");
        QTest::addColumn<int>("passate"); // sweeps of line logic alone, 0 when it cannot finish
        for (const int lato : {5, 10, 15}) {
            for (const char c : {'.', '#'})
                QTest::addRow("%d %c", lato, c)
                    << QStringList(lato, QString(lato, QChar(c))) << Unicita::Unica << 1;
        }
        // The last column settles nothing in the second sweep, and a third one is needed.
        QTest::newRow("tre passate")
            << QStringList{".###.", "#.##.", ".###.", "#..##", "...##"} << Unicita::Unica << 3;
        QTest::newRow("ricerca 15x15") << unica15 << Unicita::Unica << 0;
        QTest::newRow("scambio di quattro celle")
            << QStringList{"#....", ".#...", ".....", ".....", "....."} << Unicita::PiuDiUna << 0;
        QTest::newRow("senza scambio 15x15") << ambiguo15 << Unicita::PiuDiUna << 0;
    }

    // From the drawing, as the editor asks, and from its clues alone: the drawing alone, or two
    // different pictures that fit the clues, the drawing first when it is given. Line logic alone
    // finds the single picture too, or gives up without a guess. Where a search is needed it
    // stops at its budget exactly: one examination short gives NonVerificata, never a guess.
    void disegni()
    {
        QFETCH(QStringList, disegno);
        QFETCH(Unicita, atteso);
        QFETCH(int, passate);
        const int lato = int(disegno.size());
        const QString celle = pixelDi(disegno);
        const SequenzeDisegno i = sequenzeDiPixel(celle, lato, lato);
        const EsitoSoluzioni logica = contaSoluzioni(i.righe, i.colonne, SoloLogica);
        QCOMPARE(logica.esito, passate > 0 ? Unicita::Unica : Unicita::NonVerificata);
        QCOMPARE(logica.prima, passate > 0 ? celle : QString());
        QCOMPARE(passateLogica(i.righe, i.colonne).value_or(0), passate);
        for (const bool daDisegno : {true, false}) {
            const auto verifica = [&](int esami) {
                return daDisegno ? contaSoluzioni(celle, lato, Budget{esami})
                                 : contaSoluzioni(i.righe, i.colonne, Budget{esami});
            };
            const EsitoSoluzioni esito = verifica(Budget{}.esamiLinea);
            QCOMPARE(esito.esito, atteso);
            QVERIFY(rispetta(esito.prima, i) && (!daDisegno || esito.prima == celle) &&
                    (atteso == Unicita::Unica
                         ? esito.prima == celle && esito.seconda.isEmpty()
                         : rispetta(esito.seconda, i) && esito.seconda != esito.prima));
            for (int esami : {0, esito.esamiLinea - 1, esito.esamiLinea}) {
                if (passate == 0 && lato == 15)
                    QCOMPARE(verifica(esami).esito,
                             esami < esito.esamiLinea ? Unicita::NonVerificata : atteso);
            }
        }
    }

    // Clues that no picture fits: a plain disagreement, one that line logic does not see, where
    // only trying the pictures shows it, runs longer than their line, up to the largest int
    // (which once overflowed the sum of the runs), and rows that fill one cell more than the
    // columns, which a search would only see after trying every way of placing them. What cannot
    // be checked is never called unique.
    void nessunaSoluzione()
    {
        const IndiziLinee vuote(5);
        IndiziLinee unaColonnaVuota(20, {1});
        unaColonnaVuota[7] = {};
        for (const auto& [righe, colonne] : {std::pair{IndiziLinee(5, {5}), IndiziLinee(5, {4})},
                                             {IndiziLinee{{2}, {2, 1}, {2}, {2, 1}, {2}},
                                              IndiziLinee{{1, 1}, {4}, {1, 1}, {1, 1}, {1, 1}}},
                                             {IndiziLinee{{6}, {}, {}, {}, {}}, vuote},
                                             {IndiziLinee{{1, INT_MAX}, {}, {}, {}, {}}, vuote},
                                             {IndiziLinee(20, {1}), unaColonnaVuota}}) {
            const EsitoSoluzioni esito = contaSoluzioni(righe, colonne);
            QCOMPARE(esito.esito, Unicita::Nessuna);
            QVERIFY(esito.prima.isEmpty() && esito.seconda.isEmpty());
            QVERIFY(contaSoluzioni(righe, colonne, SoloLogica).esito != Unicita::Unica);
            QVERIFY(!passateLogica(righe, colonne));
        }
        QCOMPARE(contaSoluzioni(QString(24, u'0'), 5).esito, Unicita::NonVerificata);
        QCOMPARE(contaSoluzioni(IndiziLinee(33), IndiziLinee(33)).esito, Unicita::NonVerificata);
        QCOMPARE(contaSoluzioni(IndiziLinee(32), IndiziLinee(32)).esito, Unicita::Unica);
    }

    // Families that defeat a plain search. N-Dom: every guess leads far before it fails. The
    // default budget decides it up to 15 x 15; above, the search may run out but it never answers
    // wrongly. One filled cell per row and per column but for a column of two: many pictures, and
    // probing a 32 x 32 board alone would spend the budget.
    void famiglieDifficili()
    {
        for (int n = 2; n <= 15; ++n) {
            const SequenzeDisegno i = nDom(n);
            const EsitoSoluzioni esito = contaSoluzioni(i.righe, i.colonne);
            QVERIFY2(esito.esito == Unicita::Unica ? rispetta(esito.prima, i)
                                                   : n > 7 && esito.esito == Unicita::NonVerificata,
                     qPrintable(QString::number(n)));
        }
        SequenzeDisegno permutazioni{IndiziLinee(32, {1}), IndiziLinee(32, {1})};
        permutazioni.colonne[0] = {2};
        permutazioni.colonne[1] = {};
        const EsitoSoluzioni esito = contaSoluzioni(permutazioni.righe, permutazioni.colonne);
        QCOMPARE(esito.esito, Unicita::PiuDiUna);
        QVERIFY(rispetta(esito.prima, permutazioni) && rispetta(esito.seconda, permutazioni) &&
                esito.prima != esito.seconda);
    }

    // Small boards, from drawings and from the rows of one drawing with the columns of another:
    // the outcome and both pictures must agree with trying every picture.
    void comeLEnumerazione()
    {
        std::mt19937 generatore(17);
        for (int prova = 0; prova < 600; ++prova) {
            const int lato = 3 + prova % 3;
            auto casuale = [&] {
                QString celle(lato * lato, u'0');
                const auto soglia = 30 + generatore() % 40;
                for (QChar& c : celle)
                    c = generatore() % 100 < soglia ? u'1' : u'0';
                return sequenzeDiPixel(celle, lato, lato);
            };
            SequenzeDisegno i = casuale();
            if (prova % 3 == 0)
                i.colonne = casuale().colonne;
            const int attese = contaPerEnumerazione(i);
            const EsitoSoluzioni esito = contaSoluzioni(i.righe, i.colonne);
            const Unicita attesa =
                std::array{Unicita::Nessuna, Unicita::Unica, Unicita::PiuDiUna}[attese];
            QVERIFY2(
                esito.esito == attesa && (attese < 1 || rispetta(esito.prima, i)) &&
                    (attese < 2 || (rispetta(esito.seconda, i) && esito.seconda != esito.prima)),
                qPrintable(QString::number(prova)));
        }
    }
};

QTEST_GUILESS_MAIN(TestRisolutore)
#include "tst_risolutore.moc"
