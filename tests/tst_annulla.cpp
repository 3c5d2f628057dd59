// The editor without the mouse, and its undo: keys on the board act as clicks, the name box keeps
// its own keys, and Ctrl+Z / Ctrl+Y take back and give again clicks, drags, clears and imports,
// with their clues, preview and "Modifica Record", until a size change, a save, a load, a
// modification or a deletion starts the history again.

#include "Banco.h"
#include "editor/Gridora.h"
#include "model/EvidenziaColonna.h"
#include "widgets/Anteprima.h"

#include <QLineEdit>
#include <QListView>
#include <QRadioButton>

using namespace gridora;

namespace {

// Column 4 and row 4 are empty: they are crossed when the puzzle is loaded.
const Schema Bandiera = {QStringLiteral("Bandiera"), {".#...", ".#...", "####.", ".#...", "....."}};
const Schema Punto = {QStringLiteral("Punto"), {"#....", ".....", ".....", ".....", "....."}};
const QStringList Croce5 = {"..#..", "..#..", "#####", "..#..", "..#.."};

// An editor opened from the start window, on a bench whose database holds Bandiera and Punto.
struct Sessione {
    Banco banco;
    QPointer<Gridora> editor;

    Sessione()
    {
        banco.metti(5, {Bandiera, Punto});
        clicca(banco.inizio->Libero);
        editor = qobject_cast<Gridora*>(banco.inizio->figlia());
        Q_ASSERT(editor);
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
    void trascina(Qt::MouseButton pulsante, int riga, int da, int a)
    {
        QTest::mousePress(w(), pulsante, {}, cella(riga, da));
        for (int c = da + 1; c <= a; ++c)
            QTest::mouseMove(w(), cella(riga, c));
        QTest::mouseRelease(w(), pulsante, {}, cella(riga, a));
    }
    void tasto(Qt::Key tasto, Qt::KeyboardModifiers modificatori = {})
    {
        QTest::keyClick(w(), tasto, modificatori);
    }
    void annulla() { tasto(Qt::Key_Z, Qt::ControlModifier); }
    void ripeti() { tasto(Qt::Key_Y, Qt::ControlModifier); }
    void scrivi(const QString& testo)
    {
        for (const QChar ch : testo)
            QTest::keyClick(w(), ch.toLatin1());
    }
    // The radio button of a side, clicked on its round indicator.
    void scegliLato(int lato)
    {
        const QRadioButton* opzione = c().Option1[lato / 5 - 1];
        clicca(editor, opzione->mapTo(editor, QPoint(6, opzione->height() / 2)));
    }
    void scegliInLista(int riga)
    {
        QListView* lista = c().Lista;
        const QRect r = lista->visualRect(lista->model()->index(riga, 0));
        clicca(editor, lista->viewport()->mapTo(editor, r.center()));
    }
    QString pixel() const { return editor->disegno().pixel(); }
    int immagine(int riga, int colonna) const { return tavoliere().immagine(riga, colonna); }
    // Every mark, row after row: '.' empty, '#' filled, 'x' crossed.
    QString segni() const
    {
        QString testo;
        const DisegnoEditor& d = editor->disegno();
        for (int r = 0; r < d.lato(); ++r) {
            for (int c = 0; c < d.lato(); ++c)
                testo += d.segno(r, c) == Pieno ? u'#' : d.segno(r, c) == Croce ? u'x' : u'.';
        }
        return testo;
    }
    // The board shows every mark of the drawing.
    bool tavoliereFedele() const
    {
        const DisegnoEditor& d = editor->disegno();
        for (int r = 0; r < d.lato(); ++r) {
            for (int c = 0; c < d.lato(); ++c) {
                if (immagine(r, c) != immagineCella(d.segno(r, c), tonalita(indiceVideo(r, c))))
                    return false;
            }
        }
        return true;
    }
};

QString ripetuta(const Sequenze& sequenze)
{
    return evidenziaColonna(sequenze).testo;
}

} // namespace

class TestAnnulla : public QObject {
    Q_OBJECT

private slots:
    // The window opens with the keys in the name box; Tab brings them to the board, where the
    // first key shows the cursor and the next ones move it and act as clicks, with clues,
    // preview, the repeat of the cursor's column and "Modifica Record".
    void tastiComeClic()
    {
        Sessione s;
        const auto& c = s.c();
        const Tavoliere& t = s.tavoliere();
        QVERIFY(c.Nome->hasFocus());
        s.tasto(Qt::Key_Tab);
        QVERIFY(t.area()->hasFocus());
        QVERIFY(!t.cursoreVisibile());
        s.tasto(Qt::Key_Space); // only shows the cursor
        QVERIFY(t.cursoreVisibile());
        QCOMPARE(t.cursore(), QPoint(0, 0));
        QCOMPARE(s.segni(), QString(25, u'.'));

        s.tasto(Qt::Key_Space);
        QCOMPARE(s.immagine(0, 0), 101);
        QCOMPARE(t.indizioRiga(0), QStringLiteral(" 1 "));
        QVERIFY(c.anteprima->nero(0));
        QCOMPARE(c.hlp2->caption(), ripetuta({1})); // the clue as it now stands
        s.tasto(Qt::Key_Right);
        QVERIFY(c.hlp2->caption().isEmpty()); // column 1 has no clue
        s.tasto(Qt::Key_X);
        QCOMPARE(s.immagine(0, 1), 104);
        s.tasto(Qt::Key_Delete);
        QCOMPARE(s.immagine(0, 1), 102);
        s.tasto(Qt::Key_End);
        s.tasto(Qt::Key_Down);
        s.tasto(Qt::Key_Down);
        s.tasto(Qt::Key_Space);
        QCOMPARE(s.pixel(), pixelDi({"#....", ".....", "....#", ".....", "....."}));
        QCOMPARE(c.hlp2->caption(), ripetuta({1}));
        s.tasto(Qt::Key_Home);
        QCOMPARE(c.hlp2->caption(), ripetuta({1}));
        s.tasto(Qt::Key_Space);
        QCOMPARE(c.hlp2->caption(), ripetuta({1, 1}));
        s.annulla(); // the repeat follows undo and redo too
        QCOMPARE(c.hlp2->caption(), ripetuta({1}));
        s.ripeti();
        QCOMPARE(c.hlp2->caption(), ripetuta({1, 1}));

        // A loaded puzzle: "Modifica Record" follows the keys as it follows the clicks.
        clicca(c.CaricaF);
        QVERIFY(s.editor->modoLista());
        QVERIFY(t.area()->hasFocus() && t.cursoreVisibile());
        s.tasto(Qt::Key_Up);
        s.tasto(Qt::Key_Up);
        s.tasto(Qt::Key_Right);
        QCOMPARE(t.cursore(), QPoint(0, 1));
        QCOMPARE(c.hlp2->caption(), ripetuta({4}));
        s.tasto(Qt::Key_Space);
        QVERIFY(c.ModF->isEnabled());
        QCOMPARE(c.hlp2->caption(), ripetuta({3}));
        s.tasto(Qt::Key_Space);
        QVERIFY(!c.ModF->isEnabled());
        QVERIFY(s.banco.messaggi.avvisi.isEmpty());
    }

    // A click on a cell leaves the keys where they were: in the name box the window opens with,
    // or on the board once Tab has brought them there. It hides the cursor; the next key shows
    // it where it was, without acting.
    void clicNascondeIlCursore()
    {
        Sessione s;
        const Tavoliere& t = s.tavoliere();
        s.clic(3, 3);
        QVERIFY(s.c().Nome->hasFocus());
        s.tasto(Qt::Key_Tab);
        s.clic(3, 2);
        s.clic(3, 2);
        QVERIFY(t.area()->hasFocus());
        QVERIFY(!t.cursoreVisibile());
        s.tasto(Qt::Key_Down);
        s.tasto(Qt::Key_Down);
        s.tasto(Qt::Key_Right);
        QCOMPARE(t.cursore(), QPoint(1, 1));
        s.clic(4, 4, Qt::RightButton);
        QVERIFY(!t.cursoreVisibile());
        s.tasto(Qt::Key_X);
        QVERIFY(t.cursoreVisibile());
        QCOMPARE(t.cursore(), QPoint(1, 1));
        QCOMPARE(s.segni(), QStringLiteral("..................#.....x"));
        s.tasto(Qt::Key_X);
        QCOMPARE(s.editor->disegno().segno(1, 1), Croce);
    }

    // Drawing with the mouse leaves the keys in the name box, where the undo keys undo the
    // drawing until something is typed. Typed into the name box, the board's keys are the
    // name's letters and edits, and the undo keys undo its text: the drawing and the cursor stay
    // as they were.
    void nomeTieneITasti()
    {
        Sessione s;
        const auto& c = s.c();
        const Tavoliere& t = s.tavoliere();
        s.clic(0, 0);
        s.clic(0, 1);
        QVERIFY(c.Nome->hasFocus());
        s.annulla(); // nothing typed yet: (0, 1) can be given again
        QCOMPARE(s.segni(), QString("#").leftJustified(25, u'.'));
        s.tasto(Qt::Key_Tab);
        s.tasto(Qt::Key_Right); // shows the cursor

        clicca(c.Nome);
        QVERIFY(c.Nome->hasFocus());
        s.scrivi(QStringLiteral("xa x"));
        for (const Qt::Key k :
             {Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Left, Qt::Key_Right})
            s.tasto(k);
        QCOMPARE(c.Nome->text(), QStringLiteral("a x"));
        QCOMPARE(t.cursore(), QPoint(0, 0));
        s.annulla();
        QVERIFY(c.Nome->text() != QStringLiteral("a x")); // the name box's own undo
        QCOMPARE(s.segni(), QString("#").leftJustified(25, u'.'));
        s.ripeti(); // the name box's redo, back to "a x"
        QCOMPARE(c.Nome->text(), QStringLiteral("a x"));
        QCOMPARE(s.segni(), QString("#").leftJustified(25, u'.'));
        s.ripeti(); // nothing left to redo in the name: the drawing's redo
        QCOMPARE(s.segni(), QString("##").leftJustified(25, u'.'));

        s.tasto(Qt::Key_Tab); // back to the board, where the keys are the drawing's again
        QVERIFY(t.area()->hasFocus());
        s.annulla();
        QCOMPARE(s.segni(), QString("#").leftJustified(25, u'.'));
        QCOMPARE(c.Nome->text(), QStringLiteral("a x"));
    }

    // A drag is one step, whatever it crosses; undo keys during it wait for its end.
    void annullaTrascinamento()
    {
        Sessione s;
        const auto& c = s.c();
        s.scegliLato(10);
        QCOMPARE(s.editor->lato(), 10);
        s.trascina(Qt::LeftButton, 1, 1, 4);
        s.clic(1, 7, Qt::RightButton);
        s.trascina(Qt::RightButton, 1, 5, 7);
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".####xxx.."));

        s.annulla();
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".####..x.."));
        s.annulla();
        s.annulla();
        QCOMPARE(s.pixel(), QString(100, u'0'));
        QVERIFY(s.tavoliere().indizioRiga(1).isEmpty());
        QVERIFY(!c.anteprima->nero(12));
        QVERIFY(s.tavoliereFedele());
        s.ripeti();
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".####....."));
        QCOMPARE(s.tavoliere().indizioRiga(1), QStringLiteral(" 4 "));
        QVERIFY(c.anteprima->nero(12));
        QVERIFY(s.tavoliereFedele());

        // Ctrl+Z with the button held: the drag goes on and stays one step.
        QTest::mousePress(s.w(), Qt::LeftButton, {}, s.cella(3, 0));
        QTest::mouseMove(s.w(), s.cella(3, 1));
        s.annulla();
        QTest::mouseMove(s.w(), s.cella(3, 2));
        QTest::mouseRelease(s.w(), Qt::LeftButton, {}, s.cella(3, 2));
        QCOMPARE(s.segni().mid(30, 10), QStringLiteral("###......."));
        s.annulla();
        QCOMPARE(s.segni().mid(30, 10), QString(10, u'.'));
        QCOMPARE(s.segni().mid(10, 10), QStringLiteral(".####....."));
    }

    // "Cancella Schermo" and an import are one step each; "Modifica Record" follows.
    void annullaCancellaEImportazione()
    {
        Sessione s;
        const auto& c = s.c();
        clicca(c.CaricaF);
        s.tasto(Qt::Key_Tab); // out of the name box
        const QString caricato = s.segni();
        clicca(c.ClearF);
        QCOMPARE(s.pixel(), QString(25, u'0'));
        QVERIFY(c.ModF->isEnabled());
        s.annulla();
        QCOMPARE(s.segni(), caricato);
        QCOMPARE(s.tavoliere().indizioRiga(2), QStringLiteral(" 4 "));
        QVERIFY(!c.ModF->isEnabled());
        QVERIFY(s.tavoliereFedele());

        QVERIFY(s.editor->riceviImportazione(pixelDi(Croce5), 5));
        QVERIFY(c.ModF->isEnabled());
        s.annulla();
        QCOMPARE(s.segni(), caricato);
        QVERIFY(!c.ModF->isEnabled());
        QVERIFY(!c.anteprima->nero(indiceLogico(2, 4, 5)));
        s.tasto(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(s.pixel(), pixelDi(Croce5));
        QCOMPARE(s.tavoliere().indizioRiga(2), QStringLiteral(" 5 "));
        QVERIFY(c.ModF->isEnabled());
        QVERIFY(s.tavoliereFedele());
        QCOMPARE(c.Nome->text(), QStringLiteral("Bandiera")); // the name box is no drawing

        // An import of another side starts from that side's empty board.
        QString dieci(100, u'0');
        dieci[0] = u'1';
        QVERIFY(s.editor->riceviImportazione(dieci, 10));
        s.annulla();
        QCOMPARE(s.pixel(), QString(100, u'0'));
        s.annulla();
        QCOMPARE(s.editor->lato(), 10);
        s.ripeti();
        QCOMPARE(s.pixel(), dieci);
    }

    // Each of these starts a new history: the undo keys change nothing afterwards.
    void cronologiaNuova_data()
    {
        QTest::addColumn<QString>("evento");
        for (const char* evento :
             {"lato", "salvataggio", "caricamento", "lista", "modifica", "eliminazione"})
            QTest::newRow(evento) << QString::fromLatin1(evento);
    }
    void cronologiaNuova()
    {
        QFETCH(QString, evento);
        Sessione s;
        const auto& c = s.c();
        if (evento == "lista" || evento == "modifica" || evento == "eliminazione")
            clicca(c.CaricaF);
        s.clic(3, 3);
        s.clic(3, 4);
        QVERIFY(s.editor->disegno().annullabile());
        if (evento == "lato") {
            s.scegliLato(15);
        } else if (evento == "salvataggio") {
            clicca(c.SalvaF);
            QCOMPARE(s.banco.archivio.elenco(5).valore.size(), 3);
        } else if (evento == "caricamento") {
            clicca(c.CaricaF);
        } else if (evento == "lista") {
            s.scegliInLista(1);
        } else if (evento == "modifica") {
            clicca(c.ModF);
        } else {
            clicca(c.DelF);
            QCOMPARE(s.banco.archivio.elenco(5).valore.size(), 1);
        }
        const QString dopo = s.segni();
        s.annulla();
        QCOMPARE(s.segni(), dopo);
        s.ripeti();
        QCOMPARE(s.segni(), dopo);
        QVERIFY(s.tavoliereFedele());
    }
};

QTEST_MAIN(TestAnnulla)
#include "tst_annulla.moc"
