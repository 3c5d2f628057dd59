// The game's rules: the clock past 24 hours, records and the big column clue.

#include "model/EvidenziaColonna.h"
#include "model/Orologio.h"
#include "model/Record.h"

#include <QTest>

using namespace gridora;

class TestRegoleGioco : public QObject {
    Q_OBJECT

private slots:
    // A penalty that crosses 24 hours shows for one tick; the next expires the game, once, and the
    // clock then takes neither seconds nor penalties.
    void orologioOltreIlTetto()
    {
        Cronometro orologio(23 * 3600 + 58 * 60 + 17);
        orologio.aggiungiMinuti(8);
        QCOMPARE(orologio.testo(), QStringLiteral("24:06:17"));
        QVERIFY(orologio.scatto() && !orologio.scatto()); // expired at the first tick only
        orologio.aggiungiMinuti(8);
        QCOMPARE(orologio.testo(), QStringLiteral("24:00:00"));
    }

    // A new record only strictly below the record's time; a record time that is empty or not
    // "HH:MM:SS" (minutes and seconds below 60) is no record, and a game that reached 24:00:00
    // never sets one.
    void record()
    {
        QVERIFY(nuovoRecord(3722, "01:02:03") && !nuovoRecord(3723, "01:02:03"));
        QVERIFY(nuovoRecord(86399, "24:00:00") && !nuovoRecord(86400, "25:00:00"));
        for (const char* testo : {"", "5 minuti", "0:5:10", "00:10:000", "00:60:00", "00:00:60",
                                  "00.10.00", "0a:10:00"})
            QVERIFY2(nuovoRecord(86399, testo) && !nuovoRecord(86400, testo), testo);
    }

    // The big repeat of a column's clue stands at the bottom of eight lines, where a two-digit
    // number takes three; exactly eight lines frame the small label ('|').
    void colonnaEvidenziata()
    {
        const auto cr = [](qsizetype n) { return QString(n, QChar(13)); };
        QCOMPARE(evidenziaColonna({}).testo, QString());
        QCOMPARE(evidenziaColonna({2, 1, 3}).testo, cr(5) + "2\r1\r3\r");
        QCOMPARE(evidenziaColonna({10}).testo, cr(7) + "10\r");
        QCOMPARE(evidenziaColonna({3, 10}).testo, cr(6) + "3\r10\r");
        const ColonnaEvidenziata sette = evidenziaColonna(Sequenze(7, 1));
        QVERIFY(sette.testo == cr(1) + QString("1\r").repeated(7) && !sette.bordo);
        const ColonnaEvidenziata otto = evidenziaColonna(Sequenze(8, 1));
        QVERIFY(otto.testo == QString("1\r").repeated(8) && otto.bordo);
    }
};

QTEST_APPLESS_MAIN(TestRegoleGioco)
#include "tst_regole_gioco.moc"
