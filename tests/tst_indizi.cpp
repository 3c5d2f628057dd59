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
    // Fewer than six runs of a column sit at the bottom of six lines; an empty line has no text.
    void testi()
    {
        QCOMPARE(testoIndizioRiga({3, 1}), QStringLiteral(" 3  1 "));
        QCOMPARE(testoIndizioRiga({15}), QStringLiteral(" 15 "));
        QCOMPARE(testoIndizioRiga({}), QString());
        QCOMPARE(testoIndizioColonna({2, 1}), colonna({"2", "1"}, 4));
        QCOMPARE(testoIndizioColonna({15}), colonna({"15"}, 5));
        QCOMPARE(testoIndizioColonna({1, 1, 1, 1, 1}), colonna(QStringList(5, "1"), 1));
        QCOMPARE(testoIndizioColonna({1, 1, 1, 1, 1, 1}), colonna(QStringList(6, "1"), 0));
        QCOMPARE(testoIndizioColonna({}), QString());
    }

    // A run that reaches the end of a row stops there even when the next row starts filled.
    void sequenzeNonAttraversanoLeRighe()
    {
        const Indizi indizi =
            calcolaIndizi(tavola({"...##", "##...", ".....", "#.#.#", "#####"}), 5);
        // Labels past the side stay empty.
        QCOMPARE(QStringList(indizi.righe.begin(), indizi.righe.end()),
                 QStringList({" 2 ", " 2 ", "", " 1  1  1 ", " 5 "}) + QStringList(10));
        const QString unoDue = colonna({"1", "2"}, 4);
        const QString unoUno = colonna({"1", "1"}, 4);
        QCOMPARE(QStringList(indizi.colonne.begin(), indizi.colonne.end()),
                 QStringList({unoDue, unoUno, colonna({"2"}, 5), unoUno, unoDue}) +
                     QStringList(10));
    }

    // A 15-cell column alternating from the top has eight runs and no leading line; a row of
    // 10 and 4 reads " 10  4 ".
    void tavolaDa15()
    {
        QStringList righe(15, QString(15, u'.'));
        righe[0] = QStringLiteral("##########.####");
        for (int r = 2; r < 15; r += 2)
            righe[r][4] = u'#';
        const Segni segni = tavola(righe);
        const Indizi indizi = calcolaIndizi(segni, 15);
        QCOMPARE(indizi.colonne[4], colonna(QStringList(8, "1"), 0));
        QCOMPARE(indizi.colonne[10], QString());
        QCOMPARE(indizi.righe[0], QStringLiteral(" 10  4 "));
        QCOMPARE(sequenzeRiga(segni, 15, 0), (Sequenze{10, 4}));
        QCOMPARE(indizi.righe[1], QString());
        QCOMPARE(indizi.righe[2], QStringLiteral(" 1 "));
    }
};

QTEST_APPLESS_MAIN(TestIndizi)
#include "tst_indizi.moc"
