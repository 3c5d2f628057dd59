// The game's rules: clock, penalties, records and the big column clue.

#include "model/EvidenziaColonna.h"
#include "model/Orologio.h"
#include "model/Penalita.h"
#include "model/Record.h"

#include <QTest>

using namespace gridora;

namespace {

QString cr(int n)
{
    return QString(n, QChar(13));
}

} // namespace

class TestRegoleGioco : public QObject {
    Q_OBJECT

private slots:
    void orariLetti_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("secondi"); // -1: not a time

        QTest::newRow("ogni parte al suo posto") << "01:02:03" << 3723;
        QTest::newRow("oltre il tetto") << "24:06:17" << 86777;
        QTest::newRow("senza zeri") << "0:5:10" << -1;
        QTest::newRow("un carattere in più") << "00:10:000" << -1;
        QTest::newRow("minuti oltre 59") << "00:60:00" << -1;
        QTest::newRow("separatore sbagliato") << "00.10.00" << -1;
        QTest::newRow("lettere") << "0a:10:00" << -1;
    }
    void orariLetti()
    {
        QFETCH(QString, testo);
        QFETCH(int, secondi);

        QCOMPARE(secondiDaTesto(testo).value_or(-1), secondi);
        if (secondi >= 0)
            QCOMPARE(testoOrario(secondi), testo);
    }

    // The clock's story: its text at the start, then each event ('t' a tick, a number an error's
    // penalty in minutes) followed by the text it leaves, with '!' when the tick expires the game.
    void orologio_data()
    {
        QTest::addColumn<QString>("storia");

        // It never shows 60 minutes or 60 seconds.
        QTest::newRow("riporto nei minuti") << "00:00:59 t 00:01:00";
        QTest::newRow("riporto nelle ore") << "00:59:59 t 01:00:00";
        // Frozen at 24 hours: no more seconds, no more penalties, no second sound.
        QTest::newRow("scade") << "23:59:59 t 24:00:00! t 24:00:00 8 24:00:00";
        QTest::newRow("penalità") << "00:10:05 2 00:12:05";
        QTest::newRow("penalità con riporto") << "00:55:10 8 01:03:10";
        // A penalty that crosses 24 hours shows for one tick; the next expires the game, once.
        QTest::newRow("penalità oltre il tetto") << "23:58:17 8 24:06:17 t 24:00:00! t 24:00:00";
    }
    void orologio()
    {
        QFETCH(QString, storia);

        const QStringList passi = storia.split(u' ');
        Cronometro orologio(secondiDaTesto(passi[0]).value());
        QString vista = passi[0];
        for (qsizetype i = 1; i + 1 < passi.size(); i += 2) {
            const bool scatto = passi[i] == u"t";
            const bool scade = scatto && orologio.scatto();
            if (!scatto)
                orologio.aggiungiMinuti(passi[i].toInt());
            vista += u' ' + passi[i] + u' ' + orologio.testo() +
                     (scade ? QStringLiteral("!") : QString());
        }
        QCOMPARE(vista, storia);
        QCOMPARE(orologio.scaduto(), storia.contains(u'!'));
    }

    // Each event ('e' an error, 't' a tick) followed by whether the pointer is still held.
    void trattenutaPenalita_data()
    {
        QTest::addColumn<QString>("eventi");

        QTest::newRow("un errore") << "e1t1t0t0";
        QTest::newRow("errore a metà secondo") << "t0e1t1t0";
        QTest::newRow("un errore non riparte il conto") << "e1t1e1t0t0";
        QTest::newRow("errori in fila") << "e1e1t1e1t0";
    }
    void trattenutaPenalita()
    {
        QFETCH(QString, eventi);

        TrattenutaPenalita t;
        QString visti;
        for (qsizetype i = 0; i < eventi.size(); i += 2) {
            if (eventi[i] == u'e')
                t.avvia();
            else
                t.tick();
            visti += eventi[i];
            visti += t.attiva ? u'1' : u'0';
        }
        QCOMPARE(visti, eventi);
    }

    void titoli_data()
    {
        QTest::addColumn<int>("lato");
        QTest::addColumn<bool>("senzaX");
        QTest::addColumn<bool>("senzaErrori");
        QTest::addColumn<QString>("titolo");

        QTest::newRow("15 con entrambe")
            << 15 << true << true << "GridoraPC          >DifficileXS (15x15)<";
        QTest::newRow("10 senza X") << 10 << true << false << "GridoraPC          >MedioX (10x10)<";
        QTest::newRow("5 senza errori")
            << 5 << false << true << "GridoraPC          >FacileS (5x5)<";
    }
    void titoli()
    {
        QFETCH(int, lato);
        QFETCH(bool, senzaX);
        QFETCH(bool, senzaErrori);
        QFETCH(QString, titolo);

        QCOMPARE(titoloGioco(lato, senzaX, senzaErrori), titolo);
    }

    void record_data()
    {
        QTest::addColumn<int>("gioco"); // seconds on the clock
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("nuovo");

        QTest::newRow("pari") << 600 << "00:10:00" << false;
        QTest::newRow("più lento") << 3610 << "00:59:30" << false;
        QTest::newRow("nessun record") << 86399 << "24:00:00" << true;
        QTest::newRow("tempo scaduto") << 86400 << "24:00:00" << false;
        QTest::newRow("record vuoto") << 300 << "" << true;
        QTest::newRow("scaduto con record vuoto") << 86400 << "" << false;
        QTest::newRow("scaduto con record oltre il tetto") << 86400 << "25:00:00" << false;
        QTest::newRow("record illeggibile") << 300 << "5 minuti" << true;
    }
    void record()
    {
        QFETCH(int, gioco);
        QFETCH(QString, record);
        QFETCH(bool, nuovo);

        QCOMPARE(nuovoRecord(gioco, record), nuovo);
    }

    void nomeTitolare_data()
    {
        QTest::addColumn<QString>("digitato");
        QTest::addColumn<QString>("mostrato");
        QTest::addColumn<QString>("registrato");
        QTest::addColumn<bool>("ok");

        QTest::newRow("spazi tolti") << "a b c d"
                                     << "abcd"
                                     << "ABCD" << true;
        QTest::newRow("solo spazi") << "   "
                                    << ""
                                    << "" << false;
        QTest::newRow("otto caratteri al massimo") << "marco rossi"
                                                   << "marcoros"
                                                   << "MARCOROS" << true;
        QTest::newRow("lettere accentate") << "nicolò"
                                           << "nicolò"
                                           << "NICOLÒ" << true;
    }
    void nomeTitolare()
    {
        QFETCH(QString, digitato);
        QFETCH(QString, mostrato);
        QFETCH(QString, registrato);
        QFETCH(bool, ok);

        const QString nome = filtraNomeTitolare(digitato);
        QCOMPARE(nome, mostrato);
        QCOMPARE(filtraNomeTitolare(nome), nome);
        QCOMPARE(titolareDaRegistrare(nome), registrato);
        QCOMPARE(nomeTitolareAccettabile(nome), ok);
    }

    void colonnaEvidenziata_data()
    {
        QTest::addColumn<QList<int>>("sequenze");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("bordo");

        QTest::newRow("vuota") << QList<int>{} << "" << false;
        QTest::newRow("una cifra") << QList<int>{4} << cr(7) + "4\r" << false;
        QTest::newRow("2 1 3") << QList<int>{2, 1, 3} << cr(5) + "2\r1\r3\r" << false;
        QTest::newRow("10") << QList<int>{10} << cr(7) + "10\r" << false;
        QTest::newRow("3 10") << QList<int>{3, 10} << cr(6) + "3\r10\r" << false;
        QTest::newRow("sette 1") << QList<int>(7, 1) << cr(1) + QString("1\r").repeated(7) << false;
        QTest::newRow("otto 1") << QList<int>(8, 1) << QString("1\r").repeated(8) << true;
    }
    void colonnaEvidenziata()
    {
        QFETCH(QList<int>, sequenze);
        QFETCH(QString, testo);
        QFETCH(bool, bordo);

        const ColonnaEvidenziata c = evidenziaColonna(Sequenze(sequenze.begin(), sequenze.end()));
        QCOMPARE(c.testo, testo);
        QCOMPARE(c.bordo, bordo);
    }
};

QTEST_APPLESS_MAIN(TestRegoleGioco)
#include "tst_regole_gioco.moc"
