// The editor's rules with no window: what a click does to a cell, when "Modifica Record" has
// something to store, the history behind undo and redo, the save's checks of a name, and the
// cells where clues with more than one picture leave a choice.

#include "Disegni.h"
#include "model/Ambiguita.h"
#include "model/DisegnoEditor.h"
#include "model/Salvataggio.h"

#include <QTest>

using namespace gridora;

class TestRegoleEditor : public QObject {
    Q_OBJECT

private slots:
    // No cell is ambiguous for a count that settled nothing, or for pictures not of the side.
    void celleAmbigue()
    {
        const QString diagonale = pixelDi({"#....", ".#..."}).leftJustified(25, u'0');
        const QString altra = pixelDi({".....", ".....", "..#..", ".....", "....#"});
        for (const auto& [esito, seconda, lato] : {std::tuple{Unicita::NonVerificata, altra, 5},
                                                   {Unicita::PiuDiUna, altra.left(24), 5},
                                                   {Unicita::PiuDiUna, altra, 10}})
            QVERIFY(gridora::celleAmbigue({esito, diagonale, seconda}, lato).isEmpty());
    }

    // "Modifica Record" against the loaded puzzle, with the remembered crosses, which undo and
    // redo bring back too; a damaged cell string shows what it can.
    void confrontoConIlCaricato()
    {
        using enum Pulsante;
        DisegnoEditor d(5);
        // Every mark of the drawing, row after row: '.' empty, '#' filled, 'x' crossed.
        const auto segni = [&d] {
            QString testo;
            for (int k = 0; k < 25; ++k)
                testo += u".#x"[d.segni()[k]];
            return testo;
        };
        const auto modificatoDopo = [&d](int r, int c, Pulsante pulsante) {
            d.clic(r, c, pulsante);
            return d.modificato();
        };
        d.carica(QStringLiteral("1x1"));
        QCOMPARE(segni(), QStringLiteral("#x#xx").leftJustified(25, u'x'));
        // Column 4 and row 4 are empty.
        const QString bandiera = pixelDi({".#...", ".#...", "####.", ".#...", "....."});
        d.carica(bandiera);
        const QString caricato = segni();
        QVERIFY(modificatoDopo(0, 0, Sinistro) && !modificatoDopo(0, 0, Sinistro));
        // A cross on an empty cell is no change; clearing it afterwards is one.
        QVERIFY(!modificatoDopo(0, 0, Destro) && modificatoDopo(0, 0, Destro));
        QVERIFY(d.annulla() && d.annulla() && d.annulla() && d.annulla() && !d.annulla());
        QVERIFY(segni() == caricato && !d.modificato());
        QVERIFY(d.ripeti() && d.ripeti() && d.ripeti() && d.ripeti() && !d.ripeti());
        QVERIFY(d.modificato());
        d.carica(bandiera);
        // The same for the crosses of an empty line.
        QVERIFY(modificatoDopo(4, 0, Sinistro) && !modificatoDopo(4, 0, Destro));
        // A filled cell of the puzzle that is crossed now is gone from the drawing.
        QVERIFY(modificatoDopo(0, 1, Destro) && modificatoDopo(0, 1, Destro));
        d.clic(0, 1, Destro);
        QVERIFY(!modificatoDopo(0, 1, Sinistro));
    }

    // A click that changes nothing (the middle button never does) is no step; a new step drops what
    // was undone; a new history forgets every step, and a step left open (a drag's late release
    // adds none). The history keeps the last PassiMassimi steps.
    void cronologia()
    {
        DisegnoEditor d(15);
        d.clic(0, 0, Pulsante::Sinistro);
        d.clic(0, 1, Pulsante::Altro);
        QVERIFY(!d.imposta(0, 0, Pieno));
        QVERIFY(d.annulla() && !d.annulla());
        d.clic(4, 4, Pulsante::Sinistro);
        QVERIFY(!d.ripeti() && d.annulla() && d.ripeti());
        d.apriPasso();
        d.clic(2, 2, Pulsante::Sinistro);
        d.nuovaCronologia();
        QVERIFY(!d.passoAperto() && !d.annullabile() && !d.ripetibile());
        d.chiudiPasso();
        QVERIFY(!d.annullabile());

        d.setLato(15);
        for (int k = 0; k < DisegnoEditor::PassiMassimi + 25; ++k)
            d.clic(k / 15, k % 15, Pulsante::Sinistro);
        while (d.annulla()) {
        }
        QCOMPARE(d.pixel(), QString(25, u'1') + QString(200, u'0')); // the first 25 stay
    }

    // A name is taken without regard to case, accents included, even by a stored name not in
    // proper case; with the name and the drawing in different rows the last of them decides; an
    // empty name, or one of blanks, matches no row, not even one with no name or with blanks.
    // Outer blanks go before the name is cut at 25. What could not be verified is never taken
    // for a single solution.
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
        const QString lungo = u"  abcdefghijklmnopqrstuvwxyz"_qs;
        QCOMPARE(nomeDaSalvare(righe, lungo, 5), u"Abcdefghijklmnopqrstuvwxy"_qs);
        QCOMPARE(nomeDaModificare(u"X"_qs, lungo), u"abcdefghijklmnopqrstuvwxy"_qs);
        QVERIFY(avvisoUnicita(Unicita::NonVerificata).startsWith("Attenzione: non è stato"));
    }
};

QTEST_MAIN(TestRegoleEditor)
#include "tst_regole_editor.moc"
