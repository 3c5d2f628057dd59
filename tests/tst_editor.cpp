// Whole editor sessions through the real windows: the opening, the label-buttons under the
// pointer, saving, the list, modifying and deleting, writes the database refuses, the list's
// exports to files, and a picture's whole path from the image import to a game.

#include "Figure.h"
#include "SessioneEditor.h"
#include "import/Importa.h"
#include "model/EvidenziaColonna.h"
#include "model/FormatoNon.h"

#include <QDir>
#include <QMenu>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

using namespace gridora;

const QString PiuSoluzioni =
    QStringLiteral("Attenzione: questi indizi hanno più di una soluzione.\n");

// Another program's connection to the file, holding a lock until the connection is removed.
static void blocca(const QString& percorso, const char* blocco)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "altro");
    db.setDatabaseName(percorso);
    QVERIFY(db.open() && QSqlQuery(db).exec(QString::fromLatin1(blocco)));
}

// The file dialogs answered by the test: they note the name proposed and give what it set.
struct DialoghiFinti : DialoghiFile {
    QString fileDaSalvare(QWidget*, const QString&, const QString& p, const QString&) override
    {
        proposto = QFileInfo(p).fileName();
        return file;
    }
    QString cartella(QWidget*, const QString&, const QString&) override { return dir; }
    QString file, dir, proposto;
};

static bool attendi(Importa* importa)
{
    return QTest::qWaitForWindowExposed(importa) &&
           QTest::qWaitFor([importa] { return !importa->occupata(); }, 10000);
}

// A right click on a row of the list, then a click on an entry of the menu it opened.
static void esportaDaMenu(Sessione& s, int riga, int voce)
{
    s.scegliInLista(riga, Qt::RightButton);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu && QTest::qWaitForWindowExposed(menu));
    const QPoint punto = menu->actionGeometry(menu->actions()[voce]).center();
    QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, punto);
}

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    // The editor waits with nothing running. The big repeat of a column's clue follows the
    // pointer over the board, stays over the buttons, and a row's clue empties it; the
    // label-button under the pointer alone is pink, a disabled one never. On a side with no
    // puzzle "Carica" leaves the drawing, the name box and the history as they were, and the
    // default name counts from 0.
    void aperturaEPuntatore()
    {
        Sessione s(QList<Schema>{});
        const auto& c = s.c();
        QVERIFY(!c.Lista->isVisible() && !c.ModF->isEnabled() && !c.DelF->isEnabled());
        QVERIFY(stessoPuntatore(s.tavoliere().puntatoreCella(2, 3), "PENNA"));
        for (const QTimer* timer : s.editor->findChildren<QTimer*>())
            QVERIFY(!timer->isActive());
        s.disegna({"#....", ".....", "#...."});
        muovi(s.editor, s.cella(3, 0));
        QCOMPARE(c.hlp2->caption(), evidenziaColonna({1, 1}).testo);
        const QColor rosa(0xFF, 0xC0, 0xC0), bianco(Qt::white);
        muovi(s.editor, centroInFinestra(c.SalvaF));
        muovi(s.editor, centroInFinestra(c.ClearF));
        QVERIFY(c.ClearF->sfondo() == rosa && c.SalvaF->sfondo() == bianco);
        muovi(s.editor, centroInFinestra(c.DelF)); // disabled
        QVERIFY(c.ClearF->sfondo() == bianco && c.DelF->sfondo() == bianco);
        muovi(s.editor, s.tavoliere().rettangoloIndizioRiga(0).center());
        QVERIFY(c.hlp2->caption().isEmpty());

        s.scrivi(QStringLiteral("x"));
        clicca(c.CaricaF);
        QVERIFY(!s.editor->modoLista() && c.Nome->text() == "x");
        s.tasto(Qt::Key_Tab);
        s.annulla();
        QCOMPARE(s.pixel(), QStringLiteral("1").leftJustified(25, u'0'));
        s.scrivi({});
        clicca(c.SalvaF);
        QCOMPARE(s.domande(), QStringList{"Salvo come: GRIDORA-0: Sei sicuro?"});
    }

    // The name (in other capitals, with outer blanks), the drawing (a cross makes no difference)
    // or both already stored: nothing is stored, nothing asked, the name box keeps what was typed.
    // Otherwise a typed name without its outer blanks, in proper case, of at most 25 characters
    // as a person sees them (an emoji whole); without one "Gridora-" and the first free number
    // from the count of the side; clues that fit more than one picture bring a warning line; "No"
    // stores nothing. A save empties the board and starts a new history.
    void salvataggio()
    {
        Sessione s({Punto, {"GRIDORA-3", {"#....", ".#..."}}, Bandiera});
        const auto salva = [&s](const QStringList& disegno, const QString& nome) {
            clicca(s.c().ClearF);
            s.disegna(disegno);
            s.clic(4, 4, Qt::RightButton); // a cross, no difference
            s.scrivi(nome);
            clicca(s.c().SalvaF);
        };
        const QStringList titoli = {"NOME PRESENTE", "DISEGNO PRESENTE", "RECORD DOPPIONE"};
        const QList<std::pair<QStringList, QString>> doppioni = {
            {Croce5.righe, "bandiera"}, {Punto.righe, "Nuovo"}, {Punto.righe, "  PUNTO "}};
        for (const auto& [disegno, nome] : doppioni) {
            salva(disegno, nome);
            QCOMPARE(s.c().Nome->text(), nome);
            QCOMPARE(s.avvisi().last().section(u':', 0, 0), titoli[s.avvisi().size() - 1]);
        }
        salva(Croce5.righe, QStringLiteral(" gatto nero  "));
        QCOMPARE(s.avvisi().last(), QStringLiteral("GridoraPC: Disegno Salvato"));
        s.annulla(); // the name box has nothing to undo after a save
        QVERIFY(s.pixel() == QString(25, u'0') && s.c().Nome->text().isEmpty());

        salva({".#...", "#...."}, {}); // the other diagonal
        s.banco.messaggi.risposta = false;
        const QString faccina = QStringLiteral("\U0001F600");
        salva({"#....", "#...."}, QString(24, u'n') + faccina + faccina);
        QCOMPARE(s.domande(),
                 (QStringList{"Salvo come: GATTO NERO: Sei sicuro?",
                              "Salvo come: GRIDORA-4: " + PiuSoluzioni + "Sei sicuro?",
                              "Salvo come: " + QString(24, u'N') + faccina + ": Sei sicuro?"}));
        QVERIFY(s.c().Nome->text().isEmpty() && s.editor->disegno().segno(1, 0) == Pieno);
        QCOMPARE(s.nomi(),
                 (QStringList{"Punto", "GRIDORA-3", "Bandiera", "Gatto Nero", "Gridora-4"}));
    }

    // "Carica": the widened window with the list and the first puzzle, its empty lines crossed,
    // and a new history; a step through the list; "Modifica Record" following the name box; back
    // to drawing once neither the name nor the drawing is the selected puzzle's, without asking
    // the file (held by another program meanwhile).
    void caricaEScorri()
    {
        Sessione s;
        const auto& c = s.c();
        s.clic(3, 4);
        clicca(c.CaricaF);
        QVERIFY(c.Lista->isVisible() && c.Nome->text() == "Bandiera");
        s.annulla(); // the click before is gone
        QCOMPARE(s.segni(), QStringLiteral(".#..x.#..x####x.#..xxxxxx"));
        QVERIFY(!c.ModF->isEnabled() && c.DelF->isEnabled());

        s.scegliInLista(1);
        QVERIFY(s.pixel() == pixelDi(Punto.righe) && !c.ModF->isEnabled());
        s.scrivi(QStringLiteral("Bandiera")); // the drawing is still Punto's
        QVERIFY(s.editor->modoLista() && c.ModF->isEnabled());
        s.clic(2, 2); // clears the cross of the empty row, then fills
        s.clic(2, 2); // the name is still Bandiera's
        QVERIFY(s.editor->modoLista());
        blocca(s.banco.archivio.percorso(), "BEGIN EXCLUSIVE"); // reads wait too
        s.tasto(Qt::Key_End); // the clicks on the board left the keys in the name box
        s.tasto(Qt::Key_Backspace);
        QSqlDatabase::removeDatabase("altro");
        QVERIFY(!c.Lista->isVisible() && !c.DelF->isEnabled());
        QVERIFY(s.editor->disegno().segno(2, 2) == Pieno && s.avvisi().isEmpty());
    }

    // Three puzzles share a name. The modification changes the selected row only, keeps its
    // records and shows it again at its position; the name loses its outer blanks, a name box of
    // blanks keeps the stored name; "No" shows it again as stored. An empty drawing is never
    // stored. The deletion removes the selected row only, "No" changes nothing; after the last
    // puzzle the editor draws on an empty board.
    void modificaEdElimina()
    {
        Sessione s(
            {{"Gemelli", Bandiera.righe}, {"Gemelli", Punto.righe}, {"Gemelli", Croce5.righe}});
        s.banco.archivio.scriviRecord(5, s.righe()[1].id, ModoRecord::X, "ANNA", "00:01:00");
        const auto& c = s.c();
        clicca(c.CaricaF);
        s.scegliInLista(1);
        s.scrivi(QStringLiteral(" gemello minore ")); // first, while the drawing is stored
        s.clic(0, 1); // clears the cross of the empty column, then fills
        s.clic(0, 1);
        clicca(c.ModF);
        const QString nuovo = pixelDi({"##..."}).leftJustified(25, u'0');
        QCOMPARE(s.nomi(), (QStringList{"Gemelli", "gemello minore", "Gemelli"}));
        QVERIFY(s.righe()[0].pixel == pixelDi(Bandiera.righe) && s.righe()[1].pixel == nuovo);
        QCOMPARE(s.righe()[1].recordDi(ModoRecord::X).titolare, QStringLiteral("ANNA"));
        QVERIFY(c.Lista->currentIndex().row() == 1 && !c.ModF->isEnabled());

        s.banco.messaggi.risposte = {false, true, false};
        s.clic(0, 0); // the diagonal, two pictures
        s.clic(1, 0);
        s.clic(1, 0);
        clicca(c.ModF);
        QVERIFY(s.righe()[1].pixel == nuovo && s.pixel() == nuovo);
        s.scrivi(QStringLiteral("  "));
        clicca(c.ClearF);
        clicca(c.ModF);
        s.clic(2, 2);
        clicca(c.ModF);
        QCOMPARE(s.righe()[1].nome, QStringLiteral("gemello minore"));
        QCOMPARE(s.righe()[1].pixel, QString(25, u'0').replace(12, 1, u'1'));

        s.scegliInLista(2);
        clicca(c.DelF);
        QCOMPARE(s.righe().size(), 3);
        clicca(c.DelF);
        QCOMPARE(s.domande().mid(3),
                 QStringList(2, "CONFERMA CANCELLAZIONE: Sicuro di voler eliminare: GEMELLI?"));
        QCOMPARE(s.nomi(), (QStringList{"Gemelli", "gemello minore"}));
        QVERIFY(c.Lista->model()->rowCount() == 2 && s.pixel() == pixelDi(Bandiera.righe));
        clicca(c.DelF);
        clicca(c.DelF);
        QVERIFY(s.righe().isEmpty() && !s.editor->modoLista() && c.Nome->text().isEmpty());
        QCOMPARE(s.pixel(), QString(25, u'0'));
        QCOMPARE(s.domande().first(3),
                 (QStringList{"CONFERMA MODIFICA: Modifico il disegno:Gemelli?",
                              "CONFERMA MODIFICA: " + PiuSoluzioni +
                                  "Modifico il disegno:gemello minore?",
                              "CONFERMA MODIFICA: Modifico il disegno:gemello minore?"}));
        QCOMPARE(s.avvisi(),
                 (QStringList{"DISEGNO VUOTO: Il disegno non ha nessuna casella "
                              "piena.\nRiempire qualche Pixel.",
                              "OK: Disegno: GEMELLI eliminato", "OK: Disegno: GEMELLI eliminato",
                              "OK: Disegno: GEMELLO MINORE eliminato"}));
    }

    // The file held by another program or gone for a moment: refused writes and failed readings
    // show the database's message and keep the drawing, the name box and the list's selection,
    // so that a later modification reaches the row on show.
    void archivioIrraggiungibile()
    {
        Sessione s;
        const auto& c = s.c();
        const QString percorso = s.banco.archivio.percorso();
        s.disegna(Croce5.righe);
        s.scrivi(QStringLiteral("croce"));
        blocca(percorso, "BEGIN IMMEDIATE"); // reads go on, writes wait
        clicca(c.SalvaF);
        QSqlDatabase::removeDatabase("altro");
        QVERIFY(s.righe().size() == 2 && s.pixel() == pixelDi(Croce5.righe));
        QCOMPARE(c.Nome->text(), QStringLiteral("Croce"));

        clicca(c.CaricaF);
        s.clic(0, 0);
        const QString via = percorso + QStringLiteral(".via");
        QVERIFY(QFile::rename(percorso, via)); // the file vanishes while the list is shown
        clicca(c.ModF);
        clicca(c.DelF);
        clicca(c.CaricaF);
        s.scegliInLista(1);
        const QString file = QStringLiteral(": Il file \"Dati.mdb\" ");
        const QString manca = file + QStringLiteral("non si trova nella cartella del programma.");
        QCOMPARE(s.avvisi(),
                 (QStringList{"DISEGNO NON SALVATO" + file +
                                  "è in uso da un altro programma. Riprovare più tardi.",
                              "DISEGNO NON MODIFICATO" + manca, "DISEGNO NON ELIMINATO" + manca,
                              "ARCHIVIO DEI DISEGNI" + manca, "ARCHIVIO DEI DISEGNI" + manca}));
        QVERIFY(s.editor->modoLista() && c.Nome->text() == "Bandiera");
        QCOMPARE(c.Lista->selectionModel()->selectedRows().value(0).row(), 0);
        QCOMPARE(s.editor->disegno().segno(0, 0), Pieno);
        QVERIFY(QFile::rename(via, percorso));
        clicca(c.ModF);
        QCOMPARE(s.righe()[0].pixel, QStringLiteral("11") + pixelDi(Bandiera.righe).mid(2));
    }

    // The list's menu: the puzzle clicked with the right button into the file chosen, its name
    // proposed; then every puzzle of the side into a folder, twice, without replacing a file.
    // Writes into a place that cannot hold files are reported.
    void esportazioni()
    {
        Sessione s({Bandiera, Punto, Croce5});
        DialoghiFinti dialoghi;
        s.editor->setDialoghi(dialoghi);
        QTemporaryDir cartella;
        const QDir dir(cartella.path());
        const auto letto = [&](const char* nome) {
            const EsitoNon esito = leggiFileNon(dir.filePath(nome));
            return esito.schema.titolo + u' ' + esito.schema.pixel;
        };
        clicca(s.c().CaricaF);
        dialoghi.file = dir.filePath(QStringLiteral("scelto.non"));
        esportaDaMenu(s, 1, 0);
        QCOMPARE(dialoghi.proposto, QStringLiteral("Punto.non"));
        QCOMPARE(letto("scelto.non"), "Punto " + pixelDi(Punto.righe));
        dialoghi.dir = cartella.path();
        esportaDaMenu(s, 0, 1);
        esportaDaMenu(s, 0, 1);
        QCOMPARE(dir.entryList(QDir::Files).size(), 7);
        QCOMPARE(letto("Croce (2).non"), "Croce " + pixelDi(Croce5.righe));
        const QString fine = QStringLiteral("ESPORTAZIONE: Schemi esportati: 3\nCartella: ") +
                             QDir::toNativeSeparators(cartella.path());

        const QString regolare = scriviFile(dir.filePath(QStringLiteral("regolare")), {});
        dialoghi.file = regolare + QStringLiteral("/scelto.non");
        dialoghi.dir = regolare + QStringLiteral("/sotto");
        esportaDaMenu(s, 2, 0);
        esportaDaMenu(s, 2, 1);
        const QString dove = QDir::toNativeSeparators(regolare);
        QCOMPARE(s.avvisi(),
                 (QStringList{fine, fine,
                              "ESPORTAZIONE NON RIUSCITA: Impossibile scrivere il file:\n" + dove +
                                  "/scelto.non",
                              "ESPORTAZIONE NON RIUSCITA: Impossibile scrivere lo schema Bandiera "
                              "nella cartella:\n" +
                                  dove + "/sotto\nSchemi esportati: 0 di 3."}));
    }

    // The import converts at the side chosen in the editor; "Crea Schema" opens again at the side
    // last chosen in the import, and finds the same import window, whose closing leaves the
    // editor at the side chosen there.
    void dallaFiguraAllaPartita()
    {
        Sessione s({}, 10); // no 10 x 10 puzzle
        QTemporaryDir cartella;
        const QString celle = celleDi(10);
        QVERIFY(disegno(celle, 10, {200, 200}).save(cartella.filePath("figura.bmp"), "BMP"));
        s.editor->sessioneImportazione().cartella = cartella.path();
        s.scegliLato(10);
        clicca(s.c().ImportaF);
        Importa* importa = s.editor->importa();
        QVERIFY(importa && attendi(importa) && !s.editor->isVisible());
        const auto& c = importa->controlli();
        const QModelIndex voce = c.File1->model()->index(0, 0);
        clicca(importa, c.File1->viewport()->mapTo(importa, c.File1->visualRect(voce).center()));
        QVERIFY(attendi(importa));
        clicca(c.Importami); // "Trasforma"
        clicca(c.Importami); // "Importa"
        QVERIFY(s.editor->isVisible() && !importa->isVisible());
        QCOMPARE(s.pixel(), celle);
        clicca(s.c().SalvaF);
        s.scegliLato(15);
        s.editor->close();
        PianificatoreFinto::eliminaFinestreChiuse();

        clicca(s.banco.inizio->Libero);
        QPointer<Gridora> editor = qobject_cast<Gridora*>(s.banco.inizio->figlia());
        QVERIFY(editor && QTest::qWaitForWindowExposed(editor) && editor->lato() == 10);
        clicca(editor->controlli().ImportaF);
        QVERIFY(editor->importa() == importa && attendi(importa));
        clicca(c.Option1[0]);
        importa->close(); // back to the editor, at the side chosen in the import
        QVERIFY(editor->isVisible() && editor->lato() == 5);
        editor->close();
        PianificatoreFinto::eliminaFinestreChiuse();

        // The imported puzzle is the one a 10x10 game now plays.
        s.banco.inizio->NoAudio->setChecked(true);
        GridoraGame* gioco = s.banco.apri(10);
        QCOMPARE(gioco->disegno().pixel, celle);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
