// The starting help through the real game window: the slot machine on the clue
// labels, the countdown, the reveal of one column and one row, and a game
// finished after it.

#include "Banco.h"
#include "model/Record.h"
#include "model/Slot.h"
#include "widgets/Anteprima.h"
#include "widgets/Forme.h"

#include <QLineEdit>

using namespace gridora;

namespace {

const QColor Evidenziato(0x00, 0xC0, 0xC0);

// How many column (x) and row (y) clue labels are highlighted.
QPoint evidenziate(const Tavoliere& t)
{
    QPoint n;
    for (int i = 0; i < LatoMassimo; ++i) {
        n.rx() += t.coloreIndizioColonna(i) == Evidenziato ? 1 : 0;
        n.ry() += t.coloreIndizioRiga(i) == Evidenziato ? 1 : 0;
    }
    return n;
}

// A game of the side, "Senza X" as asked, the sound off so the only waits are the
// help's own, and the help taken.
GridoraGame* conAiuto(Banco& banco, int lato, double r, double s, bool senzaX = false)
{
    banco.casuale.numeri = {0.0, r, s};
    banco.inizio->NoAudio->setChecked(true);
    banco.inizio->NoX->setChecked(senzaX);
    GridoraGame* gioco = banco.apri(lato);
    clicca(gioco->controlli().hlpYes[0]);
    return gioco;
}

} // namespace

class TestAiuto : public QObject {
    Q_OBJECT

private slots:
    // The help's cost on the clock and in the question's tip; the spin one wait
    // at a time, never more than one label per reel highlighted; the four waits
    // of the countdown with the chosen column and row highlighted; then every
    // label has its own colour back.
    void giroEConteggio_data()
    {
        QTest::addColumn<int>("lato");
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("s");
        QTest::addColumn<QString>("penalita");
        QTest::addColumn<QString>("costo");
        QTest::newRow("5") << 5 << 0.358 << 0.31 << "00:00:30"
                           << "30 secondi";
        QTest::newRow("10") << 10 << 0.2 << 0.5 << "00:02:00"
                            << "2 minuti";
        QTest::newRow("15") << 15 << 0.6 << 0.9 << "00:05:00"
                            << "5 minuti";
    }
    void giroEConteggio()
    {
        QFETCH(int, lato);
        QFETCH(double, r);
        QFETCH(double, s);
        QFETCH(QString, penalita);
        QFETCH(QString, costo);
        Banco banco;
        GridoraGame* gioco = conAiuto(banco, lato, r, s);
        QVERIFY(gioco->controlli().hlpYes[0]->toolTip().endsWith(costo + u'!'));
        QCOMPARE(gioco->controlli().tempoG->caption(), penalita);
        const GiroSlot giro = estraiGiro(r, s, lato);
        const Tavoliere& t = gioco->tavoliere();
        int passi = 0;
        int conto = 0;
        for (; banco.tempo.inAttesa() > 0; banco.tempo.avanza()) {
            const QPoint e = evidenziate(t);
            QVERIFY(e.x() <= 1 && e.y() <= 1);
            if (++passi > giro.passiColonna + giro.passiRiga) {
                QCOMPARE(t.coloreIndizioColonna(colonnaScelta(giro)), Evidenziato);
                QCOMPARE(t.coloreIndizioRiga(rigaScelta(giro)), Evidenziato);
                ++conto;
            }
        }
        QCOMPARE(conto, 4);
        QCOMPARE(gioco->colonnaAiuto(), colonnaScelta(giro));
        QCOMPARE(gioco->rigaAiuto(), rigaScelta(giro));
        QCOMPARE(banco.suono.beep_,
                 giro.passiColonna); // beeps whatever "NO AUDIO" says
        QVERIFY(qAbs(banco.tempo.totale - (attesaTotale(giro) + 4.0)) < 1e-9);
        QCOMPARE(evidenziate(t), QPoint());
    }

    // The chosen column and row filled where the solution is and crossed
    // elsewhere, on screen as in the game; revealed fills stay clickable only in
    // "Senza Errori". The game is then finished, its record holds the help's
    // cost, and without sound nothing was played.
    void rivelazioneERecord()
    {
        Banco banco;
        GridoraGame* gioco = conAiuto(banco, 10, 0.2, 0.5, true);
        banco.tempo.esaurisci();
        const int c = gioco->colonnaAiuto();
        const int riga = gioco->rigaAiuto();
        const Partita& partita = *gioco->partita();
        const Tavoliere& t = gioco->tavoliere();
        for (int i = 0; i < 10; ++i) {
            for (int k = 0; k < 10; ++k) {
                const bool piena = partita.soluzione(i, k) == 1;
                const Segno atteso = i != riga && k != c ? Vuoto : piena ? Pieno : Croce;
                QCOMPARE(partita.segno(i, k), atteso);
                const Segno visto = atteso == Croce ? Vuoto : atteso; // "Senza X" hides crosses
                if (partita.soluzione(i, k) != 2)
                    QCOMPARE(t.immagine(i, k), immagineCella(visto, tonalita(indiceVideo(i, k))));
                if (piena)
                    QCOMPARE(t.cellaAbilitata(i, k), atteso == Vuoto);
            }
        }
        QCOMPARE(gioco->controlli().anteprima->nero(indiceLogico(riga, 0, 10)),
                 partita.soluzione(riga, 0) == 1);
        for (int k = 0; k < 100; ++k) {
            if (partita.soluzione(k / 10, k % 10) == 1)
                banco.clic(gioco, k / 10, k % 10);
        }
        QTest::keyClicks(gioco->controlli().Text1, QStringLiteral("aiuto"));
        clicca(gioco->controlli().OKREC);
        const Disegno d = banco.archivio.carica(10, gioco->disegno().id).valore;
        const RecordModo& record = d.recordDi(ModoRecord::X);
        QCOMPARE(record.titolare, QStringLiteral("AIUTO"));
        QCOMPARE(record.tempo, QStringLiteral("00:02:00"));
        QVERIFY(banco.suono.suonati.isEmpty());
        QCOMPARE(banco.suono.preparazioni, 0);
    }
};

QTEST_MAIN(TestAiuto)
#include "tst_aiuto.moc"
