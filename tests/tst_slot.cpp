// The slot machine of the starting help: steps, delays and the chosen column and row.

#include "model/Slot.h"

#include <QTest>

using namespace gridora;

class TestSlot : public QObject {
    Q_OBJECT

private slots:
    // A = Int(r * 500) + 1 divided by 15, 10 or 5 by the side, at least 1; B = A + Int(s * 30) + 1.
    // The reels' waits grow after the step that leaves 80 and 10 column steps (0.05 and 0.1 s),
    // and 100 and 20 row steps (0.04 and 0.09 s). Each reel's waits are written as stretches of
    // equal waits, "steps*wait", the column reel's before the row reel's.
    void giriNoti()
    {
        for (const auto& [r, s, lato, attese] :
             {// A = 180 / 15 = 12, B0 = 10, B = 22.
              std::tuple{0.359, 0.31, 5, "2*0.005 10*0.105 / 2*0.005 20*0.095"},
              // A = 500 / 5 = 100, B = 101: both marks of each reel are reached.
              {0.999, 0.0, 15, "20*0.005 70*0.055 10*0.155 / 1*0.005 80*0.045 20*0.135"},
              // 1 is taken as the top of the range: A = 500 / 15 = 33, B0 = 30.
              {1.0, 1.0, 5, "23*0.005 10*0.105 / 43*0.005 20*0.095"},
              // A = 8 / 10 = 0, taken as 1: a single column step; B0 = 30.
              {0.015, 0.99, 10, "1*0.005 / 11*0.005 20*0.095"}}) {
            QList<double> passi[2]; // each reel's waits
            for (const Passo& p : passiGiro(r, s, lato))
                passi[p.bobina].append(p.attesa);
            const auto tratti = [](const QList<double>& a) {
                QStringList t;
                for (qsizetype i = 0, j = 0; i < a.size(); i = j) {
                    while (j < a.size() && a[j] == a[i])
                        ++j;
                    t << QStringLiteral("%1*%2").arg(j - i).arg(a[i]);
                }
                return t.join(u' ');
            };
            QCOMPARE(tratti(passi[0]) + " / " + tratti(passi[1]), QString::fromLatin1(attese));
        }
    }

    // Over many draws, every B0 from 1 to 30 among them: the row reel starts on the nearest whole
    // number to B0 / 15 (row 0 for B0 up to 7, row 1 up to 22, then row 2); the reels step
    // through the labels in turn, a column step right before the row step of the same number,
    // and stop where the chosen column and row say.
    void coerenza()
    {
        for (const int lato : {5, 10, 15}) {
            for (int k = 0; k < 3000; ++k) {
                const int b0 = k % 30 + 1;
                const GiroSlot giro = estraiGiro((k / 30 + 0.37) / 100.0, (b0 - 0.39) / 30.0, lato);
                QCOMPARE(giro.passiRiga - giro.passiColonna, b0);
                QCOMPARE(giro.rigaIniziale, b0 <= 7 ? 0 : b0 <= 22 ? 1 : 2);
                int fatti[2] = {0, 0};    // steps of each reel so far
                int ultima[2] = {-1, -1}; // label each reel stopped on
                for (const Passo& p : passiGiro(giro)) {
                    const bool colonna = fatti[0] == fatti[1] && fatti[0] < giro.passiColonna;
                    QCOMPARE(p.bobina, colonna ? Passo::Colonna : Passo::Riga);
                    const int prima = colonna ? 0 : giro.rigaIniziale;
                    QCOMPARE(p.etichetta, (prima + fatti[p.bobina]++) % lato);
                    ultima[p.bobina] = p.etichetta;
                }
                QCOMPARE(QPoint(fatti[0], fatti[1]), QPoint(giro.passiColonna, giro.passiRiga));
                QCOMPARE(QPoint(ultima[0], ultima[1]),
                         QPoint(colonnaScelta(giro), rigaScelta(giro)));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSlot)
#include "tst_slot.moc"
