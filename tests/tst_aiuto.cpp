// The starting help through the real game window: the slot machine on the clue labels, the
// reveal of one column and one row, the penalty, the countdown, and a game finished after it.

#include "BancoGioco.h"
#include "model/Slot.h"

#include <QLineEdit>

using namespace gridora;

namespace {

const QColor Evidenziato(0x00, 0xC0, 0xC0);

int evidenziate(const std::array<Etichetta*, LatoMassimo>& etichette)
{
    int n = 0;
    for (const Etichetta* e : etichette)
        n += e->sfondo() == Evidenziato ? 1 : 0;
    return n;
}

// The solution as rows of '#' and '.', read back from the window.
QStringList soluzione(const GridoraGame* gioco)
{
    QStringList righe;
    for (int r = 0; r < gioco->Lato; ++r) {
        QString riga;
        for (int c = 0; c < gioco->Lato; ++c)
            riga += gioco->Soluzione[indiceVideo(r, c)] == 1 ? u'#' : u'.';
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

        BancoGioco banco;
        banco.casuale.numeri = {0.0, r, s};
        banco.inizio->NoAudio->setChecked(true); // so the only waits are the help's own
        banco.inizio->NoX->setChecked(senzaX);
        banco.inizio->NoErrori->setChecked(senzaErrori);
        GridoraGame* gioco = banco.apri(lato);
        QCOMPARE(gioco->hlpYes[0]->toolTip(),
                 QStringLiteral("Ti verrà attivata, casualmente, una linea verticale ed una "
                                "orizzontale, con una penalità di ") +
                     costo + u'!');

        const GiroSlot giro = estraiGiro(r, s, lato);
        const int c = colonnaScelta(giro);
        const int riga = rigaScelta(giro);
        int passiVisti = 0;
        bool sempreUnaPerBobina = true;
        QList<QColor> coloriNelConto;
        banco.attesa.durante = [&](double) {
            ++passiVisti;
            sempreUnaPerBobina = sempreUnaPerBobina &&
                                 evidenziate(gioco->tavoliere->Verticale) <= 1 &&
                                 evidenziate(gioco->tavoliere->orizzontale) <= 1;
            if (passiVisti > giro.passiColonna + giro.passiRiga) { // the countdown
                coloriNelConto << gioco->tavoliere->Verticale[c]->sfondo()
                               << gioco->tavoliere->orizzontale[riga]->sfondo();
            }
        };
        QTest::mouseClick(gioco->hlpYes[0], Qt::LeftButton);
        banco.attesa.durante = nullptr;

        QCOMPARE(gioco->tempoG->caption(), penalita);
        QCOMPARE(gioco->ColonnaAiuto, c);
        QCOMPARE(gioco->RigaAiuto, riga);
        QVERIFY(sempreUnaPerBobina);
        QCOMPARE(banco.suono.beep_, giro.passiColonna); // beeps whatever "NO AUDIO" says
        QVERIFY(qAbs(banco.attesa.totale - (attesaTotale(giro) + 4.0)) < 1e-9);
        QCOMPARE(coloriNelConto.size(), 8); // four countdown waits, both lines highlighted
        for (const QColor& colore : coloriNelConto)
            QCOMPARE(colore, Evidenziato);
        // After the countdown every label has its own colour back.
        for (int i = 0; i < LatoMassimo; ++i) {
            QCOMPARE(gioco->tavoliere->Verticale[i]->sfondo(), Tavoliere::coloreIndizio(i));
            QCOMPARE(gioco->tavoliere->orizzontale[i]->sfondo(), Tavoliere::coloreIndizio(i));
        }

        // The reveal.
        const QStringList righe = soluzione(gioco);
        int attese = 0;
        for (int j = 0; j < lato; ++j) {
            for (const QPoint cella : {QPoint(c, j), QPoint(j, riga)}) {
                const int d = indiceVideo(cella.y(), cella.x());
                const int q = indiceLogico(cella.y(), cella.x(), lato);
                if (righe[cella.y()][cella.x()] == u'#') {
                    QCOMPARE(gioco->Segni[q], 1);
                    QCOMPARE(gioco->SegniVideo[d], 1);
                    QCOMPARE(gioco->tavoliere->Image1[d]->immagine(), 101);
                    QCOMPARE(gioco->tavoliere->Image1[d]->isEnabled(), senzaErrori);
                } else {
                    QCOMPARE(gioco->Segni[q], 2);
                    QCOMPARE(gioco->SegniVideo[d], 2);
                    QCOMPARE(gioco->tavoliere->Image1[d]->immagine(),
                             immagineCella(senzaX ? Vuoto : Croce, tonalita(d)));
                }
            }
            attese += righe[j][c] == u'#' ? 1 : 0;
            attese += righe[riga][j] == u'#' && j != c ? 1 : 0;
        }
        QCOMPARE(gioco->CaselleGiuste, attese);
        QTRY_VERIFY(gioco->anteprima->nero(indiceLogico(riga, 0, lato)) ==
                    (righe[riga][0] == u'#'));

        // The game can be finished and its record stored.
        BancoGioco::riempiSoluzione(gioco, righe);
        QVERIFY(gioco->boxfig->isVisible());
        QVERIFY(gioco->Info->isVisible());
        QTest::keyClicks(gioco->Text1, QStringLiteral("aiuto"));
        QTest::mouseClick(gioco->OKREC, Qt::LeftButton);
        const Disegno d = banco.archivio.carica(lato, gioco->IdScelto).valore;
        const RecordModo& record = d.recordDi(modoRecord(senzaX, senzaErrori));
        QCOMPARE(record.titolare, QStringLiteral("AIUTO"));
        QCOMPARE(record.tempo, penalita);
    }

    // Declining costs nothing, reveals nothing and the countdown does not wait.
    void rifiutoDellAiuto()
    {
        BancoGioco banco;
        banco.inizio->NoAudio->setChecked(true);
        GridoraGame* gioco = banco.apri(15);
        QCOMPARE(gioco->hlpYes[1]->toolTip(), QStringLiteral("Nessuna penalità, ma nessun aiuto!"));
        QCOMPARE(gioco->hlpYes[0]->toolTip(),
                 QStringLiteral("Ti verrà attivata, casualmente, una linea verticale ed una "
                                "orizzontale, con una penalità di 5 minuti!"));
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        QCOMPARE(gioco->tempoG->caption(), QStringLiteral("00:00:00"));
        QCOMPARE(gioco->CaselleGiuste, 0);
        QCOMPARE(gioco->ColonnaAiuto, -1);
        QCOMPARE(banco.attesa.totale, 0.0);
        QCOMPARE(banco.suono.beep_, 0);
    }
};

QTEST_MAIN(TestAiuto)
#include "tst_aiuto.moc"
