// The image import window through the window system: opening and the editor's session, strokes
// drawn with the mouse and a slow file, browsing fake volumes (and the browsing helpers), puzzle
// files shown and added to the collection; then the loader thread on its own.

#include "Banco.h"
#include "Figure.h"
#include "import/Caricatore.h"
#include "import/Importa.h"
#include "import/RisultatoConversione.h"
#include "import/TelaAnteprima.h"
#include "model/FormatoNon.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QListView>
#include <QMenu>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringListModel>
#include <QTreeWidget>
#include <cstdio>
#include <fstream>

using namespace gridora;
using namespace Qt::StringLiterals;

namespace {

const QByteArray Nero = scritta(tinta(Qt::black), "bmp");
// A 5 x 5 cross, and a 10 x 10 drawing of its top row only.
const QString Incrocio = "0010000100111110010000100", Dieci = QString(10, u'1') + QString(90, u'0');

// Fake volumes in a temporary folder: "disco" holds the program's folder "gridora" (with a black
// picture), "chiavetta" is a second volume; the window works on them with the editor's session
// and the test's hands.
struct BancoImporta {
    QTemporaryDir radice;
    const QString disco = radice.filePath("disco"), chiavetta = radice.filePath("chiavetta");
    const QString programma = disco + "/gridora";
    QStringList volumi{disco, chiavetta, disco + "/grid"}; // the last mounted within the first
    Archivio archivio{radice.path()};
    PianificatoreFinto tempo;
    SuonoFinto suono;
    MessaggiFinti messaggi;
    Servizi servizi{archivio, messaggi, tempo, suono, [] { return 0.0; }};
    SessioneImportazione sessione;
    QString programmaWmf = QStringLiteral(GRIDORA_PROGRAMMA_WMF);
    LimitiImmagine limiti;
    std::unique_ptr<Importa> finestra;

    BancoImporta() { metti("nero.bmp", Nero); }
    const Importa::Controlli& c() const { return finestra->controlli(); }
    QWindow* w() const { return finestra->windowHandle(); }
    bool quieta()
    {
        return QTest::qWaitFor([this] { return !finestra->occupata(); }, 5000);
    }

    // A file in the program's folder (or below or beside it) and the folders it needs.
    void metti(const QString& nome, const QByteArray& dati = "x")
    {
        QDir(programma).mkpath(QFileInfo(nome).path());
        scriviFile(QDir(programma).filePath(nome), dati);
    }

    // Creates the window on first use; opens it as the editor does; waits for its folder.
    Importa* apri(const QWidget* aprente = nullptr)
    {
        if (!finestra)
            finestra = std::make_unique<Importa>(
                servizi, sessione, LetturaImmagine(programmaWmf, limiti),
                AmbienteImportazione{programma, [this] { return volumi; }});
        finestra->preparaApertura(aprente);
        finestra->show();
        return QTest::qWaitForWindowExposed(finestra.get()) && quieta() ? finestra.get() : nullptr;
    }

    QStringList file() const
    {
        return static_cast<QStringListModel*>(c().File1->model())->stringList();
    }

    // The folder names Dir1 shows, top to bottom.
    QStringList albero() const
    {
        QStringList nomi;
        for (QTreeWidgetItemIterator it(c().Dir1); *it; ++it)
            nomi << (*it)->text(0);
        return nomi;
    }

    // A click on a file of the list, else a double click on a folder of the tree, and the wait
    // for its reading (its listing) unless told not to.
    [[nodiscard]] bool scegli(const QString& nome, bool attendi = true)
    {
        const QModelIndex voce = c().File1->model()->index(int(file().indexOf(nome)), 0);
        const auto cartelle = c().Dir1->findItems(nome, Qt::MatchExactly | Qt::MatchRecursive);
        if (voce.isValid())
            clicca(finestra.get(), dove(c().File1, c().File1->visualRect(voce)));
        else if (!cartelle.isEmpty())
            QTest::mouseDClick(w(), Qt::LeftButton, {},
                               dove(c().Dir1, c().Dir1->visualItemRect(cartelle[0])));
        return (voce.isValid() || !cartelle.isEmpty()) && (!attendi || quieta());
    }
    QPoint dove(const QAbstractItemView* vista, QRect voce) const
    {
        return vista->viewport()->mapTo(finestra.get(), voce.center());
    }

    // A key on Drive1: the volume above or below, as a step in the drop-down list.
    [[nodiscard]] bool tastoVolume(Qt::Key tasto)
    {
        c().Drive1->setFocus();
        QTest::keyClick(w(), tasto);
        return quieta();
    }

    void converti() { clicca(c().Importami); }

    // "Aggiungi tutti alla raccolta" from the file list's menu, and the reading it starts.
    [[nodiscard]] bool aggiungiTutti()
    {
        clicca(finestra.get(), dove(c().File1, c().File1->viewport()->rect()), Qt::RightButton);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QAction* voce = menu ? menu->actions().first() : nullptr;
        if (voce && voce->text() == "Aggiungi tutti alla raccolta")
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                              menu->actionGeometry(voce).center());
        return voce && quieta();
    }

    // What the window shows at a glance: the button's caption (in brackets while disabled), the
    // preview with or without a picture (in brackets while hidden), the message's text when it
    // shows, the side of the result drawn and the result's title.
    QString stato() const
    {
        const EtichettaPulsante* b = c().Importami;
        const QString tela = c().test->haFigura() ? "figura" : "vuota";
        return (b->isEnabled() ? b->caption() : '[' + b->caption() + ']') + ' ' +
               (c().test->isVisible() ? tela : '(' + tela + ')') +
               (c().errore->isVisible() ? ' ' + c().errore->caption() + ' ' : u" "_s) +
               QString::number(c().risultato->lato()) + ' ' + c().Label2->caption();
    }

    // Where browsing is, as the window, its drive list, its folder tree and the session say.
    QStringList posizione() const
    {
        const QTreeWidgetItem* voce = c().Dir1->currentItem();
        return {finestra->volume(),        finestra->cartella(),
                c().Drive1->currentText(), voce ? voce->data(0, Qt::UserRole).toString() : "-",
                sessione.volume,           sessione.cartella};
    }
    static QStringList in(const QString& v, const QString& c) { return {v, c, v, c, v, c}; }

    // Over the preview's inner area: a stroke pressed at the first point, moved through the
    // rest, released at the last; gives the pointer shown then.
    QPoint tela(QPoint p) const { return c().test->mapTo(finestra.get(), p + QPoint(1, 1)); }
    QString tratto(Qt::MouseButton pulsante, const QList<QPoint>& punti)
    {
        QTest::mousePress(w(), pulsante, {}, tela(punti.first()));
        for (const QPoint& p : punti.mid(1))
            QTest::mouseMove(w(), tela(p));
        const QString puntatore = c().test->nomePuntatore();
        QTest::mouseRelease(w(), pulsante, {}, tela(punti.last()));
        return puntatore;
    }
};

} // namespace

class TestImporta : public QObject {
    Q_OBJECT

private slots:
    // Centred on the editor, in the program's folder, with nothing to convert; the convert
    // button through its modes, red under the pointer only while it can be clicked. A size chosen
    // with a picture on show converts it at once (a metafile, its helper started from the reading
    // thread), and "Importa" hands the cells over. The editor's session brings the window back on
    // the editor's side with its picture; after a close, a fresh one in the same folder.
    void aperturaESessione()
    {
        BancoImporta banco;
        banco.metti("Immagini/disegno.wmf", wmfDi(celleDi(10), 10));
        QWidget editor;
        editor.setGeometry(300, 200, 600, 500);
        Importa* f = banco.apri(&editor);
        QVERIFY(f && (f->geometry().center() - editor.geometry().center()).manhattanLength() <= 8);
        const auto& c = banco.c();
        // Nothing to convert: the button does nothing and stays white; a size only is stored.
        banco.converti();
        muovi(f, centroInFinestra(c.Importami));
        QCOMPARE(c.Importami->sfondo(), QColor(Qt::white));
        clicca(c.Option1[2]);
        QCOMPARE(banco.stato(), u"[Trasforma] vuota 0 Bitmap 5x5"_s);

        QVERIFY(banco.scegli("nero.bmp"));
        muovi(f, centroInFinestra(c.Importami));
        QCOMPARE(c.Importami->sfondo(), QColor(Qt::red));
        banco.converti();
        QCOMPARE(banco.stato(), u"Importa figura 15 Bitmap 15x15"_s);
        muovi(f, {5, f->height() - 5}); // the window's free area
        QCOMPARE(c.Importami->sfondo(), QColor(Qt::white));
        QVERIFY(banco.scegli("Immagini"));
        QCOMPARE(banco.stato(), u"[Trasforma] vuota 0 Bitmap 15x15"_s);
        QVERIFY(banco.scegli("disegno.wmf"));
        clicca(c.Option1[1]);
        QCOMPARE(banco.sessione.lato, 10);
        QCOMPARE(f->celle(), celleDi(10));
        QCOMPARE(banco.stato(), u"Importa figura 10 Bitmap 10x10"_s);
        banco.converti(); // the editor's own tests follow the cells handed over
        QVERIFY(!f->isVisible());

        // The editor's board is now 15 x 15: the window opens on that side, with the same
        // picture and nothing to convert until something is chosen.
        banco.sessione.lato = 15;
        QVERIFY(banco.apri());
        QVERIFY(c.Option1[2]->isChecked());
        QCOMPARE(banco.stato(), u"[Trasforma] figura 0 Bitmap 10x10"_s);

        // Closing writes the side back; the next opening is a fresh one, in the same folder.
        clicca(c.Option1[0]);
        banco.sessione.lato = 10; // whatever the session held, the window's side goes back
        QVERIFY(f->close());
        QCOMPARE(banco.sessione.lato, 5);
        QVERIFY(banco.apri());
        QCOMPARE(banco.stato(), u"[Trasforma] vuota 0 Bitmap 5x5"_s);
        QCOMPARE(banco.posizione(), banco.in(banco.disco, banco.programma + "/Immagini"));
    }

    // The preview as a canvas: left paints black, right white, 8 pixels wide along the pointer's
    // way, and what is sampled is what the preview shows; the middle button clears it all. A
    // metafile that keeps its helper busy to its deadline is overtaken by a file chosen meanwhile.
    void tela()
    {
        BancoImporta banco;
        banco.programmaWmf = aiutante(banco.radice.filePath("aiutante.sh"), "exec sleep 30");
        banco.limiti.attesaWmfMs = 1500;
        banco.metti("bianco.bmp", scritta(tinta(Qt::white), "bmp"));
        banco.metti("lento.wmf", wmfDi(celleDi(5), 5));
        Importa* f = banco.apri();
        QVERIFY(f);
        // 5 x 5 samples at 0, 24, 48, 72 and 96 on each axis; one long move still covers them.
        QCOMPARE(banco.tratto(Qt::LeftButton, {{2, 48}, {40, 48}, {116, 48}}), u"PENNA2"_s);
        banco.converti();
        QCOMPARE(f->celle(), QString(10, u'0') + "11111" + QString(10, u'0'));
        // The right button erases across it, a click leaves a dot, a bare move draws nothing.
        QCOMPARE(banco.tratto(Qt::RightButton, {{48, 2}, {48, 60}, {48, 116}}), u"GOMMA"_s);
        for (const QPoint p : {QPoint(50, 110), QPoint(24, 24), QPoint(24, 72)})
            QTest::mouseMove(banco.w(), banco.tela(p));
        QCOMPARE(banco.c().test->nomePuntatore(), u"MANO"_s);
        banco.tratto(Qt::LeftButton, {{96, 96}});
        banco.converti();
        QCOMPARE(f->celle(), QString(10, u'0') + "11011" + QString(9, u'0') + "1");

        // Strokes over a picture stay on it through a repaint, and are converted with it, until
        // a file is chosen, even the one already chosen.
        QVERIFY(banco.scegli("nero.bmp"));
        banco.tratto(Qt::RightButton, {{0, 24}, {60, 24}, {118, 24}});
        f->repaint();
        banco.converti();
        QCOMPARE(f->celle(), "11111" + QString(5, u'0') + QString(15, u'1')); // all but row 1
        QVERIFY(banco.scegli("nero.bmp"));
        banco.tratto(Qt::LeftButton, {{0, 0}, {118, 0}}); // unseen until the picture goes
        banco.converti();
        QCOMPARE(f->celle(), QString(25, u'1'));

        // The middle button clears the picture, the strokes and the result; the button converts
        // again, so the cells shown before can no longer be handed over.
        QCOMPARE(banco.tratto(Qt::MiddleButton, {{60, 60}}), u"RIEMPI"_s);
        QCOMPARE(banco.stato(), u"Trasforma vuota 0 Bitmap 5x5"_s);
        banco.converti();
        QCOMPARE(f->celle(), QString(25, u'0'));
        // Strokes on the empty box stay through a size change.
        banco.tratto(Qt::LeftButton, {{0, 0}, {118, 0}});
        clicca(banco.c().Option1[2]);
        QCOMPARE(f->celle(), QString(15, u'1') + QString(210, u'0'));

        const QDeadlineTimer scadenza(1000);
        QVERIFY(banco.scegli("lento.wmf", false) && f->occupata());
        clicca(banco.c().Option1[1]);
        QVERIFY(banco.scegli("nero.bmp", false)); // while the helper still sleeps
        QVERIFY(!scadenza.hasExpired());
        QVERIFY(banco.quieta());
        banco.converti();
        QCOMPARE(f->celle(), QString(100, u'1'));
    }

    // The picture files of a folder whatever the case of their names, the folder tree, other
    // volumes; a folder or volume that cannot be read leaves everything as it was.
    void navigazione()
    {
        BancoImporta banco;
        const QString p = banco.programma;
        for (const QString& nome : u"b.Jpg e.wmf f.ICO h.png bmp j.bmp.txt .nascosto.bmp "
                                   "Immagini/foto.jpg ../../chiavetta/vacanze.JPEG sotto.gif/x "
                                   "archivio/x .nascosta/x sparita/x"_s.split(' '))
            banco.metti(nome);
        // A name in Latin-1, as an old memory card may have it: shown with a replacement
        // character, opened by the bytes the folder gave.
        const QByteArray latino = QFile::encodeName(p) + "/caf\xE9.bmp";
        const auto togli = qScopeGuard([&] { std::remove(latino.constData()); }); // Qt cannot
        QVERIFY(std::ofstream(latino.constData()).write(Nero.constData(), Nero.size()));
        QVERIFY(QFile::link(p + "/nero.bmp", p + "/collegata.bmp"));
        QVERIFY(QFile::link(p + "/manca.bmp", p + "/sospesa.jpg"));
        QVERIFY(QFile::link(p + "/Immagini", p + "/scorciatoia"));
        banco.volumi.prepend(banco.radice.filePath("assente"));
        QVERIFY(banco.apri());
        const QStringList elenco =
            u"b.Jpg caf\uFFFD.bmp collegata.bmp e.wmf f.ICO nero.bmp"_s.split(' ');
        QCOMPARE(banco.file(), elenco);
        QCOMPARE(banco.albero(), (QStringList{banco.disco, "gridora", "archivio", "Immagini",
                                              "scorciatoia", "sotto.gif", "sparita"}));

        // A folder gone since it was listed, or a volume that is not there.
        QVERIFY(banco.scegli(u"caf\uFFFD.bmp"_s));
        banco.converti();
        QVERIFY(QDir(p + "/sparita").removeRecursively());
        for (const bool volume : {false, true}) {
            QVERIFY(volume ? banco.tastoVolume(Qt::Key_Up) : banco.scegli("sparita"));
            QCOMPARE(banco.posizione(), banco.in(banco.disco, p));
            QCOMPARE(banco.file(), elenco);
            QCOMPARE(banco.stato(), u"Importa figura 5 Bitmap 5x5"_s);
        }

        // Down into a folder through a link to one; another volume, whose root is the folder.
        QVERIFY(banco.scegli("scorciatoia"));
        QCOMPARE(banco.posizione(), banco.in(banco.disco, p + "/scorciatoia"));
        QCOMPARE(banco.albero(), (QStringList{banco.disco, "gridora", "scorciatoia"}));
        QVERIFY(banco.tastoVolume(Qt::Key_Down)); // "chiavetta"
        QCOMPARE(banco.posizione(), banco.in(banco.chiavetta, banco.chiavetta));
        QCOMPARE(banco.file(), QStringList{"vacanze.JPEG"});

        // The helpers on their own: the mounted volumes in order, the way down from a root.
        QCOMPARE(ordinaVolumi({"/mnt/b", "/media/x/", "/", "/mnt/A", "/mnt/b"}),
                 (QStringList{"/", "/media/x", "/mnt/A", "/mnt/b"}));
        QCOMPARE(volumiMontati().value(0), u"/"_s);
        QCOMPARE(percorsoDa("/", "/a/b"), (QStringList{"/", "/a", "/a/b"}));
    }

    // Puzzle files, read away from the window: one of another side converts like a picture, a
    // refused one shows "Immagine NON Valida" in place of the preview, and strokes over one of a
    // side the game has are sampled with it (the engine's own tests go through every kind of
    // picture and bad file). Then a folder's puzzle files into the collection, one for each reason
    // to leave one out, a drawing met twice in the folder too, and a summary; then a write that
    // fails half-way (the 15 x 15 row refused by the file after the 5 x 5 one went in) stores
    // nothing.
    void schemiERaccolta()
    {
        BancoImporta banco;
        QVERIFY(banco.archivio.prepara().ok());
        for (const int lato : {5, 10})
            for (const Disegno& d : banco.archivio.elenco(lato).valore)
                banco.archivio.elimina(lato, d.id);
        const QString bandiera = "0100001000111100100000000", riga = "11111" + QString(20, u'0');
        banco.archivio.inserisci(5, bandiera, "Bandiera");
        // Top row and left column black, each cell 4 x 4.
        const QString angolo =
            QString(80, u'1') + (QString(4, u'1') + QString(16, u'0')).repeated(16);
        banco.metti("a.non", scriviNon("  gatto NERO ", 5, 5, Incrocio));
        banco.metti("b.non", scriviNon("copia", 5, 5, Incrocio));
        banco.metti("c.non", scriviNon("altro nome", 5, 5, bandiera));
        banco.metti("d.non", scriviNon("BANDIERA", 5, 5, riga));
        banco.metti("e senza titolo.non", scriviNon({}, 10, 10, Dieci));
        banco.metti("f.non", "width 5\nheight 5\nrows\n1\n1\n0\n0\n0\ncolumns\n1\n1\n0\n0\n0\n");
        banco.metti("g.Non", scriviNon({}, 20, 20, angolo));
        banco.metti("h.non", "width 0\n");
        banco.metti("Altri/a.non", scriviNon("riga", 5, 5, riga));
        banco.metti("Altri/b.non", scriviNon("riga", 15, 15, QString(225, u'0')));
        Importa* f = banco.apri();
        QVERIFY(f && banco.scegli("g.Non"));
        banco.converti();
        QCOMPARE(f->celle(), "11111" + u"10000"_s.repeated(4));
        QVERIFY(banco.scegli("h.non"));
        QCOMPARE(banco.stato(), u"[Trasforma] (vuota) Immagine NON Valida 0 Bitmap 5x5"_s);
        QVERIFY(banco.scegli("e senza titolo.non"));
        banco.tratto(Qt::LeftButton, {{2, 60}, {116, 60}});
        banco.converti();
        QCOMPARE(f->celle(), Dieci.left(50).repeated(2));

        QVERIFY(banco.aggiungiTutti());
        QCOMPARE(banco.messaggi.avvisi,
                 QStringList{"RACCOLTA: Schemi aggiunti: 2\n\nNon aggiunti:\ngià presenti: 2\n"
                             "nome già usato: 1\ncon più di una soluzione: 1\n"
                             "di altre dimensioni: 1\nnon validi: 1"});
        QStringList nomi;
        for (const int lato : {5, 10})
            for (const Disegno& d : banco.archivio.elenco(lato).valore)
                nomi << d.nome + ' ' + d.pixel;
        QCOMPARE(nomi, (QStringList{"Bandiera " + bandiera, "Gatto Nero " + Incrocio,
                                    "E Senza Titolo " + Dieci}));

        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "guasto");
            db.setDatabaseName(banco.archivio.percorso());
            QVERIFY(db.open() && QSqlQuery(db).exec("CREATE TRIGGER t BEFORE INSERT ON Disegni15 "
                                                    "BEGIN SELECT RAISE(ABORT, 'x'); END"));
        }
        QSqlDatabase::removeDatabase("guasto");
        QVERIFY(banco.scegli("Altri") && banco.aggiungiTutti());
        QCOMPARE(banco.messaggi.avvisi.last().section(": ", 0, 0), u"SCHEMI NON AGGIUNTI"_s);
        QCOMPARE(banco.archivio.elenco(5).valore.size(), 2);
    }

    // Only the latest request of a kind is answered, a read cancelled while under way is not,
    // and a Caricatore goes away at once even while a read hangs (a network mount that stopped
    // answering).
    void soloLUltimaRichiesta()
    {
        // Shared with the reading thread, which outlives the Caricatore.
        auto entrata = std::make_shared<QSemaphore>(), uscita = std::make_shared<QSemaphore>();
        auto caricatore = std::make_unique<Caricatore>([=](const QByteArray& percorso, QSize) {
            if (percorso == "bloccata") { // in the read until let go
                entrata->release();
                uscita->acquire();
            }
            return EsitoImmagine{};
        });
        QList<int> risposte; // a reading's answer negative
        connect(caricatore.get(), &Caricatore::elencata, [&risposte](int n) { risposte << n; });
        connect(caricatore.get(), &Caricatore::letta, [&risposte](int n) { risposte << -n; });
        caricatore->elenca(QDir::tempPath());
        const int ultima = caricatore->elenca(QDir::tempPath());
        QTRY_VERIFY(!caricatore->inCorso());
        QCOMPARE(risposte, QList<int>{ultima});
        caricatore->leggi("bloccata", {});
        QVERIFY(entrata->tryAcquire(1, 5000));
        caricatore->annullaLettura();
        uscita->release();
        const int letta = caricatore->leggi("altra", {});
        QTRY_VERIFY(!caricatore->inCorso());
        QCOMPARE(risposte, (QList<int>{ultima, -letta}));

        caricatore->leggi("bloccata", {});
        QVERIFY(entrata->tryAcquire(1, 5000));
        // Far below a wait for the mount, above a loaded machine's pause.
        const QDeadlineTimer scadenza(1000);
        caricatore.reset();
        const bool inTempo = !scadenza.hasExpired();
        uscita->release(); // the mount answers at last; the thread ends and goes
        QVERIFY(inTempo);
    }
};

QTEST_MAIN(TestImporta)
#include "tst_importa.moc"
