// The image import window through the window system: browsing fake volumes, a picture chosen in
// the file list, converted and handed over, a bad file, strokes drawn with the mouse, the convert
// button's modes, and the editor's session kept between openings.

#include "Banco.h"
#include "Figure.h"
#include "import/Caricatore.h"
#include "import/Cartelle.h"
#include "import/Importa.h"
#include "import/RisultatoConversione.h"
#include "import/TelaAnteprima.h"
#include "model/FormatoNon.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QMenu>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringListModel>
#include <QTreeWidget>
#include <fcntl.h>
#include <unistd.h>

using namespace gridora;
using namespace Qt::StringLiterals;

namespace {

QByteArray nero()
{
    return scritta(tinta(Qt::black), "bmp");
}

// Fake volumes in a temporary folder: "disco" holds the program's folder "gridora", "chiavetta"
// is a second volume; the window works on them with the editor's session and the test's hands.
struct BancoImporta {
    QTemporaryDir radice;
    const QString disco = radice.filePath("disco");
    const QString chiavetta = radice.filePath("chiavetta");
    const QString programma = disco + "/gridora";
    QStringList volumi{disco, chiavetta};
    Archivio archivio{radice.path()};
    PianificatoreFinto tempo;
    SuonoFinto suono;
    MessaggiFinti messaggi;
    Servizi servizi{archivio, messaggi, tempo, suono, [] { return 0.0; }};
    SessioneImportazione sessione;
    QString programmaWmf = QStringLiteral(GRIDORA_PROGRAMMA_WMF);
    LimitiImmagine limiti;
    std::unique_ptr<Importa> finestra;

    const Importa::Controlli& c() const { return finestra->controlli(); }

    // A file in the program's folder (or anywhere, by an absolute path) and the folders it needs.
    QString metti(const QString& nome, const QByteArray& dati = "x")
    {
        const QString percorso = QDir(programma).filePath(nome);
        QDir().mkpath(QFileInfo(percorso).path());
        return scriviFile(percorso, dati);
    }

    // Creates the window on first use; opens it as the editor does; waits for its folder.
    Importa* apri(const QWidget* aprente = nullptr)
    {
        if (!finestra) {
            finestra = std::make_unique<Importa>(
                servizi, sessione, LetturaImmagine(programmaWmf, limiti),
                AmbienteImportazione{programma, [this] { return volumi; }});
        }
        finestra->preparaApertura(aprente);
        finestra->show();
        return QTest::qWaitForWindowExposed(finestra.get()) && quieta() ? finestra.get() : nullptr;
    }

    [[nodiscard]] bool quieta()
    {
        return QTest::qWaitFor([this] { return !finestra->occupata(); }, 5000);
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

    QPoint nellaFinestra(const QAbstractItemView* vista, QRect voce) const
    {
        return vista->viewport()->mapTo(finestra.get(), voce.center());
    }

    // A click on a file of the list; scegli() also waits for its reading.
    [[nodiscard]] bool clicFile(const QString& nome)
    {
        const QModelIndex indice = c().File1->model()->index(int(file().indexOf(nome)), 0);
        if (!indice.isValid())
            return false;
        clicca(finestra.get(), nellaFinestra(c().File1, c().File1->visualRect(indice)));
        return true;
    }
    [[nodiscard]] bool scegli(const QString& nome) { return clicFile(nome) && quieta(); }

    // A double click on a folder of the tree, and its listing.
    [[nodiscard]] bool apriCartella(const QString& nome)
    {
        const auto voci = c().Dir1->findItems(nome, Qt::MatchExactly | Qt::MatchRecursive);
        if (voci.isEmpty())
            return false;
        QTest::mouseDClick(finestra->windowHandle(), Qt::LeftButton, {},
                           nellaFinestra(c().Dir1, c().Dir1->visualItemRect(voci.first())));
        return quieta();
    }

    // A key on Drive1: the volume above or below, as a step in the drop-down list.
    [[nodiscard]] bool tastoVolume(Qt::Key tasto)
    {
        c().Drive1->setFocus();
        QTest::keyClick(finestra->windowHandle(), tasto);
        return quieta();
    }

    void converti() { clicca(c().Importami); }

    // "Aggiungi tutti alla raccolta" from the file list's menu, and the reading it starts.
    [[nodiscard]] bool aggiungiTutti()
    {
        clicca(finestra.get(), nellaFinestra(c().File1, c().File1->viewport()->rect()),
               Qt::RightButton);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || menu->actions().first()->text() != "Aggiungi tutti alla raccolta")
            return false;
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                          menu->actionGeometry(menu->actions().first()).center());
        return quieta();
    }

    // What the window shows at a glance: the button's caption (in brackets while disabled), the
    // preview with or without a picture (in brackets while hidden), "errore" when the message
    // shows, and the side of the result drawn.
    QString stato() const
    {
        const EtichettaPulsante* b = c().Importami;
        QString tela = c().test->haFigura() ? "figura" : "vuota";
        if (!c().test->isVisible())
            tela = '(' + tela + ')';
        if (c().errore->isVisible())
            tela += " errore";
        return QStringLiteral("%1 %2 %3")
            .arg(b->isEnabled() ? b->caption() : '[' + b->caption() + ']', tela)
            .arg(c().risultato->lato());
    }

    // Where browsing is, as the window, its drive list, its folder tree and the session say.
    QStringList posizione() const
    {
        return {
            finestra->volume(),        finestra->cartella(),
            c().Drive1->currentText(), c().Dir1->currentItem()->data(0, Qt::UserRole).toString(),
            sessione.volume,           sessione.cartella};
    }
    static QStringList in(const QString& volume, const QString& cartella)
    {
        return {volume, cartella, volume, cartella, volume, cartella};
    }

    // Mouse events at a point of the preview's inner area.
    QPoint tela(QPoint p) const { return c().test->mapTo(finestra.get(), p + QPoint(1, 1)); }
    void premi(Qt::MouseButton b, QPoint p)
    {
        QTest::mousePress(finestra->windowHandle(), b, {}, tela(p));
    }
    void trascina(QPoint p) { QTest::mouseMove(finestra->windowHandle(), tela(p)); }
    void rilascia(Qt::MouseButton b, QPoint p)
    {
        QTest::mouseRelease(finestra->windowHandle(), b, {}, tela(p));
    }
    // A stroke through the points: pressed at the first, moved through the rest, released.
    void tratto(Qt::MouseButton pulsante, const QList<QPoint>& punti)
    {
        premi(pulsante, punti.first());
        for (const QPoint& p : punti.mid(1))
            trascina(p);
        rilascia(pulsante, punti.last());
    }
};

// The button's colours while enabled (disabled, its caption is grey): red under the pointer.
bool pulsanteRosso(const EtichettaPulsante* b, bool rosso = true)
{
    return b->sfondo() == (rosso ? QColor(0xFF, 0, 0) : QColor(Qt::white)) &&
           b->palette().color(QPalette::Active, QPalette::WindowText) ==
               (rosso ? Qt::white : Qt::black);
}

} // namespace

class TestImporta : public QObject {
    Q_OBJECT

private slots:
    // Centred on the window that opens it, with nothing to convert yet; then the convert button
    // through its modes, red under the pointer only while it can be clicked.
    void aperturaEPulsante()
    {
        BancoImporta banco;
        banco.metti("nero.bmp", nero());
        banco.metti("Immagini/foto.jpg");
        QWidget editor;
        editor.setGeometry(300, 200, 600, 500);
        Importa* f = banco.apri(&editor);
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("Importa"));
        QCOMPARE(f->size(), QSize(512, 304)); // 7680 x 4560 twips
        QCOMPARE(f->minimumSize(), f->maximumSize());
        const QPoint scarto = f->frameGeometry().center() - editor.frameGeometry().center();
        QVERIFY2(std::abs(scarto.x()) <= 4 && std::abs(scarto.y()) <= 4, // the frame's margins
                 qPrintable(QStringLiteral("%1, %2").arg(scarto.x()).arg(scarto.y())));
        const auto& c = banco.c();
        EtichettaPulsante* b = c.Importami;
        QCOMPARE(banco.stato(), QStringLiteral("[Trasforma] vuota 0"));
        // Browsing starts in the program's folder, on its volume, and the session learns them.
        QCOMPARE(banco.posizione(), banco.in(banco.disco, banco.programma));
        // The disabled button does nothing, and stays white under the pointer.
        banco.converti();
        QCOMPARE(banco.stato(), QStringLiteral("[Trasforma] vuota 0"));
        muovi(f, centroInFinestra(b));
        QVERIFY(pulsanteRosso(b, false));

        // Nothing loaded: a size change only stores the size; the title keeps the last one.
        clicca(c.Option1[1]);
        QCOMPARE(banco.stato(), QStringLiteral("[Trasforma] vuota 0"));
        QCOMPARE(c.Label2->caption(), QStringLiteral("Bitmap 5x5"));

        QVERIFY(banco.scegli("nero.bmp"));
        QCOMPARE(banco.stato(), QStringLiteral("Trasforma figura 0"));
        muovi(f, centroInFinestra(b));
        QVERIFY(pulsanteRosso(b));
        clicca(b);
        QCOMPARE(banco.stato(), QStringLiteral("Importa figura 10"));
        muovi(f, QPoint(5, f->height() - 5)); // the window's free area
        QVERIFY(pulsanteRosso(b, false));

        // Another folder: nothing to convert, nothing shown.
        QVERIFY(banco.apriCartella("Immagini"));
        QCOMPARE(banco.stato(), QStringLiteral("[Trasforma] vuota 0"));
    }

    // Reading never stops the window: a metafile that keeps the helper busy to its deadline is
    // overtaken by a file chosen meanwhile. A bad file shows "Immagine NON Valida" in place of the
    // preview and nothing else changes; the engine's own tests go through every kind of bad file.
    void lettureLenteONonValide()
    {
        BancoImporta banco;
        banco.programmaWmf = aiutante(banco.radice.filePath("aiutante.sh"), "exec sleep 30");
        banco.limiti.attesaWmfMs = 1500;
        const QByteArray jpeg = scritta(disegno(celleDi(5), 5, {64, 48}), "jpeg");
        banco.metti("lento.wmf", wmfDi(celleDi(5), 5));
        banco.metti("mezzo.jpg", jpeg.left(jpeg.size() * 2 / 3));
        banco.metti("nero.bmp", nero());
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        const QStringList elenco = banco.file();
        QSignalSpy mostrate(f, &Importa::figuraMostrata);
        QElapsedTimer tempo;
        tempo.start();
        QVERIFY(banco.clicFile("lento.wmf"));
        QVERIFY(f->occupata());
        clicca(c.Option1[2]);
        QCOMPARE(f->lato(), 15);
        QVERIFY(banco.clicFile("nero.bmp")); // while the helper still sleeps
        QVERIFY(tempo.elapsed() < 1000);
        QVERIFY(banco.quieta());
        QCOMPARE(mostrate.count(), 1); // the metafile's answer never came
        QCOMPARE(banco.stato(), QStringLiteral("Trasforma figura 0"));
        banco.converti();
        QCOMPARE(f->celle(), QString(225, u'1'));

        // A picture converted: the bad one takes its place, and the window goes on.
        QVERIFY(banco.scegli("mezzo.jpg"));
        QCOMPARE(banco.stato(), QStringLiteral("[Trasforma] (vuota) errore 0"));
        QCOMPARE(c.errore->caption(), QStringLiteral("Immagine NON Valida"));
        QCOMPARE(banco.posizione(), banco.in(banco.disco, banco.programma));
        QCOMPARE(banco.file(), elenco);
        QCOMPARE(f->lato(), 15);
        QVERIFY(banco.scegli("nero.bmp"));
        QCOMPARE(banco.stato(), QStringLiteral("Trasforma figura 0"));
    }

    // The preview as a canvas: left paints black, right white, 8 pixels wide along the pointer's
    // way, and what is sampled is what the preview shows; the middle button clears it all.
    void tela()
    {
        BancoImporta banco;
        banco.metti("bianco.bmp", scritta(tinta(Qt::white), "bmp"));
        banco.metti("nero.bmp", nero());
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        // 5 x 5 samples at 0, 24, 48, 72 and 96 on each axis.
        banco.trascina({60, 60});
        QCOMPARE(c.test->nomePuntatore(), QStringLiteral("MANO"));
        banco.premi(Qt::LeftButton, {2, 48});
        banco.trascina({40, 48});
        QCOMPARE(c.test->nomePuntatore(), QStringLiteral("PENNA2"));
        banco.trascina({116, 48}); // one long move: the stroke still covers every sample
        banco.rilascia(Qt::LeftButton, {116, 48});
        banco.converti();
        QCOMPARE(f->celle(), QString(10, u'0') + "11111" + QString(10, u'0')); // the middle row
        // The right button erases across it, and the button converts again.
        banco.premi(Qt::RightButton, {48, 2});
        banco.trascina({48, 60});
        QCOMPARE(c.test->nomePuntatore(), QStringLiteral("GOMMA"));
        banco.trascina({48, 116});
        banco.rilascia(Qt::RightButton, {48, 116});
        banco.trascina({50, 110});
        QCOMPARE(c.test->nomePuntatore(), QStringLiteral("MANO"));
        // A click leaves a dot.
        banco.tratto(Qt::LeftButton, {{96, 96}});
        banco.converti();
        QCOMPARE(f->celle(), QString(10, u'0') + "11011" + QString(9, u'0') + "1");
        // A move without a button draws nothing.
        banco.trascina({24, 24});
        banco.trascina({24, 72});
        QCOMPARE(campiona(c.test->vista(), 5), f->celle());

        // Strokes over a picture stay on it, and are converted with it ...
        QVERIFY(banco.scegli("nero.bmp"));
        banco.tratto(Qt::RightButton, {{0, 24}, {60, 24}, {118, 24}});
        banco.converti();
        QCOMPARE(f->celle(), "11111" + QString(5, u'0') + QString(15, u'1')); // all but row 1
        f->repaint(); // a repaint keeps them
        QCOMPARE(campiona(c.test->vista(), 5), f->celle());
        QCOMPARE(
            c.test->grab().toImage().copy(1, 1, 119, 119).convertToFormat(QImage::Format_RGB32),
            c.test->vista());
        // ... whatever the size: converted at once at the new one (row 2 reads the stroke) ...
        clicca(c.Option1[1]);
        QCOMPARE(f->celle(), QString(20, u'1') + QString(10, u'0') + QString(70, u'1'));
        // ... until a file is chosen, even the one already chosen.
        QVERIFY(banco.scegli("bianco.bmp"));
        banco.tratto(Qt::LeftButton, {{0, 0}, {118, 118}});
        QVERIFY(campiona(c.test->vista(), 10) != QString(100, u'0'));
        QVERIFY(banco.scegli("bianco.bmp"));
        QVERIFY(c.test->haFigura());
        QCOMPARE(c.test->vista(), immagineAnteprima(tinta(Qt::white)));

        // The middle button clears the picture, the strokes and the result; the button converts
        // again, so the cells shown before can no longer be handed over.
        QVERIFY(banco.scegli("nero.bmp"));
        banco.tratto(Qt::RightButton, {{0, 0}, {118, 0}});
        banco.converti();
        QCOMPARE(c.Importami->caption(), QStringLiteral("Importa"));
        banco.premi(Qt::MiddleButton, {60, 60});
        QCOMPARE(c.test->nomePuntatore(), QStringLiteral("RIEMPI"));
        banco.rilascia(Qt::MiddleButton, {60, 60});
        QCOMPARE(banco.stato(), QStringLiteral("Trasforma vuota 0"));
        QCOMPARE(c.test->vista(), immagineAnteprima(QImage()));
        banco.converti();
        QCOMPARE(f->celle(), QString(100, u'0'));
        // Strokes on the empty box stay through a size change.
        banco.tratto(Qt::LeftButton, {{0, 0}, {118, 0}});
        clicca(c.Option1[2]);
        QCOMPARE(f->celle(), QString(15, u'1') + QString(210, u'0'));
    }

    // The picture files of a folder whatever the case of their names, the folder tree, other
    // volumes; a folder or volume that cannot be read leaves everything as it was.
    void navigazione()
    {
        BancoImporta banco;
        const QString p = banco.programma;
        banco.metti("A.BMP", nero());
        for (const char* nome : {"b.Jpg", "c.jpeg", "d.GIF", "e.wmf", "f.ICO", "g.cur", "h.png",
                                 "bmp", "j.bmp.txt", ".nascosto.bmp", "Immagini/foto.jpg"})
            banco.metti(nome);
        banco.metti(banco.chiavetta + "/vacanze.JPEG");
        // A name in Latin-1, as an old memory card may have it: shown with a replacement
        // character, opened by the bytes the folder gave.
        const QByteArray latino = QFile::encodeName(p) + "/caf\xE9.bmp";
        const int fd = ::open(latino.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        const auto togli = qScopeGuard([&] { ::unlink(latino.constData()); }); // Qt cannot
        QVERIFY(fd >= 0 && ::write(fd, nero().constData(), size_t(nero().size())) > 0);
        ::close(fd);
        for (const char* nome : {"sotto.gif", "archivio", ".nascosta", "sparita"})
            QDir().mkdir(p + "/" + nome);
        QVERIFY(QFile::link(p + "/A.BMP", p + "/collegata.bmp"));
        QVERIFY(QFile::link(p + "/manca.bmp", p + "/sospesa.jpg"));
        QVERIFY(QFile::link(p + "/Immagini", p + "/scorciatoia"));
        banco.volumi.prepend(banco.radice.filePath("assente"));
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        const QStringList elenco{"A.BMP",         "b.Jpg", "c.jpeg", u"caf\uFFFD.bmp"_s,
                                 "collegata.bmp", "d.GIF", "e.wmf",  "f.ICO",
                                 "g.cur"};
        QCOMPARE(banco.file(), elenco);
        QCOMPARE(banco.albero(), (QStringList{banco.disco, "gridora", "archivio", "Immagini",
                                              "scorciatoia", "sotto.gif", "sparita"}));
        QCOMPARE(c.Drive1->count(), 3);
        QCOMPARE(c.Drive1->itemText(1), banco.disco);

        // A folder gone since it was listed, or a volume that is not there.
        QVERIFY(banco.scegli(u"caf\uFFFD.bmp"_s));
        banco.converti();
        const auto invariata = [&] {
            QCOMPARE(banco.posizione(), banco.in(banco.disco, p));
            QCOMPARE(banco.file(), elenco);
            QCOMPARE(banco.stato(), QStringLiteral("Importa figura 5"));
            QCOMPARE(f->celle(), QString(25, u'1'));
        };
        QVERIFY(QDir(p + "/sparita").removeRecursively());
        QVERIFY(banco.apriCartella("sparita"));
        invariata();
        QVERIFY(banco.tastoVolume(Qt::Key_Up)); // "assente"
        invariata();
        if (QTest::currentTestFailed())
            return;

        // Down into a folder, through a link to one, and up to the volume's root.
        QVERIFY(banco.apriCartella("Immagini"));
        QCOMPARE(banco.posizione(), banco.in(banco.disco, p + "/Immagini"));
        QCOMPARE(banco.file(), QStringList{"foto.jpg"});
        QCOMPARE(banco.albero(), (QStringList{banco.disco, "gridora", "Immagini"}));
        QVERIFY(banco.apriCartella("gridora"));
        QVERIFY(banco.apriCartella("scorciatoia"));
        QCOMPARE(banco.file(), QStringList{"foto.jpg"});
        QVERIFY(banco.apriCartella(banco.disco));
        QCOMPARE(banco.posizione(), banco.in(banco.disco, banco.disco));
        QCOMPARE(banco.albero(), (QStringList{banco.disco, "gridora"}));
        QVERIFY(banco.file().isEmpty());

        // Another volume: its root is the folder.
        QVERIFY(banco.tastoVolume(Qt::Key_Down)); // "chiavetta"
        QCOMPARE(banco.posizione(), banco.in(banco.chiavetta, banco.chiavetta));
        QCOMPARE(banco.file(), QStringList{"vacanze.JPEG"});
        QCOMPARE(banco.albero(), QStringList{banco.chiavetta});
    }

    // A picture chosen in the list is shown; a size chosen with it on show converts it at once,
    // and "Importa" hands the cells over. Every format is read in the engine's own tests: here a
    // metafile, whose helper is started from the window's reading thread. The editor's session
    // then brings the window back on the editor's side, with its folder, list and picture.
    void sessioneTraAperture()
    {
        BancoImporta banco;
        banco.metti("Immagini/disegno.wmf", wmfDi(celleDi(10), 10));
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        QVERIFY(banco.apriCartella("Immagini"));
        QVERIFY(banco.scegli("disegno.wmf"));
        QCOMPARE(banco.stato(), QStringLiteral("Trasforma figura 0"));
        clicca(c.Option1[1]);
        QCOMPARE(banco.sessione.lato, 10);
        QCOMPARE(f->celle(), celleDi(10));
        QCOMPARE(banco.stato(), QStringLiteral("Importa figura 10"));
        QCOMPARE(c.Label2->caption(), QStringLiteral("Bitmap 10x10"));
        QSignalSpy trasferite(f, &Importa::trasferita);
        banco.converti();
        QCOMPARE(trasferite.count(), 1);
        QCOMPARE(trasferite.first(), (QVariantList{celleDi(10), 10, QString()}));
        QVERIFY(!f->isVisible());

        // The editor's board is now 15 x 15: the window opens on that side, in the same folder
        // with the same list and picture, with nothing to convert until something is chosen.
        banco.sessione.lato = 15;
        QVERIFY(banco.apri());
        QVERIFY(c.Option1[2]->isChecked());
        QCOMPARE(f->lato(), 15);
        QCOMPARE(banco.posizione(), banco.in(banco.disco, banco.programma + "/Immagini"));
        QCOMPARE(banco.file(), QStringList{"disegno.wmf"});
        QCOMPARE(banco.stato(), QStringLiteral("[Trasforma] figura 0"));
        QCOMPARE(c.Label2->caption(), QStringLiteral("Bitmap 10x10")); // the last conversion's

        // Closing writes the side back; the next opening is a fresh one, in the same folder.
        clicca(c.Option1[0]);
        banco.sessione.lato = 10; // whatever the session held, the window's side goes back
        QSignalSpy chiuse(f, &Importa::chiusa);
        QVERIFY(f->close());
        QCOMPARE(chiuse.count(), 1);
        QCOMPARE(banco.sessione.lato, 5);
        QVERIFY(banco.apri());
        QVERIFY(c.Option1[0]->isChecked());
        QCOMPARE(banco.stato(), QStringLiteral("[Trasforma] vuota 0"));
        QCOMPARE(c.Label2->caption(), QStringLiteral("Bitmap 5x5"));
        QCOMPARE(banco.posizione(), banco.in(banco.disco, banco.programma + "/Immagini"));
    }

    // Puzzle files beside the pictures: one of another side converts like a picture, a refused
    // one shows the error, and strokes over one of the chosen side are sampled with it.
    void schemi()
    {
        BancoImporta banco;
        QString croce20; // the 5 x 5 cross, each cell 4 x 4
        for (int r = 0; r < 20; ++r) {
            for (int k = 0; k < 20; ++k)
                croce20 += (r / 4 == 2 || k / 4 == 2) ? u'1' : u'0';
        }
        banco.metti("Schemi/grande.Non", scriviNon({}, 20, 20, croce20));
        const QString riga = QString(10, u'1'), vuote = QString(40, u'0');
        banco.metti("Schemi/dieci.non",
                    scriviNon({}, 10, 10, riga + vuote + vuote + QString(10, u'0')));
        banco.metti("Schemi/rotto.non", "width 0\nheight 5\n");
        banco.metti("Schemi/note.txt");
        Importa* f = banco.apri();
        QVERIFY(f && banco.apriCartella("Schemi"));
        QCOMPARE(banco.file(), (QStringList{"dieci.non", "grande.Non", "rotto.non"}));
        const auto& c = banco.c();

        QVERIFY(banco.scegli("grande.Non"));
        QCOMPARE(banco.stato(), QStringLiteral("Trasforma figura 0"));
        QVERIFY(c.Option1[0]->isChecked());
        banco.converti();
        QCOMPARE(f->celle(), "00100"
                             "00100"
                             "11111"
                             "00100"
                             "00100");

        QVERIFY(banco.scegli("rotto.non"));
        QCOMPARE(banco.stato(), QStringLiteral("[Trasforma] (vuota) errore 0"));

        QVERIFY(banco.scegli("dieci.non"));
        QVERIFY(c.Option1[1]->isChecked());
        QCOMPARE(banco.stato(), QStringLiteral("Trasforma figura 0"));
        banco.tratto(Qt::LeftButton, {{2, 60}, {116, 60}});
        banco.converti();
        QCOMPARE(f->celle(), riga + vuote + riga + vuote);
    }

    // The folder's puzzle files into the collection: each reason to leave one out, a drawing
    // met twice in the folder, the summary; then a write that fails half-way stores nothing.
    void aggiuntiAllaRaccolta()
    {
        BancoImporta banco;
        QVERIFY(banco.archivio.prepara().ok());
        for (const int lato : {5, 10})
            for (const Disegno& d : banco.archivio.elenco(lato).valore)
                banco.archivio.elimina(lato, d.id);
        const QString bandiera = "01000"
                                 "01000"
                                 "11110"
                                 "01000"
                                 "00000";
        const QString croce = "00100"
                              "00100"
                              "11111"
                              "00100"
                              "00100";
        const QString riga = "11111" + QString(20, u'0');
        banco.archivio.inserisci(5, bandiera, "Bandiera");
        banco.metti("Schemi/a.non", scriviNon("  gatto NERO ", 5, 5, croce));
        banco.metti("Schemi/b.non", scriviNon("copia", 5, 5, croce));
        banco.metti("Schemi/c.non", scriviNon("altro nome", 5, 5, bandiera));
        banco.metti("Schemi/d.non", scriviNon("BANDIERA", 5, 5, riga));
        banco.metti("Schemi/e senza titolo.non",
                    scriviNon({}, 10, 10, QString(10, u'1') + QString(90, u'0')));
        banco.metti("Schemi/f.non", "width 5\nheight 5\nrows\n1\n1\n0\n0\n0\n"
                                    "columns\n1\n1\n0\n0\n0\n");
        banco.metti("Schemi/g.non", scriviNon({}, 5, 10, riga + riga));
        banco.metti("Schemi/h.non", "width 0\n");
        banco.metti("Schemi/i.bmp", nero());
        QVERIFY(banco.apri() && banco.apriCartella("Schemi"));
        QVERIFY(banco.aggiungiTutti());
        QCOMPARE(banco.messaggi.avvisi,
                 QStringList{"RACCOLTA: Schemi aggiunti: 2\n\nNon aggiunti:\ngià presenti: 2\n"
                             "nome già usato: 1\ncon più di una soluzione: 1\n"
                             "di altre dimensioni: 1\nnon validi: 1"});
        const auto nomi = [&banco](int lato) {
            QStringList n;
            for (const Disegno& d : banco.archivio.elenco(lato).valore)
                n << d.nome + ' ' + d.pixel;
            return n;
        };
        QCOMPARE(nomi(5), (QStringList{"Bandiera " + bandiera, "Gatto Nero " + croce}));
        QCOMPARE(nomi(10), QStringList{"E Senza Titolo " + QString(10, u'1') + QString(90, u'0')});

        // The 15 x 15 row is refused by the file after the 5 x 5 one went in: neither stays.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "guasto");
            db.setDatabaseName(banco.archivio.percorso());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("CREATE TRIGGER guasto BEFORE INSERT ON Disegni15 "
                                       "BEGIN SELECT RAISE(ABORT, 'guasto'); END"));
            db.close();
        }
        QSqlDatabase::removeDatabase("guasto");
        const int quindici = int(banco.archivio.elenco(15).valore.size());
        banco.metti("Altri/a.non", scriviNon("riga", 5, 5, riga));
        banco.metti("Altri/b.non",
                    scriviNon("riga", 15, 15, QString(15, u'1') + QString(210, u'0')));
        QVERIFY(banco.apriCartella("gridora") && banco.apriCartella("Altri"));
        banco.messaggi.avvisi.clear();
        QVERIFY(banco.aggiungiTutti());
        QCOMPARE(banco.messaggi.avvisi.size(), 1);
        QVERIFY(banco.messaggi.avvisi.first().startsWith("SCHEMI NON AGGIUNTI: "));
        QCOMPARE(nomi(5).size(), 2);
        QCOMPARE(banco.archivio.elenco(15).valore.size(), quindici);
    }

    // --- Browsing helpers and the background work ---

    void volumiECartelle()
    {
        QCOMPARE(ordinaVolumi({"/mnt/b", "/media/x/", "/", "/mnt/A", "/mnt/b"}),
                 (QStringList{"/", "/media/x", "/mnt/A", "/mnt/b"}));
        QCOMPARE(volumiMontati().value(0), QStringLiteral("/"));
        const QStringList volumi{"/", "/mnt/a", "/mnt/a/b"};
        QCOMPARE(volumeDi("/mnt/a/b/c", volumi), QStringLiteral("/mnt/a/b"));
        QCOMPARE(volumeDi("/mnt/a/bc", volumi), QStringLiteral("/mnt/a"));
        QCOMPARE(volumeDi("/mnt/ab", volumi), QStringLiteral("/"));
        QCOMPARE(volumeDi("/mnt/a/", volumi), QStringLiteral("/mnt/a"));
        QCOMPARE(volumeDi("/x", {"/mnt"}), QString());
        QCOMPARE(percorsoDa("/", "/a/b"), (QStringList{"/", "/a", "/a/b"}));
    }

    // Only the latest request of a kind is answered, and a Caricatore goes away at once, even
    // while a read hangs (a network mount that stopped answering); that read's answer is dropped.
    void soloLUltimaRichiesta()
    {
        QTemporaryDir radice;
        const QString grande = radice.filePath("grande");
        const QString piccola = radice.filePath("piccola");
        QDir().mkpath(grande);
        for (int i = 0; i < 3000; ++i)
            scriviFile(grande + QStringLiteral("/f%1.bmp").arg(i), {});
        QDir().mkpath(piccola);
        scriviFile(piccola + "/uno.gif", {});
        const QByteArray figura =
            QFile::encodeName(scriviFile(radice.filePath("nero.bmp"), nero()));
        // Shared with the reading thread, which outlives the Caricatore.
        const auto entrata = std::make_shared<QSemaphore>(),
                   uscita = std::make_shared<QSemaphore>();
        auto caricatore = std::make_unique<Caricatore>(
            [entrata, uscita, lettura = LetturaImmagine({})](const QByteArray& percorso, QSize m) {
                if (percorso.endsWith("bloccata.bmp")) {
                    entrata->release();
                    uscita->acquire();
                }
                return lettura.leggi(percorso, m);
            });
        QSignalSpy elencate(caricatore.get(), &Caricatore::elencata);
        QSignalSpy lette(caricatore.get(), &Caricatore::letta);
        caricatore->elenca(grande);
        const int ultima = caricatore->elenca(piccola);
        QTRY_VERIFY(!caricatore->inCorso());
        QCOMPARE(elencate.count(), 1);
        QCOMPARE(elencate.first().mid(0, 2), (QVariantList{ultima, piccola}));
        caricatore->leggi(figura, DimensioneAnteprima);
        caricatore->annullaLettura();
        QTest::qWait(100);
        QCOMPARE(lette.count(), 0);

        caricatore->leggi("bloccata.bmp", DimensioneAnteprima);
        QVERIFY(entrata->tryAcquire(1, 5000));
        QElapsedTimer tempo;
        tempo.start();
        caricatore.reset();
        const qint64 attesa = tempo.elapsed();
        uscita->release(); // the mount answers at last; the thread ends and goes
        QVERIFY2(attesa < 200, qPrintable(QString::number(attesa)));
    }
};

QTEST_MAIN(TestImporta)
#include "tst_importa.moc"
