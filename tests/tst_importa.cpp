// The image import window through the window system: browsing fake volumes, a picture of each
// format chosen in the file list and converted, every kind of bad file, strokes drawn with the
// mouse, the convert button's modes, and the editor's session kept between openings.

#include "Banco.h"
#include "import/Campionamento.h"
#include "import/Caricatore.h"
#include "import/Cartelle.h"
#include "import/Importa.h"
#include "import/RisultatoConversione.h"
#include "import/TelaAnteprima.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImageWriter>
#include <QListView>
#include <QPainter>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTreeWidget>
#include <unistd.h>

using namespace gridora;

namespace {

constexpr int AttesaMs = 5000;

// A recognisable, irregular drawing for each side.
QString celleDi(int lato)
{
    QString celle;
    for (int i = 0; i < lato; ++i)
        for (int j = 0; j < lato; ++j)
            celle += (i * 7 + j * 3 + i * j) % 5 < 2 ? u'1' : u'0';
    return celle;
}

// Where block k of a side-N grid starts in the 119-pixel preview: halfway between its sample
// point, floor(k * 121 / N), and the previous one.
int confine(int k, int lato)
{
    if (k <= 0)
        return 0;
    if (k >= lato)
        return LatoInternoAnteprima;
    return ((k - 1) * 121 / lato + k * 121 / lato) / 2;
}

// A black and white picture of `dimensione` whose preview converts to `celle`.
QImage disegno(const QString& celle, int lato, QSize dimensione)
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    const auto x = [&](int k) { return qRound(confine(k, lato) * dimensione.width() / 119.0); };
    const auto y = [&](int k) { return qRound(confine(k, lato) * dimensione.height() / 119.0); };
    for (int i = 0; i < lato; ++i)
        for (int j = 0; j < lato; ++j)
            if (celle[i * lato + j] == u'1')
                p.fillRect(QRect(QPoint(x(j), y(i)), QPoint(x(j + 1) - 1, y(i + 1) - 1)),
                           Qt::black);
    return img;
}

QImage tinta(QColor colore, QSize dimensione = {40, 40})
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(colore);
    return img;
}

QByteArray scritta(const QImage& img, const char* formato)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter scrittore(&buffer, formato);
    scrittore.setQuality(95);
    if (!scrittore.write(img))
        qFatal("cannot write %s", formato);
    return dati;
}

void le16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

void le32(QByteArray& b, quint32 v)
{
    le16(b, int(v & 0xFFFF));
    le16(b, int(v >> 16));
}

// A GIF of black and white pixels: a 256-colour table, LZW codes of a constant 9 bits (a clear
// code every 250 pixels keeps the table from growing).
QByteArray gif(const QImage& img)
{
    QByteArray g("GIF89a");
    le16(g, img.width());
    le16(g, img.height());
    g.append(char(0xF7)).append('\0').append('\0');
    for (int k = 0; k < 256; ++k) // 0 black, the rest white
        g.append(QByteArray(3, k == 0 ? '\0' : '\xFF'));
    g.append(char(0x2C));
    for (int v : {0, 0, img.width(), img.height()})
        le16(g, v);
    g.append('\0').append(char(8));
    QByteArray flusso;
    quint32 accumulo = 0;
    int bit = 0;
    const auto codice = [&](int c) {
        accumulo |= quint32(c) << bit;
        for (bit += 9; bit >= 8; bit -= 8) {
            flusso.append(char(accumulo & 0xFF));
            accumulo >>= 8;
        }
    };
    codice(256);
    int dallaPulizia = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (++dallaPulizia == 250) {
                codice(256);
                dallaPulizia = 0;
            }
            codice(qGray(img.pixel(x, y)) < 128 ? 0 : 1);
        }
    codice(257);
    if (bit > 0)
        flusso.append(char(accumulo & 0xFF));
    for (qsizetype i = 0; i < flusso.size(); i += 255) {
        const QByteArray pezzo = flusso.mid(i, 255);
        g.append(char(pezzo.size())).append(pezzo);
    }
    g.append('\0').append(char(0x3B));
    return g;
}

QByteArray record(int funzione, const QList<int>& parole)
{
    QByteArray r;
    le32(r, quint32(3 + parole.size()));
    le16(r, funzione);
    for (int p : parole)
        le16(r, p);
    return r;
}

// A placeable metafile of 119 x 119 units at 96 an inch, the filled cells as black rectangles.
QByteArray wmfDi(const QString& celle, int lato)
{
    QByteArray corpo = record(0x020B, {0, 0}) + record(0x020C, {119, 119}) // window origin, extent
                       + record(0x02FA, {5, 0, 0, 0, 0}) + record(0x012D, {0}) // no pen
                       + record(0x02FC, {0, 0, 0, 0}) + record(0x012D, {1});   // black brush
    for (int i = 0; i < lato; ++i)
        for (int j = 0; j < lato; ++j)
            if (celle[i * lato + j] == u'1')
                corpo += record(0x041B, {confine(i + 1, lato), confine(j + 1, lato),
                                         confine(i, lato), confine(j, lato)});
    corpo += record(0, {});
    QByteArray m;
    le32(m, 0x9AC6CDD7u);
    for (int v : {0, 0, 0, 119, 119, 96})
        le16(m, v);
    le32(m, 0);
    int somma = 0;
    for (int i = 0; i < 20; i += 2)
        somma ^= quint8(m[i]) | quint8(m[i + 1]) << 8;
    le16(m, somma);
    for (int v : {1, 9, 0x0300})
        le16(m, v);
    le32(m, quint32((18 + corpo.size()) / 2));
    le16(m, 2);
    le32(m, 8);
    le16(m, 0);
    return m + corpo;
}

QByteArray casuali(qsizetype quanti, quint32 seme)
{
    QRandomGenerator g(seme);
    QByteArray b(quanti, Qt::Uninitialized);
    for (char& c : b)
        c = char(g.bounded(256));
    return b;
}

void scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(dati) != dati.size())
        qFatal("cannot write %s", qPrintable(percorso));
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

    BancoImporta()
    {
        QDir().mkpath(programma);
        QDir().mkpath(chiavetta);
    }

    const Importa::Controlli& c() const { return finestra->controlli(); }

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
        if (!QTest::qWaitForWindowExposed(finestra.get()) || !quieta())
            return nullptr;
        return finestra.get();
    }

    [[nodiscard]] bool quieta()
    {
        return QTest::qWaitFor([this] { return !finestra->occupata(); }, AttesaMs);
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

    // A click on a file of the list, and its reading.
    [[nodiscard]] bool scegli(const QString& nome)
    {
        const int riga = int(file().indexOf(nome));
        if (riga < 0)
            return false;
        QListView* lista = c().File1;
        const QModelIndex indice = lista->model()->index(riga, 0);
        lista->scrollTo(indice);
        clicca(finestra.get(),
               lista->viewport()->mapTo(finestra.get(), lista->visualRect(indice).center()));
        return quieta();
    }

    // A double click on a folder of the tree, and its listing.
    [[nodiscard]] bool apriCartella(const QString& nome)
    {
        QTreeWidgetItem* voce = nullptr;
        for (QTreeWidgetItemIterator it(c().Dir1); *it && !voce; ++it)
            if ((*it)->text(0) == nome)
                voce = *it;
        if (!voce)
            return false;
        QTreeWidget* albero = c().Dir1;
        const QPoint punto =
            albero->viewport()->mapTo(finestra.get(), albero->visualItemRect(voce).center());
        QTest::mouseDClick(finestra->windowHandle(), Qt::LeftButton, {}, punto);
        return quieta();
    }

    // A volume chosen in Drive1 with the keys, as the drop-down list would.
    [[nodiscard]] bool scegliVolume(const QString& volume)
    {
        QComboBox* dischi = c().Drive1;
        const int voluto = dischi->findText(volume);
        if (voluto < 0)
            return false;
        dischi->setFocus();
        while (dischi->currentIndex() != voluto) {
            const int prima = dischi->currentIndex();
            QTest::keyClick(finestra->windowHandle(), voluto > prima ? Qt::Key_Down : Qt::Key_Up);
            if (!quieta())
                return false;
            if (dischi->currentIndex() == prima) // refused and put back
                break;
        }
        return true;
    }

    void converti() { clicca(c().Importami); }

    // A point of the preview's inner area, in the window.
    QPoint nellaTela(int x, int y) const
    {
        return c().test->mapTo(finestra.get(), QPoint(1 + x, 1 + y));
    }

    void premi(Qt::MouseButton pulsante, QPoint interno)
    {
        QTest::mousePress(finestra->windowHandle(), pulsante, {},
                          nellaTela(interno.x(), interno.y()));
    }
    void trascina(QPoint interno)
    {
        QTest::mouseMove(finestra->windowHandle(), nellaTela(interno.x(), interno.y()));
    }
    void rilascia(Qt::MouseButton pulsante, QPoint interno)
    {
        QTest::mouseRelease(finestra->windowHandle(), pulsante, {},
                            nellaTela(interno.x(), interno.y()));
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

// Rows of a 5 x 5 cell string.
QString righe(std::initializer_list<const char*> cinque)
{
    QString celle;
    for (const char* r : cinque)
        celle += QString::fromLatin1(r);
    return celle;
}

// The button's colours while enabled (disabled, its caption is grey).
bool coloriPulsante(const EtichettaPulsante* b, QColor sfondo, QColor testo)
{
    return b->sfondo() == sfondo &&
           b->palette().color(QPalette::Active, QPalette::WindowText) == testo;
}

bool pulsanteRosso(const EtichettaPulsante* b)
{
    return coloriPulsante(b, QColor(0xFF, 0, 0), Qt::white);
}

bool pulsanteNormale(const EtichettaPulsante* b)
{
    return coloriPulsante(b, Qt::white, Qt::black);
}

} // namespace

class TestImporta : public QObject {
    Q_OBJECT

private slots:
    // Centred on the window that opens it, with nothing to convert yet.
    void apertura()
    {
        BancoImporta banco;
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
        QCOMPARE(c.Importami->caption(), QStringLiteral("Trasforma"));
        QVERIFY(!c.Importami->isEnabled());
        QCOMPARE(c.Label2->caption(), QStringLiteral("Bitmap 5x5"));
        QVERIFY(c.Option1[0]->isChecked());
        QVERIFY(c.test->isVisible());
        QVERIFY(!c.errore->isVisible());
        QVERIFY(!c.test->haFigura());
        // Browsing starts in the program's folder, on its volume, and the session learns them.
        QCOMPARE(f->cartella(), banco.programma);
        QCOMPARE(f->volume(), banco.disco);
        QCOMPARE(banco.sessione.cartella, banco.programma);
        QCOMPARE(banco.sessione.volume, banco.disco);
        QCOMPARE(c.Drive1->currentText(), banco.disco);
        QCOMPARE(c.Dir1->currentItem()->text(0), QStringLiteral("gridora"));
        // The disabled button does nothing.
        banco.converti();
        QCOMPARE(f->latoCelle(), 0);
        QCOMPARE(c.Importami->caption(), QStringLiteral("Trasforma"));
    }

    // --- A picture of each format, chosen in the list, converted and handed over ---

    void ogniFormato_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<int>("lato");

        QTest::newRow("bmp") << "quadro.bmp" << scritta(disegno(celleDi(10), 10, {200, 150}), "bmp")
                             << 10;
        QTest::newRow("jpeg") << "foto.JPG" << scritta(disegno(celleDi(15), 15, {640, 480}), "jpeg")
                              << 15;
        QTest::newRow("jpeg lungo")
            << "lunga.jpeg" << scritta(disegno(celleDi(5), 5, {90, 700}), "jpeg") << 5;
        QTest::newRow("gif") << "animale.Gif" << gif(disegno(celleDi(10), 10, {90, 120})) << 10;
        QTest::newRow("ico") << "icona.ico" << scritta(disegno(celleDi(5), 5, {48, 48}), "ico")
                             << 5;
        QByteArray cursore = scritta(disegno(celleDi(5), 5, {32, 32}), "ico");
        cursore[2] = 2; // a cursor file
        QTest::newRow("cur") << "puntatore.CUR" << cursore << 5;
        QTest::newRow("wmf") << "disegno.wmf" << wmfDi(celleDi(15), 15) << 15;
    }

    void ogniFormato()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, dati);
        QFETCH(int, lato);
        BancoImporta banco;
        scrivi(banco.programma + "/" + nome, dati);
        scrivi(banco.programma + "/altro.bmp", scritta(tinta(Qt::black), "bmp"));
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        QSignalSpy mostrate(f, &Importa::figuraMostrata);
        QVERIFY(banco.scegli(nome));
        QCOMPARE(mostrate.count(), 1);
        QCOMPARE(mostrate.first().first().toBool(), true);
        QVERIFY(c.test->haFigura());
        QVERIFY(c.Importami->isEnabled());
        QCOMPARE(c.Importami->caption(), QStringLiteral("Trasforma"));

        if (lato == 5) {
            banco.converti();
        } else {
            // With a picture on show the size option converts at once.
            clicca(c.Option1[lato / 5 - 1]);
            QCOMPARE(banco.sessione.lato, lato);
        }
        QCOMPARE(f->celle(), celleDi(lato));
        QCOMPARE(f->latoCelle(), lato);
        QCOMPARE(c.risultato->celle(), celleDi(lato));
        QCOMPARE(c.Label2->caption(), QStringLiteral("Bitmap %1x%1").arg(lato));
        QCOMPARE(c.Importami->caption(), QStringLiteral("Importa"));

        QSignalSpy trasferite(f, &Importa::trasferita);
        banco.converti();
        QCOMPARE(trasferite.count(), 1);
        QCOMPARE(trasferite.first().at(0).toString(), celleDi(lato));
        QCOMPARE(trasferite.first().at(1).toInt(), lato);
        QVERIFY(!f->isVisible());
    }

    // --- Bad files: "Immagine NON Valida", and nothing else changes ---

    void fileNonValidi_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<QString>("prima");       // done after the listing, before the click
        QTest::addColumn<QByteArray>("aiutante"); // a stand-in for the metafile helper

        const QByteArray bmp = scritta(disegno(celleDi(5), 5, {64, 48}), "bmp");
        const QByteArray jpeg = scritta(disegno(celleDi(5), 5, {64, 48}), "jpeg");
        QByteArray gigante = bmp;
        for (int k : {18, 22}) { // width and height 100000
            gigante[k] = char(0xA0);
            gigante[k + 1] = char(0x86);
            gigante[k + 2] = 1;
            gigante[k + 3] = 0;
        }
        QTest::newRow("vuoto") << "vuoto.bmp" << QByteArray() << "" << QByteArray();
        QTest::newRow("troncato") << "mezzo.jpg" << jpeg.left(jpeg.size() * 2 / 3) << ""
                                  << QByteArray();
        QTest::newRow("bmp troncato")
            << "mezzo.bmp" << bmp.left(bmp.size() - 200) << "" << QByteArray();
        QTest::newRow("casuale") << "rumore.gif" << casuali(4000, 1) << "" << QByteArray();
        QTest::newRow("dimensioni giganti") << "gigante.bmp" << gigante << "" << QByteArray();
        QTest::newRow("wmf rifiutato")
            << "rotto.wmf" << QByteArray("\xD7\xCD\xC6\x9A", 4) + casuali(3000, 2) << ""
            << QByteArray();
        QTest::newRow("cartella col nome di figura")
            << "cartella.ico" << bmp << "cartella" << QByteArray();
        QTest::newRow("sparito") << "sparito.cur" << bmp << "togli" << QByteArray();
        QTest::newRow("illeggibile") << "chiuso.bmp" << bmp << "chiudi" << QByteArray();
        QTest::newRow("aiutante che si blocca")
            << "lento.wmf" << wmfDi(celleDi(5), 5) << "" << QByteArray("exec sleep 30");
        QTest::newRow("aiutante che si schianta") << "schianto.wmf" << wmfDi(celleDi(5), 5) << ""
                                                  << QByteArray("cat >/dev/null; kill -SEGV $$");
    }

    void fileNonValidi()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, dati);
        QFETCH(QString, prima);
        QFETCH(QByteArray, aiutante);
        if (prima == u"chiudi" && ::geteuid() == 0)
            QSKIP("root reads every file");
        BancoImporta banco;
        if (!aiutante.isEmpty()) {
            banco.programmaWmf = banco.radice.filePath("aiutante.sh");
            scrivi(banco.programmaWmf, "#!/bin/sh\n" + aiutante + "\n");
            QFile::setPermissions(banco.programmaWmf, QFile::ReadOwner | QFile::ExeOwner);
            banco.limiti.attesaWmfMs = 500;
        }
        const QString percorso = banco.programma + "/" + nome;
        scrivi(percorso, dati);
        scrivi(banco.programma + "/buono.bmp", scritta(tinta(Qt::black), "bmp"));
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        const QStringList elenco = banco.file();
        QVERIFY(elenco.contains(nome));
        if (prima == u"cartella") {
            QVERIFY(QFile::remove(percorso));
            QVERIFY(QDir().mkdir(percorso));
        } else if (prima == u"togli") {
            QVERIFY(QFile::remove(percorso));
        } else if (prima == u"chiudi") {
            QVERIFY(QFile::setPermissions(percorso, {}));
        }

        // A good picture converted first: the bad one takes its place.
        QVERIFY(banco.scegli("buono.bmp"));
        clicca(c.Option1[1]);
        QCOMPARE(c.Importami->caption(), QStringLiteral("Importa"));
        QSignalSpy mostrate(f, &Importa::figuraMostrata);
        QElapsedTimer tempo;
        tempo.start();
        QVERIFY(banco.scegli(nome));
        QVERIFY2(tempo.elapsed() < 3000, qPrintable(QString::number(tempo.elapsed())));
        QCOMPARE(mostrate.count(), 1);
        QCOMPARE(mostrate.first().first().toBool(), false);
        QVERIFY(c.errore->isVisible());
        QVERIFY(!c.test->isVisible());
        QVERIFY(!c.test->haFigura());
        QVERIFY(!c.Importami->isEnabled());
        QCOMPARE(c.Importami->caption(), QStringLiteral("Trasforma"));
        QCOMPARE(c.risultato->lato(), 0);
        QCOMPARE(f->cartella(), banco.programma);
        QCOMPARE(banco.file(), elenco);
        QCOMPARE(f->lato(), 10);

        // The window goes on: a good file shows again.
        QVERIFY(banco.scegli("buono.bmp"));
        QVERIFY(c.test->isVisible());
        QVERIFY(!c.errore->isVisible());
        QCOMPARE(f->celle(), QString());
        banco.converti();
        QCOMPARE(f->celle(), QString(100, u'1'));
    }

    // A metafile that keeps the helper busy to its deadline does not stop the window, and a file
    // chosen meanwhile is the one shown.
    void finestraVivaDuranteLaLettura()
    {
        BancoImporta banco;
        banco.programmaWmf = banco.radice.filePath("aiutante.sh");
        scrivi(banco.programmaWmf, "#!/bin/sh\nexec sleep 30\n");
        QFile::setPermissions(banco.programmaWmf, QFile::ReadOwner | QFile::ExeOwner);
        banco.limiti.attesaWmfMs = 1500;
        scrivi(banco.programma + "/lento.wmf", wmfDi(celleDi(5), 5));
        scrivi(banco.programma + "/nero.bmp", scritta(tinta(Qt::black), "bmp"));
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        QSignalSpy mostrate(f, &Importa::figuraMostrata);
        QListView* lista = c.File1;
        const auto punto = [&](int riga) {
            return lista->viewport()->mapTo(
                f, lista->visualRect(lista->model()->index(riga, 0)).center());
        };
        QElapsedTimer tempo;
        tempo.start();
        clicca(f, punto(0)); // lento.wmf
        QVERIFY(f->occupata());
        clicca(c.Option1[2]);
        QCOMPARE(f->lato(), 15);
        clicca(f, punto(1)); // nero.bmp, while the helper still sleeps
        QVERIFY(tempo.elapsed() < 1000);
        QVERIFY(banco.quieta());
        QCOMPARE(mostrate.count(), 1); // the metafile's answer never came
        QCOMPARE(mostrate.first().first().toBool(), true);
        QVERIFY(!c.errore->isVisible());
        banco.converti();
        QCOMPARE(f->celle(), QString(225, u'1'));
    }

    // --- The preview as a canvas ---

    // Left paints black, right white, 8 pixels wide along the pointer's way; what is sampled is
    // what the preview shows.
    void trattiColMouse()
    {
        BancoImporta banco;
        scrivi(banco.programma + "/bianco.bmp", scritta(tinta(Qt::white), "bmp"));
        scrivi(banco.programma + "/nero.bmp", scritta(tinta(Qt::black), "bmp"));
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        // 5 x 5 samples at 0, 24, 48, 72 and 96 on each axis.
        banco.trascina({60, 60});
        QCOMPARE(c.test->nomePuntatore(), QStringLiteral("MANO"));
        banco.premi(Qt::LeftButton, {2, 48});
        QVERIFY(c.Importami->isEnabled());
        banco.trascina({40, 48});
        QCOMPARE(c.test->nomePuntatore(), QStringLiteral("PENNA2"));
        banco.trascina({116, 48}); // one long move: the stroke still covers every sample
        banco.rilascia(Qt::LeftButton, {116, 48});
        banco.converti();
        QCOMPARE(f->celle(), righe({"00000", "00000", "11111", "00000", "00000"}));
        // The right button erases across it, and the button converts again.
        banco.premi(Qt::RightButton, {48, 2});
        QCOMPARE(c.Importami->caption(), QStringLiteral("Trasforma"));
        banco.trascina({48, 60});
        QCOMPARE(c.test->nomePuntatore(), QStringLiteral("GOMMA"));
        banco.trascina({48, 116});
        banco.rilascia(Qt::RightButton, {48, 116});
        banco.trascina({50, 110});
        QCOMPARE(c.test->nomePuntatore(), QStringLiteral("MANO"));
        // A click leaves a dot.
        banco.tratto(Qt::LeftButton, {{96, 96}});
        banco.converti();
        QCOMPARE(f->celle(), righe({"00000", "00000", "11011", "00000", "00001"}));
        // A move without a button draws nothing.
        banco.trascina({24, 24});
        banco.trascina({24, 72});
        QCOMPARE(campiona(c.test->vista(), 5), f->celle());

        // Strokes over a picture stay on it, and are converted with it ...
        QVERIFY(banco.scegli("nero.bmp"));
        banco.tratto(Qt::RightButton, {{0, 24}, {60, 24}, {118, 24}});
        banco.converti();
        QCOMPARE(f->celle(), righe({"11111", "00000", "11111", "11111", "11111"}));
        f->repaint(); // a repaint keeps them
        QCOMPARE(campiona(c.test->vista(), 5), f->celle());
        QCOMPARE(
            c.test->grab().toImage().copy(1, 1, 119, 119).convertToFormat(QImage::Format_RGB32),
            c.test->vista());
        // ... until the size changes, which shows the picture afresh ...
        clicca(c.Option1[1]);
        QCOMPARE(f->celle(), QString(100, u'1'));
        // ... or a file is chosen, even the one already chosen.
        banco.tratto(Qt::LeftButton, {{0, 0}, {118, 118}});
        QVERIFY(banco.scegli("bianco.bmp"));
        banco.converti();
        QCOMPARE(f->celle(), QString(100, u'0'));
        banco.tratto(Qt::LeftButton, {{0, 0}, {118, 118}});
        QVERIFY(campiona(c.test->vista(), 10) != QString(100, u'0'));
        QVERIFY(banco.scegli("bianco.bmp"));
        QVERIFY(c.test->haFigura());
        QCOMPARE(c.test->vista(), immagineAnteprima(tinta(Qt::white)));
    }

    // The middle button clears the picture, the strokes and the result; the cells shown before
    // can no longer be handed over.
    void clicCentrale()
    {
        BancoImporta banco;
        scrivi(banco.programma + "/nero.bmp", scritta(tinta(Qt::black), "bmp"));
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        QVERIFY(banco.scegli("nero.bmp"));
        banco.tratto(Qt::RightButton, {{0, 0}, {118, 0}});
        banco.converti();
        QCOMPARE(c.Importami->caption(), QStringLiteral("Importa"));

        QSignalSpy trasferite(f, &Importa::trasferita);
        banco.premi(Qt::MiddleButton, {60, 60});
        QCOMPARE(c.test->nomePuntatore(), QStringLiteral("RIEMPI"));
        banco.rilascia(Qt::MiddleButton, {60, 60});
        QVERIFY(!c.test->haFigura());
        QCOMPARE(c.test->vista(), immagineAnteprima(QImage()));
        QCOMPARE(c.risultato->lato(), 0);
        QCOMPARE(c.Importami->caption(), QStringLiteral("Trasforma"));
        QVERIFY(c.Importami->isEnabled());
        banco.converti();
        QCOMPARE(trasferite.count(), 0);
        QCOMPARE(f->celle(), QString(25, u'0'));
        // Strokes on the empty box stay through a size change.
        banco.tratto(Qt::LeftButton, {{0, 0}, {118, 0}});
        clicca(c.Option1[2]);
        QCOMPARE(f->celle(), QString(15, u'1') + QString(210, u'0'));
    }

    // Through its modes, and red under the pointer only while it can be clicked.
    void statiDelPulsante()
    {
        BancoImporta banco;
        scrivi(banco.programma + "/nero.bmp", scritta(tinta(Qt::black), "bmp"));
        QDir().mkdir(banco.programma + "/Immagini");
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        EtichettaPulsante* b = c.Importami;
        muovi(f, centroInFinestra(b));
        QVERIFY(pulsanteNormale(b));

        // Nothing loaded: a size change only stores the size; the title keeps the last one.
        clicca(c.Option1[1]);
        QCOMPARE(banco.sessione.lato, 10);
        QVERIFY(!b->isEnabled());
        QCOMPARE(c.Label2->caption(), QStringLiteral("Bitmap 5x5"));

        QVERIFY(banco.scegli("nero.bmp"));
        QVERIFY(b->isEnabled());
        muovi(f, centroInFinestra(b));
        QVERIFY(pulsanteRosso(b));
        muovi(f, centroInFinestra(c.File1));
        QVERIFY(pulsanteNormale(b));
        muovi(f, centroInFinestra(b));
        QVERIFY(pulsanteRosso(b));
        clicca(b);
        QCOMPARE(b->caption(), QStringLiteral("Importa"));
        QCOMPARE(c.Label2->caption(), QStringLiteral("Bitmap 10x10"));
        muovi(f, QPoint(5, f->height() - 5)); // the window's free area
        QVERIFY(pulsanteNormale(b));

        // A press on the preview: "Trasforma" again, in its normal colours.
        banco.tratto(Qt::LeftButton, {{5, 5}});
        QCOMPARE(b->caption(), QStringLiteral("Trasforma"));
        QVERIFY(b->isEnabled());
        clicca(b);
        QCOMPARE(b->caption(), QStringLiteral("Importa"));

        // Another folder: nothing to convert, nothing shown.
        QVERIFY(banco.apriCartella("Immagini"));
        QCOMPARE(b->caption(), QStringLiteral("Trasforma"));
        QVERIFY(!b->isEnabled());
        QVERIFY(!c.test->haFigura());
        QCOMPARE(c.risultato->lato(), 0);
        muovi(f, centroInFinestra(b));
        QVERIFY(pulsanteNormale(b));
    }

    // --- Browsing ---

    void navigazione()
    {
        BancoImporta banco;
        const QString p = banco.programma;
        for (const char* nome : {"b.Jpg", "A.BMP", "c.jpeg", "d.GIF", "e.wmf", "f.ICO", "g.cur",
                                 "h.png", "i.txt", "bmp", "j.bmp.txt", ".nascosto.bmp"})
            scrivi(p + "/" + QString::fromLatin1(nome), "x");
        for (const char* nome : {"sotto.gif", "Immagini", "archivio", ".nascosta"})
            QDir().mkdir(p + "/" + QString::fromLatin1(nome));
        QVERIFY(QFile::link(p + "/A.BMP", p + "/collegata.bmp"));
        QVERIFY(QFile::link(p + "/manca.bmp", p + "/sospesa.jpg"));
        QVERIFY(QFile::link(p + "/Immagini", p + "/scorciatoia"));
        scrivi(p + "/Immagini/foto.jpg", scritta(tinta(Qt::black), "jpeg"));
        scrivi(banco.chiavetta + "/vacanze.JPEG", "x");
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        QCOMPARE(banco.file(), (QStringList{"A.BMP", "b.Jpg", "c.jpeg", "collegata.bmp", "d.GIF",
                                            "e.wmf", "f.ICO", "g.cur"}));
        QCOMPARE(banco.albero(), (QStringList{banco.disco, "gridora", "archivio", "Immagini",
                                              "scorciatoia", "sotto.gif"}));
        QCOMPARE(c.Drive1->count(), 2);
        QCOMPARE(c.Drive1->itemText(0), banco.disco);

        // Down into a folder, through a link to one, and up to the volume's root.
        QVERIFY(banco.scegli("A.BMP"));
        QSignalSpy mostrate(f, &Importa::cartellaMostrata);
        QVERIFY(banco.apriCartella("Immagini"));
        QCOMPARE(mostrate.count(), 1);
        QCOMPARE(f->cartella(), p + "/Immagini");
        QCOMPARE(banco.sessione.cartella, p + "/Immagini");
        QCOMPARE(banco.file(), QStringList{"foto.jpg"});
        QCOMPARE(banco.albero(), (QStringList{banco.disco, "gridora", "Immagini"}));
        QCOMPARE(c.Dir1->currentItem()->text(0), QStringLiteral("Immagini"));
        QVERIFY(!c.test->haFigura()); // the preview is emptied by a new folder
        QVERIFY(banco.apriCartella("gridora"));
        QVERIFY(banco.apriCartella("scorciatoia"));
        QCOMPARE(banco.file(), QStringList{"foto.jpg"});
        QVERIFY(banco.apriCartella(banco.disco));
        QCOMPARE(f->cartella(), banco.disco);
        QCOMPARE(banco.albero(), (QStringList{banco.disco, "gridora"}));
        QVERIFY(banco.file().isEmpty());

        // Another volume: its root is the folder.
        QVERIFY(banco.scegliVolume(banco.chiavetta));
        QCOMPARE(f->volume(), banco.chiavetta);
        QCOMPARE(f->cartella(), banco.chiavetta);
        QCOMPARE(banco.sessione.volume, banco.chiavetta);
        QCOMPARE(banco.file(), QStringList{"vacanze.JPEG"});
        QCOMPARE(banco.albero(), QStringList{banco.chiavetta});
    }

    // A folder or volume that cannot be read leaves everything as it was.
    void cartellaIlleggibile()
    {
        BancoImporta banco;
        const QString p = banco.programma;
        scrivi(p + "/nero.bmp", scritta(tinta(Qt::black), "bmp"));
        for (const char* nome : {"sparita", "diventa file", "chiusa"})
            QDir().mkdir(p + "/" + QString::fromLatin1(nome));
        banco.volumi.prepend(banco.radice.filePath("assente"));
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        QVERIFY(banco.scegli("nero.bmp"));
        banco.converti();
        const auto invariata = [&] {
            QCOMPARE(f->cartella(), p);
            QCOMPARE(f->volume(), banco.disco);
            QCOMPARE(banco.sessione.cartella, p);
            QCOMPARE(banco.sessione.volume, banco.disco);
            QCOMPARE(banco.file(), QStringList{"nero.bmp"});
            QCOMPARE(c.Dir1->currentItem()->text(0), QStringLiteral("gridora"));
            QCOMPARE(c.Drive1->currentText(), banco.disco);
            QVERIFY(c.test->haFigura());
            QCOMPARE(c.Importami->caption(), QStringLiteral("Importa"));
            QCOMPARE(f->celle(), QString(25, u'1'));
        };

        QVERIFY(QDir(p + "/sparita").removeRecursively());
        QVERIFY(banco.apriCartella("sparita"));
        invariata();
        QVERIFY(QDir(p + "/diventa file").removeRecursively());
        scrivi(p + "/diventa file", "x");
        QVERIFY(banco.apriCartella("diventa file"));
        invariata();
        if (::geteuid() != 0) {
            QVERIFY(QFile::setPermissions(p + "/chiusa", {}));
            QVERIFY(banco.apriCartella("chiusa"));
            QFile::setPermissions(p + "/chiusa",
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            invariata();
        }
        QVERIFY(banco.scegliVolume(banco.radice.filePath("assente")));
        invariata();
        if (QTest::currentTestFailed())
            return;

        // Still usable.
        QVERIFY(banco.scegliVolume(banco.chiavetta));
        QCOMPARE(f->cartella(), banco.chiavetta);
    }

    // --- The editor's session ---

    void sessioneTraAperture()
    {
        BancoImporta banco;
        QDir().mkdir(banco.programma + "/Immagini");
        scrivi(banco.programma + "/Immagini/nero.bmp", scritta(tinta(Qt::black), "bmp"));
        Importa* f = banco.apri();
        QVERIFY(f);
        const auto& c = banco.c();
        QVERIFY(banco.apriCartella("Immagini"));
        QVERIFY(banco.scegli("nero.bmp"));
        clicca(c.Option1[1]);
        QCOMPARE(banco.sessione.lato, 10);
        QSignalSpy trasferite(f, &Importa::trasferita);
        banco.converti();
        QCOMPARE(trasferite.count(), 1);
        QVERIFY(!f->isVisible());

        // The editor's board is now 15 x 15: the window opens on that side, in the same folder
        // with the same list and picture, with nothing to convert until something is chosen.
        banco.sessione.lato = 15;
        QVERIFY(banco.apri());
        QVERIFY(c.Option1[2]->isChecked());
        QCOMPARE(f->lato(), 15);
        QCOMPARE(f->cartella(), banco.programma + "/Immagini");
        QCOMPARE(banco.file(), QStringList{"nero.bmp"});
        QVERIFY(c.test->haFigura());
        QVERIFY(!c.Importami->isEnabled());
        QCOMPARE(c.Importami->caption(), QStringLiteral("Trasforma"));
        QCOMPARE(c.Label2->caption(), QStringLiteral("Bitmap 10x10")); // the last conversion's
        QCOMPARE(c.risultato->lato(), 0);

        // Closing writes the side back; the next opening is a fresh one, in the same folder.
        clicca(c.Option1[0]);
        banco.sessione.lato = 10; // whatever the session held, the window's side goes back
        QSignalSpy chiuse(f, &Importa::chiusa);
        QVERIFY(f->close());
        QCOMPARE(chiuse.count(), 1);
        QCOMPARE(banco.sessione.lato, 5);
        QVERIFY(banco.apri());
        QVERIFY(c.Option1[0]->isChecked());
        QVERIFY(!c.test->haFigura());
        QCOMPARE(c.Label2->caption(), QStringLiteral("Bitmap 5x5"));
        QCOMPARE(f->cartella(), banco.programma + "/Immagini");

        // A new window with the editor's session starts where browsing was left, on its side.
        banco.finestra.reset();
        banco.sessione.lato = 15;
        QVERIFY(banco.apri());
        QVERIFY(banco.c().Option1[2]->isChecked());
        QCOMPARE(banco.c().Label2->caption(), QStringLiteral("Bitmap 15x15"));
        QCOMPARE(banco.finestra->cartella(), banco.programma + "/Immagini");
        QCOMPARE(banco.finestra->volume(), banco.disco);
        QCOMPARE(banco.file(), QStringList{"nero.bmp"});
    }

    // Nothing ticks while the window waits for the user.
    void nessunTimerInAttesa()
    {
        BancoImporta banco;
        scrivi(banco.programma + "/nero.bmp", scritta(tinta(Qt::black), "bmp"));
        Importa* f = banco.apri();
        QVERIFY(f);
        QVERIFY(banco.scegli("nero.bmp"));
        banco.converti();
        QTest::qWait(50);
        struct Contatore : QObject {
            int scatti = 0;
            bool eventFilter(QObject*, QEvent* e) override
            {
                scatti += e->type() == QEvent::Timer;
                return false;
            }
        } contatore;
        qApp->installEventFilter(&contatore);
        QTest::qWait(400);
        qApp->removeEventFilter(&contatore);
        QCOMPARE(contatore.scatti, 0);
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
        QCOMPARE(percorsoDa("/mnt/a", "/mnt/a/b/"), (QStringList{"/mnt/a", "/mnt/a/b"}));
        QCOMPARE(percorsoDa("/mnt/a", "/mnt/ab"), QStringList{"/mnt/ab"});
    }

    // Only the latest request of a kind is answered, and a Caricatore goes away within the
    // reader's deadline even while a metafile keeps its helper busy.
    void soloLUltimaRichiesta()
    {
        QTemporaryDir radice;
        const QString grande = radice.filePath("grande");
        const QString piccola = radice.filePath("piccola");
        QDir().mkpath(grande);
        QDir().mkpath(piccola);
        for (int i = 0; i < 3000; ++i)
            scrivi(grande + QStringLiteral("/f%1.bmp").arg(i), {});
        scrivi(piccola + "/uno.gif", {});
        const QString aiutante = radice.filePath("aiutante.sh");
        scrivi(aiutante, "#!/bin/sh\nexec sleep 30\n");
        QFile::setPermissions(aiutante, QFile::ReadOwner | QFile::ExeOwner);
        const LimitiImmagine limiti;
        const QString lento = radice.filePath("lento.wmf");
        scrivi(lento, wmfDi(celleDi(5), 5));
        const QString nero = radice.filePath("nero.bmp");
        scrivi(nero, scritta(tinta(Qt::black), "bmp"));

        auto caricatore = std::make_unique<Caricatore>(LetturaImmagine(aiutante, limiti));
        QSignalSpy elencate(caricatore.get(), &Caricatore::elencata);
        QSignalSpy lette(caricatore.get(), &Caricatore::letta);
        caricatore->elenca(grande);
        const int ultima = caricatore->elenca(piccola);
        QTRY_VERIFY(!caricatore->inCorso());
        QCOMPARE(elencate.count(), 1);
        QCOMPARE(elencate.first().at(0).toInt(), ultima);
        QCOMPARE(elencate.first().at(1).toString(), piccola);
        caricatore->leggi(nero, {119, 119});
        caricatore->annullaLettura();
        QTest::qWait(100);
        QCOMPARE(lette.count(), 0);

        caricatore->leggi(lento, {119, 119});
        QTest::qWait(100); // the helper has started
        QElapsedTimer tempo;
        tempo.start();
        caricatore.reset();
        QVERIFY2(tempo.elapsed() < limiti.attesaWmfMs + 1000,
                 qPrintable(QString::number(tempo.elapsed())));
    }
};

QTEST_MAIN(TestImporta)
#include "tst_importa.moc"
