// The editor's drawing beyond the single click: keys on the board act as clicks while the name box
// keeps its own keys, a drag changes every cell it enters, and Ctrl+Z / Ctrl+Y take back and give
// again clicks, drags, clears and imports until a size change starts the history again. After
// each change the cells where the clues leave a choice are framed.

#include "SessioneEditor.h"
#include "model/EvidenziaColonna.h"

using namespace gridora;

class TestAnnulla : public QObject {
    Q_OBJECT

private slots:
    // A click on a cell leaves the keys in the name box: the undo keys undo the drawing until
    // something is typed, then the name's text first, the drawing's redo once the name has none.
    // On the board a key shows the hidden cursor where it was, the next ones move it and act as
    // clicks, and the repeat of its column shows the clue after each key, undo and redo.
    void tastiNelNomeESullaTavola()
    {
        Sessione s;
        const auto& c = s.c();
        s.disegna({"##..."});
        QVERIFY(c.Nome->hasFocus());
        s.annulla();
        QCOMPARE(s.segni(), QString("#").leftJustified(25, u'.'));
        s.tasto(Qt::Key_Tab);
        s.tasto(Qt::Key_Right); // shows the cursor

        s.scrivi(QStringLiteral("xa x"));
        for (const Qt::Key k : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Left})
            s.tasto(k);
        QCOMPARE(c.Nome->text(), QStringLiteral("a x"));
        s.annulla();
        QCOMPARE(c.Nome->text(), QStringLiteral("xa x"));
        s.tasto(Qt::Key_Y, Qt::ControlModifier);
        s.tasto(Qt::Key_Y, Qt::ControlModifier); // nothing left to redo in the name: the drawing's
        QCOMPARE(s.segni(), QString("##").leftJustified(25, u'.'));
        QCOMPARE(s.tavoliere().cursore(), QPoint(0, 0));

        s.tasto(Qt::Key_Tab); // back to the board, where the keys are the drawing's again
        s.clic(4, 4);
        s.annulla();
        for (const Qt::Key k : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_Right,
                                Qt::Key_Right, Qt::Key_X, Qt::Key_Delete, Qt::Key_Space})
            s.tasto(k);
        QCOMPARE(s.segni().left(8), QStringLiteral("##...#.#"));
        QCOMPARE(c.hlp2->caption(), evidenziaColonna({1}).testo); // the clue as it now stands
        s.annulla(); // the repeat follows undo and redo too
        QVERIFY(c.hlp2->caption().isEmpty());
    }

    // The cells in which two pictures that fit the clues differ are framed; a change that leaves
    // one picture takes every frame away, undo brings them back. A drag gives every cell entered
    // the change the press gave the first cell, with clues and preview following; it is one step,
    // and undo keys during it wait for its end, its release or its release lost.
    void ambiguitaETrascinamento()
    {
        Sessione s;
        // The cells framed in orange on the board, as the window shows them once it has painted.
        const auto incorniciate = [&s] {
            QCoreApplication::processEvents();
            const QImage immagine = s.editor->grab().toImage();
            QList<QPoint> celle;
            for (int k = 0; k < 25; ++k) {
                const QPoint angolo = s.tavoliere().rettangoloCella(k / 5, k % 5).topLeft();
                if (immagine.pixelColor(angolo + QPoint(2, 8)) == QColor(0xFF, 0x80, 0x00))
                    celle.append(QPoint(k / 5, k % 5));
            }
            return celle;
        };
        const QList<QPoint> scambio = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
        s.disegna({"#....", ".#..."});
        QCOMPARE(incorniciate(), scambio);
        s.clic(0, 1);
        QVERIFY(incorniciate().isEmpty());
        s.annulla();
        QCOMPARE(incorniciate(), scambio);

        s.scegliLato(10);
        s.trascina(Qt::LeftButton, 1, 1, 4);
        s.clic(1, 7, Qt::RightButton);
        s.trascina(Qt::RightButton, 1, 5, 7);
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".####xxx.."));
        s.clic(1, 9);
        s.trascina(Qt::LeftButton, 1, 3, 9); // from a filled cell every cell entered is cleared
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".##......."));
        s.annulla();
        QCOMPARE(s.tavoliere().indizioRiga(1), testoIndizioRiga({4, 1}));

        QTest::mousePress(s.w(), Qt::LeftButton, {}, s.cella(3, 0));
        QTest::mouseMove(s.w(), s.cella(3, 1));
        s.annulla(); // with the button held: the drag goes on and stays one step
        QTest::mouseMove(s.w(), s.cella(3, 2));
        QTest::mouseRelease(s.w(), Qt::LeftButton, {}, s.cella(3, 2));
        QCOMPARE(s.segni().mid(30, 10), QStringLiteral("###......."));
        QTest::mousePress(s.w(), Qt::LeftButton, {}, s.cella(5, 0));
        QTest::mouseMove(s.w(), s.cella(5, 1));
        rilascioAltrove(s.editor, s.cella(6, 6));
        s.clic(6, 6);
        QCOMPARE(s.segni().mid(50, 20), QStringLiteral("##..............#..."));
        for (int i = 0; i < 3; ++i)
            s.annulla();
        QCOMPARE(s.segni().mid(10, 60), QStringLiteral(".####xxx.#").leftJustified(60, u'.'));
    }

    // "Cancella Schermo" and the import's hand-over are one step each, with "Modifica Record"
    // following. The hand-over keeps the list and the name box, refuses a string that is no
    // drawing of its side, and for another side starts from that side's empty board, with a new
    // history as any size change, and its title, without outer blanks, in the name box.
    void cancellaEImportazione()
    {
        Sessione s;
        const auto& c = s.c();
        clicca(c.CaricaF);
        const QString caricato = s.segni();
        clicca(c.ClearF);
        QVERIFY(s.segni() == QString(25, u'.') && c.ModF->isEnabled());
        s.annulla();
        QVERIFY(s.segni() == caricato && !c.ModF->isEnabled());

        QVERIFY(!s.editor->riceviImportazione(QStringLiteral("0101"), 5));
        QVERIFY(!s.editor->riceviImportazione(pixelDi(Punto.righe), 10));
        QVERIFY(s.editor->riceviImportazione(pixelDi(Croce5.righe), 5, QStringLiteral("croce")));
        QVERIFY(s.editor->modoLista() && c.ModF->isEnabled() && c.Nome->text() == "Bandiera");
        QCOMPARE(s.segni(), QStringLiteral("..#....#..#####..#....#.."));
        s.annulla();
        QVERIFY(s.segni() == caricato && !c.ModF->isEnabled());
        s.tasto(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(s.pixel() == pixelDi(Croce5.righe) && c.ModF->isEnabled());

        const QString dieci = QStringLiteral("1").leftJustified(100, u'0');
        QVERIFY(s.editor->riceviImportazione(dieci, 10, QStringLiteral("  una freccia  ")));
        QVERIFY(c.Option1[1]->isChecked() && !s.editor->modoLista());
        QCOMPARE(c.Nome->text(), QStringLiteral("una freccia"));
        QCOMPARE(s.segni(), QStringLiteral("#").leftJustified(100, u'x')); // empty lines crossed
        s.annulla();
        s.annulla(); // nothing from before the size change
        QVERIFY(s.editor->lato() == 10 && s.pixel() == QString(100, u'0'));
    }
};

QTEST_MAIN(TestAnnulla)
#include "tst_annulla.moc"
