// The starting help through the real game window: the slot machine on the clue labels, the
// countdown, the reveal of one column and one row, and a game finished after it.

#include "Banco.h"
#include "model/Slot.h"
#include "widgets/Anteprima.h"

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
    // With "Senza X" and "NO AUDIO": the help's cost on the clock and in the question's tip. The
    // spin goes one wait at a time, never more than one label per reel highlighted, the column
    // steps beeping whatever "NO AUDIO" says; the countdown's four waits keep the chosen column
    // and row highlighted; then every label has its own colour back. The chosen lines show their
    // fills and hide their crosses, and the fills take no more clicks. The game is then finished,
    // its record holds the help's cost, and nothing was played.
    void aiuto_data()
    {
        QTest::addColumn<int>("lato");
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("s");
        QTest::addColumn<QString>("costo"); // on the clock, then in the tip
        QTest::newRow("5") << 5 << 0.358 << 0.31 << "00:00:30 30 secondi";
        QTest::newRow("10") << 10 << 0.2 << 0.5 << "00:02:00 2 minuti";
        QTest::newRow("15") << 15 << 0.6 << 0.9 << "00:05:00 5 minuti";
    }
    void aiuto()
    {
        QFETCH(int, lato);
        QFETCH(double, r);
        QFETCH(double, s);
        QFETCH(QString, costo);
        Banco banco;
        banco.casuale.numeri = {0.0, r, s};
        banco.inizio->NoAudio->setChecked(true);
        banco.inizio->NoX->setChecked(true);
        GridoraGame* gioco = banco.apri(lato);
        const auto& c = gioco->controlli();
        clicca(c.hlpYes[0]);
        QVERIFY(c.hlpYes[0]->toolTip().endsWith(costo.mid(9) + u'!'));
        QCOMPARE(c.tempoG->caption(), costo.left(8));

        const Tavoliere& t = gioco->tavoliere();
        const GiroSlot giro = estraiGiro(r, s, lato);
        const int colonna = colonnaScelta(giro);
        const int riga = rigaScelta(giro);
        int passi = 0;
        for (; banco.tempo.inAttesa() > 0; banco.tempo.avanza()) {
            const QPoint e = evidenziate(t);
            QVERIFY(e.x() <= 1 && e.y() <= 1);
            if (++passi > giro.passiColonna + giro.passiRiga) { // the countdown
                QCOMPARE(t.coloreIndizioColonna(colonna), Evidenziato);
                QCOMPARE(t.coloreIndizioRiga(riga), Evidenziato);
            }
        }
        QCOMPARE(banco.suono.beep_, giro.passiColonna);
        QVERIFY(qAbs(banco.tempo.totale - (attesaTotale(giro) + 4.0)) < 1e-9);
        QCOMPARE(evidenziate(t), QPoint());

        const Partita& partita = *gioco->partita();
        for (int k = 0; k < lato; ++k) {
            for (const auto& [i, j] : {std::pair{riga, k}, std::pair{k, colonna}}) {
                // Empty lines' crosses show; the help's are hidden.
                const int soluzione = partita.soluzione(i, j);
                const Segno atteso = soluzione == 1 ? Pieno : soluzione == 2 ? Croce : Vuoto;
                QCOMPARE(t.immagine(i, j), immagineCella(atteso, tonalita(indiceVideo(i, j))));
                QCOMPARE(t.cellaAbilitata(i, j), soluzione != 1);
            }
        }
        QCOMPARE(c.anteprima->nero(indiceLogico(riga, 0, lato)), partita.soluzione(riga, 0) == 1);
        for (int k = 0; k < lato * lato; ++k) {
            if (partita.soluzione(k / lato, k % lato) == 1)
                banco.clic(gioco, k / lato, k % lato);
        }
        QTest::keyClicks(c.Text1, QStringLiteral("aiuto"));
        clicca(c.OKREC);
        const RecordModo record =
            banco.archivio.carica(lato, gioco->disegno().id).valore.recordDi(ModoRecord::X);
        QCOMPARE(record.titolare + u' ' + record.tempo, QStringLiteral("AIUTO ") + costo.left(8));
        QVERIFY(banco.suono.suonati.isEmpty() && banco.suono.preparazioni == 0);
    }
};

QTEST_MAIN(TestAiuto)
#include "tst_aiuto.moc"
