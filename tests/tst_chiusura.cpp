// Closing the game window, clicking anything or pressing a key at every step of its timed
// sequences: the opening sounds, the starting help's slot machine, the countdown and the pauses
// around the record check.
// Deleted windows really die between the steps, and the steps still to come must not touch them.

#include "Banco.h"
#include "widgets/Forme.h"

using namespace gridora;

namespace {

const Schema Croce5 = {QStringLiteral("Croce"), {"..#..", "..#..", "#####", "..#..", "..#.."}};

// Closes the window with its green button, or as the window system does.
void chiudi(GridoraGame* gioco, bool pulsante)
{
    if (pulsante)
        clicca(gioco->controlli().Image3);
    else
        gioco->close();
    PianificatoreFinto::eliminaFinestreChiuse();
}

// Runs `passi` waiting steps; true when the sequence ended before or with them.
bool avanza(Banco& banco, int passi)
{
    for (int i = 0; i < passi; ++i) {
        if (!banco.tempo.avanza())
            return true;
    }
    return banco.tempo.inAttesa() == 0;
}

// A game in progress: the window refuses to close either way; if it goes anyway (the program
// ends), what its sequence had left to do is dropped.
void nonSiChiude(Banco& banco, QPointer<GridoraGame> gioco)
{
    for (const bool pulsante : {true, false}) {
        chiudi(gioco, pulsante);
        QVERIFY(gioco && gioco->isVisible());
    }
    delete gioco;
    banco.tempo.esaurisci();
    QVERIFY(banco.inizio->isVisible());
}

} // namespace

class TestChiusura : public QObject {
    Q_OBJECT

private slots:
    // Before the help question is answered no game is in progress: the window closes at any step
    // of the opening (three sounds a second apart), and the rest of the opening never runs.
    void duranteLApertura()
    {
        Banco banco;
        banco.metti(5, {Croce5});
        for (int fatti = 0; fatti <= 7; ++fatti) {
            banco.suono.suonati.clear();
            QPointer<GridoraGame> gioco = banco.clicDimensione(5);
            avanza(banco, fatti % 4);
            chiudi(gioco, fatti < 4);
            QVERIFY(!gioco && banco.inizio->isVisible());
            banco.tempo.esaurisci();
            QCOMPARE(banco.suono.suonati.size(), std::min(fatti % 4 + 1, 3));
        }
        QVERIFY(banco.messaggi.avvisi.isEmpty());
    }

    // From the answer (here the S key, taking the help) to the end of the countdown the board
    // refuses clicks and keys, the question's buttons too (it is gone); then it takes them.
    // Throughout, the game is in progress.
    void duranteLAiutoEIlConteggio()
    {
        Banco banco;
        banco.metti(5, {Croce5});
        banco.casuale.numeri = {0.0, 0.5, 0.9};
        bool finita = false;
        for (int fatti = 0; !finita; ++fatti) {
            QPointer<GridoraGame> gioco = banco.apri(5);
            QTest::keyClick(gioco->windowHandle(), Qt::Key_S);
            finita = avanza(banco, fatti);
            const Partita& partita = *gioco->partita();
            const Segno prima = partita.segno(0, 0); // empty in the solution
            clicca(gioco->controlli().hlpYes[0]);
            clicca(gioco, gioco->tavoliere().rettangoloCella(0, 0).center());
            QTest::keyClick(gioco->windowHandle(), Qt::Key_Space);
            QCOMPARE(gioco->tavoliere().cursoreVisibile(), finita); // the key taken shows it
            QCOMPARE(gioco->orologioInCorso(), finita);
            QCOMPARE(partita.segno(0, 0) != prima, finita);
            QCOMPARE(partita.fase() == Partita::Fase::Preparazione, !finita);
            nonSiChiude(banco, gioco); // in progress up to the solution
        }
    }

    // After the last fill, with the help taken: the pauses before the name of the puzzle; then
    // the game is over and the window closes.
    void duranteIlControlloDellaSoluzione()
    {
        Banco banco;
        banco.metti(5, {Croce5});
        banco.casuale.numeri = {0.0, 0.0, 0.0}; // column 0 and row 0 revealed
        for (int fatti = 0;; ++fatti) {
            QPointer<GridoraGame> gioco = banco.apri(5);
            banco.rispondi(gioco, true);
            for (int k = 0; k < 25; ++k) { // the cells the help left
                if (Croce5.righe[k / 5][k % 5] == u'#' &&
                    gioco->partita()->segno(k / 5, k % 5) == Vuoto)
                    clicca(gioco, gioco->tavoliere().rettangoloCella(k / 5, k % 5).center());
            }
            const bool finita = avanza(banco, fatti);
            QCOMPARE(gioco->controlli().boxfig->isVisible(), finita);
            if (!finita) {
                nonSiChiude(banco, gioco);
                continue;
            }
            chiudi(gioco, true); // the game is over: the window closes
            QVERIFY(!gioco);
            break;
        }
    }
};

QTEST_MAIN(TestChiusura)
#include "tst_chiusura.moc"
