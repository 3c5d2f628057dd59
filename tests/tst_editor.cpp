// Whole editor sessions through the real windows: drawing, saving, the list, modifying and
// deleting, the size choice, writes the database refuses, the image import's hand-over, and a
// puzzle made in the editor then played in a game window.

#include "Banco.h"
#include "editor/Gridora.h"
#include "model/EvidenziaColonna.h"
#include "resources/Risorse.h"
#include "widgets/Anteprima.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

using namespace gridora;

namespace {

// Column 4 and row 4 are empty: they are crossed when the puzzle is loaded.
const Schema Bandiera = {QStringLiteral("Bandiera"), {".#...", ".#...", "####.", ".#...", "....."}};
const Schema Punto = {QStringLiteral("Punto"), {"#....", ".....", ".....", ".....", "....."}};
const Schema Croce5 = {QStringLiteral("Croce"), {"..#..", "..#..", "#####", "..#..", "..#.."}};
// The clues of two cells on a diagonal also fit the other diagonal.
const QStringList Diagonale = {"#....", ".#...", ".....", ".....", "....."};

bool stessoPuntatore(const QCursor& puntatore, const char* nome)
{
    return puntatore.pixmap().toImage() ==
           risorse::puntatore(QString::fromLatin1(nome)).pixmap().toImage();
}

// An editor opened on a bench whose database holds the puzzles the test puts there first.
struct Sessione {
    Banco banco;
    QPointer<Gridora> editor;

    // "Crea Schema" in the start window.
    void apri()
    {
        clicca(banco.inizio->Libero);
        editor = qobject_cast<Gridora*>(banco.inizio->figlia());
        Q_ASSERT(editor && !banco.inizio->isVisible());
        const bool esposta = QTest::qWaitForWindowExposed(editor);
        Q_ASSERT(esposta);
    }
    ~Sessione() { delete editor; }

    const Gridora::Controlli& c() const { return editor->controlli(); }
    const Tavoliere& tavoliere() const { return editor->tavoliere(); }
    QWindow* w() const { return editor->windowHandle(); }

    QPoint cella(int riga, int colonna) const
    {
        return tavoliere().rettangoloCella(riga, colonna).center();
    }
    void clic(int riga, int colonna, Qt::MouseButton pulsante = Qt::LeftButton)
    {
        clicca(editor, cella(riga, colonna), pulsante);
    }
    void disegna(const QStringList& righe)
    {
        for (int r = 0; r < righe.size(); ++r) {
            for (int c = 0; c < righe[r].size(); ++c) {
                if (righe[r][c] == u'#')
                    clic(r, c);
            }
        }
    }
    int immagine(int riga, int colonna) const { return tavoliere().immagine(riga, colonna); }

    // The radio button of a side, clicked on its round indicator.
    void scegliLato(int lato)
    {
        const QRadioButton* opzione = c().Option1[lato / 5 - 1];
        clicca(editor, opzione->mapTo(editor, QPoint(6, opzione->height() / 2)));
    }
    // Empties the name box and types into it, a key at a time.
    void scrivi(const QString& testo)
    {
        clicca(c().Nome);
        QTest::keyClick(w(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w(), Qt::Key_Backspace);
        for (const QChar ch : testo)
            QTest::keyClick(w(), ch.toLatin1());
    }
    void scegliInLista(int riga)
    {
        QListView* lista = c().Lista;
        const QRect r = lista->visualRect(lista->model()->index(riga, 0));
        clicca(editor, lista->viewport()->mapTo(editor, r.center()));
    }
    QString nomeInLista(int riga) const
    {
        return c().Lista->model()->index(riga, 0).data().toString();
    }
    QList<Disegno> righe() const { return banco.archivio.elenco(5).valore; }
    QString pixel() const { return editor->disegno().pixel(); }
    const QStringList& domande() const { return banco.messaggi.domande; }
    const QStringList& avvisi() const { return banco.messaggi.avvisi; }
};

QStringList nomi(const QList<Disegno>& righe)
{
    QStringList n;
    for (const Disegno& d : righe)
        n << d.nome;
    return n;
}

// Holds the write lock of a database from another connection: reads go on, writes wait and
// are refused.
class Blocco {
public:
    explicit Blocco(const QString& percorso)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "blocco");
        db.setDatabaseName(percorso);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
    }
    ~Blocco()
    {
        {
            QSqlDatabase db = QSqlDatabase::database("blocco");
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase("blocco");
    }
};

} // namespace

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    // The opening, clicks with their clues and preview, clearing, and a size choice.
    void aperturaEDisegno()
    {
        Sessione s;
        s.banco.metti(5, {Bandiera});
        s.apri();
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
        QCOMPARE(s.immagine(0, 0), 101);
        QCOMPARE(s.tavoliere().indizioRiga(0), QStringLiteral(" 1 "));
        QCOMPARE(s.tavoliere().indizioColonna(0), QStringLiteral("\r\r\r\r\r 1\r"));
        QVERIFY(c.anteprima->nero(0));
        s.clic(0, 1, Qt::RightButton);
        QCOMPARE(s.immagine(0, 1), 104);
        s.clic(0, 1, Qt::MiddleButton);
        QCOMPARE(s.immagine(0, 1), 104);
        s.clic(0, 0);
        QCOMPARE(s.immagine(0, 0), 103);
        QVERIFY(s.tavoliere().indizioRiga(0).isEmpty());
        QVERIFY(!c.anteprima->nero(0));

        // From the list, 10 x 10: the side's empty board in drawing mode.
        clicca(c.CaricaF);
        s.scegliLato(10);
        QVERIFY(!s.editor->modoLista());
        QCOMPARE(s.editor->width(), px(6360));
        QVERIFY(c.Nome->text().isEmpty());
        QCOMPARE(s.tavoliere().area()->pos(), QPoint(px(1480), px(1600)));
        QCOMPARE(s.pixel(), QString(100, u'0'));
        s.clic(2, 3); // logical cell 23
        QCOMPARE(s.pixel().indexOf(u'1'), 23);
        QVERIFY(c.anteprima->nero(23));
        clicca(c.ClearF);
        QCOMPARE(s.immagine(2, 3), 102);
        QVERIFY(s.tavoliere().indizioRiga(2).isEmpty());
        QVERIFY(!c.anteprima->nero(23));
    }

    // A drag gives every cell entered the change the press gave the first cell.
    void trascinamentoSuUnaRiga()
    {
        Sessione s;
        s.apri();
        s.scegliLato(10);
        const auto trascina = [&](Qt::MouseButton pulsante, int riga, int da, int a) {
            QTest::mousePress(s.w(), pulsante, {}, s.cella(riga, da));
            for (int c = da + 1; c <= a; ++c)
                QTest::mouseMove(s.w(), s.cella(riga, c));
            QTest::mouseRelease(s.w(), pulsante, {}, s.cella(riga, a));
        };
        trascina(Qt::LeftButton, 1, 1, 4);
        QCOMPARE(s.pixel().mid(10, 10), QStringLiteral("0111100000"));
        QCOMPARE(s.tavoliere().indizioRiga(1), QStringLiteral(" 4 "));
        QVERIFY(s.c().anteprima->nero(14));
        s.clic(1, 7, Qt::RightButton);
        trascina(Qt::RightButton, 1, 5, 7);
        for (int c = 5; c <= 7; ++c)
            QCOMPARE(s.editor->disegno().segno(1, c), Croce);
        // From a filled cell every cell entered is cleared, filled, crossed or empty.
        s.clic(1, 9);
        trascina(Qt::LeftButton, 1, 3, 9);
        QCOMPARE(s.pixel().mid(10, 10), QStringLiteral("0110000000"));
        QCOMPARE(s.editor->disegno().segno(1, 6), Vuoto);
        // A press and a release on one cell is a plain click.
        trascina(Qt::LeftButton, 1, 2, 2);
        QCOMPARE(s.editor->disegno().segno(1, 2), Vuoto);
    }

    // The big repeat of a column's clue, and the label-buttons under the pointer.
    void puntatoreSopraIControlli()
    {
        Sessione s;
        s.apri();
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
    // choice, or the next free number; "No" stores nothing.
    void salvataggio()
    {
        Sessione s;
        s.banco.metti(5, {Punto, {"GRIDORA-2", Diagonale}});
        s.apri();
        s.disegna(Bandiera.righe);
        s.clic(0, 0, Qt::RightButton); // crosses are stored as empty cells
        s.scrivi(QStringLiteral("gatto nero"));
        clicca(s.c().SalvaF);
        QCOMPARE(s.avvisi(), QStringList{"GridoraPC: Disegno Salvato"});
        QVERIFY(s.c().Nome->text().isEmpty());
        QCOMPARE(s.pixel(), QString(25, u'0'));
        QCOMPARE(s.immagine(1, 1), 106);

        s.disegna(Croce5.righe);
        clicca(s.c().SalvaF);
        s.disegna({"##..."});
        clicca(s.c().SalvaF);
        s.banco.messaggi.risposta = false;
        s.disegna({"#....", "#...."});
        s.scrivi(QStringLiteral("no"));
        clicca(s.c().SalvaF);
        QCOMPARE(s.domande(), (QStringList{"Salvo come: GATTO NERO: Sei sicuro?",
                                           "Salvo come: GRIDORA-3: Sei sicuro?",
                                           "Salvo come: GRIDORA-4: Sei sicuro?",
                                           "Salvo come: NO: Sei sicuro?"}));
        QVERIFY(s.c().Nome->text().isEmpty());
        QCOMPARE(s.editor->disegno().segno(1, 0), Pieno); // the drawing stays

        const QList<Disegno> righe = s.righe();
        QCOMPARE(nomi(righe),
                 (QStringList{"Punto", "GRIDORA-2", "Gatto Nero", "Gridora-3", "Gridora-4"}));
        QCOMPARE(righe[2].pixel, pixelDi(Bandiera.righe));
        QCOMPARE(righe[2].griglia, QStringLiteral("5"));
        for (const RecordModo& r : righe[2].record)
            QVERIFY(r.titolare.isEmpty() && r.tempo.isEmpty());
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
        s.banco.metti(5, {Bandiera, Punto});
        s.apri();
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
    // "Modifica Record" following the board and the name box; back to drawing by the name box.
    void caricaEScorri()
    {
        Sessione s;
        s.banco.metti(5, {Bandiera, Punto});
        s.apri();
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
        QCOMPARE(s.pixel(), pixelDi(Bandiera.righe));
        QCOMPARE(s.tavoliere().indizioRiga(2), QStringLiteral(" 4 "));
        for (int j = 0; j < 5; ++j) { // the empty column and row, crossed
            QCOMPARE(s.immagine(j, 4), immagineCella(Croce, tonalita(indiceVideo(j, 4))));
            QCOMPARE(s.immagine(4, j), immagineCella(Croce, tonalita(indiceVideo(4, j))));
        }
        QVERIFY(!c.ModF->isEnabled() && c.DelF->isEnabled());

        s.clic(0, 0);
        QVERIFY(c.ModF->isEnabled());
        s.clic(0, 0);
        QVERIFY(!c.ModF->isEnabled());
        s.clic(0, 0, Qt::RightButton); // a cross is no change, clearing it later is one
        QVERIFY(!c.ModF->isEnabled());
        s.clic(0, 0, Qt::RightButton);
        QVERIFY(c.ModF->isEnabled());

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
        clicca(c.Nome); // the clicks on the board took the keys
        QTest::keyClick(s.w(), Qt::Key_End);
        QTest::keyClick(s.w(), Qt::Key_Backspace);
        QVERIFY(!s.editor->modoLista());
        QCOMPARE(s.editor->windowTitle(), QStringLiteral("Crea Schermo Gridora"));
        QVERIFY(!c.Lista->isVisible() && !c.ModF->isEnabled() && !c.DelF->isEnabled());
        QCOMPARE(s.editor->disegno().segno(2, 2), Pieno); // the drawing stays
        QVERIFY(s.avvisi().isEmpty());
    }

    // Two puzzles share a name: the modification changes the selected row only, keeps its
    // records and shows it again at its position; "No" shows it again as stored. An empty
    // drawing is never stored.
    void modificaSiENo()
    {
        Sessione s;
        const QList<qint64> id =
            s.banco.metti(5, {{"Gemelli", Bandiera.righe}, {"Gemelli", Punto.righe}, Croce5});
        s.banco.archivio.scriviRecord(5, id[1], ModoRecord::X, "ANNA", "00:01:00");
        s.apri();
        const auto& c = s.c();
        clicca(c.CaricaF);
        s.scegliInLista(1);
        s.scrivi(QStringLiteral("gemello minore")); // first, while the drawing is stored
        s.clic(0, 1); // clears the cross of the empty column, then fills
        s.clic(0, 1);
        clicca(c.ModF);
        QStringList nuovo = Punto.righe;
        nuovo[0][1] = u'#';
        QList<Disegno> righe = s.righe();
        QCOMPARE(nomi(righe), (QStringList{"Gemelli", "gemello minore", "Croce"}));
        QCOMPARE(righe[0].pixel, pixelDi(Bandiera.righe));
        QCOMPARE(righe[1].id, id[1]);
        QCOMPARE(righe[1].pixel, pixelDi(nuovo));
        QCOMPARE(righe[1].recordDi(ModoRecord::X).titolare, QStringLiteral("ANNA"));
        QCOMPARE(c.Lista->currentIndex().row(), 1);
        QCOMPARE(s.nomeInLista(1), QStringLiteral("gemello minore"));
        QVERIFY(!c.ModF->isEnabled());

        s.banco.messaggi.risposta = false;
        s.clic(0, 0);
        clicca(c.ModF);
        QCOMPARE(s.righe()[1].pixel, pixelDi(nuovo));
        QCOMPARE(c.Lista->currentIndex().row(), 1);
        QCOMPARE(s.pixel(), pixelDi(nuovo));

        clicca(c.ClearF);
        clicca(c.ModF);
        QCOMPARE(s.domande(),
                 (QStringList{"CONFERMA MODIFICA: Modifico il disegno:Gemelli?",
                              "CONFERMA MODIFICA: Modifico il disegno:gemello minore?"}));
        QCOMPARE(s.avvisi(), QStringList{"DISEGNO VUOTO: Il disegno non ha nessuna casella "
                                         "piena.\nRiempire qualche Pixel."});
        QCOMPARE(s.righe()[1].pixel, pixelDi(nuovo));
    }

    // The deletion removes the selected row only; "No" changes nothing; after the last puzzle,
    // and on "Carica" with none, the editor draws on an empty board with no message.
    void eliminaSiENo()
    {
        Sessione s;
        const QList<qint64> id =
            s.banco.metti(5, {{"Gemelli", Bandiera.righe}, {"Gemelli", Punto.righe}});
        s.apri();
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
        QCOMPARE(s.righe().first().id, id[0]);
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
        s.banco.metti(5, {Bandiera, Punto});
        s.apri();
        const auto& c = s.c();
        const QString percorso = s.banco.archivio.percorso();
        s.disegna(Croce5.righe);
        s.scrivi(QStringLiteral("croce"));
        {
            const Blocco blocco(percorso); // another program writes into the file
            clicca(c.SalvaF);
        }
        QCOMPARE(s.avvisi().size(), 1);
        QVERIFY(s.avvisi()[0].startsWith("DISEGNO NON SALVATO: "));
        QVERIFY(s.avvisi()[0].contains("in uso"));
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
        const QString mancante =
            QStringLiteral(": Il file \"Dati.mdb\" non si trova nella cartella del programma.");
        QCOMPARE(s.avvisi().mid(1), (QStringList{"DISEGNO NON MODIFICATO" + mancante,
                                                 "DISEGNO NON ELIMINATO" + mancante,
                                                 "ARCHIVIO DEI DISEGNI" + mancante}));
        QVERIFY(s.editor->modoLista());
        QCOMPARE(s.editor->disegno().segno(0, 0), Pieno);
        QCOMPARE(c.Nome->text(), QStringLiteral("Bandiera"));
        QVERIFY(QFile::rename(via, percorso));
        QCOMPARE(s.righe().first().pixel, pixelDi(Bandiera.righe));
    }

    // Clues that fit more than one picture bring a warning line before the confirmation; the
    // drawing may still be stored.
    void avvisoPiuSoluzioni()
    {
        Sessione s;
        s.banco.metti(5, {Bandiera});
        s.apri();
        const QString avviso =
            QStringLiteral("Attenzione: questi indizi hanno più di una soluzione.\n");
        s.disegna(Diagonale);
        s.scrivi(QStringLiteral("diagonale"));
        clicca(s.c().SalvaF);
        clicca(s.c().CaricaF);
        s.clic(4, 4); // a cross cleared: the same drawing, unique
        clicca(s.c().ModF);
        clicca(s.c().ClearF);
        s.disegna(Diagonale);
        clicca(s.c().ModF);
        QCOMPARE(s.domande(),
                 (QStringList{"Salvo come: DIAGONALE: " + avviso + "Sei sicuro?",
                              "CONFERMA MODIFICA: Modifico il disegno:Bandiera?",
                              "CONFERMA MODIFICA: " + avviso + "Modifico il disegno:Bandiera?"}));
        QCOMPARE(s.righe()[0].pixel, pixelDi(Diagonale));
        QCOMPARE(s.righe()[1].nome, QStringLiteral("Diagonale"));
    }

    // The import's hand-over: on the board with clues, preview and crossed empty lines; the list
    // and the name box stay; another side is chosen first.
    void importazione()
    {
        Sessione s;
        s.banco.metti(5, {Bandiera});
        s.apri();
        const auto& c = s.c();
        clicca(c.CaricaF);
        QVERIFY(!s.editor->riceviImportazione(QStringLiteral("0101"), 5));
        QVERIFY(!s.editor->riceviImportazione(pixelDi(Punto.righe), 10));
        QCOMPARE(s.pixel(), pixelDi(Bandiera.righe));
        QVERIFY(s.editor->riceviImportazione(pixelDi(Croce5.righe), 5));
        QCOMPARE(s.immagine(2, 4), 101);
        QCOMPARE(s.tavoliere().indizioRiga(2), QStringLiteral(" 5 "));
        QVERIFY(c.anteprima->nero(indiceLogico(2, 4, 5)));
        QVERIFY(s.editor->modoLista());
        QCOMPARE(c.Nome->text(), QStringLiteral("Bandiera"));
        QVERIFY(c.ModF->isEnabled()); // the board differs from the selected puzzle

        QString dieci(100, u'0');
        dieci[0] = u'1';
        QVERIFY(s.editor->riceviImportazione(dieci, 10));
        QVERIFY(c.Option1[1]->isChecked());
        QVERIFY(!s.editor->modoLista());
        QCOMPARE(s.immagine(0, 0), 101);
        QCOMPARE(s.immagine(5, 5), immagineCella(Croce, tonalita(indiceVideo(5, 5))));
    }

    // A puzzle saved in the editor is then played and solved in a game window.
    void salvatoPoiGiocato()
    {
        Sessione s;
        s.banco.metti(5, {});
        s.apri();
        s.disegna(Bandiera.righe);
        s.scrivi(QStringLiteral("la bandiera"));
        clicca(s.c().SalvaF);
        s.editor->close();
        PianificatoreFinto::eliminaFinestreChiuse();
        QVERIFY(!s.editor);
        QVERIFY(s.banco.inizio->isVisible()); // closing the editor brings the start window back

        s.banco.inizio->NoAudio->setChecked(true);
        GridoraGame* gioco = s.banco.apri(5);
        QVERIFY(gioco);
        s.banco.rispondi(gioco, false);
        s.banco.riempiSoluzione(gioco, Bandiera.righe);
        QVERIFY(gioco->controlli().NomeFig->isVisible());
        QCOMPARE(gioco->controlli().NomeFig->caption(), QStringLiteral("La Bandiera"));
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
