// The slot machine of the starting help: steps, delays and the chosen column and row.

#include "model/Slot.h"

#include <QTest>

using namespace gridora;

namespace {

// The waits of one reel's steps in seconds, each stretch of equal waits as "steps*wait".
QString attese(const std::vector<Passo>& passi, Passo::Bobina quale)
{
    QStringList tratti;
    QString attesa;
    int passiUguali = 0;
    for (const Passo& p : passi) {
        if (p.bobina != quale)
            continue;
        if (QString::number(p.attesa) != attesa && passiUguali > 0) {
            tratti << QString::number(passiUguali) + u'*' + attesa;
            passiUguali = 0;
        }
        attesa = QString::number(p.attesa);
        ++passiUguali;
    }
    tratti << QString::number(passiUguali) + u'*' + attesa;
    return tratti.join(u' ');
}

} // namespace

class TestSlot : public QObject {
    Q_OBJECT

private slots:
    // A = Int(r * 500) + 1 divided by 15, 10 or 5 by the side, at least 1; B = A + Int(s * 30) + 1.
    // The reels' waits grow after the step that leaves 80 and 10 column steps (0.05 and 0.1 s),
    // and 100 and 20 row steps (0.04 and 0.09 s).
    void giriNoti_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("s");
        QTest::addColumn<int>("lato");
        QTest::addColumn<int>("primaRiga");
        QTest::addColumn<int>("colonna");
        QTest::addColumn<int>("riga");
        QTest::addColumn<QString>("colonne"); // the column reel's waits
        QTest::addColumn<QString>("righe");   // the row reel's waits

        QTest::newRow("un solo passo di colonna") << 0.0 << 0.0 << 5 << 0 << 0 << 1 << "1*0.005"
                                                  << "2*0.005";
        // A = 180 / 15 = 12, B0 = 10, B = 22.
        QTest::newRow("A 12, B0 10 su 5x5")
            << 0.359 << 0.31 << 5 << 1 << 1 << 2 << "2*0.005 10*0.105"
            << "2*0.005 20*0.095";
        // A = 500 / 5 = 100, B = 101: both marks of each reel are reached.
        QTest::newRow("A 100 su 15x15")
            << 0.999 << 0.0 << 15 << 0 << 9 << 10 << "20*0.005 70*0.055 10*0.155"
            << "1*0.005 80*0.045 20*0.135";
        QTest::newRow("A 50 su 10x10") << 0.999 << 0.0 << 10 << 0 << 9 << 0 << "40*0.005 10*0.105"
                                       << "31*0.005 20*0.095";
        // 1 is taken as the top of the range: A = 500 / 15 = 33, B0 = 30.
        QTest::newRow("r e s uguali a 1") << 1.0 << 1.0 << 5 << 2 << 2 << 4 << "23*0.005 10*0.105"
                                          << "43*0.005 20*0.095";
        // A = 8 / 10 = 0, taken as 1; B0 = 30.
        QTest::newRow("A 1 su 10x10 dopo la divisione")
            << 0.015 << 0.99 << 10 << 2 << 0 << 2 << "1*0.005"
            << "11*0.005 20*0.095";
    }
    // How the steps take turns and which labels they light is checked for every draw by coerenza.
    void giriNoti()
    {
        QFETCH(double, r);
        QFETCH(double, s);
        QFETCH(int, lato);
        QFETCH(int, primaRiga);
        QFETCH(int, colonna);
        QFETCH(int, riga);
        QFETCH(QString, colonne);
        QFETCH(QString, righe);

        const GiroSlot giro = estraiGiro(r, s, lato);
        const std::vector<Passo> passi = passiGiro(giro);
        QCOMPARE(attese(passi, Passo::Colonna), colonne);
        QCOMPARE(attese(passi, Passo::Riga), righe);
        QCOMPARE(giro.rigaIniziale, primaRiga);
        QCOMPARE(colonnaScelta(giro), colonna);
        QCOMPARE(rigaScelta(giro), riga);
    }

    // The row reel starts on the nearest whole number to B0 / 15: row 0 for B0 from 1 to 7, row 1
    // from 8 to 22, row 2 from 23 to 30.
    void rigaIniziale()
    {
        for (int b0 = 1; b0 <= 30; ++b0) {
            const int prima = b0 <= 7 ? 0 : b0 <= 22 ? 1 : 2;
            for (const int lato : {5, 10, 15}) {
                const GiroSlot giro = estraiGiro(0.5, (b0 - 0.5) / 30.0, lato);
                QCOMPARE(giro.passiRiga - giro.passiColonna, b0);
                QCOMPARE(giro.rigaIniziale, prima);
            }
        }
    }

    // Over many draws: the reels step through the labels in turn, in the order the game plays
    // them, never speed up, and stop where the chosen column and row say.
    void coerenza_data()
    {
        QTest::addColumn<int>("lato");
        for (const int lato : {5, 10, 15})
            QTest::addRow("%dx%d", lato, lato) << lato;
    }
    void coerenza()
    {
        QFETCH(int, lato);

        for (int ir = 0; ir < 100; ++ir) {
            for (int is = 0; is < 30; ++is) {
                const double r = (ir + 0.37) / 100.0;
                const double s = (is + 0.61) / 30.0;
                const GiroSlot giro = estraiGiro(r, s, lato);
                const std::vector<Passo> passi = passiGiro(giro);

                QVERIFY(giro.passiColonna >= 1);
                QVERIFY(giro.passiRiga > giro.passiColonna);
                QCOMPARE(int(passi.size()), giro.passiColonna + giro.passiRiga);

                int colonne = 0;
                int righe = 0;
                double totale = 0.0;
                const Passo* ultimo[2] = {nullptr, nullptr};
                for (std::size_t k = 0; k < passi.size(); ++k) {
                    const Passo& p = passi[k];
                    // Column step i comes right before row step i.
                    const bool attesaColonna = colonne == righe && colonne < giro.passiColonna;
                    QCOMPARE(p.bobina, attesaColonna ? Passo::Colonna : Passo::Riga);
                    const Passo*& prima = ultimo[p.bobina];
                    const int attesa = prima                        ? (prima->etichetta + 1) % lato
                                       : p.bobina == Passo::Colonna ? 0
                                                                    : giro.rigaIniziale;
                    QCOMPARE(p.etichetta, attesa);
                    if (prima)
                        QVERIFY(p.attesa >= prima->attesa);
                    prima = &p;
                    ++(p.bobina == Passo::Colonna ? colonne : righe);
                    totale += p.attesa;
                }
                QCOMPARE(ultimo[Passo::Colonna]->etichetta, colonnaScelta(giro));
                QCOMPARE(ultimo[Passo::Riga]->etichetta, rigaScelta(giro));
                QCOMPARE(attesaTotale(giro), totale);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSlot)
#include "tst_slot.moc"
