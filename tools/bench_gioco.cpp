// Benchmarks (not part of the test run): the cost of a click on a 15 x 15 board, with the
// repaint it causes, and of a game start with 10,000 puzzles in the table.
// Run: ./build/tools/bench_gioco   (add -callgrind under valgrind for instruction counts)

#include "BancoGioco.h"
#include "model/Slot.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace gridora;

namespace {

// Fills the 15 x 15 table with `quanti` distinct drawings in one transaction.
void riempiTabella(const QString& percorso, int quanti)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench");
        db.setDatabaseName(percorso);
        db.open();
        db.transaction();
        QSqlQuery q(db);
        q.prepare("INSERT INTO Disegni15 (Griglia, Pixel, Nome) VALUES ('15', ?, ?)");
        for (int n = 0; n < quanti; ++n) {
            QString pixel(225, u'0');
            for (int b = 0; b < 14; ++b)
                pixel[b * 16] = (n >> b) & 1 ? u'1' : u'0';
            pixel[224] = u'1';
            q.addBindValue(pixel);
            q.addBindValue(QStringLiteral("Schema %1").arg(n));
            q.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase("bench");
}

} // namespace

class BenchGioco : public QObject {
    Q_OBJECT

    BancoGioco m_banco;
    GridoraGame* m_gioco = nullptr;

private slots:
    void initTestCase()
    {
        m_banco.inizio->NoAudio->setChecked(true);
        m_gioco = m_banco.apri(15);
        QTest::mouseClick(m_gioco->hlpYes[1], Qt::LeftButton);
        QVERIFY(m_gioco->Tempora.isActive());
    }

    // A right click crosses a cell, the next one clears it: the handler, the new picture,
    // the preview's one-shot redraw and the repaint of what changed.
    void clicSuUnaCella()
    {
        Cella* cella = m_gioco->tavoliere->Image1[indiceVideo(7, 7)];
        QBENCHMARK
        {
            QTest::mouseClick(cella, Qt::RightButton, {}, QPoint(8, 8));
            QCoreApplication::processEvents();
        }
    }

    void avvioConDiecimilaSchemi()
    {
        if (m_banco.archivio.conta(15).valore < 10000)
            riempiTabella(m_banco.archivio.percorso(), 10000);
        const ServiziGioco servizi{m_banco.archivio, *m_banco.inizio,  m_banco.suono,
                                   m_banco.attesa,   m_banco.messaggi, [] { return 0.5; }};
        QBENCHMARK
        {
            GridoraGame gioco(servizi);
            gioco.ok = QStringLiteral("15");
            gioco.AUDIO = QStringLiteral("1");
            gioco.Form_Activate();
            gioco.hlpYes_Click(1);
        }
    }

    // The starting help on 15 x 15 with the real clock: the slot machine and the countdown
    // last what their delays add up to.
    void aiutoInTempoReale()
    {
        AttesaReale reale;
        const double r = 0.999, s = 0.5;
        double numeri[] = {0.0, r, s};
        int prossimo = 0;
        const ServiziGioco servizi{m_banco.archivio, *m_banco.inizio,
                                   m_banco.suono,    reale,
                                   m_banco.messaggi, [&] { return numeri[prossimo++]; }};
        GridoraGame gioco(servizi);
        gioco.ok = QStringLiteral("15");
        gioco.AUDIO = QStringLiteral("1");
        gioco.Form_Activate();
        QElapsedTimer cronometro;
        cronometro.start();
        gioco.hlpYes_Click(0);
        const double misurato = static_cast<double>(cronometro.nsecsElapsed()) / 1e9;
        const double calcolato = attesaTotale(estraiGiro(r, s, 15)) + 4.0;
        qInfo("aiuto 15x15: misurato %.3f s, calcolato %.3f s", misurato, calcolato);
        QVERIFY(misurato >= calcolato);
    }

    // The window alone, for comparison: its controls and the empty board.
    void composizioneDellaFinestra()
    {
        const ServiziGioco servizi{m_banco.archivio, *m_banco.inizio,  m_banco.suono,
                                   m_banco.attesa,   m_banco.messaggi, [] { return 0.5; }};
        QBENCHMARK
        {
            GridoraGame gioco(servizi);
        }
    }
};

QTEST_MAIN(BenchGioco)
#include "bench_gioco.moc"
