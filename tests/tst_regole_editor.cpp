// The editor's rules with no window: what a click does to a cell, putting a stored puzzle on the
// board, when "Modifica Record" has something to store, the save's duplicate check, the name a
// drawing is stored under and the warning for clues with more than one picture.

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
