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

struct Evidenziate {
    int colonne = 0;
    int righe = 0;
};

Evidenziate evidenziate(const Tavoliere& t)
{
    Evidenziate e;
    for (int i = 0; i < LatoMassimo; ++i) {
        e.colonne += t.coloreIndizioColonna(i) == Evidenziato ? 1 : 0;
        e.righe += t.coloreIndizioRiga(i) == Evidenziato ? 1 : 0;
    }
    return e;
}

// The solution as rows of '#' and '.'.
QStringList soluzione(const Partita& partita)
{
    QStringList righe;
    for (int r = 0; r < partita.lato(); ++r) {
        QString riga;
        for (int c = 0; c < partita.lato(); ++c)
            riga += partita.soluzione(r, c) == 1 ? u'#' : u'.';
        righe.append(riga);
    }
    return righe;
}

} // namespace

class TestAiuto : public QObject {
    Q_OBJECT

private slots:
    void aiutoSuOgniDimensione_data()
    {
        QTest::addColumn<int>("lato");
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("s");
        QTest::addColumn<QString>("penalita");
        QTest::addColumn<QString>("costo");
        QTest::addColumn<bool>("senzaX");
        QTest::addColumn<bool>("senzaErrori");
        QTest::newRow("5") << 5 << 0.358 << 0.31 << "00:00:30"
                           << "30 secondi" << false << false;
        QTest::newRow("10") << 10 << 0.77 << 0.05 << "00:02:00"
                            << "2 minuti" << false << false;
        QTest::newRow("15") << 15 << 0.999 << 0.75 << "00:05:00"
                            << "5 minuti" << false << false;
        QTest::newRow("10 senza X") << 10 << 0.2 << 0.5 << "00:02:00"
                                    << "2 minuti" << true << false;
        QTest::newRow("15 senza errori") << 15 << 0.6 << 0.9 << "00:05:00"
                                         << "5 minuti" << false << true;
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

        Banco banco;
        banco.casuale.numeri = {0.0, r, s};
        banco.inizio->NoAudio->setChecked(true); // so the only waits are the help's own
        banco.inizio->NoX->setChecked(senzaX);
        banco.inizio->NoErrori->setChecked(senzaErrori);
        GridoraGame* gioco = banco.apri(lato);
        QCOMPARE(gioco->controlli().hlpYes[0]->toolTip(),
                 QStringLiteral("Ti verrà attivata, casualmente, una linea verticale ed una "
                                "orizzontale, con una penalità di ") +
                     costo + u'!');

        const GiroSlot giro = estraiGiro(r, s, lato);
        const int c = colonnaScelta(giro);
        const int riga = rigaScelta(giro);
        clicca(gioco->controlli().hlpYes[0]);
        QCOMPARE(gioco->controlli().tempoG->caption(), penalita);
        // The spin, one wait at a time: never more than one label per reel highlighted.
        int passi = 0;
        bool sempreUnaPerBobina = true;
        QList<QColor> coloriNelConto;
        while (banco.tempo.inAttesa() > 0) {
            const Evidenziate e = evidenziate(gioco->tavoliere());
            sempreUnaPerBobina = sempreUnaPerBobina && e.colonne <= 1 && e.righe <= 1;
            if (++passi > giro.passiColonna + giro.passiRiga) { // the countdown
                coloriNelConto << gioco->tavoliere().coloreIndizioColonna(c)
                               << gioco->tavoliere().coloreIndizioRiga(riga);
            }
            banco.tempo.avanza();
        }
        QCOMPARE(gioco->colonnaAiuto(), c);
        QCOMPARE(gioco->rigaAiuto(), riga);
        QVERIFY(sempreUnaPerBobina);
        QCOMPARE(banco.suono.beep_, giro.passiColonna); // beeps whatever "NO AUDIO" says
        QVERIFY(qAbs(banco.tempo.totale - (attesaTotale(giro) + 4.0)) < 1e-9);
        QCOMPARE(coloriNelConto.size(), 8); // four countdown waits, both lines highlighted
        for (const QColor& colore : coloriNelConto)
            QCOMPARE(colore, Evidenziato);
        // After the countdown every label has its own colour back.
        for (int i = 0; i < LatoMassimo; ++i) {
            QCOMPARE(gioco->tavoliere().coloreIndizioColonna(i), Tavoliere::coloreIndizio(i));
            QCOMPARE(gioco->tavoliere().coloreIndizioRiga(i), Tavoliere::coloreIndizio(i));
        }

        // The reveal.
        const Partita& partita = *gioco->partita();
        const QStringList righe = soluzione(partita);
        int giuste = 0;
        for (int j = 0; j < lato; ++j) {
            for (const QPoint cella : {QPoint(c, j), QPoint(j, riga)}) {
                const int d = indiceVideo(cella.y(), cella.x());
                if (righe[cella.y()][cella.x()] == u'#') {
                    QCOMPARE(partita.segno(cella.y(), cella.x()), Pieno);
                    QCOMPARE(Banco::immagine(gioco, cella.y(), cella.x()), 101);
                    QCOMPARE(gioco->tavoliere().cellaAbilitata(cella.y(), cella.x()), senzaErrori);
                } else {
                    QCOMPARE(partita.segno(cella.y(), cella.x()), Croce);
                    QCOMPARE(Banco::immagine(gioco, cella.y(), cella.x()),
                             immagineCella(senzaX && partita.soluzione(cella.y(), cella.x()) != 2
                                               ? Vuoto
                                               : Croce,
                                           tonalita(d)));
                }
            }
            giuste += righe[j][c] == u'#' ? 1 : 0;
            giuste += righe[riga][j] == u'#' && j != c ? 1 : 0;
        }
        QCOMPARE(partita.caselleGiuste(), giuste);
        QCOMPARE(gioco->controlli().anteprima->nero(indiceLogico(riga, 0, lato)),
                 righe[riga][0] == u'#');

        // The game can be finished and its record stored.
        banco.riempiSoluzione(gioco, righe);
        QVERIFY(gioco->controlli().boxfig->isVisible());
        QVERIFY(gioco->controlli().Info->isVisible());
        QTest::keyClicks(gioco->controlli().Text1, QStringLiteral("aiuto"));
        clicca(gioco->controlli().OKREC);
        const Disegno d = banco.archivio.carica(lato, gioco->disegno().id).valore;
        const RecordModo& record = d.recordDi(modoRecord(senzaX, senzaErrori));
        QCOMPARE(record.titolare, QStringLiteral("AIUTO"));
        QCOMPARE(record.tempo, penalita);
    }

    // Declining costs nothing, reveals nothing and the countdown does not wait.
    void rifiutoDellAiuto()
    {
        Banco banco;
        banco.inizio->NoAudio->setChecked(true);
        GridoraGame* gioco = banco.apri(15);
        QCOMPARE(gioco->controlli().hlpYes[1]->toolTip(),
                 QStringLiteral("Nessuna penalità, ma nessun aiuto!"));
        banco.rispondi(gioco, false);
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("00:00:00"));
        QCOMPARE(gioco->partita()->caselleGiuste(), 0);
        QCOMPARE(gioco->colonnaAiuto(), -1);
        QCOMPARE(banco.tempo.totale, 0.0);
        QCOMPARE(banco.suono.beep_, 0);
    }
};

QTEST_MAIN(TestAiuto)
#include "tst_aiuto.moc"
