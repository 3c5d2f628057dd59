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

    // A click is a press and a release on its cell, with its button. A drag reports the pressed
    // cell as the pointer leaves it, then every cell entered once, in order; its release is no
    // click. A cell disabled meanwhile still lets the drag end; a press on it is not taken.
    void clicETrascinamento()
    {
        Finestra f(10);
        QWindow* w = f.widget.windowHandle();
        QSignalSpy iniziati(f.tavoliere, &Tavoliere::trascinamentoIniziato);
        QSignalSpy trascinate(f.tavoliere, &Tavoliere::cellaTrascinata);
        QSignalSpy rilasciate(f.tavoliere, &Tavoliere::cellaRilasciata);
        QSignalSpy finiti(f.tavoliere, &Tavoliere::trascinamentoFinito);
        QTest::mouseClick(w, Qt::RightButton, {}, f.cella(3, 4));
        QCOMPARE(celleDi(rilasciate), Celle{QPoint(3, 4)});
        QCOMPARE(rilasciate.first().at(2).value<Qt::MouseButton>(), Qt::RightButton);
        QVERIFY(iniziati.isEmpty() && trascinate.isEmpty() && finiti.isEmpty());

        QTest::mousePress(w, Qt::LeftButton, {}, f.cella(1, 1));
        // Moves inside a cell report nothing new; (2, 10) is past the side, off the board.
        for (const QPoint p :
             {f.cella(1, 1) + QPoint(3, 3), f.cella(1, 2), f.cella(1, 3),
              f.cella(1, 3) + QPoint(2, 0), f.cella(2, 3), f.cella(2, 10), f.cella(2, 9)})
            QTest::mouseMove(w, p);
        f.tavoliere->setCellaAbilitata(1, 1, false);
        QTest::mouseRelease(w, Qt::LeftButton, {}, f.cella(2, 9));
        QCOMPARE(celleDi(iniziati), Celle{QPoint(1, 1)});
        QCOMPARE(celleDi(trascinate),
                 (Celle{QPoint(1, 2), QPoint(1, 3), QPoint(2, 3), QPoint(2, 9)}));
        QCOMPARE(trascinate.first().at(2).value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(rilasciate.size(), 1);
        QCOMPARE(finiti.size(), 1);
        QCOMPARE(finiti.first().at(0).toBool(), false);
        QTest::mouseClick(w, Qt::LeftButton, {}, f.cella(1, 1));
        QCOMPARE(rilasciate.size(), 1);
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
        Finestra f(10);
        QWidget altra;
        QWindow* w = f.widget.windowHandle();
        QSignalSpy premute(f.tavoliere, &Tavoliere::cellaPremuta);
        QSignalSpy rilasciate(f.tavoliere, &Tavoliere::cellaRilasciata);
        QSignalSpy finiti(f.tavoliere, &Tavoliere::trascinamentoFinito);
        const auto perdi = [&](int riga, bool trascinato) {
            QTest::mousePress(w, Qt::LeftButton, {}, f.cella(riga, 1));
            if (trascinato)
                QTest::mouseMove(w, f.cella(riga, 2));
            if (disattivata) {
                altra.show();
                altra.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&altra));
            }
            QTestPrivate::qtestMouseButtons = Qt::NoButton; // the button went up elsewhere
            if (!disattivata)
                QTest::mouseMove(w, f.cella(4, 4));
            QCOMPARE(finiti.size(), trascinato ? 1 : 0);
            altra.hide();
            f.widget.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&f.widget));
        };
        perdi(1, false);
        perdi(2, true);
        QCOMPARE(finiti.first().at(0).toBool(), true);
        QTest::mouseClick(w, Qt::LeftButton, {}, f.cella(3, 3));
        QCOMPARE(celleDi(premute), (Celle{QPoint(1, 1), QPoint(2, 1), QPoint(3, 3)}));
        QCOMPARE(celleDi(rilasciate), Celle{QPoint(3, 3)});
    }
};

QTEST_MAIN(TestTavoliere)
#include "tst_tavoliere.moc"
