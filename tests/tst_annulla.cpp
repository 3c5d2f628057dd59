// The editor's drawing beyond the single click: keys on the board act as clicks while the name box
// keeps its own keys, a drag changes every cell it enters, and Ctrl+Z / Ctrl+Y take back and give
// again clicks, drags, clears and imports, with their clues, preview and "Modifica Record", until a
// size change starts the history again (as a save and a load do, checked with them in tst_editor).
// After each change the cells where the clues leave a choice are framed.

#include "SessioneEditor.h"
#include "model/EvidenziaColonna.h"

using namespace gridora;

namespace {

QString ripetuta(const Sequenze& sequenze)
{
    return evidenziaColonna(sequenze).testo;
}

const Schema Diagonale = {QStringLiteral("Diagonale"),
                          {"#....", ".#...", ".....", ".....", "....."}};

// The cells framed in orange on the board, as the window shows them.
QList<QPoint> incorniciate(QWidget* finestra, const Tavoliere& t)
{
    const QImage immagine = finestra->grab().toImage();
    QList<QPoint> celle;
    for (int r = 0; r < t.lato(); ++r) {
        for (int c = 0; c < t.lato(); ++c) {
            const QPoint angolo = t.rettangoloCella(r, c).topLeft();
            if (immagine.pixelColor(angolo + QPoint(2, 8)) == QColor(0xFF, 0x80, 0x00))
                celle.append(QPoint(r, c));
        }
    }
    return celle;
}

} // namespace

class TestAnnulla : public QObject {
    Q_OBJECT

private slots:
    // The window opens with the keys in the name box, and a click on a cell leaves them there:
    // the undo keys undo the drawing until something is typed. Typed into the name box, the
    // board's keys are the name's letters and edits, and the undo keys undo its text: the drawing
    // and the cursor stay as they were. On the board, where a click leaves the keys too, a key
    // shows the hidden cursor where it was and the next ones move it and act as clicks; the
    // repeat of the cursor's column shows its clue as it stands after each key, undo and redo.
    void tastiNelNomeESullaTavola()
    {
        Sessione s;
        const auto& c = s.c();
        const Tavoliere& t = s.tavoliere();
        s.clic(0, 0);
        s.clic(0, 1);
        QVERIFY(c.Nome->hasFocus());
        s.annulla(); // nothing typed yet: (0, 1) can be given again
        QCOMPARE(s.segni(), QString("#").leftJustified(25, u'.'));
        s.tasto(Qt::Key_Tab);
        s.tasto(Qt::Key_Right); // shows the cursor

        s.scrivi(QStringLiteral("xa x"));
        for (const Qt::Key k :
             {Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Left, Qt::Key_Right})
            s.tasto(k);
        QCOMPARE(c.Nome->text(), QStringLiteral("a x"));
        QCOMPARE(t.cursore(), QPoint(0, 0));
        s.annulla();
        QVERIFY(c.Nome->text() != QStringLiteral("a x")); // the name box's own undo
        QCOMPARE(s.segni(), QString("#").leftJustified(25, u'.'));
        s.ripeti(); // the name box's redo, back to "a x"
        QCOMPARE(c.Nome->text(), QStringLiteral("a x"));
        QCOMPARE(s.segni(), QString("#").leftJustified(25, u'.'));
        s.ripeti(); // nothing left to redo in the name: the drawing's redo
        QCOMPARE(s.segni(), QString("##").leftJustified(25, u'.'));

        s.tasto(Qt::Key_Tab); // back to the board, where the keys are the drawing's again
        s.clic(4, 4);
        QVERIFY(t.area()->hasFocus());
        s.annulla();
        QCOMPARE(s.segni(), QString("##").leftJustified(25, u'.'));
        QCOMPARE(c.Nome->text(), QStringLiteral("a x"));
        for (const Qt::Key k : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Space})
            s.tasto(k);
        QCOMPARE(c.hlp2->caption(), ripetuta({2})); // the clue as it now stands
        s.tasto(Qt::Key_Right);
        s.tasto(Qt::Key_Right);
        QVERIFY(c.hlp2->caption().isEmpty()); // column 2 has no clue
        s.tasto(Qt::Key_X);
        QCOMPARE(s.segni().left(8), QStringLiteral("##...#.x"));
        s.tasto(Qt::Key_Delete);
        s.tasto(Qt::Key_Space);
        QCOMPARE(s.segni().left(8), QStringLiteral("##...#.#"));
        QCOMPARE(c.hlp2->caption(), ripetuta({1}));
        s.annulla(); // the repeat follows undo and redo too
        QVERIFY(c.hlp2->caption().isEmpty());
        s.ripeti();
        QCOMPARE(c.hlp2->caption(), ripetuta({1}));
    }

    // A drag gives every cell entered the change the press gave the first cell, with clues and
    // preview following; it is one step, whatever it crosses, and undo keys during it wait for
    // its end, its release or its release lost. A press and a release on one cell is a click.
    void trascinamento()
    {
        Sessione s;
        s.scegliLato(10);
        s.trascina(Qt::LeftButton, 1, 1, 4);
        QVERIFY(s.mostraIlDisegno());
        s.clic(1, 7, Qt::RightButton);
        s.trascina(Qt::RightButton, 1, 5, 7);
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".####xxx.."));
        // From a filled cell every cell entered is cleared, filled, crossed or empty.
        s.clic(1, 9);
        s.trascina(Qt::LeftButton, 1, 3, 9);
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".##......."));
        s.trascina(Qt::LeftButton, 1, 2, 2);
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".#........"));

        s.annulla();
        s.annulla();
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".####xxx.#"));
        for (int i = 0; i < 4; ++i)
            s.annulla();
        QCOMPARE(s.pixel(), QString(100, u'0'));
        s.ripeti();
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".####....."));

        // Ctrl+Z with the button held: the drag goes on and stays one step.
        QTest::mousePress(s.w(), Qt::LeftButton, {}, s.cella(3, 0));
        QTest::mouseMove(s.w(), s.cella(3, 1));
        s.annulla();
        QTest::mouseMove(s.w(), s.cella(3, 2));
        QTest::mouseRelease(s.w(), Qt::LeftButton, {}, s.cella(3, 2));
        QCOMPARE(s.segni().mid(30, 10), QStringLiteral("###......."));
        s.annulla();
        QCOMPARE(s.segni().mid(30, 10), QString(10, u'.'));
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".####....."));

        QTest::mousePress(s.w(), Qt::LeftButton, {}, s.cella(5, 0));
        QTest::mouseMove(s.w(), s.cella(5, 1));
        rilascioAltrove(s.editor, s.cella(6, 6));
        s.clic(6, 6);
        QCOMPARE(s.segni().mid(50, 20), QStringLiteral("##..............#..."));
        s.annulla();
        s.annulla();
        QCOMPARE(s.segni().mid(50, 20), QString(20, u'.'));
    }

    // Once a change is on screen, the cells in which two pictures that fit the clues differ are
    // framed; a change that leaves one picture takes every frame away, undo brings them back. A
    // game never frames a cell, even of a puzzle with two pictures.
    void celleAmbigue()
    {
        const QList<QPoint> scambio = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
        {
            Sessione s;
            s.disegna(Diagonale.righe);
            QCoreApplication::processEvents();
            QCOMPARE(incorniciate(s.editor, s.tavoliere()), scambio);
            s.clic(0, 1);
            QCoreApplication::processEvents();
            QVERIFY(incorniciate(s.editor, s.tavoliere()).isEmpty());
            s.annulla();
            QCoreApplication::processEvents();
            QCOMPARE(incorniciate(s.editor, s.tavoliere()), scambio);
        }
        Banco banco;
        banco.metti(5, {Diagonale});
        GridoraGame* gioco = banco.apri(5);
        banco.rispondi(gioco, false);
        banco.clic(gioco, 0, 0);
        QCoreApplication::processEvents();
        QVERIFY(incorniciate(gioco, gioco->tavoliere()).isEmpty());
    }

    // "Cancella Schermo" and the import's hand-over are one step each, with clues, preview and
    // "Modifica Record" following. The hand-over keeps the list and the name box, refuses a string
    // that is no drawing of its side, and for another side starts from that side's empty board,
    // with a new history as any size change.
    void cancellaEImportazione()
    {
        Sessione s;
        const auto& c = s.c();
        clicca(c.CaricaF);
        s.tasto(Qt::Key_Tab); // out of the name box
        const QString caricato = s.segni();
        clicca(c.ClearF);
        QCOMPARE(s.pixel(), QString(25, u'0'));
        QVERIFY(s.mostraIlDisegno() && c.ModF->isEnabled());
        s.annulla();
        QCOMPARE(s.segni(), caricato);
        QVERIFY(s.mostraIlDisegno() && !c.ModF->isEnabled());

        QVERIFY(!s.editor->riceviImportazione(QStringLiteral("0101"), 5));
        QVERIFY(!s.editor->riceviImportazione(pixelDi(Punto.righe), 10));
        QCOMPARE(s.segni(), caricato);
        QVERIFY(s.editor->riceviImportazione(pixelDi(Croce5.righe), 5));
        QCOMPARE(s.pixel(), pixelDi(Croce5.righe));
        QVERIFY(s.mostraIlDisegno() && s.editor->modoLista());
        QCOMPARE(c.Nome->text(), QStringLiteral("Bandiera"));
        QVERIFY(c.ModF->isEnabled()); // the board differs from the selected puzzle
        s.annulla();
        QCOMPARE(s.segni(), caricato);
        QVERIFY(s.mostraIlDisegno() && !c.ModF->isEnabled());
        s.tasto(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(s.pixel(), pixelDi(Croce5.righe));
        QVERIFY(s.mostraIlDisegno() && c.ModF->isEnabled());

        QString dieci(100, u'0');
        dieci[0] = u'1';
        QVERIFY(s.editor->riceviImportazione(dieci, 10));
        QVERIFY(c.Option1[1]->isChecked());
        QVERIFY(!s.editor->modoLista() && c.Nome->text().isEmpty());
        QCOMPARE(s.editor->width(), px(6360));
        QCOMPARE(s.segni(), QStringLiteral("#").leftJustified(100, u'x')); // empty lines crossed
        QVERIFY(s.mostraIlDisegno());
        s.annulla();
        QCOMPARE(s.pixel(), QString(100, u'0'));
        s.annulla(); // nothing from before the size change
        QCOMPARE(s.editor->lato(), 10);
        s.ripeti();
        QCOMPARE(s.pixel(), dieci);
    }
};

QTEST_MAIN(TestAnnulla)
#include "tst_annulla.moc"
