// Playing without the mouse, and dragging across the board: keys and drags act as clicks would,
// with every rule, sound and penalty, and only when a click would be taken.

#include "Banco.h"

using namespace gridora;

namespace {

// Row 1 is empty: it is crossed before play starts.
const Schema Scala = {QStringLiteral("Scala"), {"#....", ".....", "##.##", "..#..", "...##"}};

void tasto(GridoraGame* gioco, Qt::Key tasto)
{
    QTest::keyClick(gioco->windowHandle(), tasto);
}

// Moves the keyboard cursor to a cell with the arrows (the cursor already shows).
void vaiA(GridoraGame* gioco, int riga, int colonna)
{
    const QPoint da = gioco->tavoliere().cursore();
    for (int r = da.x(); r != riga; r += riga > r ? 1 : -1)
        tasto(gioco, riga > r ? Qt::Key_Down : Qt::Key_Up);
    for (int c = da.y(); c != colonna; c += colonna > c ? 1 : -1)
        tasto(gioco, colonna > c ? Qt::Key_Right : Qt::Key_Left);
    QCOMPARE(gioco->tavoliere().cursore(), QPoint(riga, colonna));
}

// A game of Scala with the help declined: the board is in play.
GridoraGame* gioca(Banco& banco, bool senzaX = false, bool senzaErrori = false)
{
    banco.metti(5, {Scala});
    banco.inizio->NoX->setChecked(senzaX);
    banco.inizio->NoErrori->setChecked(senzaErrori);
    GridoraGame* gioco = banco.apri(5);
    banco.rispondi(gioco, false);
    return gioco;
}

} // namespace

class TestTastiera : public QObject {
    Q_OBJECT

private slots:
    // From the help question to the stored record with keys only.
    void partitaDaTastiera()
    {
        Banco banco;
        const qint64 id = banco.metti(5, {Scala}).first();
        GridoraGame* gioco = banco.apri(5);
        tasto(gioco, Qt::Key_Space); // the board takes no key before the answer
        QVERIFY(!gioco->tavoliere().cursoreVisibile());
        tasto(gioco, Qt::Key_N);
        banco.tempo.esaurisci();
        QVERIFY(gioco->partita());
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("00:00:00"));

        tasto(gioco, Qt::Key_Space); // the first key only shows the cursor, top left
        QVERIFY(gioco->tavoliere().cursoreVisibile());
        QCOMPARE(gioco->tavoliere().cursore(), QPoint(0, 0));
        QCOMPARE(gioco->partita()->segno(0, 0), Vuoto);
        banco.suono.suonati.clear();
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 5; ++c) {
                if (Scala.righe[r][c] != u'#')
                    continue;
                vaiA(gioco, r, c);
                tasto(gioco, Qt::Key_Space);
                banco.tempo.esaurisci();
            }
        }
        QCOMPARE(banco.suono.suonati.count(103), 8);
        QCOMPARE(banco.suono.suonati.last(), 108);
        QVERIFY(gioco->controlli().Info->isVisible());
        QVERIFY(!gioco->tavoliere().cursoreVisibile()); // no more keys after the solution
        for (const QChar c : QStringLiteral("tasti"))
            QTest::keyClick(gioco->windowHandle(), c.toLatin1());
        tasto(gioco, Qt::Key_Return);
        QVERIFY(!gioco->controlli().Info->isVisible());
        QCOMPARE(banco.archivio.carica(5, id).valore.recordDi(ModoRecord::N).titolare,
                 QStringLiteral("TASTI"));
    }

    // The cursor stops at the edges; Home and End; the column clue follows it; a mouse click hides
    // it and the next key shows it where it was.
    void movimentiDelCursore()
    {
        Banco banco;
        GridoraGame* gioco = gioca(banco);
        const Tavoliere& t = gioco->tavoliere();
        tasto(gioco, Qt::Key_Down);
        QCOMPARE(t.cursore(), QPoint(0, 0));
        tasto(gioco, Qt::Key_Up);
        tasto(gioco, Qt::Key_Left);
        QCOMPARE(t.cursore(), QPoint(0, 0));
        tasto(gioco, Qt::Key_End);
        QCOMPARE(t.cursore(), QPoint(0, 4));
        tasto(gioco, Qt::Key_Right);
        QCOMPARE(t.cursore(), QPoint(0, 4));
        for (int i = 0; i < 7; ++i)
            tasto(gioco, Qt::Key_Down);
        QCOMPARE(t.cursore(), QPoint(4, 4));
        tasto(gioco, Qt::Key_Home);
        tasto(gioco, Qt::Key_Right);
        tasto(gioco, Qt::Key_Right);
        QCOMPARE(t.cursore(), QPoint(4, 2));
        QCOMPARE(gioco->controlli().hlp2->caption(), QString(7, QChar(13)) + QStringLiteral("1\r"));
        tasto(gioco, Qt::Key_Home);
        QCOMPARE(t.cursore(), QPoint(4, 0));

        banco.clic(gioco, 3, 2);
        QVERIFY(!t.cursoreVisibile());
        QCOMPARE(gioco->partita()->segno(3, 2), Pieno);
        tasto(gioco, Qt::Key_X); // shows the cursor where it was, without acting
        QVERIFY(t.cursoreVisibile());
        QCOMPARE(t.cursore(), QPoint(4, 0));
        QCOMPARE(gioco->partita()->segno(4, 0), Vuoto);
        QTest::keyClick(gioco->windowHandle(), Qt::Key_X, Qt::ControlModifier); // not the board's
        QCOMPARE(gioco->partita()->segno(4, 0), Vuoto);
        tasto(gioco, Qt::Key_X);
        QCOMPARE(gioco->partita()->segno(4, 0), Croce);
        tasto(gioco, Qt::Key_Delete);
        QCOMPARE(gioco->partita()->segno(4, 0), Vuoto);
    }

    // Keys follow the options as clicks do: an error by key costs what an error by click costs.
    void erroriEOpzioniDaTastiera_data()
    {
        QTest::addColumn<bool>("senzaX");
        QTest::addColumn<bool>("senzaErrori");
        QTest::newRow("senza X") << true << false;
        QTest::newRow("senza errori") << false << true;
    }
    void erroriEOpzioniDaTastiera()
    {
        QFETCH(bool, senzaX);
        QFETCH(bool, senzaErrori);
        Banco banco;
        GridoraGame* gioco = gioca(banco, senzaX, senzaErrori);
        tasto(gioco, Qt::Key_Right); // shows the cursor on (0, 0)
        tasto(gioco, Qt::Key_Right);
        banco.suono.suonati.clear();
        tasto(gioco, Qt::Key_Space); // (0, 1) is empty in the solution
        const Partita& p = *gioco->partita();
        if (senzaErrori) {
            QCOMPARE(banco.suono.suonati, QList<int>{103});
            QCOMPARE(p.segno(0, 1), Pieno);
            tasto(gioco, Qt::Key_X); // takes the fill back
            QCOMPARE(p.segno(0, 1), Vuoto);
            return;
        }
        QCOMPARE(banco.suono.suonati, QList<int>{104});
        QCOMPARE(p.errori(), 1);
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("00:02:00"));
        QCOMPARE(Banco::immagine(gioco, 0, 1), senzaX ? 102 : 104);
        tasto(gioco, Qt::Key_Right);
        tasto(gioco, Qt::Key_X);
        QCOMPARE(p.segno(0, 2), senzaX ? Vuoto : Croce);
    }

    // A drag fills the cells it crosses, the pressed one first, and stops at the first error. One
    // whose release is lost ends there, a press whose release is lost is no click, and the next
    // press is a click as any other.
    void trascinamentoSiFermaAlPrimoErrore()
    {
        Banco banco;
        GridoraGame* gioco = gioca(banco);
        QWindow* w = gioco->windowHandle();
        const Tavoliere& t = gioco->tavoliere();
        const Partita& p = *gioco->partita();
        QTest::mousePress(w, Qt::LeftButton, {}, t.rettangoloCella(2, 0).center());
        for (int c = 1; c < 5; ++c)
            QTest::mouseMove(w, t.rettangoloCella(2, c).center());
        QTest::mouseRelease(w, Qt::LeftButton, {}, t.rettangoloCella(2, 4).center());
        // Two fills, the error, and the cells after it untouched.
        const QList<Segno> attesi = {Pieno, Pieno, Croce, Vuoto, Vuoto};
        for (int c = 0; c < 5; ++c)
            QCOMPARE(p.segno(2, c), attesi[c]);
        QCOMPARE(p.errori(), 1);
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("00:02:00"));

        // A right drag crosses.
        QTest::mousePress(w, Qt::RightButton, {}, t.rettangoloCella(0, 1).center());
        QTest::mouseMove(w, t.rettangoloCella(0, 2).center());
        QTest::mouseMove(w, t.rettangoloCella(0, 3).center());
        QTest::mouseRelease(w, Qt::RightButton, {}, t.rettangoloCella(0, 3).center());
        for (int c = 1; c <= 3; ++c)
            QCOMPARE(p.segno(0, c), Croce);

        QTest::mousePress(w, Qt::LeftButton, {}, t.rettangoloCella(4, 3).center());
        QTest::mouseMove(w, t.rettangoloCella(4, 4).center());
        rilascioAltrove(gioco, t.rettangoloCella(3, 4).center());
        QTest::mousePress(w, Qt::LeftButton, {}, t.rettangoloCella(0, 0).center());
        rilascioAltrove(gioco, t.rettangoloCella(3, 4).center());
        QTest::mouseClick(w, Qt::LeftButton, {}, t.rettangoloCella(3, 2).center());
        QCOMPARE(p.segno(4, 3), Pieno);
        QCOMPARE(p.segno(4, 4), Pieno);
        QCOMPARE(p.segno(0, 0), Vuoto);
        QCOMPARE(p.segno(3, 2), Pieno);
        QCOMPARE(p.errori(), 1);
    }
};

QTEST_MAIN(TestTastiera)
#include "tst_tastiera.moc"
