// The composition of the game window: every control at its designed place.

#include "game/Anteprima.h"
#include "game/GridoraGame.h"
#include "resources/Risorse.h"
#include "widgets/Composizione.h"
#include "widgets/Immagine.h"
#include "widgets/Tavoliere.h"
#include "widgets/Twips.h"

#include <QLineEdit>

namespace gridora {

namespace {

const QColor Oro(0xC0, 0xC0, 0x00);
const QColor Giallo(0xFF, 0xFF, 0x00);
const QColor Azzurro(0xC0, 0xFF, 0xFF);
const QColor Ciano(0x00, 0xFF, 0xFF);
const QColor Rosa(0xFF, 0xC0, 0xC0);
const QColor Blu(0x00, 0x00, 0xFF);

QWidget* cornice(QWidget* contenitore, QRect twips, const QColor& sfondo)
{
    auto* frame = new QWidget(contenitore);
    posiziona(frame, twips.x(), twips.y(), twips.width(), twips.height());
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, sfondo);
    frame->setPalette(p);
    frame->setAutoFillBackground(true);
    return frame;
}

Immagine* immagine(QWidget* contenitore, QRect twips)
{
    auto* picture = new Immagine(contenitore);
    posiziona(picture, twips.x(), twips.y(), twips.width(), twips.height());
    return picture;
}

} // namespace

void GridoraGame::componi()
{
    setWindowTitle(QStringLiteral("GridoraPC"));
    setWindowIcon(risorse::icona());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    // The visible client area of the window in use: 5400 x 6060 twips outside.
    setFixedSize(px(5310), px(5580));
    centraSulloSchermo(this);

    componiFigura();

    tempoG = creaEtichetta(
        this, {1920, 5160, 1815, 375}, QStringLiteral("00:00:00"),
        {.testo = Giallo, .punti = 18, .grassetto = true, .allineamento = Qt::AlignHCenter});
    NomeFig = creaEtichetta(this, {720, 4980, 3855, 255}, {},
                            {.testo = Blu, .grassetto = true, .allineamento = Qt::AlignHCenter});
    TempoR = creaEtichetta(this, {3840, 5280, 1095, 255}, NessunRecord,
                           {.testo = Azzurro,
                            .grassetto = true,
                            .sottolineato = true,
                            .allineamento = Qt::AlignHCenter});
    nomer = creaEtichetta(this, {360, 5280, 1455, 255}, {},
                          {.testo = Ciano,
                           .grassetto = true,
                           .sottolineato = true,
                           .allineamento = Qt::AlignHCenter});
    for (Etichetta* nascosta : {NomeFig, TempoR, nomer})
        nascosta->hide();

    Image2[0] = immagine(this, {50, 5190, 375, 375});
    Image2[1] = immagine(this, {4920, 5190, 375, 375});
    Image3 = immagine(this, {4800, 4000, 375, 975});
    Image3->setImmagine(risorse::pulsanteRecord());
    connect(Image3, &Immagine::rilasciata, this, [this](Qt::MouseButton) { close(); });

    auto* Shape5 = creaForma(this, {4815, 135, 375, 1695}, Qt::black);
    auto* Shape7 = creaForma(this, {0, 5160, 5415, 495}, QColor(0xFF, 0x80, 0x80));
    Shape4 = creaForma(this, {60, 60, 4755, 4935}, std::nullopt);
    boxfig = creaForma(this, {720, 4980, 3855, 195}, Rosa);
    boxfig->hide();
    Shape3 = creaForma(this, {330, 450, 570, 550}, std::nullopt);
    Shape3->setColoreBordo(QColor(0xFF, 0, 0));

    help = cornice(this, {4770, 60, 375, 1695}, Qt::white);
    hlp2 = creaEtichetta(help, {0, 0, 375, 1695}, {},
                         {.grassetto = true,
                          .allineamento = Qt::AlignHCenter,
                          .sfondo = palette().color(QPalette::Window),
                          .bordo = true});

    tavoliere = new Tavoliere(this);
    tavoliere->cancellaSuperficie = [this] { anteprima->cancella(); };

    componiRecord();
    componiRichiesta();

    const Tavoliere& t = *tavoliere;
    impila({richhlp, Info,      t.area, help,   t.d3,      t.d2,    t.v2,
            t.d1,    t.v3,      t.v1,   Image3, Shape3,    NomeFig, TempoR,
            nomer,   Image2[1], tempoG, Shape5, Image2[0], Shape7,  Shape4});
    boxfig->lower();
}

// The figure box at the top-left corner, with the preview drawn inside it.
void GridoraGame::componiFigura()
{
    auto* Shape2 = creaForma(this, {300, 195, 720, 975}, Qt::black);
    auto* Shape1 = creaForma(this, {240, 360, 735, 735}, QColor(0xFF, 0xFF, 0xC0));
    anteprima = new Anteprima(this, 350, 470);
    auto* Shape6 = creaForma(this, {205, 120, 840, 1080}, std::nullopt);
    auto* griglia = creaEtichetta(this, {240, 150, 735, 255}, QStringLiteral("Figura"),
                                  {.punti = 9.75,
                                   .grassetto = true,
                                   .allineamento = Qt::AlignHCenter,
                                   .sfondo = Rosa,
                                   .bordo = true});
    impila({griglia, Shape6, anteprima, Shape1, Shape2});
}

// The new-record panel `Info`.
void GridoraGame::componiRecord()
{
    Info = cornice(this, {1850, 3960, 1695, 975}, Qt::black);
    auto* Shape8 = creaForma(Info, {0, 0, 1665, 945}, Azzurro);
    auto* NewREC = creaEtichetta(
        Info, {0, 120, 1695, 255}, QStringLiteral("NUOVO RECORD"),
        {.testo = QColor(0xFF, 0, 0), .grassetto = true, .allineamento = Qt::AlignHCenter});
    auto* Shape12 = creaForma(Info, {600, 660, 495, 255}, Blu);
    OKREC = creaEtichetta<EtichettaPulsante>(Info, {600, 600, 495, 375}, QStringLiteral("OK"),
                                             {.testo = QColor(0xFF, 0xFF, 0xC0),
                                              .punti = 13.5,
                                              .grassetto = true,
                                              .allineamento = Qt::AlignHCenter});
    OKREC->setEnabled(false);
    Text1 = new QLineEdit(Info);
    posiziona(Text1, 120, 330, 1455, 285);
    Text1->setFont(carattere(8.25));
    impila({Text1, OKREC, Shape12, NewREC, Shape8});
    Info->hide();
}

// The starting-help question `richhlp`.
void GridoraGame::componiRichiesta()
{
    richhlp = cornice(this, {1320, 2040, 3255, 1335}, Qt::black);
    auto* Shape9 = creaForma(richhlp, {0, 0, 3135, 1215}, Azzurro);
    const StileEtichetta titolo = {
        .punti = 12, .grassetto = true, .allineamento = Qt::AlignHCenter};
    auto* ombra =
        creaEtichetta(richhlp, {0, 120, 3135, 375}, QStringLiteral("Vuoi un Aiuto?"), titolo);
    std::array<Forma*, 2> Shape11 = {creaForma(richhlp, {360, 480, 855, 255}, Blu),
                                     creaForma(richhlp, {1920, 480, 855, 255}, Blu)};
    auto* Shape10 = creaForma(richhlp, {0, 840, 3135, 375}, QColor(0x00, 0x00, 0x80));
    const StileEtichetta risposta = {
        .testo = Giallo, .punti = 9.75, .grassetto = true, .allineamento = Qt::AlignHCenter};
    hlpYes[0] = creaEtichetta<EtichettaPulsante>(richhlp, {360, 480, 855, 255},
                                                 QStringLiteral("SI"), risposta);
    hlpYes[1] = creaEtichetta<EtichettaPulsante>(richhlp, {1920, 480, 855, 255},
                                                 QStringLiteral("NO"), risposta);
    StileEtichetta bianco = titolo;
    bianco.testo = Qt::white;
    auto* domanda =
        creaEtichetta(richhlp, {-10, 110, 3135, 375}, QStringLiteral("Vuoi un Aiuto?"), bianco);
    const StileEtichetta nome = {.testo = Oro, .punti = 13.5, .grassetto = true};
    auto* Label100 = creaEtichetta(richhlp, {840, 840, 375, 495}, QStringLiteral("G"), nome);
    StileEtichetta nomeBianco = nome;
    nomeBianco.testo = Qt::white;
    auto* ridora =
        creaEtichetta(richhlp, {1080, 840, 855, 375}, QStringLiteral("ridora"), nomeBianco);
    auto* pc = creaEtichetta(richhlp, {1920, 840, 855, 375}, QStringLiteral("PC"), nome);
    impila({Label100, ridora, pc, domanda, hlpYes[0], hlpYes[1], Shape10, Shape11[1], Shape11[0],
            ombra, Shape9});
    richhlp->hide();
}

void GridoraGame::posizionaRichiesta(int left, int top)
{
    sposta(richhlp, left, top);
}

void GridoraGame::dimensionaShape3(int lato)
{
    const int misura = lato == 15 ? 570 : 550;
    posiziona(Shape3, 330, 450, misura, misura);
}

} // namespace gridora
