// The editor's rules with no window: what a click does to a cell, when "Modifica Record" has
// something to store, the history behind undo and redo, and the save's checks of a name and of
// clues with more than one picture.

#include "Disegni.h"
#include "model/Ambiguita.h"
#include "model/DisegnoEditor.h"
#include "model/Salvataggio.h"

#include <QTest>

using namespace gridora;

namespace {

// Column 4 and row 4 are empty.
const QString Bandiera = pixelDi({".#...", ".#...", "####.", ".#...", "....."});

// Every mark of the drawing, row after row: '.' empty, '#' filled, 'x' crossed.
QString segni(const DisegnoEditor& d)
{
    QString testo;
    for (int k = 0; k < d.lato() * d.lato(); ++k)
        testo += QStringLiteral(".#x").at(d.segni()[k]);
    return testo;
}

} // namespace

Q_DECLARE_METATYPE(Pulsante)

class TestRegoleEditor : public QObject {
    Q_OBJECT

private slots:
    // Where a drawing's clues leave a choice: the cells in which the count's two pictures differ,
    // row after row; none for one picture, for a count that settled nothing, or for pictures
    // that are not of the side.
    void celleAmbigue()
    {
        const QString diagonale = pixelDi({"#....", ".#...", ".....", ".....", "....."});
        const EsitoSoluzioni due = contaSoluzioni(diagonale, 5);
        QCOMPARE(gridora::celleAmbigue(due, 5), (QList<QPoint>{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
        const QString altra = pixelDi({".....", ".....", "..#..", ".....", "....#"});
        QCOMPARE(gridora::celleAmbigue({Unicita::PiuDiUna, diagonale, altra}, 5),
                 (QList<QPoint>{{0, 0}, {1, 1}, {2, 2}, {4, 4}}));
        QVERIFY(gridora::celleAmbigue({Unicita::NonVerificata, diagonale, altra}, 5).isEmpty());
        QVERIFY(gridora::celleAmbigue({Unicita::Unica, diagonale, {}}, 5).isEmpty());
        QVERIFY(gridora::celleAmbigue({Unicita::PiuDiUna, diagonale, altra.left(24)}, 5).isEmpty());
        QVERIFY(gridora::celleAmbigue(due, 10).isEmpty());
    }

    // The click table, on every side.
    void clic_data()
    {
        QTest::addColumn<Pulsante>("pulsante");
        QTest::addColumn<QList<int>>("dopo"); // the mark after a click on empty, filled, crossed
        QTest::newRow("sinistro") << Pulsante::Sinistro << QList<int>{Pieno, Vuoto, Vuoto};
        QTest::newRow("destro") << Pulsante::Destro << QList<int>{Croce, Vuoto, Vuoto};
        QTest::newRow("altro") << Pulsante::Altro << QList<int>{Vuoto, Pieno, Croce};
    }
    void clic()
    {
        QFETCH(Pulsante, pulsante);
        QFETCH(QList<int>, dopo);
        for (const int lato : {5, 10, 15}) {
            for (const Segno prima : {Vuoto, Pieno, Croce}) {
                DisegnoEditor d(lato);
                const int r = lato - 1, c = lato - 2;
                d.imposta(r, c, prima);
                QCOMPARE(int(d.clic(r, c, pulsante)), dopo[prima]);
                QCOMPARE(d.segni()[r * lato + c], dopo[prima]);
                QCOMPARE(d.piene(), dopo[prima] == Pieno ? 1 : 0);
            }
        }
    }

    // "Modifica Record" against the loaded puzzle, with the remembered crosses, which undo and
    // redo bring back too; a damaged cell string shows what it can.
    void confrontoConIlCaricato()
    {
        using enum Pulsante;
        DisegnoEditor d(5);
        const auto modificatoDopo = [&d](int r, int c, Pulsante pulsante) {
            d.clic(r, c, pulsante);
            return d.modificato();
        };
        d.carica(QStringLiteral("1x1"));
        QCOMPARE(segni(d), QStringLiteral("#x#xx").leftJustified(25, u'x'));
        d.carica(Bandiera);
        const QString caricato = segni(d);
        QVERIFY(modificatoDopo(0, 0, Sinistro));
        QVERIFY(!modificatoDopo(0, 0, Sinistro));
        // A cross on an empty cell is no change; clearing it afterwards is one.
        QVERIFY(!modificatoDopo(0, 0, Destro));
        QVERIFY(modificatoDopo(0, 0, Destro));
        QVERIFY(d.annulla() && d.annulla() && d.annulla() && d.annulla() && !d.annulla());
        QCOMPARE(segni(d), caricato);
        QVERIFY(!d.modificato());
        QVERIFY(d.ripeti() && d.ripeti() && d.ripeti() && d.ripeti());
        QVERIFY(d.modificato());
        d.carica(Bandiera);

        // The same for the crosses of an empty line.
        QVERIFY(modificatoDopo(4, 0, Sinistro));
        QVERIFY(!modificatoDopo(4, 0, Destro));

        // A filled cell of the puzzle that is crossed now is gone from the drawing.
        QVERIFY(modificatoDopo(0, 1, Destro));
        QVERIFY(modificatoDopo(0, 1, Destro));
        d.clic(0, 1, Destro);
        QVERIFY(!modificatoDopo(0, 1, Sinistro));

        // An import, its empty lines crossed, is compared with the puzzle loaded before it.
        d.importa(pixelDi({"#...."}));
        QCOMPARE(segni(d), QStringLiteral("#xxxx").leftJustified(25, u'x'));
        QVERIFY(d.modificato());
        QVERIFY(d.annulla());
        QVERIFY(!d.modificato());

        // Clearing keeps the comparison; a new side drops it.
        d.cancella();
        QVERIFY(d.modificato());
        d.setLato(5);
        QVERIFY(!d.modificato());
    }

    // Each click that changes a mark is a step, the others none; redo gives back what undo took,
    // until a new step drops it. A new history forgets every step.
    void annullaERipetiIClic()
    {
        DisegnoEditor d(5);
        QVERIFY(!d.annulla() && !d.ripeti());
        d.clic(0, 0, Pulsante::Sinistro);
        d.clic(0, 1, Pulsante::Destro);
        const QString due = segni(d);
        d.clic(0, 0, Pulsante::Sinistro);
        d.clic(1, 1, Pulsante::Altro);
        QVERIFY(!d.imposta(0, 1, Croce));
        QVERIFY(d.annulla());
        QCOMPARE(segni(d), due);
        QVERIFY(d.annulla() && d.annulla());
        QCOMPARE(segni(d), QString(25, u'.'));
        QVERIFY(!d.annulla());
        QVERIFY(d.ripeti() && d.ripeti());
        QCOMPARE(segni(d), due);
        d.clic(4, 4, Pulsante::Sinistro); // the undone third click is gone
        QVERIFY(!d.ripeti());
        QVERIFY(d.annulla());
        QCOMPARE(segni(d), due);

        // A new history forgets every step, and a step left open: a drag's late release adds none.
        d.apriPasso();
        d.clic(2, 2, Pulsante::Sinistro);
        d.nuovaCronologia();
        QVERIFY(!d.passoAperto() && !d.annullabile() && !d.ripetibile());
        d.chiudiPasso();
        QVERIFY(!d.annullabile());
    }

    // The history keeps the last PassiMassimi steps.
    void cronologiaLimitata()
    {
        DisegnoEditor d(15);
        for (int k = 0; k < DisegnoEditor::PassiMassimi + 25; ++k)
            d.clic(k / 15, k % 15, Pulsante::Sinistro);
        int annullati = 0;
        while (d.annulla())
            ++annullati;
        QCOMPARE(annullati, DisegnoEditor::PassiMassimi);
        QCOMPARE(segni(d), QString(25, u'#') + QString(200, u'.')); // the first 25 stay
    }

    // The save's checks: a name is taken without regard to case, accents included, even by a
    // stored name not in proper case; with the name and the drawing in different rows the last
    // of them decides; an empty name, or one of blanks, matches no row, not even one with no
    // name or with blanks, and is stored under the default name.
    // Clues with more pictures than one are announced, and what could not be verified is never
    // taken for a single solution.
    void controlliDelSalvataggio()
    {
        const QList<Disegno> righe = {{.pixel = "A", .nome = "Gatto Nero"},
                                      {.pixel = "B", .nome = "CASA"},
                                      {.pixel = "D", .nome = "Città"},
                                      {.pixel = "E", .nome = ""},
                                      {.pixel = "F", .nome = "  "}};
        QCOMPARE(verdettoSalvataggio(righe, "CITTà", "C"), Verdetto::NomePresente);
        QCOMPARE(verdettoSalvataggio(righe, "gatto nero", "B"), Verdetto::DisegnoPresente);
        QCOMPARE(verdettoSalvataggio(righe, "casa", "A"), Verdetto::NomePresente);
        QCOMPARE(verdettoSalvataggio(righe, "  ", "C"), Verdetto::Libero);
        QCOMPARE(verdettoSalvataggio(righe, "", "A"), Verdetto::DisegnoPresente);
        QVERIFY(avvisoUnicita(Unicita::Unica).isEmpty());
        QCOMPARE(avvisoUnicita(Unicita::PiuDiUna),
                 QStringLiteral("Attenzione: questi indizi hanno più di una soluzione."));
        QVERIFY(avvisoUnicita(Unicita::NonVerificata)
                    .startsWith(QStringLiteral("Attenzione: non è stato possibile")));
    }
};

QTEST_MAIN(TestRegoleEditor)
#include "tst_regole_editor.moc"
