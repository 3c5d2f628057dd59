// The board shared by the game and the editor: its geometry for each side, and what it reports
// of the mouse (a click, a drag across cells) driven through the window system.

#include "Banco.h"
#include "widgets/Tavoliere.h"

#include <QSignalSpy>

using namespace gridora;

namespace {

struct Finestra {
    QWidget widget;
    Tavoliere* tavoliere = new Tavoliere(&widget);

    explicit Finestra(int lato)
    {
        widget.resize(px(5310), px(5580));
        tavoliere->setLato(lato);
        for (int r = 0; r < lato; ++r) {
            for (int c = 0; c < lato; ++c)
                tavoliere->setCellaAbilitata(r, c, true);
        }
        widget.show();
        const bool esposta = QTest::qWaitForWindowExposed(&widget);
        Q_ASSERT(esposta);
    }

    QPoint cella(int riga, int colonna) const
    {
        return tavoliere->rettangoloCella(riga, colonna).center();
    }
};

using Celle = QList<QPoint>; // (row, column)

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
    void disposizionePerLato_data()
    {
        QTest::addColumn<int>("lato");
        QTest::addColumn<QPoint>("area");
        QTest::addColumn<int>("cornici");
        QTest::newRow("5") << 5 << QPoint(2000, 2100) << 1;
        QTest::newRow("10") << 10 << QPoint(1480, 1600) << 2;
        QTest::newRow("15") << 15 << QPoint(1080, 1200) << 3;
    }
    void disposizionePerLato()
    {
        QFETCH(int, lato);
        QFETCH(QPoint, area);
        QFETCH(int, cornici);
        Finestra f(15);
        f.tavoliere->setLato(lato);
        QCOMPARE(f.tavoliere->area()->pos(), QPoint(px(area.x()), px(area.y())));
        const auto c = f.tavoliere->controlli(); // area, d3, d2, v2, d1, v3, v1
        QCOMPARE(c[4]->isVisible() + c[2]->isVisible() + c[1]->isVisible(), cornici);
        QCOMPARE(c[6]->isVisible() + c[3]->isVisible() + c[5]->isVisible(), cornici);
        // The empty board of the side: shaded pictures inside, nothing outside.
        QCOMPARE(f.tavoliere->immagine(0, 0), 103);
        QCOMPARE(f.tavoliere->immagine(lato - 1, lato - 1), lato % 2 == 1 ? 103 : 106);
        if (lato < 15) {
            QCOMPARE(f.tavoliere->immagine(0, lato), 0);
            QCOMPARE(f.tavoliere->immagine(lato, 0), 0);
        }
        QVERIFY(!f.tavoliere->cellaAbilitata(0, 0));
    }

    // A click is a press and a release on its cell, with its button. Every cell entered with the
    // button held is reported once, in order; leaving the board and coming back reports the cell
    // again; the release belongs to the pressed cell.
    void clicETrascinamento()
    {
        Finestra f(10);
        QWindow* w = f.widget.windowHandle();
        QSignalSpy premute(f.tavoliere, &Tavoliere::cellaPremuta);
        QSignalSpy trascinate(f.tavoliere, &Tavoliere::cellaTrascinata);
        QSignalSpy rilasciate(f.tavoliere, &Tavoliere::cellaRilasciata);
        QTest::mouseClick(w, Qt::RightButton, {}, f.cella(3, 4));
        QCOMPARE(celleDi(premute), Celle{QPoint(3, 4)});
        QCOMPARE(celleDi(rilasciate), Celle{QPoint(3, 4)});
        QCOMPARE(rilasciate.first().at(2).value<Qt::MouseButton>(), Qt::RightButton);
        QVERIFY(trascinate.isEmpty());

        rilasciate.clear();
        QTest::mousePress(w, Qt::LeftButton, {}, f.cella(1, 1));
        // Moves inside a cell report nothing new; (2, 10) is past the side, off the board.
        for (const QPoint p :
             {f.cella(1, 1) + QPoint(3, 3), f.cella(1, 2), f.cella(1, 3),
              f.cella(1, 3) + QPoint(2, 0), f.cella(2, 3), f.cella(2, 10), f.cella(2, 9)})
            QTest::mouseMove(w, p);
        QTest::mouseRelease(w, Qt::LeftButton, {}, f.cella(2, 9));
        QCOMPARE(celleDi(trascinate),
                 (Celle{QPoint(1, 2), QPoint(1, 3), QPoint(2, 3), QPoint(2, 9)}));
        QCOMPARE(trascinate.first().at(2).value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(celleDi(rilasciate), Celle{QPoint(1, 1)});

        // A cell disabled meanwhile still lets the drag end; a press on it is not taken.
        rilasciate.clear();
        QTest::mousePress(w, Qt::LeftButton, {}, f.cella(5, 5));
        f.tavoliere->setCellaAbilitata(5, 5, false);
        QTest::mouseMove(w, f.cella(5, 6));
        QTest::mouseRelease(w, Qt::LeftButton, {}, f.cella(5, 6));
        QCOMPARE(celleDi(rilasciate), Celle{QPoint(5, 5)});
        QTest::mouseClick(w, Qt::LeftButton, {}, f.cella(5, 5));
        QCOMPARE(celleDi(rilasciate), Celle{QPoint(5, 5)});
        QTest::mouseClick(w, Qt::LeftButton, {}, f.cella(6, 6));
        QCOMPARE(celleDi(rilasciate), (Celle{QPoint(5, 5), QPoint(6, 6)}));
    }
};

QTEST_MAIN(TestTavoliere)
#include "tst_tavoliere.moc"
