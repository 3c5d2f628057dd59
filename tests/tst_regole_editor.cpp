// The editor's rules with no window: what a click does to a cell, putting a stored puzzle on the
// board, when "Modifica Record" has something to store, the history behind undo and redo, the
// save's duplicate check, the name a drawing is stored under and the warning for clues with more
// than one picture.

#include "model/DisegnoEditor.h"
#include "model/Salvataggio.h"

#include <QTest>

using namespace gridora;

namespace {

QString pixelDi(const QStringList& righe)
{
    QString pixel;
    for (const QString& riga : righe) {
        for (const QChar c : riga)
            pixel += c == u'#' ? u'1' : u'0';
    }
    return pixel;
}

// Column 4 and row 4 are empty.
const QStringList Bandiera = {".#...", ".#...", "####.", ".#...", "....."};

Disegno riga(const QString& nome, const QString& pixel)
{
    Disegno d;
    d.nome = nome;
    d.pixel = pixel;
    return d;
}

Pulsante pulsante(QChar c)
{
    return c == u'L' ? Pulsante::Sinistro : c == u'R' ? Pulsante::Destro : Pulsante::Altro;
}

// Every mark of the drawing, row after row: '.' empty, '#' filled, 'x' crossed.
QString segni(const DisegnoEditor& d)
{
    QString testo;
    for (int r = 0; r < d.lato(); ++r) {
        for (int c = 0; c < d.lato(); ++c)
            testo += d.segno(r, c) == Pieno ? u'#' : d.segno(r, c) == Croce ? u'x' : u'.';
    }
    return testo;
}

} // namespace

Q_DECLARE_METATYPE(Segno)
Q_DECLARE_METATYPE(Verdetto)

class TestRegoleEditor : public QObject {
    Q_OBJECT

private slots:
    // `prima` are the clicks that bring the cell to its state ('L' left, 'R' right, 'M' middle).
    void clic_data()
    {
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QChar>("clic");
        QTest::addColumn<Segno>("dopo");
        QTest::newRow("sinistro su vuota") << "" << QChar('L') << Pieno;
        QTest::newRow("sinistro su piena") << "L" << QChar('L') << Vuoto;
        QTest::newRow("sinistro su croce") << "R" << QChar('L') << Vuoto;
        QTest::newRow("destro su vuota") << "" << QChar('R') << Croce;
        QTest::newRow("destro su piena") << "L" << QChar('R') << Vuoto;
        QTest::newRow("destro su croce") << "R" << QChar('R') << Vuoto;
        QTest::newRow("altro su vuota") << "" << QChar('M') << Vuoto;
        QTest::newRow("altro su piena") << "L" << QChar('M') << Pieno;
        QTest::newRow("altro su croce") << "R" << QChar('M') << Croce;
    }
    void clic()
    {
        QFETCH(QString, prima);
        QFETCH(QChar, clic);
        QFETCH(Segno, dopo);
        for (const int lato : {5, 10, 15}) {
            DisegnoEditor d(lato);
            const int r = lato - 1, c = lato - 2;
            for (const QChar p : prima)
                d.clic(r, c, pulsante(p));
            QCOMPARE(d.clic(r, c, pulsante(clic)), dopo);
            QCOMPARE(d.segno(r, c), dopo);
            QCOMPARE(d.segni()[r * lato + c], int(dopo));
            QCOMPARE(d.piene(), dopo == Pieno ? 1 : 0);
        }
    }

    // A cross is stored as an empty cell and gives no clue.
    void croceComeVuota()
    {
        DisegnoEditor d(10);
        d.clic(2, 3, Pulsante::Sinistro);
        d.clic(2, 4, Pulsante::Destro);
        QVERIFY(d.imposta(2, 5, Pieno));
        QVERIFY(!d.imposta(2, 5, Pieno));
        QCOMPARE(d.pixel().mid(20, 10), QStringLiteral("0001010000"));
        QCOMPARE(d.indizi().righe[2], QStringLiteral(" 1  1 "));
        QVERIFY(d.indizi().colonne[4].isEmpty());
        QCOMPARE(d.piene(), 2);
    }

    // A stored puzzle on the board: its cells, then its empty rows and columns crossed; a
    // damaged cell string shows what it can.
    void caricaIncrociaLeLineeVuote()
    {
        DisegnoEditor d(5);
        d.carica(pixelDi(Bandiera));
        QCOMPARE(d.pixel(), pixelDi(Bandiera));
        for (int j = 0; j < 5; ++j) {
            QCOMPARE(d.segno(j, 4), Croce);
            QCOMPARE(d.segno(4, j), Croce);
        }
        QCOMPARE(d.segno(0, 0), Vuoto);
        QCOMPARE(d.segno(2, 3), Pieno);
        QVERIFY(!d.modificato());

        d.carica(QStringLiteral("1x1"));
        QCOMPARE(d.segno(0, 0), Pieno);
        QCOMPARE(d.segno(0, 1), Croce); // column 1 is empty
        QCOMPARE(d.segno(0, 2), Pieno);
        QCOMPARE(d.segno(1, 0), Croce); // and so are rows 1 to 4
        QVERIFY(!d.modificato());
    }

    // "Modifica Record" against the loaded puzzle, with the remembered crosses.
    void confrontoConIlCaricato()
    {
        DisegnoEditor d(5);
        QVERIFY(!d.modificato()); // no puzzle, nothing drawn
        d.carica(pixelDi(Bandiera));

        d.clic(0, 0, Pulsante::Sinistro);
        QVERIFY(d.modificato());
        d.clic(0, 0, Pulsante::Sinistro);
        QVERIFY(!d.modificato());

        // A cross on an empty cell is no change; clearing it afterwards is one.
        d.clic(0, 0, Pulsante::Destro);
        QVERIFY(!d.modificato());
        d.clic(0, 0, Pulsante::Destro);
        QVERIFY(d.modificato());
        d.carica(pixelDi(Bandiera));
        QVERIFY(!d.modificato());

        // The same for the crosses of an empty line.
        d.clic(4, 0, Pulsante::Sinistro);
        QCOMPARE(d.segno(4, 0), Vuoto);
        QVERIFY(d.modificato());
        d.clic(4, 0, Pulsante::Destro);
        QVERIFY(!d.modificato());

        // A filled cell of the puzzle that is crossed now is gone from the drawing.
        d.clic(0, 1, Pulsante::Destro);
        QCOMPARE(d.segno(0, 1), Vuoto);
        QVERIFY(d.modificato());
        d.clic(0, 1, Pulsante::Destro);
        QCOMPARE(d.segno(0, 1), Croce);
        QVERIFY(d.modificato());
        d.clic(0, 1, Pulsante::Destro);
        d.clic(0, 1, Pulsante::Sinistro);
        QVERIFY(!d.modificato());

        // Clearing keeps the comparison; a new side drops it.
        d.cancella();
        QVERIFY(d.modificato());
        d.setLato(5);
        QVERIFY(!d.modificato());
    }

    // An imported drawing is compared with the puzzle loaded before it.
    void importaConfrontaColCaricato()
    {
        DisegnoEditor d(5);
        d.carica(pixelDi(Bandiera));
        d.importa(pixelDi(Bandiera));
        QVERIFY(!d.modificato());
        d.importa(pixelDi({"#....", ".....", ".....", ".....", "....."}));
        QCOMPARE(d.segno(0, 0), Pieno);
        QCOMPARE(d.segno(1, 1), Croce);
        QCOMPARE(d.segno(0, 1), Croce); // filled in the puzzle, an empty column now
        QVERIFY(d.modificato());
    }

    // Each click is a step; redo gives back what undo took, until a new step drops it. A click
    // that changes nothing is no step.
    void annullaERipetiIClic()
    {
        DisegnoEditor d(5);
        QVERIFY(!d.annulla() && !d.ripeti());
        d.clic(0, 0, Pulsante::Sinistro);
        const QString uno = segni(d);
        d.clic(0, 1, Pulsante::Destro);
        const QString due = segni(d);
        d.clic(0, 0, Pulsante::Sinistro);
        d.clic(1, 1, Pulsante::Altro);
        QVERIFY(!d.imposta(0, 1, Croce));

        QVERIFY(d.annulla());
        QCOMPARE(segni(d), due);
        QVERIFY(d.annulla());
        QCOMPARE(segni(d), uno);
        QVERIFY(d.annulla());
        QCOMPARE(segni(d), QString(25, u'.'));
        QVERIFY(!d.annulla());
        QVERIFY(d.ripeti());
        QVERIFY(d.ripeti());
        QCOMPARE(segni(d), due);
        QCOMPARE(d.pixel(), pixelDi({"#....", ".....", ".....", ".....", "....."}));

        d.clic(4, 4, Pulsante::Sinistro); // the undone third click is gone
        QVERIFY(!d.ripetibile());
        QVERIFY(!d.ripeti());
        QVERIFY(d.annulla());
        QCOMPARE(segni(d), due);
    }

    // The changes between apriPasso() and chiudiPasso() are one step, even with a click inside;
    // nothing is undone while the step is open.
    void trascinamentoUnPasso()
    {
        DisegnoEditor d(10);
        d.clic(5, 5, Pulsante::Sinistro);
        const QString prima = segni(d);
        d.apriPasso();
        d.clic(1, 1, Pulsante::Sinistro);
        for (int c = 2; c < 8; ++c)
            d.imposta(1, c, Pieno);
        d.clic(5, 5, Pulsante::Destro);
        QVERIFY(!d.annulla());
        QCOMPARE(d.piene(), 7);
        d.chiudiPasso();
        d.chiudiPasso(); // one close too many changes nothing
        QVERIFY(d.annulla());
        QCOMPARE(segni(d), prima);
        QVERIFY(d.ripeti());
        QCOMPARE(d.pixel().mid(10, 10), QStringLiteral("0111111100"));
        QCOMPARE(d.segno(5, 5), Vuoto);
        QVERIFY(d.annulla() && d.annulla());
        QCOMPARE(d.piene(), 0);
        QVERIFY(!d.annulla());

        // A drag that changes nothing leaves no step.
        d.apriPasso();
        d.imposta(0, 0, Vuoto);
        d.chiudiPasso();
        QVERIFY(d.ripetibile());
    }

    // Undo brings back the remembered crosses too: a loaded puzzle that a step left and undo
    // restored is unchanged, whatever the step crossed.
    void annullaSegueIlConfronto_data()
    {
        QTest::addColumn<QString>("clic"); // (row, column, button) triples, as "00R 11L"
        QTest::newRow("croce su vuota") << "00R";
        QTest::newRow("croce tolta da linea vuota") << "40L";
        QTest::newRow("piena incrociata") << "01R 01R";
        QTest::newRow("croce messa e tolta") << "00R 00R";
    }
    void annullaSegueIlConfronto()
    {
        QFETCH(QString, clic);
        DisegnoEditor d(5);
        d.carica(pixelDi(Bandiera));
        const QString caricato = segni(d);
        const QStringList passi = clic.split(u' ');
        for (const QString& p : passi)
            d.clic(p[0].digitValue(), p[1].digitValue(), pulsante(p[2]));
        const QString dopo = segni(d);
        const bool modificatoDopo = d.modificato();
        for (qsizetype i = 0; i < passi.size(); ++i)
            QVERIFY(d.annulla());
        QCOMPARE(segni(d), caricato);
        QVERIFY(!d.modificato());
        for (qsizetype i = 0; i < passi.size(); ++i)
            QVERIFY(d.ripeti());
        QCOMPARE(segni(d), dopo);
        QCOMPARE(d.modificato(), modificatoDopo);

        // An import over the loaded puzzle, undone.
        d.importa(pixelDi({"#....", ".....", ".....", ".....", "....."}));
        QVERIFY(d.modificato());
        QVERIFY(d.annulla());
        QCOMPARE(segni(d), dopo);
        QCOMPARE(d.modificato(), modificatoDopo);
    }

    // A new side, a load and nuovaCronologia() forget every step, and a step left open.
    void cronologiaNuova_data()
    {
        QTest::addColumn<int>("come");
        QTest::newRow("lato") << 0;
        QTest::newRow("caricamento") << 1;
        QTest::newRow("nuova cronologia") << 2;
    }
    void cronologiaNuova()
    {
        QFETCH(int, come);
        DisegnoEditor d(5);
        d.clic(0, 0, Pulsante::Sinistro);
        d.clic(1, 0, Pulsante::Sinistro);
        QVERIFY(d.annulla());
        d.apriPasso();
        d.clic(2, 2, Pulsante::Sinistro);
        if (come == 0)
            d.setLato(10);
        else if (come == 1)
            d.carica(pixelDi(Bandiera));
        else
            d.nuovaCronologia();
        const QString dopo = segni(d);
        QVERIFY(!d.passoAperto());
        QVERIFY(!d.annullabile() && !d.ripetibile());
        QVERIFY(!d.annulla() && !d.ripeti());
        d.chiudiPasso(); // the drag's release, late
        QVERIFY(!d.annullabile());
        d.clic(3, 3, Pulsante::Sinistro);
        QVERIFY(d.annulla());
        QCOMPARE(segni(d), dopo);
        QVERIFY(!d.annulla());
    }

    // The history keeps the last PassiMassimi steps.
    void cronologiaLimitata()
    {
        DisegnoEditor d(15);
        const int oltre = 25;
        QString dopoIPrimi;
        for (int i = 0; i < DisegnoEditor::PassiMassimi + oltre; ++i) {
            d.clic(i / 15, i % 15, Pulsante::Sinistro);
            if (i == oltre - 1)
                dopoIPrimi = segni(d);
        }
        int annullati = 0;
        while (d.annulla())
            ++annullati;
        QCOMPARE(annullati, DisegnoEditor::PassiMassimi);
        QCOMPARE(segni(d), dopoIPrimi);
        QCOMPARE(d.piene(), oltre);
    }

    void verdetto_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("pixel");
        QTest::addColumn<Verdetto>("verdetto");
        // Stored, in row order: "Gatto Nero" with A, "Casa" with B.
        QTest::newRow("libero") << "Cane"
                                << "C" << Verdetto::Libero;
        QTest::newRow("nome") << "Gatto Nero"
                              << "C" << Verdetto::NomePresente;
        QTest::newRow("nome senza riguardo alle maiuscole") << "gATTO nero"
                                                            << "C" << Verdetto::NomePresente;
        QTest::newRow("nome accentato") << "CITTà"
                                        << "C" << Verdetto::NomePresente;
        QTest::newRow("disegno") << "Cane"
                                 << "B" << Verdetto::DisegnoPresente;
        QTest::newRow("entrambi in una riga") << "casa"
                                              << "B" << Verdetto::Doppione;
        QTest::newRow("nome e disegno in righe diverse: l'ultima decide")
            << "gatto nero"
            << "B" << Verdetto::DisegnoPresente;
        QTest::newRow("disegno e nome in righe diverse: l'ultima decide")
            << "casa"
            << "A" << Verdetto::NomePresente;
        QTest::newRow("nome vuoto") << ""
                                    << "C" << Verdetto::Libero;
        QTest::newRow("nome di spazi") << "   "
                                       << "C" << Verdetto::Libero;
        QTest::newRow("nome vuoto, disegno presente") << ""
                                                      << "A" << Verdetto::DisegnoPresente;
    }
    void verdetto()
    {
        QFETCH(QString, nome);
        QFETCH(QString, pixel);
        QFETCH(Verdetto, verdetto);
        const QList<Disegno> righe = {riga("Gatto Nero", "A"), riga("Casa", "B"),
                                      riga("Città", "D"), riga("", "E")};
        QCOMPARE(verdettoSalvataggio(righe, nome, pixel), verdetto);
    }

    // The typed name in proper case; without one, the first free "Gridora-N" from the count.
    void nomeSalvato()
    {
        QList<Disegno> righe = {riga("Schema", "A")};
        QCOMPARE(nomeDaSalvare(righe, "gatto nero", 7), QStringLiteral("Gatto Nero"));
        QCOMPARE(nomeDaSalvare(righe, "d'ARTAGNAN", 7), QStringLiteral("D'artagnan"));
        QCOMPARE(nomeDaSalvare(righe, "", 7), QStringLiteral("Gridora-7"));
        QCOMPARE(nomeDaSalvare(righe, "  ", 0), QStringLiteral("Gridora-0"));
        righe << riga("Gridora-7", "B") << riga("GRIDORA-8", "C") << riga("Gridora-10", "D");
        QCOMPARE(nomeDaSalvare(righe, "", 7), QStringLiteral("Gridora-9"));
        QCOMPARE(nomePredefinito(righe, 10), QStringLiteral("Gridora-11"));
        QCOMPARE(nomePredefinito(righe, -3), QStringLiteral("Gridora-0"));
    }

    // An ambiguous drawing warns; an unverified answer is never taken for a unique one.
    void avvisoSoluzioni()
    {
        const QString diagonale = pixelDi({"#....", ".#...", ".....", ".....", "....."});
        QCOMPARE(avvisoUnicita(contaSoluzioni(diagonale, 5).esito),
                 QStringLiteral("Attenzione: questi indizi hanno più di una soluzione."));
        QVERIFY(avvisoUnicita(contaSoluzioni(pixelDi(Bandiera), 5).esito).isEmpty());
        const QString nonVerificata = avvisoUnicita(Unicita::NonVerificata);
        QVERIFY(nonVerificata.startsWith(QStringLiteral("Attenzione: non è stato possibile")));
    }
};

QTEST_MAIN(TestRegoleEditor)
#include "tst_regole_editor.moc"
