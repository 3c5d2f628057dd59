// Closing the game window, clicking anything or pressing a key at every step of its timed
// sequences: the opening sounds, the starting help's slot machine, the countdown and the pauses
// around the record check.
// Deleted windows really die between the steps, and the steps still to come must not touch them.

#include "Banco.h"
#include "widgets/Forme.h"

using namespace gridora;

namespace {

const Schema Croce5 = {QStringLiteral("Croce"), {"..#..", "..#..", "#####", "..#..", "..#.."}};

enum class Modo { Pulsante, Finestra, Escape };

void chiudi(GridoraGame* gioco, Modo modo)
{
    if (modo == Modo::Pulsante)
        clicca(gioco->controlli().Image3);
    else if (modo == Modo::Finestra)
        gioco->close();
    else
        QTest::keyClick(gioco->windowHandle(), Qt::Key_Escape);
    PianificatoreFinto::eliminaFinestreChiuse();
}

// Steps of the sequence started by `avvio`, counted on a first run.
int passiDi(Banco& banco, const std::function<void()>& avvio)
{
    avvio();
    int passi = 0;
    while (banco.tempo.avanza())
        ++passi;
    return passi;
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
        for (const Modo modo : {Modo::Pulsante, Modo::Finestra}) {
            for (int fatti = 0; fatti <= 3; ++fatti) {
                banco.suono.suonati.clear();
                QPointer<GridoraGame> gioco = banco.clicDimensione(5);
                for (int i = 0; i < fatti; ++i)
                    banco.tempo.avanza();
                chiudi(gioco, modo);
                QVERIFY(!gioco && banco.inizio->isVisible());
                banco.tempo.esaurisci();
                QCOMPARE(banco.suono.suonati.size(), std::min(fatti + 1, 3));
            }
        }
        QVERIFY(banco.messaggi.avvisi.isEmpty());
    }

    // From the answer (here the S key, taking the help) to the solution the window refuses to
    // close and the board refuses clicks and keys; if the window goes anyway (the program ends),
    // what the sequence had left to do is dropped.
    void duranteLAiutoEIlConteggio()
    {
        Banco banco;
        banco.metti(5, {Croce5});
        banco.casuale.numeri = {0.0, 0.5, 0.9};
        const auto aiuto = [&] {
            GridoraGame* gioco = banco.apri(5);
            QTest::keyClick(gioco->windowHandle(), Qt::Key_S);
            return gioco;
        };
        const int passi = passiDi(banco, aiuto);
        GridoraGame* inCorso = banco.inizio->gioco();
        QTest::keyClick(inCorso->windowHandle(), Qt::Key_Space); // from now on the board takes keys
        QVERIFY(inCorso->tavoliere().cursoreVisibile());
        delete inCorso;

        for (int fatti = 0; fatti < passi; ++fatti) {
            QPointer<GridoraGame> gioco = aiuto();
            for (int i = 0; i < fatti; ++i)
                banco.tempo.avanza();
            const Partita& partita = *gioco->partita();
            QVERIFY(partita.fase() == Partita::Fase::Preparazione);
            const Segno prima = partita.segno(0, 0); // empty in the solution
            clicca(gioco->controlli().hlpYes[0]);    // the question is gone
            clicca(gioco, gioco->tavoliere().rettangoloCella(0, 0).center());
            QTest::keyClick(gioco->windowHandle(), Qt::Key_Space);
            QCOMPARE(partita.segno(0, 0), prima);
            QVERIFY(!gioco->orologioInCorso());
            QVERIFY(!gioco->tavoliere().cursoreVisibile()); // a key taken would show it
            for (const Modo modo : {Modo::Pulsante, Modo::Finestra, Modo::Escape}) {
                chiudi(gioco, modo);
                QVERIFY(gioco && gioco->isVisible());
            }
            delete gioco;
            banco.tempo.esaurisci();
            QVERIFY(banco.inizio->isVisible());
        }
    }

    // After the last fill, with the help taken: the pauses before the name of the puzzle.
    void duranteIlControlloDellaSoluzione()
    {
        Banco banco;
        banco.metti(5, {Croce5});
        banco.casuale.numeri = {0.0, 0.0, 0.0}; // column 0 and row 0 revealed
        for (int fatti = 0;; ++fatti) {
            QPointer<GridoraGame> gioco = banco.apri(5);
            banco.rispondi(gioco, true);
            for (int r = 0; r < 5; ++r) {
                for (int c = 0; c < 5; ++c) {
                    if (Croce5.righe[r][c] == u'#' && gioco->partita()->segno(r, c) != Pieno)
                        clicca(gioco, gioco->tavoliere().rettangoloCella(r, c).center());
                }
            }
            QVERIFY(!gioco->orologioInCorso());
            bool finita = false;
            for (int i = 0; i < fatti && !finita; ++i)
                finita = !banco.tempo.avanza();
            if (finita || banco.tempo.inAttesa() == 0) {
                QVERIFY(gioco->controlli().boxfig->isVisible());
                chiudi(gioco, Modo::Pulsante); // solved: the window may close
                QVERIFY(!gioco);
                break;
            }
            QVERIFY(!gioco->controlli().boxfig->isVisible());
            clicca(gioco, gioco->tavoliere().rettangoloCella(0, 1).center(), Qt::RightButton);
            QCOMPARE(gioco->partita()->segno(0, 1), Vuoto); // the board takes no more clicks
            chiudi(gioco, Modo::Finestra);
            QVERIFY(gioco);
            delete gioco;
            banco.tempo.esaurisci();
            QVERIFY(banco.inizio->isVisible());
        }
    }
};

QTEST_MAIN(TestChiusura)
#include "tst_chiusura.moc"
