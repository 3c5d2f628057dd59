// The board shared by the game and the editor: what it reports of the mouse (a click, a drag
// across cells, a release it never sees) driven through the window system; and in the game,
// playing without the mouse and dragging across the board: keys and drags act as clicks would,
// and only when a click would be taken.

#include "Banco.h"
#include "widgets/Tavoliere.h"

#include <QSignalSpy>

using namespace gridora;

namespace {

// Row 1 is empty: it is crossed before play starts.
const Schema Scala = {QStringLiteral("Scala"), {"#....", ".....", "##.##", "..#..", "...##"}};

using Celle = QList<QPoint>; // (row, column)

Celle celleDi(const QSignalSpy& spia)
{
    Celle celle;
    for (const QList<QVariant>& argomenti : spia)
        celle.append(QPoint(argomenti[0].toInt(), argomenti[1].toInt()));
    return celle;
}

} // namespace

class TestTastiera : public QObject {
    Q_OBJECT

private slots:
    // A click is a press and a release on its cell, with its button. A drag reports the pressed
    // cell as the pointer leaves it, then every cell entered once, in order; its release is no
    // click. A cell disabled meanwhile still lets the drag end; a press on it is not taken.
    // A release the board never sees (the button up elsewhere, its window deactivated) ends a
    // drag as lost; a press that stayed on its cell is then no click.
    void clicETrascinamento()
    {
        QWidget finestra;
        Tavoliere t(&finestra);
        finestra.resize(px(5310), px(5580));
        t.setLato(10);
        for (int k = 0; k < 100; ++k)
            t.setCellaAbilitata(k / 10, k % 10, true);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QSignalSpy iniziati(&t, &Tavoliere::trascinamentoIniziato);
        QSignalSpy trascinate(&t, &Tavoliere::cellaTrascinata);
        QSignalSpy rilasciate(&t, &Tavoliere::cellaRilasciata);
        QSignalSpy finiti(&t, &Tavoliere::trascinamentoFinito);
        const auto cella = [&](int r, int c) { return t.rettangoloCella(r, c).center(); };
        QWindow* w = finestra.windowHandle();
        clicca(&finestra, cella(3, 4), Qt::RightButton);
        QCOMPARE(rilasciate.first(), (QVariantList{3, 4, QVariant::fromValue(Qt::RightButton)}));

        QTest::mousePress(w, Qt::LeftButton, {}, cella(1, 1));
        // Moves inside a cell report nothing new; (2, 10) is past the side, off the board.
        for (const QPoint p : {cella(1, 1) + QPoint(3, 3), cella(1, 2), cella(1, 3),
                               cella(1, 3) + QPoint(2, 0), cella(2, 3), cella(2, 10), cella(2, 9)})
            muovi(&finestra, p);
        t.setCellaAbilitata(1, 1, false);
        QTest::mouseRelease(w, Qt::LeftButton, {}, cella(2, 9));
        QCOMPARE(celleDi(iniziati), Celle{QPoint(1, 1)});
        QCOMPARE(celleDi(trascinate), (Celle{{1, 2}, {1, 3}, {2, 3}, {2, 9}}));
        QCOMPARE(finiti.takeFirst(), QVariantList{false});
        clicca(&finestra, cella(1, 1));

        QTest::mousePress(w, Qt::LeftButton, {}, cella(5, 5));
        muovi(&finestra, cella(5, 6));
        rilascioAltrove(&finestra, cella(6, 6));
        QCOMPARE(finiti.takeFirst(), QVariantList{true});
        QTest::mousePress(w, Qt::LeftButton, {}, cella(7, 7));
        rilascioAltrove(&finestra, cella(7, 7));
        QWidget altra;
        QTest::mousePress(w, Qt::LeftButton, {}, cella(8, 1));
        muovi(&finestra, cella(8, 2));
        altra.show();
        altra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&altra));
        QCOMPARE(finiti.takeFirst(), QVariantList{true});
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
        clicca(&finestra, cella(3, 3));
        QCOMPARE(celleDi(rilasciate), (Celle{{3, 4}, {3, 3}}));
        QVERIFY(finiti.isEmpty());
    }

    // From the help question to the stored record with keys only. The first key only shows the
    // cursor, top left; it stops at the edges, Home and End jump along the row, and the column
    // clue follows it. A mouse click hides it and the next key shows it where it was, without
    // acting; X crosses, Delete clears, Ctrl+X is not the board's, Space fills.
    void partitaDaTastiera()
    {
        Banco banco;
        const qint64 id = banco.metti(5, {Scala}).first();
        GridoraGame* gioco = banco.apri(5);
        const Tavoliere& t = gioco->tavoliere();
        const auto tasto = [&](Qt::Key chiave, Qt::KeyboardModifiers modificatori = {}) {
            QTest::keyClick(gioco->windowHandle(), chiave, modificatori);
        };
        tasto(Qt::Key_Space); // the board takes no key before the answer
        QVERIFY(!t.cursoreVisibile());
        tasto(Qt::Key_N);
        banco.tempo.esaurisci();
        const Partita* p = gioco->partita();
        const QList<QPair<Qt::Key, QPoint>> passi = {
            {Qt::Key_Space, {0, 0}}, {Qt::Key_Up, {0, 0}},    {Qt::Key_Left, {0, 0}},
            {Qt::Key_End, {0, 4}},   {Qt::Key_Right, {0, 4}}, {Qt::Key_Down, {1, 4}},
            {Qt::Key_Down, {2, 4}},  {Qt::Key_Down, {3, 4}},  {Qt::Key_Down, {4, 4}},
            {Qt::Key_Down, {4, 4}},  {Qt::Key_Home, {4, 0}},  {Qt::Key_Right, {4, 1}},
            {Qt::Key_Right, {4, 2}}};
        for (const auto& [chiave, dove] : passi) {
            tasto(chiave);
            QCOMPARE(t.cursore(), dove);
        }
        QCOMPARE(p->segno(0, 0), Vuoto);
        QCOMPARE(gioco->controlli().hlp2->caption(), QString(7, QChar(13)) + QStringLiteral("1\r"));
        tasto(Qt::Key_Home);
        banco.clic(gioco, 3, 2);
        QVERIFY(!t.cursoreVisibile());
        tasto(Qt::Key_X);
        QCOMPARE(t.cursore(), QPoint(4, 0));
        tasto(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(p->segno(4, 0), Vuoto);
        tasto(Qt::Key_X);
        QCOMPARE(p->segno(4, 0), Croce);
        tasto(Qt::Key_Delete);
        QCOMPARE(p->segno(4, 0), Vuoto);
        for (int r = 4; r >= 0; --r) { // from the bottom row up, each from its left
            for (const QChar c : Scala.righe[r]) {
                if (c == u'#') {
                    tasto(Qt::Key_Space);
                    banco.tempo.esaurisci();
                }
                tasto(Qt::Key_Right);
            }
            tasto(Qt::Key_Home);
            tasto(Qt::Key_Up);
        }
        QVERIFY(!t.cursoreVisibile()); // no more keys after the solution
        for (const char c : {'t', 'a', 's', 't', 'i'})
            QTest::keyClick(gioco->windowHandle(), c);
        tasto(Qt::Key_Return);
        QCOMPARE(banco.archivio.carica(5, id).valore.recordDi(ModoRecord::N).titolare,
                 QStringLiteral("TASTI"));
    }

    // A drag fills the cells it crosses, the pressed one first, and stops at the first error,
    // which costs one penalty; a right drag crosses.
    void trascinamentoSiFermaAlPrimoErrore()
    {
        Banco banco;
        banco.metti(5, {Scala});
        GridoraGame* gioco = banco.apri(5);
        banco.rispondi(gioco, false);
        QWindow* w = gioco->windowHandle();
        const auto cella = [&](int r, int c) {
            return gioco->tavoliere().rettangoloCella(r, c).center();
        };
        const auto trascina = [&](Qt::MouseButton pulsante, int riga, int da, int a) {
            QTest::mousePress(w, pulsante, {}, cella(riga, da));
            for (int c = da + 1; c <= a; ++c)
                QTest::mouseMove(w, cella(riga, c));
            QTest::mouseRelease(w, pulsante, {}, cella(riga, a));
        };
        trascina(Qt::LeftButton, 2, 0, 4);
        trascina(Qt::RightButton, 0, 1, 3);
        QString segni; // rows 0 and 2: two fills, the error, the cells after it untouched
        for (const int k : {0, 1, 2, 3, 4, 10, 11, 12, 13, 14})
            segni += QStringLiteral(".#x").at(gioco->partita()->segno(k / 5, k % 5));
        QCOMPARE(segni, QStringLiteral(".xxx.##x.."));
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("00:02:00"));
    }
};

QTEST_MAIN(TestTastiera)
#include "tst_tastiera.moc"
