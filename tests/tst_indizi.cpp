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
        QCOMPARE(testoIndizioRiga({}), QString());
        QCOMPARE(testoIndizioColonna({}), QString());
        QCOMPARE(testoIndizioColonna({15}), colonna({"15"}, 5));
        QCOMPARE(testoIndizioColonna({1, 1, 1, 1, 1}), colonna(QStringList(5, "1"), 1));
        QCOMPARE(testoIndizioColonna({1, 1, 1, 1, 1, 1}), colonna(QStringList(6, "1"), 0));
    }

    // A run that reaches the end of a row stops there even when the next row starts filled;
    // labels past the side stay empty. A 15-cell column alternating from the top has eight runs
    // and no leading line.
    void indiziDellaTavola()
    {
        const Indizi indizi =
            calcolaIndizi(tavola({"...##", "##...", ".....", "#.#.#", "#####"}), 5);
        QCOMPARE(QStringList(indizi.righe.begin(), indizi.righe.end()),
                 QStringList({" 2 ", " 2 ", "", " 1  1  1 ", " 5 "}) + QStringList(10));
        const QString unoDue = colonna({"1", "2"}, 4);
        const QString unoUno = colonna({"1", "1"}, 4);
        QCOMPARE(QStringList(indizi.colonne.begin(), indizi.colonne.end()),
                 QStringList({unoDue, unoUno, colonna({"2"}, 5), unoUno, unoDue}) +
                     QStringList(10));

        QStringList righe(15, QString(15, u'.'));
        righe[0] = QStringLiteral("##########.####");
        for (int r = 2; r < 15; r += 2)
            righe[r][4] = u'#';
        const Indizi grande = calcolaIndizi(tavola(righe), 15);
        QCOMPARE(grande.colonne[4], colonna(QStringList(8, "1"), 0));
        QCOMPARE(grande.righe[0], QStringLiteral(" 10  4 "));
    }
};

QTEST_APPLESS_MAIN(TestIndizi)
#include "tst_indizi.moc"
