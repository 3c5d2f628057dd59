// The rules of a game with no window: every kind of click on every kind of cell in the four
// combinations of the options, the end of a game and the starting help's reveal.

#include "Disegni.h"
#include "model/Partita.h"

#include <QTest>

using namespace gridora;

namespace {

// Row 1 and column 3 are empty, so crossed before play.
const QStringList Tavola = {"#.#..", ".....", "##...", "#...#", "..#.#"};

Partita nuova(bool senzaX, bool senzaErrori)
{
    Partita p(5, pixelDi(Tavola), {senzaX, senzaErrori});
    p.avvia();
    return p;
}

QChar carattere(Segno s)
{
    return QStringLiteral(".#x").at(s);
}

// The whole board row after row, '.' empty, '#' filled, 'x' crossed: the player's marks, or
// what the cells show.
QString tavola(const Partita& p, bool mostrati)
{
    QString testo;
    for (int k = 0; k < 25; ++k)
        testo += carattere(mostrati ? p.mostrato(k / 5, k % 5) : p.segno(k / 5, k % 5));
    return testo;
}

// What the last click of a case gives and leaves.
struct Atteso {
    bool gestito; // the cell took the click
    EsitoClic::Tipo tipo;
    const char* segni; // the cell's mark, then what it shows
    int giuste;
    int errori;
    int minuti; // on the clock
    bool cliccabile;
};

} // namespace

Q_DECLARE_METATYPE(Atteso)

class TestPartita : public QObject {
    Q_OBJECT

private slots:
    // A case is the options ('X' Senza X, 'S' Senza Errori), the cell ('P' filled in the
    // solution (0, 0), 'V' empty (0, 1), 'C' empty and crossed before play (1, 0)) and its clicks
    // ('L' left, 'R' right), of which the last one is under test.
    void clic_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<Atteso>("atteso");
        using T = EsitoClic::Tipo;
        const auto riga = [](const char* nome, const char* caso, Atteso atteso) {
            QTest::newRow(nome) << QString::fromLatin1(caso) << atteso;
        };
        riga("riempimento giusto", "P L", {true, T::Riempita, "##", 1, 0, 0, false});
        riga("riempimento definitivo", "P LR", {false, T::Nessuno, "##", 1, 0, 0, false});
        riga("croce su una casella piena", "P R", {true, T::CroceMessa, "xx", 0, 0, 0, true});
        riga("croce tolta, mai riempita", "P RL", {true, T::CroceTolta, "..", 0, 0, 0, true});
        riga("errore", "V L", {true, T::Errore, "xx", 0, 1, 2, true});
        riga("croce dell'errore tolta", "V LL", {true, T::CroceTolta, "..", 0, 1, 2, true});
        riga("croce e via", "V RR", {true, T::CroceTolta, "..", 0, 0, 0, true});
        riga("croce iniziale tolta", "C L", {true, T::CroceTolta, "..", 0, 0, 0, true});
        riga("croce iniziale rimessa", "C LR", {true, T::CroceMessa, "xx", 0, 0, 0, true});
        riga("croce iniziale mai riempita", "C LL", {true, T::CroceTolta, "..", 0, 0, 0, true});

        riga("X: niente croci", "X V R", {true, T::Nessuno, "..", 0, 0, 0, true});
        riga("X: errore senza croce", "X V L", {true, T::Errore, "x.", 0, 1, 2, true});
        // The second left click clears the hidden cross, so the third is a new error.
        riga("X: croce nascosta tolta", "X V LLL", {true, T::Errore, "x.", 0, 2, 6, true});
        riga("X: il destro lascia la croce nascosta", "X V LR",
             {true, T::Nessuno, "x.", 0, 1, 2, true});
        riga("X: croce iniziale a vista", "X C L", {true, T::CroceTolta, ".x", 0, 0, 0, true});
        riga("X: riempimento giusto", "X P L", {true, T::Riempita, "##", 1, 0, 0, false});

        riga("S: riempimento sbagliato", "S V L", {true, T::Riempita, "##", 0, 0, 0, true});
        riga("S: riempimento sbagliato tolto", "S V LR", {true, T::Svuotata, "..", 0, 0, 0, true});
        riga("S: riempimento giusto tolto", "S P LR", {true, T::Svuotata, "..", 0, 0, 0, true});
        riga("S: sinistro su un pieno", "S P LL", {true, T::Nessuno, "##", 1, 0, 0, true});

        riga("XS: niente croci", "XS V R", {true, T::Nessuno, "..", 0, 0, 0, true});
        riga("XS: riempimento giusto tolto", "XS P LR", {true, T::Svuotata, "..", 0, 0, 0, true});
        riga("XS: croce iniziale a vista", "XS C L", {true, T::CroceTolta, ".x", 0, 0, 0, true});
    }
    void clic()
    {
        QFETCH(QString, caso);
        QFETCH(Atteso, atteso);

        Partita p = nuova(caso.contains(u'X'), caso.contains(u'S'));
        const int r = caso.contains(u'C') ? 1 : 0;
        const int c = caso.contains(u'V') ? 1 : 0;
        EsitoClic esito;
        for (const QChar tasto : caso) {
            if (tasto == u'L' || tasto == u'R')
                esito = p.clic(r, c, tasto == u'L' ? Pulsante::Sinistro : Pulsante::Destro);
        }
        QCOMPARE(esito.gestito, atteso.gestito);
        QCOMPARE(esito.tipo, atteso.tipo);
        QCOMPARE(QString(carattere(p.segno(r, c))) + carattere(p.mostrato(r, c)),
                 QString::fromLatin1(atteso.segni));
        QCOMPARE(p.caselleGiuste(), atteso.giuste);
        QCOMPARE(p.errori(), atteso.errori);
        QCOMPARE(p.orologio().secondi(), atteso.minuti * 60);
        QCOMPARE(p.cliccabile(r, c), atteso.cliccabile);
        QVERIFY(!esito.risolta);
    }

    // The game ends when every solution cell is filled; in "Senza Errori" only once the wrong
    // fills are taken back.
    void fineDellaPartita()
    {
        Partita normale = nuova(false, false);
        Partita senzaErrori = nuova(false, true);
        senzaErrori.clic(0, 1, Pulsante::Sinistro); // a wrong fill, accepted silently
        int ultime = 0;
        for (int k = 0; k < 25; ++k) {
            if (Tavola[k / 5][k % 5] != u'#')
                continue;
            QVERIFY(normale.fase() == Partita::Fase::Gioco);
            ultime += normale.clic(k / 5, k % 5, Pulsante::Sinistro).risolta ? 1 : 0;
            QVERIFY(!senzaErrori.clic(k / 5, k % 5, Pulsante::Sinistro).risolta);
        }
        QCOMPARE(ultime, 1);
        QVERIFY(normale.fase() == Partita::Fase::Risolta);
        QVERIFY(!normale.cliccabile(0, 1)); // play is over
        QVERIFY(!normale.clic(0, 1, Pulsante::Sinistro).gestito);
        QVERIFY(senzaErrori.clic(0, 1, Pulsante::Destro).risolta);
        normale.concludi();
        QVERIFY(normale.fase() == Partita::Fase::Conclusa && normale.risolta());
        senzaErrori.avvia(); // a solved game does not start again
        QVERIFY(senzaErrori.fase() == Partita::Fase::Risolta);

        // A board without filled cells ends at the first click the board takes.
        Partita vuota(5, QString(25, u'0'), {}, false);
        vuota.concludi(); // not solved yet: nothing to conclude
        QVERIFY(!vuota.clic(0, 0, Pulsante::Sinistro).gestito); // not before the countdown
        vuota.avvia();
        QVERIFY(vuota.clic(0, 0, Pulsante::Sinistro).risolta);
    }

    // Empty lines show crossed from the start, while the player's marks stay empty. The help
    // reveals column 0 and row 2: filled cells as filled, the others as crossed, the crossing
    // once; its crosses are hidden in "Senza X", those of the empty lines stay on screen.
    void rivelazione_data()
    {
        QTest::addColumn<bool>("senzaX");
        QTest::addColumn<bool>("senzaErrori");
        QTest::addColumn<QString>("mostrati");
        QTest::newRow("normale") << false << false << "#..x.xxxxx##xxx#..x.x..x.";
        QTest::newRow("senza X") << true << false << "#..x.xxxxx##.x.#..x....x.";
        QTest::newRow("senza errori") << false << true << "#..x.xxxxx##xxx#..x.x..x.";
    }
    void rivelazione()
    {
        QFETCH(bool, senzaX);
        QFETCH(bool, senzaErrori);
        QFETCH(QString, mostrati);
        Partita p(5, pixelDi(Tavola), {senzaX, senzaErrori}, true);
        p.rivela(0, 2);
        p.avvia();
        QCOMPARE(tavola(p, false), QStringLiteral("#....x....##xxx#....x...."));
        QCOMPARE(tavola(p, true), mostrati);
        QCOMPARE(p.caselleGiuste(), 4);
        for (const QPoint rc : {QPoint(0, 0), QPoint(2, 0), QPoint(3, 0), QPoint(2, 1)})
            QCOMPARE(p.cliccabile(rc.x(), rc.y()), senzaErrori);
    }
};

QTEST_APPLESS_MAIN(TestPartita)
#include "tst_partita.moc"
