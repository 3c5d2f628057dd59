// The rules of a game with no window: every kind of click on every kind of cell in the
// combinations of the options, the end of a game and the starting help's reveal.

#include "Disegni.h"
#include "model/Partita.h"

#include <QTest>

using namespace gridora;

namespace {

// Row 1 and column 3 are empty, so crossed before play.
const QStringList Tavola = {"#.#..", ".....", "##...", "#...#", "..#.#"};
// A mark as a character: '.' empty, '#' filled, 'x' crossed.
constexpr char16_t Simboli[] = u".#x";

} // namespace

class TestPartita : public QObject {
    Q_OBJECT

private slots:
    // Each case: the options ('X' Senza X, 'S' Senza Errori), the cell ('P' filled in the
    // solution (0, 0), 'V' empty (0, 1), 'C' empty and crossed before play (1, 0)) and its clicks
    // ('L' left, 'R' right); then what the last click gives: what the cell took ("rifiutato" if
    // nothing), the cell's mark and what it shows ('.' empty, '#' filled, 'x' crossed), the right
    // fills and the errors, and whether the cell still takes clicks.
    void clic()
    {
        const QStringList casi = {
            "P L: Riempita ## 1 0 -",
            "P LR: rifiutato ## 1 0 -", // a right fill is final
            "P R: CroceMessa xx 0 0 +",
            "P RL: CroceTolta .. 0 0 +", // never filled by taking a cross away
            "V L: Errore xx 0 1 +",
            "V LL: CroceTolta .. 0 1 +",
            "V RR: CroceTolta .. 0 0 +",
            "C L: CroceTolta .. 0 0 +",
            "C LR: CroceMessa xx 0 0 +",
            "C LL: CroceTolta .. 0 0 +", // an empty line's cell is never filled, nor an error
            "X V R: Nessuno .. 0 0 +",
            "X V L: Errore x. 0 1 +",
            // The second left click clears the hidden cross, so the third is a new error.
            "X V LLL: Errore x. 0 2 +",
            "X V LR: Nessuno x. 0 1 +",   // the right button leaves the hidden cross
            "X C L: CroceTolta .x 0 0 +", // an empty line's cross stays on screen
            "X P L: Riempita ## 1 0 -",
            "S V L: Riempita ## 0 0 +",
            "S V LR: Svuotata .. 0 0 +",
            "S P LR: Svuotata .. 0 0 +",
            "S P LL: Nessuno ## 1 0 +",
        };
        const QStringList tipi = {"Nessuno",    "Riempita",   "Errore",
                                  "CroceMessa", "CroceTolta", "Svuotata"};
        for (const QString& caso : casi) {
            const QString clic = caso.section(u':', 0, 0);
            Partita p(5, pixelDi(Tavola), {clic.contains(u'X'), clic.contains(u'S')});
            p.avvia();
            const int r = clic.contains(u'C') ? 1 : 0;
            const int c = clic.contains(u'V') ? 1 : 0;
            EsitoClic e;
            for (const QChar tasto : clic.section(u' ', -1))
                e = p.clic(r, c, tasto == u'L' ? Pulsante::Sinistro : Pulsante::Destro);
            const QString segni = QString(Simboli[p.segno(r, c)]) + Simboli[p.mostrato(r, c)];
            const QString tipo = e.gestito ? tipi.at(static_cast<int>(e.tipo)) : "rifiutato";
            QCOMPARE(QStringLiteral("%1: %2 %3 %4 %5 %6")
                         .arg(clic, tipo, segni)
                         .arg(p.caselleGiuste())
                         .arg(p.errori())
                         .arg(QChar(p.cliccabile(r, c) ? u'+' : u'-')),
                     caso);
        }
    }

    // The game ends at the last fill of the solution, and takes no more clicks; it does not start
    // again.
    void fineDellaPartita()
    {
        Partita p(5, pixelDi(Tavola), {});
        p.avvia();
        QString risolte; // whether each fill of the solution, in order, solved the puzzle
        for (int k = 0; k < 25; ++k) {
            if (Tavola[k / 5][k % 5] == u'#')
                risolte += p.clic(k / 5, k % 5, Pulsante::Sinistro).risolta ? u'1' : u'0';
        }
        QCOMPARE(risolte, QStringLiteral("00000001"));
        QVERIFY(p.fase() == Partita::Fase::Risolta && !p.clic(0, 1, Pulsante::Sinistro).gestito);
        p.avvia();
        p.concludi();
        QVERIFY(p.fase() == Partita::Fase::Conclusa && p.risolta());

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
    void rivelazione()
    {
        for (const bool senzaX : {false, true}) {
            Partita p(5, pixelDi(Tavola), {senzaX, false}, true);
            p.rivela(0, 2);
            p.avvia();
            QString segni;
            QString visti;
            for (int k = 0; k < 25; ++k) {
                segni += Simboli[p.segno(k / 5, k % 5)];
                visti += Simboli[p.mostrato(k / 5, k % 5)];
            }
            QCOMPARE(segni, QStringLiteral("#....x....##xxx#....x...."));
            QCOMPARE(visti, senzaX ? QStringLiteral("#..x.xxxxx##.x.#..x....x.")
                                   : QStringLiteral("#..x.xxxxx##xxx#..x.x..x."));
            QCOMPARE(p.caselleGiuste(), 4);
        }
    }
};

QTEST_APPLESS_MAIN(TestPartita)
#include "tst_partita.moc"
