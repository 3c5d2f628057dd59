// The starting help through the real game window: the slot machine on the clue labels, the
// reveal of one column and one row, the penalty, the countdown, and a game finished after it.

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

} // namespace

class TestAiuto : public QObject {
    Q_OBJECT

private slots:
    // One game of each side with the help taken and the sound off: the question where the side
    // puts it, the spin, the reveal, and the record with the help's cost in it.
    void aiutoSuOgniDimensione_data()
    {
        QTest::addColumn<int>("lato");
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("s");
        QTest::addColumn<QString>("penalita");
        QTest::addColumn<QString>("costo");
        QTest::addColumn<bool>("senzaX");
        QTest::addColumn<bool>("senzaErrori");
        QTest::addColumn<QPoint>("richiesta"); // twips
        QTest::addColumn<int>("shape3");       // twips
        QTest::newRow("5") << 5 << 0.358 << 0.31 << "00:00:30"
                           << "30 secondi" << false << false << QPoint(1000, 2170) << 550;
        QTest::newRow("10 senza X") << 10 << 0.2 << 0.5 << "00:02:00"
                                    << "2 minuti" << true << false << QPoint(1100, 2200) << 550;
        QTest::newRow("15 senza errori")
            << 15 << 0.6 << 0.9 << "00:05:00"
            << "5 minuti" << false << true << QPoint(1320, 2170) << 570;
    }
    void aiutoSuOgniDimensione()
    {
        QFETCH(int, lato);
        QFETCH(double, r);
        QFETCH(double, s);
        QFETCH(QString, penalita);
        QFETCH(QString, costo);
        QFETCH(bool, senzaX);
        QFETCH(bool, senzaErrori);
        QFETCH(QPoint, richiesta);
        QFETCH(int, shape3);

        Banco banco;
        banco.casuale.numeri = {0.0, r, s};
        banco.inizio->NoAudio->setChecked(true); // so the only waits are the help's own
        banco.inizio->NoX->setChecked(senzaX);
        banco.inizio->NoErrori->setChecked(senzaErrori);
        GridoraGame* gioco = banco.apri(lato);
        QCOMPARE(gioco->controlli().richhlp->pos(), QPoint(px(richiesta.x()), px(richiesta.y())));
        QCOMPARE(gioco->controlli().Shape3->size(), QSize(px(shape3), px(shape3)));
        QCOMPARE(gioco->controlli().hlpYes[0]->toolTip(),
                 QStringLiteral("Ti verrà attivata, casualmente, una linea verticale ed una "
                                "orizzontale, con una penalità di ") +
                     costo + u'!');

        const GiroSlot giro = estraiGiro(r, s, lato);
        const int c = colonnaScelta(giro);
        const int riga = rigaScelta(giro);
        clicca(gioco->controlli().hlpYes[0]);
        QCOMPARE(gioco->controlli().tempoG->caption(), penalita);
        // The spin, one wait at a time: never more than one label per reel highlighted; then
        // the four waits of the countdown with the chosen column and row highlighted.
        const Tavoliere& t = gioco->tavoliere();
        int passi = 0;
        int conto = 0;
        bool sempreUnaPerBobina = true;
        while (banco.tempo.inAttesa() > 0) {
            const QPoint e = evidenziate(t);
            sempreUnaPerBobina = sempreUnaPerBobina && e.x() <= 1 && e.y() <= 1;
            if (++passi > giro.passiColonna + giro.passiRiga) {
                QCOMPARE(t.coloreIndizioColonna(c), Evidenziato);
                QCOMPARE(t.coloreIndizioRiga(riga), Evidenziato);
                ++conto;
            }
            banco.tempo.avanza();
        }
        QCOMPARE(gioco->colonnaAiuto(), c);
        QCOMPARE(gioco->rigaAiuto(), riga);
        QVERIFY(sempreUnaPerBobina);
        QCOMPARE(conto, 4);
        QCOMPARE(banco.suono.beep_, giro.passiColonna); // beeps whatever "NO AUDIO" says
        QVERIFY(qAbs(banco.tempo.totale - (attesaTotale(giro) + 4.0)) < 1e-9);
        // After the countdown every label has its own colour back.
        for (int i = 0; i < LatoMassimo; ++i) {
            QCOMPARE(t.coloreIndizioColonna(i), Tavoliere::coloreIndizio(i));
            QCOMPARE(t.coloreIndizioRiga(i), Tavoliere::coloreIndizio(i));
        }

        // The reveal: the chosen column and row filled where the solution is and crossed
        // elsewhere, shown as the game holds them; revealed fills stay clickable only in "Senza
        // Errori". Then the game can be finished and its record stored.
        const Partita& partita = *gioco->partita();
        for (int i = 0; i < lato; ++i) {
            for (int k = 0; k < lato; ++k) {
                const bool piena = partita.soluzione(i, k) == 1;
                const Segno atteso = i != riga && k != c ? Vuoto : piena ? Pieno : Croce;
                QCOMPARE(partita.segno(i, k), atteso);
                QCOMPARE(t.immagine(i, k),
                         immagineCella(partita.mostrato(i, k), tonalita(indiceVideo(i, k))));
                if (piena)
                    QCOMPARE(t.cellaAbilitata(i, k), atteso == Vuoto || senzaErrori);
            }
        }
        QCOMPARE(gioco->controlli().anteprima->nero(indiceLogico(riga, 0, lato)),
                 partita.soluzione(riga, 0) == 1);
        for (int i = 0; i < lato; ++i) {
            for (int k = 0; k < lato; ++k) {
                if (partita.soluzione(i, k) == 1)
                    banco.clic(gioco, i, k);
            }
        }
        QVERIFY(gioco->controlli().boxfig->isVisible());
        QVERIFY(gioco->controlli().Info->isVisible());
        QTest::keyClicks(gioco->controlli().Text1, QStringLiteral("aiuto"));
        clicca(gioco->controlli().OKREC);
        const Disegno d = banco.archivio.carica(lato, gioco->disegno().id).valore;
        const RecordModo& record = d.recordDi(modoRecord(senzaX, senzaErrori));
        QCOMPARE(record.titolare, QStringLiteral("AIUTO"));
        QCOMPARE(record.tempo, penalita);
        // Without sound nothing was played, and the output was never even prepared.
        QVERIFY(banco.suono.suonati.isEmpty());
        QCOMPARE(banco.suono.preparazioni, 0);
    }
};

QTEST_MAIN(TestAiuto)
#include "tst_aiuto.moc"
