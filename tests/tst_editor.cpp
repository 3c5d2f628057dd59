// Whole editor sessions through the real windows: the opening and a click, the label-buttons under
// the pointer, saving, the list, modifying and deleting, and writes the database refuses.

#include "SessioneEditor.h"
#include "model/EvidenziaColonna.h"
#include "resources/Risorse.h"

#include <QGroupBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

using namespace gridora;

namespace {

// The clues of two cells on a diagonal also fit the other diagonal.
const QStringList Diagonale = {"#....", ".#...", ".....", ".....", "....."};
const QString PiuSoluzioni =
    QStringLiteral("Attenzione: questi indizi hanno più di una soluzione.\n");

bool stessoPuntatore(const QCursor& puntatore, const char* nome)
{
    return puntatore.pixmap().toImage() ==
           risorse::puntatore(QString::fromLatin1(nome)).pixmap().toImage();
}

QStringList nomi(const QList<Disegno>& righe)
{
    QStringList n;
    for (const Disegno& d : righe)
        n << d.nome;
    return n;
}

// Another program holds the write lock of the database: reads go on, writes wait and are refused.
struct Blocco {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "blocco");

    explicit Blocco(const QString& percorso)
    {
        db.setDatabaseName(percorso);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~Blocco()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("blocco");
    }
};

} // namespace

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    // The opening, and a click with its clues and preview.
    void aperturaEDisegno()
    {
        Sessione s;
        const auto& c = s.c();
        QCOMPARE(s.editor->windowTitle(), QStringLiteral("Crea Schermo Gridora"));
        QCOMPARE(s.editor->size(), QSize(px(6360), px(5385)));
        QVERIFY(!c.Lista->isVisible() && c.Option1[0]->isChecked());
        QVERIFY(!c.ModF->isEnabled() && !c.DelF->isEnabled());
        QVERIFY(s.tavoliere().cellaAbilitata(4, 4) && !s.tavoliere().cellaAbilitata(5, 0));
        QVERIFY(stessoPuntatore(s.tavoliere().puntatoreCella(2, 3), "PENNA"));
        for (const QTimer* timer : s.editor->findChildren<QTimer*>())
            QVERIFY(!timer->isActive()); // nothing runs while the editor waits
        QVERIFY(!s.banco.inizio->isVisible());

        s.clic(0, 0);
        QCOMPARE(s.tavoliere().immagine(0, 0), 101);
        QCOMPARE(s.tavoliere().indizioRiga(0), QStringLiteral(" 1 "));
        QCOMPARE(s.tavoliere().indizioColonna(0), QStringLiteral("\r\r\r\r\r 1\r"));
        QVERIFY(c.anteprima->nero(0));
    }

    // The big repeat of a column's clue, and the label-buttons under the pointer.
    void puntatoreSopraIControlli()
    {
        Sessione s;
        s.disegna({"#....", ".....", "#....", ".....", "#...."});
        const auto& c = s.c();
        const QString ripetuta = evidenziaColonna({1, 1, 1}).testo;
        muovi(s.editor, s.cella(3, 0));
        QCOMPARE(c.hlp2->caption(), ripetuta);
        muovi(s.editor, s.tavoliere().rettangoloIndizioRiga(0).center());
        QVERIFY(c.hlp2->caption().isEmpty());
        muovi(s.editor, s.tavoliere().rettangoloIndizioColonna(0).center());
        QCOMPARE(c.hlp2->caption(), ripetuta);

        const QColor rosa(0xFF, 0xC0, 0xC0), bianco(Qt::white);
        muovi(s.editor, centroInFinestra(c.SalvaF));
        muovi(s.editor, centroInFinestra(c.ClearF));
        QCOMPARE(c.ClearF->sfondo(), rosa);
        QCOMPARE(c.SalvaF->sfondo(), bianco);
        QVERIFY(stessoPuntatore(c.ClearF->cursor(), "MANO"));
        QVERIFY(stessoPuntatore(c.Frame1->cursor(), "MANO"));
        // A disabled button and the free part of the column: all white, the repeat stays.
        muovi(s.editor, centroInFinestra(c.DelF));
        QCOMPARE(c.ClearF->sfondo(), bianco);
        muovi(s.editor, centroInFinestra(c.ImportaF));
        muovi(s.editor, c.mappa->mapTo(s.editor, QPoint(10, px(4800))));
        QCOMPARE(c.ImportaF->sfondo(), bianco);
        QCOMPARE(c.hlp2->caption(), ripetuta);
        // The window itself also empties the repeat.
        muovi(s.editor, QPoint(px(5150), px(5200)));
        QVERIFY(c.hlp2->caption().isEmpty());
    }

    // A typed name in proper case; without one "Gridora-" and the count of the last size
    // choice, or the next free number; clues that fit more than one picture bring a warning line,
    // and the drawing may still be stored; "No" stores nothing.
    void salvataggio()
    {
        Sessione s({Punto, {"GRIDORA-2", Diagonale}});
        s.disegna(Bandiera.righe);
        s.clic(0, 0, Qt::RightButton); // crosses are stored as empty cells
        s.scrivi(QStringLiteral("gatto nero"));
        clicca(s.c().SalvaF);
        QCOMPARE(s.avvisi(), QStringList{"GridoraPC: Disegno Salvato"});
        QVERIFY(s.c().Nome->text().isEmpty());
        QCOMPARE(s.pixel(), QString(25, u'0'));

        s.disegna(Croce5.righe);
        clicca(s.c().SalvaF);
        s.disegna({".#...", "#...."}); // the other diagonal
        clicca(s.c().SalvaF);
        s.banco.messaggi.risposta = false;
        s.disegna({"#....", "#...."});
        s.scrivi(QStringLiteral("no"));
        clicca(s.c().SalvaF);
        QCOMPARE(s.domande(), (QStringList{"Salvo come: GATTO NERO: Sei sicuro?",
                                           "Salvo come: GRIDORA-3: Sei sicuro?",
                                           "Salvo come: GRIDORA-4: " + PiuSoluzioni + "Sei sicuro?",
                                           "Salvo come: NO: Sei sicuro?"}));
        QVERIFY(s.c().Nome->text().isEmpty());
        QCOMPARE(s.editor->disegno().segno(1, 0), Pieno); // the drawing stays

        const QList<Disegno> righe = s.righe();
        QCOMPARE(nomi(righe),
                 (QStringList{"Punto", "GRIDORA-2", "Gatto Nero", "Gridora-3", "Gridora-4"}));
        QCOMPARE(righe[2].pixel, pixelDi(Bandiera.righe));
        QCOMPARE(righe[2].griglia, QStringLiteral("5"));
    }

    void doppioni_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("disegno");
        QTest::addColumn<QString>("avviso");
        QTest::newRow("nome, in altre maiuscole")
            << "bandiera" << Croce5.righe
            << "NOME PRESENTE: Esiste già un disegno con questo nome\nInserire un nuovo nome.";
        QTest::newRow("disegno")
            << "Nuovo" << Punto.righe
            << "DISEGNO PRESENTE: Esiste già un disegno uguale a questo.\nCambiare qualche Pixel.";
        QTest::newRow("entrambi") << "PUNTO" << Punto.righe
                                  << "RECORD DOPPIONE: Esiste già un disegno con questo nome e "
                                     "pixel.\nInserire un nuovo nome e immagine diversa.";
    }
    // Nothing is stored, nothing asked, and the name box keeps what was typed.
    void doppioni()
    {
        QFETCH(QString, nome);
        QFETCH(QStringList, disegno);
        QFETCH(QString, avviso);
        Sessione s;
        s.disegna(disegno);
        s.clic(4, 4, Qt::RightButton); // a cross makes no difference
        s.scrivi(nome);
        clicca(s.c().SalvaF);
        QCOMPARE(s.avvisi(), QStringList{avviso});
        QVERIFY(s.domande().isEmpty());
        QCOMPARE(s.righe().size(), 2);
        QCOMPARE(s.c().Nome->text(), nome);
    }

    // "Carica": the widened window with the list and the first puzzle; a step through the list;
    // "Modifica Record" following the name box; back to drawing by the name box.
    void caricaEScorri()
    {
        Sessione s;
        const auto& c = s.c();
        const QRect mappa = c.mappa->geometry();
        clicca(c.CaricaF);
        QCOMPARE(s.editor->windowTitle(), QStringLiteral("Schermo Gridora"));
        QCOMPARE(s.editor->width(), px(8445));
        QVERIFY(c.Lista->isVisible());
        QCOMPARE(c.Lista->geometry(), rettangoloTwips(6360, 240, 1935, 4545));
        QCOMPARE(c.mappa->geometry(), mappa); // nothing else moves
        QCOMPARE(c.Lista->model()->rowCount(), 2);
        QCOMPARE(c.Nome->text(), QStringLiteral("Bandiera"));
        // The empty column and row, crossed.
        QCOMPARE(s.segni(), QStringLiteral(".#..x.#..x####x.#..xxxxxx"));
        QVERIFY(s.mostraIlDisegno());
        QCOMPARE(s.tavoliere().indizioRiga(2), QStringLiteral(" 4 "));
        QVERIFY(!c.ModF->isEnabled() && c.DelF->isEnabled());

        s.scegliInLista(1);
        QCOMPARE(c.Nome->text(), QStringLiteral("Punto"));
        QCOMPARE(s.pixel(), pixelDi(Punto.righe));
        QVERIFY(!c.ModF->isEnabled());
        s.scrivi(QStringLiteral("Bandiera")); // the drawing is still Punto's
        QVERIFY(s.editor->modoLista());
        QVERIFY(c.ModF->isEnabled());
        s.clic(2, 2); // clears the cross of the empty row, then fills
        s.clic(2, 2); // the name is still Bandiera's
        QVERIFY(s.editor->modoLista());
        s.tasto(Qt::Key_End); // the clicks on the board left the keys in the name box
        s.tasto(Qt::Key_Backspace);
        QVERIFY(!s.editor->modoLista());
        QCOMPARE(s.editor->windowTitle(), QStringLiteral("Crea Schermo Gridora"));
        QVERIFY(!c.Lista->isVisible() && !c.ModF->isEnabled() && !c.DelF->isEnabled());
        QCOMPARE(s.editor->disegno().segno(2, 2), Pieno); // the drawing stays
        QVERIFY(s.avvisi().isEmpty());
    }

    // Two puzzles share a name: the modification changes the selected row only, keeps its
    // records and shows it again at its position; "No" shows it again as stored. Clues that fit
    // more than one picture bring a warning line. An empty drawing is never stored.
    void modificaSiENo()
    {
        Sessione s({{"Gemelli", Bandiera.righe}, {"Gemelli", Punto.righe}, Croce5});
        s.banco.archivio.scriviRecord(5, s.id[1], ModoRecord::X, "ANNA", "00:01:00");
        const auto& c = s.c();
        clicca(c.CaricaF);
        s.scegliInLista(1);
        s.scrivi(QStringLiteral("gemello minore")); // first, while the drawing is stored
        s.clic(0, 1); // clears the cross of the empty column, then fills
        s.clic(0, 1);
        QVERIFY(c.ModF->isEnabled());
        clicca(c.ModF);
        QStringList nuovo = Punto.righe;
        nuovo[0][1] = u'#';
        QList<Disegno> righe = s.righe();
        QCOMPARE(nomi(righe), (QStringList{"Gemelli", "gemello minore", "Croce"}));
        QCOMPARE(righe[0].pixel, pixelDi(Bandiera.righe));
        QCOMPARE(righe[1].id, s.id[1]);
        QCOMPARE(righe[1].pixel, pixelDi(nuovo));
        QCOMPARE(righe[1].recordDi(ModoRecord::X).titolare, QStringLiteral("ANNA"));
        QCOMPARE(c.Lista->currentIndex().row(), 1);
        QCOMPARE(c.Lista->model()->index(1, 0).data().toString(), QStringLiteral("gemello minore"));
        QVERIFY(!c.ModF->isEnabled());

        s.banco.messaggi.risposta = false;
        s.clic(0, 0);
        s.clic(1, 0);
        s.clic(1, 0); // the other diagonal
        clicca(c.ModF);
        QCOMPARE(s.righe()[1].pixel, pixelDi(nuovo));
        QCOMPARE(c.Lista->currentIndex().row(), 1);
        QCOMPARE(s.pixel(), pixelDi(nuovo));

        clicca(c.ClearF);
        clicca(c.ModF);
        QCOMPARE(s.domande(), (QStringList{"CONFERMA MODIFICA: Modifico il disegno:Gemelli?",
                                           "CONFERMA MODIFICA: " + PiuSoluzioni +
                                               "Modifico il disegno:gemello minore?"}));
        QCOMPARE(s.avvisi(), QStringList{"DISEGNO VUOTO: Il disegno non ha nessuna casella "
                                         "piena.\nRiempire qualche Pixel."});
        QCOMPARE(s.righe()[1].pixel, pixelDi(nuovo));
    }

    // The deletion removes the selected row only; "No" changes nothing; after the last puzzle,
    // and on "Carica" with none, the editor draws on an empty board with no message.
    void eliminaSiENo()
    {
        Sessione s({{"Gemelli", Bandiera.righe}, {"Gemelli", Punto.righe}});
        const auto& c = s.c();
        clicca(c.CaricaF);
        s.scegliInLista(1);
        s.banco.messaggi.risposte = {false, true};
        clicca(c.DelF);
        QCOMPARE(s.righe().size(), 2);
        QCOMPARE(s.pixel(), pixelDi(Punto.righe));
        clicca(c.DelF);
        QCOMPARE(s.domande(), QStringList(2, "CONFERMA CANCELLAZIONE: Sicuro di voler "
                                             "eliminare: GEMELLI?"));
        QCOMPARE(s.avvisi(), QStringList{"OK: Disegno: GEMELLI eliminato"});
        QCOMPARE(s.righe().size(), 1);
        QCOMPARE(s.righe().first().id, s.id[0]);
        QCOMPARE(c.Lista->model()->rowCount(), 1);
        QCOMPARE(s.pixel(), pixelDi(Bandiera.righe));

        clicca(c.DelF);
        QVERIFY(s.righe().isEmpty());
        QVERIFY(!s.editor->modoLista());
        QCOMPARE(s.pixel(), QString(25, u'0'));
        QVERIFY(c.Nome->text().isEmpty());
        s.disegna({"#...."});
        clicca(c.CaricaF);
        QVERIFY(!s.editor->modoLista());
        QCOMPARE(s.pixel(), QString(25, u'0'));
        QCOMPARE(s.avvisi().size(), 2);
    }

    // Refused writes show the database's message and keep the drawing and the name box.
    void scrittureRifiutate()
    {
        Sessione s;
        const auto& c = s.c();
        const QString percorso = s.banco.archivio.percorso();
        s.disegna(Croce5.righe);
        s.scrivi(QStringLiteral("croce"));
        {
            const Blocco blocco(percorso); // another program writes into the file
            clicca(c.SalvaF);
        }
        QCOMPARE(s.righe().size(), 2);
        QCOMPARE(s.pixel(), pixelDi(Croce5.righe));
        QCOMPARE(c.Nome->text(), QStringLiteral("Croce"));

        clicca(c.CaricaF);
        s.clic(0, 0);
        const QString via = percorso + QStringLiteral(".via");
        QVERIFY(QFile::rename(percorso, via)); // the file vanishes while the list is shown
        clicca(c.ModF);
        clicca(c.DelF);
        clicca(c.CaricaF);
        const QString file = QStringLiteral(": Il file \"Dati.mdb\" ");
        const QString mancante =
            file + QStringLiteral("non si trova nella cartella del programma.");
        QCOMPARE(
            s.avvisi(),
            (QStringList{"DISEGNO NON SALVATO" + file +
                             "è in uso da un altro programma. Riprovare più tardi.",
                         "DISEGNO NON MODIFICATO" + mancante, "DISEGNO NON ELIMINATO" + mancante,
                         "ARCHIVIO DEI DISEGNI" + mancante}));
        QVERIFY(s.editor->modoLista());
        QCOMPARE(s.editor->disegno().segno(0, 0), Pieno);
        QCOMPARE(c.Nome->text(), QStringLiteral("Bandiera"));
        QVERIFY(QFile::rename(via, percorso));
        QCOMPARE(s.righe().first().pixel, pixelDi(Bandiera.righe));
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
