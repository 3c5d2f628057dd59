// Playing without the mouse, and dragging across the board: keys and drags act
// as clicks would, and only when a click would be taken.

#include "Banco.h"

using namespace gridora;

namespace {

// Row 1 is empty: it is crossed before play starts.
const Schema Scala = {QStringLiteral("Scala"), {"#....", ".....", "##.##", "..#..", "...##"}};

void tasto(GridoraGame* gioco, Qt::Key tasto, Qt::KeyboardModifiers modificatori = {})
{
    QTest::keyClick(gioco->windowHandle(), tasto, modificatori);
}

// Moves the keyboard cursor to a cell with the arrows (the cursor already
// shows).
void vaiA(GridoraGame* gioco, int riga, int colonna)
{
    const QPoint da = gioco->tavoliere().cursore();
    for (int r = da.x(); r != riga; r += riga > r ? 1 : -1)
        tasto(gioco, riga > r ? Qt::Key_Down : Qt::Key_Up);
    for (int c = da.y(); c != colonna; c += colonna > c ? 1 : -1)
        tasto(gioco, colonna > c ? Qt::Key_Right : Qt::Key_Left);
    QCOMPARE(gioco->tavoliere().cursore(), QPoint(riga, colonna));
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
        tasto(gioco,
              Qt::Key_Space); // the first key only shows the cursor, top left
        QCOMPARE(gioco->tavoliere().cursore(), QPoint(0, 0));
        QCOMPARE(gioco->partita()->segno(0, 0), Vuoto);
        for (int k = 0; k < 25; ++k) {
            if (Scala.righe[k / 5][k % 5] == u'#') {
                vaiA(gioco, k / 5, k % 5);
                tasto(gioco, Qt::Key_Space);
                banco.tempo.esaurisci();
            }
        }
        QVERIFY(gioco->controlli().Info->isVisible());
        QVERIFY(!gioco->tavoliere().cursoreVisibile()); // no more keys after the solution
        for (const QChar c : QStringLiteral("tasti"))
            QTest::keyClick(gioco->windowHandle(), c.toLatin1());
        tasto(gioco, Qt::Key_Return);
        QCOMPARE(banco.archivio.carica(5, id).valore.recordDi(ModoRecord::N).titolare,
                 QStringLiteral("TASTI"));
    }

    // The cursor stops at the edges; Home and End; the column clue follows it; a
    // mouse click hides it and the next key shows it where it was; X crosses,
    // Delete clears, Ctrl+X is not the board's.
    void movimentiDelCursore()
    {
        Banco banco;
        banco.metti(5, {Scala});
        GridoraGame* gioco = banco.apri(5);
        banco.rispondi(gioco, false);
        const Tavoliere& t = gioco->tavoliere();
        const QList<QPair<Qt::Key, QPoint>> passi = {
            {Qt::Key_Down, {0, 0}}, {Qt::Key_Up, {0, 0}},    {Qt::Key_Left, {0, 0}},
            {Qt::Key_End, {0, 4}},  {Qt::Key_Right, {0, 4}}, {Qt::Key_Down, {1, 4}},
            {Qt::Key_Down, {2, 4}}, {Qt::Key_Down, {3, 4}},  {Qt::Key_Down, {4, 4}},
            {Qt::Key_Down, {4, 4}}, {Qt::Key_Home, {4, 0}},  {Qt::Key_Right, {4, 1}},
            {Qt::Key_Right, {4, 2}}};
        for (const auto& [chiave, dove] : passi) {
            tasto(gioco, chiave);
            QCOMPARE(t.cursore(), dove);
        }
        QCOMPARE(gioco->controlli().hlp2->caption(), QString(7, QChar(13)) + QStringLiteral("1\r"));
        tasto(gioco, Qt::Key_Home);

        banco.clic(gioco, 3, 2);
        QVERIFY(!t.cursoreVisibile());
        tasto(gioco, Qt::Key_X); // shows the cursor where it was, without acting
        QCOMPARE(t.cursore(), QPoint(4, 0));
        tasto(gioco, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(gioco->partita()->segno(4, 0), Vuoto);
        tasto(gioco, Qt::Key_X);
        QCOMPARE(gioco->partita()->segno(4, 0), Croce);
        tasto(gioco, Qt::Key_Delete);
        QCOMPARE(gioco->partita()->segno(4, 0), Vuoto);
    }

    // A drag fills the cells it crosses, the pressed one first, and stops at the
    // first error; a right drag crosses. One whose release is lost ends there, a
    // press whose release is lost is no click, and the next press is a click as
    // any other.
    void trascinamentoSiFermaAlPrimoErrore()
    {
        Banco banco;
        banco.metti(5, {Scala});
        GridoraGame* gioco = banco.apri(5);
        banco.rispondi(gioco, false);
        QWindow* w = gioco->windowHandle();
        const Tavoliere& t = gioco->tavoliere();
        const Partita& p = *gioco->partita();
        const auto trascina = [&](Qt::MouseButton pulsante, int riga, int da, int a) {
            QTest::mousePress(w, pulsante, {}, t.rettangoloCella(riga, da).center());
            for (int c = da + 1; c <= a; ++c)
                QTest::mouseMove(w, t.rettangoloCella(riga, c).center());
            QTest::mouseRelease(w, pulsante, {}, t.rettangoloCella(riga, a).center());
        };
        trascina(Qt::LeftButton, 2, 0, 4);
        trascina(Qt::RightButton, 0, 1, 3);
        QTest::mousePress(w, Qt::LeftButton, {}, t.rettangoloCella(4, 3).center());
        QTest::mouseMove(w, t.rettangoloCella(4, 4).center());
        rilascioAltrove(gioco, t.rettangoloCella(3, 4).center());
        QTest::mousePress(w, Qt::LeftButton, {}, t.rettangoloCella(0, 0).center());
        rilascioAltrove(gioco, t.rettangoloCella(3, 4).center());
        QTest::mouseClick(w, Qt::LeftButton, {}, t.rettangoloCella(3, 2).center());
        // Row 2: two fills, the error, the cells after it untouched.
        const QStringList attese = {".xxx.", ".....", "##x..", "..#..", "...##"};
        for (int k = 0; k < 25; ++k)
            QCOMPARE(p.segno(k / 5, k % 5),
                     Segno(QStringLiteral(".#x").indexOf(attese[k / 5][k % 5])));
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("00:02:00"));
    }
};

QTEST_MAIN(TestTastiera)
#include "tst_tastiera.moc"
