// Makes the pictures of the windows that the instructions show, from the windows themselves:
//   immagini_istruzioni CARTELLA              writes the bitmaps into CARTELLA (resources/bitmap)
//   immagini_istruzioni --confronta CARTELLA  fails unless CARTELLA holds exactly these bytes
// Each window is opened offscreen in a fixed state over the tests' stand-ins, grabbed, set in a
// drawn window frame and resampled to its bitmap's size with integer arithmetic. The fonts are
// the embedded ones and the font configuration is the tool's own, so two runs, here or on
// another machine of the same platform, give the same bytes.

#include "Banco.h"
#include "Bmp.h"
#include "editor/Gridora.h"
#include "import/Importa.h"
#include "model/Collezione.h"
#include "resources/Risorse.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QListView>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <vector>

using namespace gridora;

namespace {

struct Ritratto {
    QString nome; // of the bitmap
    QImage immagine;
};

// Rendering that depends on nothing outside the tool: no scaling, theme or desktop settings,
// and a font configuration that knows no system font and fixes antialiasing and hinting.
bool fissaAmbiente(const QTemporaryDir& cartella)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* variabile :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
          "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY", "QT_FONT_DPI",
          "QT_USE_PHYSICAL_DPI", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP",
          "DESKTOP_SESSION"}) {
        qunsetenv(variabile);
    }
    const QString configurazione = cartella.filePath(QStringLiteral("fonts.conf"));
    QFile f(configurazione);
    const QByteArray testo = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="pattern">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
    <edit name="autohint" mode="assign"><bool>false</bool></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
    <edit name="lcdfilter" mode="assign"><const>lcdnone</const></edit>
    <edit name="embeddedbitmap" mode="assign"><bool>false</bool></edit>
  </match>
</fontconfig>
)";
    if (!cartella.isValid() || !f.open(QIODevice::WriteOnly) || f.write(testo) != testo.size() ||
        !f.flush()) {
        return false;
    }
    qputenv("FONTCONFIG_FILE", QFile::encodeName(configurazione));
    return true;
}

// Area-weighted resampling, exact in integers: a destination pixel averages the source pixels
// it covers, each weighted by the part it covers.
QImage ricampiona(const QImage& immagine, QSize dimensione)
{
    const QImage s = immagine.convertToFormat(QImage::Format_RGB32);
    struct Peso {
        int indice;
        qint64 peso;
    };
    // Along one axis a source pixel spans `destinazione` units and a destination pixel
    // `sorgente` units.
    const auto pesi = [](int sorgente, int destinazione) {
        std::vector<std::vector<Peso>> tutti(static_cast<std::size_t>(destinazione));
        for (int d = 0; d < destinazione; ++d) {
            const qint64 inizio = qint64(d) * sorgente;
            const qint64 fine = inizio + sorgente;
            for (qint64 i = inizio / destinazione; i * destinazione < fine; ++i) {
                const qint64 da = std::max(inizio, i * destinazione);
                const qint64 a = std::min(fine, (i + 1) * destinazione);
                tutti[static_cast<std::size_t>(d)].push_back({static_cast<int>(i), a - da});
            }
        }
        return tutti;
    };
    const auto pesiX = pesi(s.width(), dimensione.width());
    const auto pesiY = pesi(s.height(), dimensione.height());
    const qint64 area = qint64(s.width()) * s.height();
    QImage d(dimensione, QImage::Format_RGB32);
    for (int y = 0; y < dimensione.height(); ++y) {
        for (int x = 0; x < dimensione.width(); ++x) {
            qint64 r = 0, g = 0, b = 0;
            for (const Peso& py : pesiY[static_cast<std::size_t>(y)]) {
                const auto* riga = reinterpret_cast<const QRgb*>(s.constScanLine(py.indice));
                for (const Peso& px : pesiX[static_cast<std::size_t>(x)]) {
                    const QRgb c = riga[px.indice];
                    const qint64 peso = px.peso * py.peso;
                    r += qRed(c) * peso;
                    g += qGreen(c) * peso;
                    b += qBlue(c) * peso;
                }
            }
            d.setPixel(x, y,
                       qRgb(int((r + area / 2) / area), int((g + area / 2) / area),
                            int((b + area / 2) / area)));
        }
    }
    return d;
}

// A window frame around a client area: a grey border, a title bar with the program icon, the
// caption and a close box.
constexpr int Bordo = 3;
constexpr int BarraTitolo = 22;

QSize dimensioneCornice(QSize cliente)
{
    return cliente + QSize(2 * Bordo, 2 * Bordo + BarraTitolo);
}

QImage incornicia(const QImage& cliente, const QString& titolo)
{
    QImage finestra(dimensioneCornice(cliente.size()), QImage::Format_RGB32);
    finestra.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&finestra);
    const QRect fuori = finestra.rect();
    p.setPen(QColor(0xFF, 0xFF, 0xFF));
    p.drawLine(fuori.topLeft(), fuori.topRight() - QPoint(1, 0));
    p.drawLine(fuori.topLeft(), fuori.bottomLeft() - QPoint(0, 1));
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawLine(fuori.bottomLeft(), fuori.bottomRight());
    p.drawLine(fuori.topRight(), fuori.bottomRight());

    // Title bar: navy to blue, one column at a time.
    const QRect barra(Bordo, Bordo, cliente.width(), BarraTitolo - 1);
    for (int x = 0; x < barra.width(); ++x) {
        const int t = barra.width() > 1 ? x * 255 / (barra.width() - 1) : 0;
        const QColor colore((0x00 * (255 - t) + 0x10 * t) / 255,
                            (0x00 * (255 - t) + 0x84 * t) / 255,
                            (0x80 * (255 - t) + 0xD0 * t) / 255);
        p.fillRect(barra.left() + x, barra.top(), 1, barra.height(), colore);
    }
    const QIcon icona = risorse::icona();
    const QSize lato = icona.availableSizes().value(0, QSize(32, 32));
    const QImage simbolo = ricampiona(icona.pixmap(lato).toImage(), QSize(16, 16));
    p.drawImage(barra.left() + 2, barra.top() + (barra.height() - 16) / 2, simbolo);

    const QRect chiudi(barra.right() - 2 - 16, barra.top() + (barra.height() - 14) / 2, 16, 14);
    p.fillRect(chiudi, QColor(0xC0, 0xC0, 0xC0));
    p.setPen(Qt::white);
    p.drawLine(chiudi.topLeft(), chiudi.topRight());
    p.drawLine(chiudi.topLeft(), chiudi.bottomLeft());
    p.setPen(Qt::black);
    p.drawLine(chiudi.bottomLeft(), chiudi.bottomRight());
    p.drawLine(chiudi.topRight(), chiudi.bottomRight());
    p.setPen(QPen(Qt::black, 2));
    const QRect croce = chiudi.adjusted(5, 4, -5, -4);
    p.drawLine(croce.topLeft(), croce.bottomRight());
    p.drawLine(croce.topRight(), croce.bottomLeft());

    p.setFont(carattere(8.25, true));
    p.setPen(Qt::white);
    const QRect spazioTitolo(barra.left() + 22, barra.top(), chiudi.left() - barra.left() - 26,
                             barra.height());
    p.drawText(spazioTitolo, Qt::AlignLeft | Qt::AlignVCenter, titolo);

    p.drawImage(Bordo, Bordo + BarraTitolo, cliente);
    return finestra;
}

QImage cliente(QWidget* finestra)
{
    QCoreApplication::processEvents();
    return finestra->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A window's picture at the size of its bitmap.
QImage ritratto(const QImage& cliente, const QString& titolo, QSize dimensione)
{
    return ricampiona(incornicia(cliente, titolo), dimensione);
}

// A red arrow pointing left at a point.
void freccia(QImage& immagine, QPoint punta, int lunghezza)
{
    QPainter p(&immagine);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x00, 0x00));
    const int y = punta.y();
    p.drawRect(punta.x() + 8, y - 1, lunghezza - 8, 3);
    const QPoint punte[] = {punta, {punta.x() + 9, y - 6}, {punta.x() + 9, y + 6}};
    p.drawPolygon(punte, 3);
}

// The puzzle of the pictures: a house under an empty first row, which the game crosses out.
const Schema Casa = {QStringLiteral("Casa"),
                     {"..........", "....##....", "...####...", "..######..", ".########.",
                      "..#....#..", "..#.##.#..", "..#.##.#..", "..#.##.#..", "..######.."}};

QList<Ritratto> ritrattiInizioEGioco()
{
    QList<Ritratto> ritratti;
    {
        Banco banco;
        ritratti.append(
            {QStringLiteral("INIZIO"),
             ritratto(cliente(banco.inizio.get()), banco.inizio->windowTitle(), QSize(264, 227))});
    }
    Banco banco;
    banco.metti(10, {Casa});
    GridoraGame* gioco = banco.apri(10);
    ritratti.append(
        {QStringLiteral("AIUTO"), ritratto(cliente(gioco), gioco->windowTitle(), QSize(180, 201))});

    // In play: the roof filled, the walls begun, the cells of row 5 around its two walls
    // crossed with the right button, a little more than two minutes on the clock, and the
    // pointer on column 4, whose clue stands large beside the board.
    banco.rispondi(gioco, false);
    for (int riga = 1; riga <= 4; ++riga) {
        for (int colonna = 0; colonna < 10; ++colonna) {
            if (Casa.righe[riga][colonna] == u'#')
                banco.clic(gioco, riga, colonna);
        }
    }
    constexpr std::pair<int, int> Muri[] = {{5, 2}, {6, 2}, {9, 2}, {9, 3}, {6, 4}};
    for (const auto& [riga, colonna] : Muri)
        banco.clic(gioco, riga, colonna);
    for (int colonna : {0, 1, 3, 4, 5, 6, 8, 9})
        banco.clic(gioco, 5, colonna, Qt::RightButton);
    banco.tempo.scatta(137);
    muovi(gioco, gioco->tavoliere().rettangoloCella(7, 4).center());
    const QImage inGioco = cliente(gioco);
    ritratti.append(
        {QStringLiteral("MOSTRA"), ritratto(inGioco, gioco->windowTitle(), QSize(179, 202))});

    // The same, with an arrow at the crossed row.
    QImage conFreccia = inGioco;
    const QRect ultima = gioco->tavoliere().rettangoloCella(5, 9);
    freccia(conFreccia, QPoint(ultima.right() + 3, ultima.center().y()), 40);
    ritratti.append(
        {QStringLiteral("MOSTRA2"), ritratto(conFreccia, gioco->windowTitle(), QSize(179, 202))});
    return ritratti;
}

// A house on a hill under the sun, drawn on the picture the import window converts.
QImage figuraDaImportare()
{
    QImage figura(240, 180, QImage::Format_RGB32);
    figura.fill(QColor(0xF4, 0xF8, 0xFF));
    QPainter p(&figura);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x70, 0x30));
    p.drawEllipse(QRect(-60, 120, 360, 160)); // the hill
    p.setBrush(QColor(0xE0, 0xB0, 0x10));
    p.drawEllipse(QRect(180, 14, 40, 40)); // the sun
    p.setBrush(QColor(0xA0, 0x20, 0x20));
    const QPoint tetto[] = {{60, 80}, {120, 30}, {180, 80}};
    p.drawPolygon(tetto, 3);
    p.setBrush(QColor(0x60, 0x40, 0x20));
    p.drawRect(75, 80, 90, 60);
    p.setBrush(QColor(0xF4, 0xF8, 0xFF));
    p.drawRect(90, 95, 20, 20);
    p.drawRect(130, 95, 20, 45);
    return figura;
}

// The editor with a drawn 15 x 15 figure; the editor widened with the list of the 15 x 15
// puzzles; the import window with a picture converted into a 15 x 15 drawing.
QList<Ritratto> ritrattiEditorEImportazione()
{
    QList<Ritratto> ritratti;
    Banco banco;
    clicca(banco.inizio->Libero);
    auto* editor = qobject_cast<Gridora*>(banco.inizio->figlia());
    clicca(editor->controlli().Option1[2]);
    const QList<VoceCollezione> collezione = collezioneIniziale(15);
    const VoceCollezione& gatto = collezione.at(3);
    for (int k = 0; k < 225; ++k) {
        if (gatto.pixel[k] == u'1')
            clicca(editor, editor->tavoliere().rettangoloCella(k / 15, k % 15).center());
    }
    clicca(editor, editor->tavoliere().rettangoloCella(0, 0).center(), Qt::RightButton);
    muovi(editor, editor->tavoliere().rettangoloCella(7, 6).center());
    ritratti.append({QStringLiteral("DISEGNO"),
                     ritratto(cliente(editor), editor->windowTitle(), QSize(427, 391))});

    clicca(editor->controlli().ClearF);
    clicca(editor->controlli().CaricaF);
    muovi(editor, editor->tavoliere().rettangoloCella(4, 9).center());
    ritratti.append({QStringLiteral("CARICA"),
                     ritratto(cliente(editor), editor->windowTitle(), QSize(567, 389))});

    // A fixed folder, so that the folder tree shows the same names on every machine.
    const QString cartella = QStringLiteral("/tmp/GridoraPC-istruzioni/Immagini");
    QDir(cartella).removeRecursively();
    QDir().mkpath(cartella);
    figuraDaImportare().save(cartella + QStringLiteral("/casa.bmp"), "BMP");
    figuraDaImportare()
        .mirrored(true, false)
        .save(cartella + QStringLiteral("/tramonto.jpg"), "JPG", 90);
    SessioneImportazione sessione{15, QStringLiteral("/"), cartella};
    Importa importa(banco.servizi, sessione, LetturaImmagine(QString()),
                    AmbienteImportazione{cartella, [] { return QStringList{"/"}; }});
    importa.preparaApertura(nullptr);
    importa.show();
    const auto quieta = [&] { return QTest::qWaitFor([&] { return !importa.occupata(); }); };
    quieta();
    const auto& c = importa.controlli();
    const QModelIndex prima = c.File1->model()->index(0, 0);
    clicca(&importa, c.File1->viewport()->mapTo(&importa, c.File1->visualRect(prima).center()));
    quieta();
    clicca(c.Importami);
    muovi(&importa, centroInFinestra(c.Importami));
    ritratti.append({QStringLiteral("IMPORTA"),
                     ritratto(cliente(&importa), importa.windowTitle(), QSize(259, 168))});
    QDir(QStringLiteral("/tmp/GridoraPC-istruzioni")).removeRecursively();
    return ritratti;
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir configurazione;
    if (!fissaAmbiente(configurazione)) {
        QTextStream(stderr) << "immagini_istruzioni: configurazione dei caratteri non scritta\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());

    QTextStream errori(stderr);
    QStringList argomenti = QCoreApplication::arguments().mid(1);
    const bool confronta = argomenti.value(0) == QStringLiteral("--confronta");
    if (confronta)
        argomenti.removeFirst();
    if (argomenti.size() != 1) {
        errori << "uso: immagini_istruzioni [--confronta] CARTELLA\n";
        return 2;
    }
    const QDir cartella(argomenti.first());

    QList<Ritratto> ritratti = ritrattiInizioEGioco();
    ritratti += ritrattiEditorEImportazione();
    bool riuscito = true;
    for (const Ritratto& r : ritratti) {
        const QByteArray dati = genera::bmp24(r.immagine);
        QFile f(cartella.filePath(r.nome + QStringLiteral(".bmp")));
        const bool uguale = f.open(QIODevice::ReadOnly) && f.readAll() == dati;
        f.close();
        if (confronta && !uguale) {
            errori << f.fileName()
                   << " non corrisponde alle finestre: cmake --build BUILD --target "
                      "immagini_istruzioni_tutte\n";
            riuscito = false;
        } else if (!confronta && !uguale &&
                   (!f.open(QIODevice::WriteOnly) || f.write(dati) != dati.size() || !f.flush())) {
            errori << "impossibile scrivere " << f.fileName() << ": " << f.errorString() << '\n';
            riuscito = false;
        }
    }
    return riuscito ? 0 : 1;
}
