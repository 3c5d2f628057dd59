// The slot machine of the starting help: steps, delays and the chosen column and row.

#include "model/Slot.h"

#include <QTest>

using namespace gridora;

namespace {

// The steps of one reel, in order.
std::vector<Passo> bobina(const std::vector<Passo>& passi, Passo::Bobina quale)
{
    std::vector<Passo> scelti;
    for (const Passo& p : passi) {
        if (p.bobina == quale)
            scelti.push_back(p);
    }
    return scelti;
}

// s such that int(s * 30) + 1 == b0.
double sPer(int b0)
{
    return (b0 - 0.5) / 30.0;
}

} // namespace

class TestSlot : public QObject {
    Q_OBJECT

private slots:
    // r = 0.359: int(179.5) + 1 = 180, and 180 / 15 = 12; s = 0.31: int(9.3) + 1 = 10.
    // r = 0.999: int(499.5) + 1 = 500, and 500 / 5 = 100.
    void giriNoti_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("s");
        QTest::addColumn<int>("lato");
        QTest::addColumn<int>("passiColonna");
        QTest::addColumn<int>("passiRiga");
        QTest::addColumn<int>("primaRiga");
        QTest::addColumn<int>("colonna");
        QTest::addColumn<int>("riga");
        QTest::addColumn<double>("durata");

        QTest::newRow("un solo passo di colonna")
            << 0.0 << 0.0 << 5 << 1 << 2 << 0 << 0 << 1 << 0.015;
        QTest::newRow("A 12, B0 10 su 5x5")
            << 0.359 << 0.31 << 5 << 12 << 22 << 1 << 1 << 2 << 2.97;
        QTest::newRow("A 100 su 15x15")
            << 0.999 << 0.0 << 15 << 100 << 101 << 0 << 9 << 10 << 11.805;
        // 1 is taken as the top of the range: A = 500 / 15 = 33, B0 = 30.
        QTest::newRow("r e s uguali a 1") << 1.0 << 1.0 << 5 << 33 << 63 << 2 << 2 << 4 << 3.28;
        QTest::newRow("A 1 su 10x10 dopo la divisione")
            << 0.015 << 0.99 << 10 << 1 << 31 << 2 << 0 << 2 << 1.96;
    }
    void giriNoti()
    {
        QFETCH(double, r);
        QFETCH(double, s);
        QFETCH(int, lato);
        QFETCH(int, passiColonna);
        QFETCH(int, passiRiga);
        QFETCH(int, primaRiga);
        QFETCH(int, colonna);
        QFETCH(int, riga);
        QFETCH(double, durata);

        const GiroSlot giro = estraiGiro(r, s, lato);
        const std::vector<Passo> passi = passiGiro(giro);
        const std::vector<Passo> colonne = bobina(passi, Passo::Colonna);
        const std::vector<Passo> righe = bobina(passi, Passo::Riga);
        QCOMPARE(int(colonne.size()), passiColonna);
        QCOMPARE(int(righe.size()), passiRiga);
        QCOMPARE(colonne.front().etichetta, 0);
        QCOMPARE(righe.front().etichetta, primaRiga);
        QCOMPARE(colonne.back().etichetta, colonna);
        QCOMPARE(righe.back().etichetta, riga);
        QCOMPARE(colonnaScelta(giro), colonna);
        QCOMPARE(rigaScelta(giro), riga);
        QCOMPARE(attesaTotale(giro), durata);
    }

    void rigaIniziale_data()
    {
        QTest::addColumn<int>("b0");
        QTest::addColumn<int>("prima");

        QTest::newRow("1") << 1 << 0;
        QTest::newRow("7") << 7 << 0;
        QTest::newRow("8") << 8 << 1;
        QTest::newRow("22") << 22 << 1;
        QTest::newRow("23") << 23 << 2;
        QTest::newRow("30") << 30 << 2;
    }
    void rigaIniziale()
    {
        QFETCH(int, b0);
        QFETCH(int, prima);

        for (const int lato : {5, 10, 15}) {
            const GiroSlot giro = estraiGiro(0.5, sPer(b0), lato);
            QCOMPARE(giro.passiRiga - giro.passiColonna, b0);
            QCOMPARE(bobina(passiGiro(giro), Passo::Riga).front().etichetta, prima);
        }
    }

    // The wait of a reel's n-th step (counted from 1).
    void rallentamento_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("s");
        QTest::addColumn<int>("lato");
        QTest::addColumn<int>("quale");
        QTest::addColumn<int>("passo");
        QTest::addColumn<double>("attesa");

        const int c = Passo::Colonna;
        const int g = Passo::Riga;
        // A = 100, B = 101 on 15x15.
        QTest::newRow("colonna, passo 1") << 0.999 << 0.0 << 15 << c << 1 << 0.005;
        QTest::newRow("colonna, passo 20") << 0.999 << 0.0 << 15 << c << 20 << 0.005;
        QTest::newRow("colonna, passo 21") << 0.999 << 0.0 << 15 << c << 21 << 0.055;
        QTest::newRow("colonna, passo 90") << 0.999 << 0.0 << 15 << c << 90 << 0.055;
        QTest::newRow("colonna, passo 91") << 0.999 << 0.0 << 15 << c << 91 << 0.155;
        QTest::newRow("colonna, passo 100") << 0.999 << 0.0 << 15 << c << 100 << 0.155;
        QTest::newRow("riga, passo 1") << 0.999 << 0.0 << 15 << g << 1 << 0.005;
        QTest::newRow("riga, passo 2") << 0.999 << 0.0 << 15 << g << 2 << 0.045;
        QTest::newRow("riga, passo 81") << 0.999 << 0.0 << 15 << g << 81 << 0.045;
        QTest::newRow("riga, passo 82") << 0.999 << 0.0 << 15 << g << 82 << 0.135;
        QTest::newRow("riga, passo 101") << 0.999 << 0.0 << 15 << g << 101 << 0.135;
        // A = 12, B = 22 on 5x5: only the last marks are reached.
        QTest::newRow("colonna breve, passo 2") << 0.359 << 0.31 << 5 << c << 2 << 0.005;
        QTest::newRow("colonna breve, passo 3") << 0.359 << 0.31 << 5 << c << 3 << 0.105;
        QTest::newRow("riga breve, passo 2") << 0.359 << 0.31 << 5 << g << 2 << 0.005;
        QTest::newRow("riga breve, passo 3") << 0.359 << 0.31 << 5 << g << 3 << 0.095;
    }
    void rallentamento()
    {
        QFETCH(double, r);
        QFETCH(double, s);
        QFETCH(int, lato);
        QFETCH(int, quale);
        QFETCH(int, passo);
        QFETCH(double, attesa);

        const auto passi = bobina(passiGiro(r, s, lato), static_cast<Passo::Bobina>(quale));
        QVERIFY(passo <= int(passi.size()));
        QCOMPARE(passi[passo - 1].attesa, attesa);
    }

    // Over many draws: the reels step through the labels in turn, in the order the game plays
    // them, never speed up, and stop where the chosen column and row say.
    void coerenza_data()
    {
        QTest::addColumn<int>("lato");

        QTest::newRow("5x5") << 5;
        QTest::newRow("10x10") << 10;
        QTest::newRow("15x15") << 15;
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
