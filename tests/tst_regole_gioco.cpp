// The game's rules: clock, penalty pointer hold, records and the big column clue.

#include "model/EvidenziaColonna.h"
#include "model/Orologio.h"
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
    // "HH:MM:SS" both ways, over 24 hours too; anything else is no time.
    void orariLetti()
    {
        for (const auto& [testo, secondi] : {std::pair{"01:02:03", 3723}, {"24:06:17", 86777}}) {
            QCOMPARE(secondiDaTesto(testo).value_or(-1), secondi);
            QCOMPARE(testoOrario(secondi), testo);
        }
        for (const char* testo : {"0:5:10", "00:10:000", "00:60:00", "00.10.00", "0a:10:00"})
            QVERIFY2(!secondiDaTesto(testo), testo);
    }

    // The clock's story: its text at the start, then each event ('t' a tick, a number an error's
    // penalty in minutes) followed by the text it leaves, with '!' when the tick expires the game.
    void orologio_data()
    {
        QTest::addColumn<QString>("storia");

        QTest::newRow("secondi e penalità") << "00:54:59 t 00:55:00 8 01:03:00";
        // Frozen at 24 hours: no more seconds, no more penalties, no second sound.
        QTest::newRow("scade") << "23:59:59 t 24:00:00! t 24:00:00 8 24:00:00";
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

    // Each event ('e' an error, 't' a tick) followed by whether the pointer is still held: an
    // error holds it, and does not restart the count of a hold already on.
    void trattenutaPenalita()
    {
        for (const QString eventi : {"t0e1t1t0t0", "e1t1e1t0t0"}) {
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
    }

    // A new record only strictly below the record's time; an empty or unreadable record time is
    // no record, and a game that reached 24:00:00 never sets one.
    void record()
    {
        QVERIFY(!nuovoRecord(600, "00:10:00") && !nuovoRecord(3610, "00:59:30"));
        QVERIFY(nuovoRecord(86399, "24:00:00") && nuovoRecord(300, "5 minuti"));
        QVERIFY(!nuovoRecord(86400, "") && !nuovoRecord(86400, "25:00:00"));
    }

    // The big repeat of a column's clue stands at the bottom of eight lines, where a two-digit
    // number takes three; exactly eight lines frame the small label ('|').
    void colonnaEvidenziata()
    {
        const auto vista = [](const Sequenze& sequenze) {
            const ColonnaEvidenziata c = evidenziaColonna(sequenze);
            return c.testo + (c.bordo ? QStringLiteral("|") : QString());
        };
        QCOMPARE(vista({}), QString());
        QCOMPARE(vista({2, 1, 3}), cr(5) + "2\r1\r3\r");
        QCOMPARE(vista({10}), cr(7) + "10\r");
        QCOMPARE(vista({3, 10}), cr(6) + "3\r10\r");
        QCOMPARE(vista(Sequenze(7, 1)), cr(1) + QString("1\r").repeated(7));
        QCOMPARE(vista(Sequenze(8, 1)), QString("1\r").repeated(8) + u'|');
    }
};

QTEST_APPLESS_MAIN(TestRegoleGioco)
#include "tst_regole_gioco.moc"
