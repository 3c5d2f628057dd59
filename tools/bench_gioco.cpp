// Benchmarks (not part of the test run): the cost of a click on a 15 x 15 board, with the
// repaint it causes, and of a game start with 10,000 puzzles in the table.
// Run: QT_QPA_PLATFORM=offscreen ./build/tools/bench_gioco   (add -callgrind under valgrind for
// instruction counts)

#include "Banco.h"
#include "RiempiArchivio.h"
#include "model/Slot.h"

#include <QElapsedTimer>

using namespace gridora;

class BenchGioco : public QObject {
    Q_OBJECT

    Banco m_banco;
    GridoraGame* m_gioco = nullptr;

private slots:
    void initTestCase()
    {
        m_banco.inizio->NoAudio->setChecked(true);
        m_gioco = m_banco.apri(15);
        m_banco.rispondi(m_gioco, false);
        QVERIFY(m_gioco->orologioInCorso());
    }

    // A right click crosses a cell, the next one clears it: the handler, the new picture, the
    // preview and the repaint of what changed.
    void clicSuUnaCella()
    {
        const QPoint centro = m_gioco->tavoliere().rettangoloCella(7, 7).center();
        QBENCHMARK
        {
            clicca(m_gioco, centro, Qt::RightButton);
            QCoreApplication::processEvents();
        }
    }

    // From the window's creation to the help question, and the answer with the board set up.
    void avvioConDiecimilaSchemi()
    {
        if (m_banco.archivio.conta(15).valore < 10000)
            riempiTabella15(m_banco.archivio.percorso(), 10000);
        QBENCHMARK
        {
            GridoraGame gioco(m_banco.servizi, {.lato = 15, .audio = false});
            gioco.show();
            QCoreApplication::processEvents();
            m_banco.tempo.esaurisci();
            clicca(gioco.controlli().hlpYes[1]);
        }
    }

    // The starting help on 15 x 15 with real timers: the slot machine and the countdown last
    // what their delays add up to.
    void aiutoInTempoReale()
    {
        PianificatoreReale reale;
        const double r = 0.999, s = 0.5;
        double numeri[] = {0.0, r, s};
        int prossimo = 0;
        const Servizi servizi{m_banco.archivio, m_banco.messaggi, reale, m_banco.suono,
                              [&] { return numeri[prossimo++]; }};
        GridoraGame gioco(servizi, {.lato = 15, .audio = false});
        gioco.show();
        QTRY_VERIFY(gioco.controlli().richhlp->isVisible());
        QElapsedTimer cronometro;
        cronometro.start();
        clicca(gioco.controlli().hlpYes[0]);
        QTRY_VERIFY_WITH_TIMEOUT(gioco.orologioInCorso(), 30000);
        const double misurato = static_cast<double>(cronometro.nsecsElapsed()) / 1e9;
        const double calcolato = attesaTotale(estraiGiro(r, s, 15)) + 4.0;
        qInfo("aiuto 15x15: misurato %.3f s, calcolato %.3f s", misurato, calcolato);
        QVERIFY(misurato >= calcolato);
    }

    // The window alone, for comparison: its controls and the empty board.
    void composizioneDellaFinestra()
    {
        QBENCHMARK
        {
            GridoraGame gioco(m_banco.servizi, {.lato = 15, .audio = false});
        }
    }
};

QTEST_MAIN(BenchGioco)
#include "bench_gioco.moc"
