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

        QTest::newRow("inizio") << "00:00:00" << 0;
        QTest::newRow("ogni parte al suo posto") << "01:02:03" << 3723;
        QTest::newRow("ultimo secondo") << "23:59:59" << 86399;
        QTest::newRow("tetto") << "24:00:00" << 86400;
        QTest::newRow("oltre il tetto") << "24:06:17" << 86777;
        QTest::newRow("vuoto") << "" << -1;
        QTest::newRow("senza zeri") << "0:5:10" << -1;
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

    // The clock never shows 60 minutes or 60 seconds, and stops for good at 24 hours.
    void scatti_data()
    {
        QTest::addColumn<int>("prima");
        QTest::addColumn<QString>("dopo");
        QTest::addColumn<bool>("scadutoOra");

        QTest::newRow("un secondo") << 0 << "00:00:01" << false;
        QTest::newRow("riporto nei minuti") << 59 << "00:01:00" << false;
        QTest::newRow("riporto nelle ore") << 3599 << "01:00:00" << false;
        QTest::newRow("ore a due cifre") << 35999 << "10:00:00" << false;
        QTest::newRow("scade") << 86399 << "24:00:00" << true;
    }
    void scatti()
    {
        QFETCH(int, prima);
        QFETCH(QString, dopo);
        QFETCH(bool, scadutoOra);

        Cronometro orologio(prima);
        QCOMPARE(orologio.scatto(), scadutoOra);
        QCOMPARE(orologio.testo(), dopo);
        QCOMPARE(orologio.scaduto(), scadutoOra);
        if (scadutoOra) { // frozen: no more seconds, no more penalties, no second sound
            QVERIFY(!orologio.scatto());
            orologio.aggiungiMinuti(8);
            QCOMPARE(orologio.testo(), QStringLiteral("24:00:00"));
        }
    }

    void penalitaSulloOrologio_data()
    {
        QTest::addColumn<QString>("prima");
        QTest::addColumn<int>("minuti");
        QTest::addColumn<QString>("dopo");

        QTest::newRow("senza riporto") << "00:10:05" << 2 << "00:12:05";
        QTest::newRow("riporto nelle ore") << "00:55:10" << 8 << "01:03:10";
        QTest::newRow("minuti esatti all'ora") << "00:52:00" << 8 << "01:00:00";
        QTest::newRow("ore a due cifre") << "09:59:30" << 4 << "10:03:30";
        QTest::newRow("oltre il tetto") << "23:58:17" << 8 << "24:06:17";
    }
    void penalitaSulloOrologio()
    {
        QFETCH(QString, prima);
        QFETCH(int, minuti);
        QFETCH(QString, dopo);

        Cronometro orologio(*secondiDaTesto(prima));
        orologio.aggiungiMinuti(minuti);
        QCOMPARE(orologio.testo(), dopo);
    }

    // A penalty that crosses 24 hours shows for one tick; the next expires the game, once.
    void penalitaOltreIlTetto()
    {
        Cronometro orologio(*secondiDaTesto("23:58:17"));
        orologio.aggiungiMinuti(8);
        QVERIFY(orologio.scatto());
        QCOMPARE(orologio.testo(), QStringLiteral("24:00:00"));
        QVERIFY(!orologio.scatto());
    }

    // 'e' an error, 't' a tick; after each event, whether the pointer is still held.
    void trattenutaPenalita_data()
    {
        QTest::addColumn<QString>("eventi");
        QTest::addColumn<QString>("trattenuta");

        QTest::newRow("nessun errore") << "tt"
                                       << "00";
        QTest::newRow("un errore") << "ettt"
                                   << "1100";
        QTest::newRow("errore a metà secondo") << "tett"
                                               << "0110";
        QTest::newRow("un errore non riparte il conto") << "etett"
                                                        << "11100";
        QTest::newRow("errori in fila") << "eetet"
                                        << "11110";
    }
    void trattenutaPenalita()
    {
        QFETCH(QString, eventi);
        QFETCH(QString, trattenuta);

        TrattenutaPenalita t;
        QString stati;
        for (const QChar e : eventi) {
            if (e == u'e')
                t.avvia();
            else
                t.tick();
            stati += t.attiva ? u'1' : u'0';
        }
        QCOMPARE(stati, trattenuta);
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
        QTest::newRow("5 normale") << 5 << false << false << "GridoraPC          >Facile (5x5)<";
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
        QTest::addColumn<QString>("gioco"); // the clock as it shows
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("nuovo");

        QTest::newRow("più veloce di un secondo") << "00:10:00"
                                                  << "00:10:01" << true;
        QTest::newRow("pari") << "00:10:00"
                              << "00:10:00" << false;
        QTest::newRow("più lento") << "01:00:10"
                                   << "00:59:30" << false;
        QTest::newRow("secondi contro minuti") << "00:01:59"
                                               << "00:02:00" << true;
        QTest::newRow("nessun record") << "23:59:59"
                                       << "24:00:00" << true;
        QTest::newRow("tempo scaduto") << "24:00:00"
                                       << "24:00:00" << false;
        QTest::newRow("record vuoto") << "00:05:00"
                                      << "" << true;
        QTest::newRow("scaduto con record vuoto") << "24:00:00"
                                                  << "" << false;
        QTest::newRow("scaduto con record oltre il tetto") << "24:00:00"
                                                           << "25:00:00" << false;
        QTest::newRow("record illeggibile") << "00:05:00"
                                            << "5 minuti" << true;
    }
    void record()
    {
        QFETCH(QString, gioco);
        QFETCH(QString, record);
        QFETCH(bool, nuovo);

        QCOMPARE(nuovoRecord(*secondiDaTesto(gioco), record), nuovo);
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
        QTest::newRow("vuoto") << ""
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
        QTest::newRow("12 1") << QList<int>{12, 1} << cr(6) + "12\r1\r" << false;
        QTest::newRow("1 1 10") << QList<int>{1, 1, 10} << cr(3) + "1\r1\r10\r" << false;
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
