// Benchmark of the import window (not part of the test run), through the window as a user meets
// it: a folder of 10,000 files opened in the folder tree until its files are on screen, with the
// longest time the window could not answer meanwhile; and a 6000 x 4000 JPEG chosen in the file
// list until it is shown, then converted. Each must take under 300 ms.
// With a folder as argument it also saves pictures of the window there: a picture converted
// (importa_figura.png), a drawing (importa_disegno.png) and a bad file (importa_non_valida.png).
// Run: QT_QPA_PLATFORM=offscreen ./build/tools/bench_importa [FOLDER]

#include "Banco.h"
#include "Figure.h"
#include "Misurazioni.h"
#include "import/Importa.h"
#include "import/RisultatoConversione.h"
#include "import/TelaAnteprima.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace gridora;

namespace {

// A red heart with a black outline on a pale blue sky, for the picture of the window.
QImage cuore()
{
    QImage img(320, 240, QImage::Format_RGB32);
    img.fill(QColor(0xC0, 0xE0, 0xFF));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath forma;
    forma.moveTo(160, 215);
    forma.cubicTo(20, 130, 40, 20, 160, 75);
    forma.cubicTo(280, 20, 300, 130, 160, 215);
    p.setPen(QPen(Qt::black, 10));
    p.setBrush(QColor(0xE0, 0x20, 0x30));
    p.drawPath(forma);
    return img;
}

struct Postazione {
    Banco banco; // the start window and the collaborators of the windows
    SessioneImportazione sessione;
    std::unique_ptr<Importa> finestra;

    explicit Postazione(const QString& cartella)
    {
        finestra = std::make_unique<Importa>(banco.servizi, sessione,
                                             LetturaImmagine(QStringLiteral(GRIDORA_PROGRAMMA_WMF)),
                                             AmbienteImportazione{cartella, {}});
        finestra->preparaApertura(nullptr);
        finestra->show();
        if (!QTest::qWaitForWindowExposed(finestra.get()))
            qFatal("the window is not shown");
        quieta();
    }

    const Importa::Controlli& c() const { return finestra->controlli(); }

    void quieta()
    {
        if (!QTest::qWaitFor([this] { return !finestra->occupata(); }, 10000))
            qFatal("the window is still busy");
    }

    void apriCartella(const QString& nome)
    {
        for (QTreeWidgetItemIterator it(c().Dir1); *it; ++it) {
            if ((*it)->text(0) == nome) {
                const QPoint punto = c().Dir1->viewport()->mapTo(
                    finestra.get(), c().Dir1->visualItemRect(*it).center());
                QTest::mouseDClick(finestra->windowHandle(), Qt::LeftButton, {}, punto);
                return;
            }
        }
        qFatal("no folder %s", qPrintable(nome));
    }

    void scegli(const QString& nome)
    {
        const auto* modello = static_cast<QStringListModel*>(c().File1->model());
        const QModelIndex indice = modello->index(int(modello->stringList().indexOf(nome)), 0);
        c().File1->scrollTo(indice);
        clicca(finestra.get(), c().File1->viewport()->mapTo(
                                   finestra.get(), c().File1->visualRect(indice).center()));
    }

    QPoint nellaTela(int x, int y) const
    {
        return c().test->mapTo(finestra.get(), QPoint(1 + x, 1 + y));
    }

    void tratto(const QList<QPoint>& punti, Qt::MouseButton pulsante = Qt::LeftButton)
    {
        QWindow* w = finestra->windowHandle();
        QTest::mousePress(w, pulsante, {}, nellaTela(punti.first().x(), punti.first().y()));
        for (const QPoint& p : punti.mid(1))
            QTest::mouseMove(w, nellaTela(p.x(), p.y()));
        QTest::mouseRelease(w, pulsante, {}, nellaTela(punti.last().x(), punti.last().y()));
    }
};

// The longest wait between two turns of the event loop while `fatto` is false.
struct Vedetta {
    QTimer battito;
    QElapsedTimer orologio;
    double ultimo = 0;
    double pausaMassima = 0;

    Vedetta()
    {
        battito.setInterval(1);
        QObject::connect(&battito, &QTimer::timeout, [this] {
            const double ora = ms(orologio);
            pausaMassima = std::max(pausaMassima, ora - ultimo);
            ultimo = ora;
        });
    }
    void avvia()
    {
        pausaMassima = 0;
        ultimo = 0;
        orologio.start();
        battito.start();
    }
    double ferma()
    {
        battito.stop();
        pausaMassima = std::max(pausaMassima, ms(orologio) - ultimo);
        return pausaMassima;
    }
};

bool elencoDiecimila(const QString& radice)
{
    const QString programma = radice + "/gridora";
    const QString grande = programma + "/diecimila";
    QDir().mkpath(grande);
    const char* estensioni[] = {".bmp", ".JPG", ".jpeg", ".Gif", ".wmf",
                                ".ico", ".CUR", ".png",  ".txt", ".bmp.bak"};
    for (int i = 0; i < 10000; ++i) {
        const QString nome =
            QStringLiteral("%1/foto_%2%3").arg(grande).arg(i * 7919 % 10000, 5, 10, QChar(u'0'));
        scriviFile(nome + QString::fromLatin1(estensioni[i % 10]), {});
    }

    Postazione p(programma);
    QSignalSpy mostrate(p.finestra.get(), &Importa::cartellaMostrata);
    Vedetta vedetta;
    std::vector<double> tempi, pause;
    qsizetype elencati = 0;
    for (int r = 0; r < Ripetizioni; ++r) {
        mostrate.clear();
        vedetta.avvia();
        QElapsedTimer t;
        t.start();
        p.apriCartella(QStringLiteral("diecimila"));
        if (mostrate.isEmpty() && !mostrate.wait(10000))
            return false;
        p.c().File1->viewport()->repaint();
        p.c().Dir1->viewport()->repaint();
        tempi.push_back(ms(t));
        pause.push_back(vedetta.ferma());
        elencati = static_cast<QStringListModel*>(p.c().File1->model())->rowCount();
        p.apriCartella(QStringLiteral("gridora"));
        p.quieta();
    }
    const double tempo = mediana(tempi);
    std::printf("Folder of 10,000 files (%lld listed): on screen in %.1f ms (median of %d); "
                "longest the window could not answer: %.1f ms (median), %.1f ms (worst)\n",
                static_cast<long long>(elencati), tempo, Ripetizioni, mediana(pause),
                *std::max_element(pause.begin(), pause.end()));
    return elencati == 7000 && tempo < LimiteMs;
}

bool jpegGrande(const QString& radice)
{
    const QString cartella = radice + "/foto";
    QDir().mkpath(cartella);
    QImageWriter scrittore(cartella + "/foto.jpg", "jpeg");
    scrittore.setQuality(90);
    if (!scrittore.write(fotografia(QSize(6000, 4000))))
        return false;
    QImageWriter piccola(cartella + "/piccola.bmp", "bmp");
    if (!piccola.write(cuore()))
        return false;

    Postazione p(cartella);
    QSignalSpy mostrate(p.finestra.get(), &Importa::figuraMostrata);
    std::vector<double> mostra, converte, totale;
    for (int r = 0; r < Ripetizioni; ++r) {
        p.scegli(QStringLiteral("piccola.bmp"));
        p.quieta();
        mostrate.clear();
        QElapsedTimer t;
        t.start();
        p.scegli(QStringLiteral("foto.jpg"));
        if (mostrate.isEmpty() && !mostrate.wait(10000))
            return false;
        p.c().test->repaint();
        mostra.push_back(ms(t));
        QElapsedTimer c;
        c.start();
        clicca(p.c().Importami);
        p.c().risultato->repaint();
        converte.push_back(ms(c));
        totale.push_back(ms(t));
        if (p.finestra->latoCelle() != 5 || !mostrate.first().first().toBool())
            return false;
    }
    const double tempo = mediana(totale);
    std::printf("JPEG 6000x4000: shown in %.1f ms, converted in %.2f ms, %.1f ms in all "
                "(medians of %d)\n",
                mediana(mostra), mediana(converte), tempo, Ripetizioni);
    return tempo < LimiteMs;
}

void immagini(const QString& radice, const QString& uscita)
{
    const QString cartella = radice + "/immagini";
    QDir().mkpath(cartella);
    scriviFile(cartella + "/cuore.bmp", scritta(cuore(), "bmp"));
    const QByteArray jpeg = scritta(cuore(), "jpeg");
    scriviFile(cartella + "/rovinata.jpg", jpeg.left(jpeg.size() / 2));
    for (const char* altro : {"mare.gif", "stella.ico", "logo.wmf", "puntatore.cur"})
        scriviFile(cartella + "/" + QString::fromLatin1(altro), {});

    Postazione p(cartella);
    const auto salvaFinestra = [&](const char* nome) {
        p.finestra->grab().save(QDir(uscita).filePath(QString::fromLatin1(nome)));
    };
    p.scegli(QStringLiteral("cuore.bmp"));
    p.quieta();
    clicca(p.c().Option1[2]);
    salvaFinestra("importa_figura.png");

    // A smiling face: the middle button clears, the left one draws.
    QTest::mouseClick(p.finestra->windowHandle(), Qt::MiddleButton, {}, p.nellaTela(60, 60));
    QList<QPoint> cerchio;
    for (int k = 0; k <= 48; ++k) {
        const double a = k * 2 * M_PI / 48;
        cerchio << QPoint(59 + qRound(48 * std::cos(a)), 59 + qRound(48 * std::sin(a)));
    }
    p.tratto(cerchio);
    p.tratto({{42, 42}, {42, 46}});
    p.tratto({{76, 42}, {76, 46}});
    QList<QPoint> bocca;
    for (int k = 0; k <= 12; ++k) {
        const double a = M_PI * (0.2 + 0.6 * k / 12);
        bocca << QPoint(59 + qRound(28 * std::cos(a)), 58 + qRound(24 * std::sin(a)));
    }
    p.tratto(bocca);
    clicca(p.c().Option1[1]);
    QTest::mouseMove(p.finestra->windowHandle(),
                     p.c().Importami->mapTo(p.finestra.get(), p.c().Importami->rect().center()));
    salvaFinestra("importa_disegno.png");

    p.scegli(QStringLiteral("rovinata.jpg"));
    p.quieta();
    salvaFinestra("importa_non_valida.png");
    std::printf("Pictures of the window in %s\n", qPrintable(uscita));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir radice;
    if (!radice.isValid())
        return 2;
    if (argc > 1) {
        QDir().mkpath(QString::fromLocal8Bit(argv[1]));
        immagini(radice.path(), QString::fromLocal8Bit(argv[1]));
    }
    const bool elenco = elencoDiecimila(radice.path());
    const bool jpeg = jpegGrande(radice.path());
    std::printf("Under %.0f ms: folder %s, JPEG %s\n", LimiteMs, elenco ? "yes" : "NO",
                jpeg ? "yes" : "NO");
    return elenco && jpeg ? 0 : 1;
}
