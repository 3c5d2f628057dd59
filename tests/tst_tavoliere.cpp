// The board shared by the game and the editor: what it reports of the mouse (a click, a drag
// across cells, a release it never sees) driven through the window system.

#include "Banco.h"
#include "widgets/Tavoliere.h"

#include <QSignalSpy>

using namespace gridora;

namespace {

using Celle = QList<QPoint>; // (row, column)

// A 10 x 10 board in a window, with spies on what it reports.
struct Finestra {
    QWidget widget;
    Tavoliere* tavoliere = new Tavoliere(&widget);
    QWindow* w;
    QSignalSpy premute{tavoliere, &Tavoliere::cellaPremuta};
    QSignalSpy iniziati{tavoliere, &Tavoliere::trascinamentoIniziato};
    QSignalSpy trascinate{tavoliere, &Tavoliere::cellaTrascinata};
    QSignalSpy rilasciate{tavoliere, &Tavoliere::cellaRilasciata};
    QSignalSpy finiti{tavoliere, &Tavoliere::trascinamentoFinito};

    Finestra()
    {
        widget.resize(px(5310), px(5580));
        tavoliere->setLato(10);
        for (int k = 0; k < 100; ++k)
            tavoliere->setCellaAbilitata(k / 10, k % 10, true);
        widget.show();
        w = widget.windowHandle();
        const bool esposta = QTest::qWaitForWindowExposed(&widget);
        Q_ASSERT(esposta);
    }
    QPoint cella(int riga, int colonna) const
    {
        return tavoliere->rettangoloCella(riga, colonna).center();
    }
};

Celle celleDi(const QSignalSpy& spia)
{
    Celle celle;
    for (const QList<QVariant>& argomenti : spia)
        celle.append(QPoint(argomenti[0].toInt(), argomenti[1].toInt()));
    return celle;
}

} // namespace

class TestTavoliere : public QObject {
    Q_OBJECT

private slots:
    // A click is a press and a release on its cell, with its button. A drag reports the pressed
    // cell as the pointer leaves it, then every cell entered once, in order; its release is no
    // click. A cell disabled meanwhile still lets the drag end; a press on it is not taken.
    void clicETrascinamento()
    {
        Finestra f;
        QTest::mouseClick(f.w, Qt::RightButton, {}, f.cella(3, 4));
        QCOMPARE(celleDi(f.rilasciate), Celle{QPoint(3, 4)});
        QCOMPARE(f.rilasciate.first().at(2).value<Qt::MouseButton>(), Qt::RightButton);

        QTest::mousePress(f.w, Qt::LeftButton, {}, f.cella(1, 1));
        // Moves inside a cell report nothing new; (2, 10) is past the side, off the board.
        for (const QPoint p :
             {f.cella(1, 1) + QPoint(3, 3), f.cella(1, 2), f.cella(1, 3),
              f.cella(1, 3) + QPoint(2, 0), f.cella(2, 3), f.cella(2, 10), f.cella(2, 9)})
            QTest::mouseMove(f.w, p);
        f.tavoliere->setCellaAbilitata(1, 1, false);
        QTest::mouseRelease(f.w, Qt::LeftButton, {}, f.cella(2, 9));
        QCOMPARE(celleDi(f.iniziati), Celle{QPoint(1, 1)});
        QCOMPARE(celleDi(f.trascinate),
                 (Celle{QPoint(1, 2), QPoint(1, 3), QPoint(2, 3), QPoint(2, 9)}));
        QCOMPARE(f.trascinate.first().at(2).value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(f.finiti.size(), 1);
        QCOMPARE(f.finiti.first().at(0).toBool(), false);
        QTest::mouseClick(f.w, Qt::LeftButton, {}, f.cella(1, 1));
        QCOMPARE(f.rilasciate.size(), 1); // neither the drag's release nor the disabled cell
    }

    // A release the board never sees ends what the press was doing: a drag ends as lost, a press
    // that stayed on its cell is no click, and the next press is taken as any other. The board
    // notices a move with the button up, and its window losing the focus.
    void rilascioPerso_data()
    {
        QTest::addColumn<bool>("disattivata");
        QTest::newRow("mossa senza pulsante") << false;
        QTest::newRow("finestra disattivata") << true;
    }
    void rilascioPerso()
    {
        QFETCH(bool, disattivata);
        Finestra f;
        QWidget altra;
        for (const bool trascinato : {false, true}) {
            QTest::mousePress(f.w, Qt::LeftButton, {}, f.cella(1 + trascinato, 1));
            if (trascinato)
                QTest::mouseMove(f.w, f.cella(2, 2));
            if (disattivata) {
                altra.show();
                altra.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&altra));
            }
            QTestPrivate::qtestMouseButtons = Qt::NoButton; // the button went up elsewhere
            if (!disattivata)
                QTest::mouseMove(f.w, f.cella(4, 4));
            QCOMPARE(f.finiti.size(), trascinato ? 1 : 0);
            altra.hide();
            f.widget.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&f.widget));
        }
        QCOMPARE(f.finiti.first().at(0).toBool(), true);
        QTest::mouseClick(f.w, Qt::LeftButton, {}, f.cella(3, 3));
        QCOMPARE(celleDi(f.premute), (Celle{QPoint(1, 1), QPoint(2, 1), QPoint(3, 3)}));
        QCOMPARE(celleDi(f.rilasciate), Celle{QPoint(3, 3)});
    }
};

QTEST_MAIN(TestTavoliere)
#include "tst_tavoliere.moc"
