// The composition of the game window: every control at its designed place.

#include "game/GridoraGame.h"
#include "model/Lati.h"
#include "model/Orologio.h"
#include "model/Record.h"
#include "resources/Risorse.h"
#include "widgets/Anteprima.h"
#include "widgets/Composizione.h"
#include "widgets/Immagine.h"
#include "widgets/RipetizioneColonna.h"
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
    componiEtichette();
    componiImmagini();

    auto* Shape7 = creaForma(this, {0, 5160, 5415, 495}, QColor(0xFF, 0x80, 0x80));
    auto* Shape4 = creaForma(this, {60, 60, 4755, 4935}, std::nullopt);
    m_c.boxfig = creaForma(this, {720, 4980, 3855, 195}, Rosa);
    m_c.boxfig->hide();
    const int cornicePreview = fattiLato(m_parametri.lato).cornicePreview;
    m_c.Shape3 = creaForma(this, {330, 450, cornicePreview, cornicePreview}, std::nullopt);
    m_c.Shape3->setColoreBordo(QColor(0xFF, 0, 0));

    m_ripetizione = std::make_unique<RipetizioneColonna>(this, QPoint(4770, 60), QPoint(4815, 135));
    m_c.hlp2 = m_ripetizione->etichetta();
    m_tavoliere = new Tavoliere(this);

    componiRecord();
    componiRichiesta();

    const auto t = m_tavoliere->controlli();
    impila({m_c.richhlp,   m_c.Info,
            t[0],          m_ripetizione->cornice(),
            t[1],          t[2],
            t[3],          t[4],
            t[5],          t[6],
            m_c.Image3,    m_c.Shape3,
            m_c.NomeFig,   m_c.TempoR,
            m_c.nomer,     m_c.Image2[1],
            m_c.tempoG,    m_ripetizione->ombra(),
            m_c.Image2[0], Shape7,
            Shape4});
    m_c.boxfig->lower();
}

// The labels under the board: the clock, the puzzle's name and the record, the last three hidden
// until there is something to show.
void GridoraGame::componiEtichette()
{
    struct Voce {
        Etichetta* Controlli::*campo;
        QRect twips;
        QString caption;
        StileEtichetta stile;
    };
    const StileEtichetta centrato = {.grassetto = true, .allineamento = Qt::AlignHCenter};
    StileEtichetta orologio = centrato;
    orologio.testo = Giallo;
    orologio.punti = 18;
    StileEtichetta nome = centrato;
    nome.testo = Blu;
    StileEtichetta tempoRecord = centrato;
    tempoRecord.testo = Azzurro;
    tempoRecord.sottolineato = true;
    StileEtichetta titolare = tempoRecord;
    titolare.testo = Ciano;
    const std::array<Voce, 4> etichette = {{
        {&Controlli::tempoG, {1920, 5160, 1815, 375}, testoOrario(0), orologio},
        {&Controlli::NomeFig, {720, 4980, 3855, 255}, {}, nome},
        {&Controlli::TempoR, {3840, 5280, 1095, 255}, testoOrario(SecondiTetto), tempoRecord},
        {&Controlli::nomer, {360, 5280, 1455, 255}, {}, titolare},
    }};
    for (const Voce& v : etichette) {
        m_c.*v.campo = creaEtichetta(this, v.twips, v.caption, v.stile);
        if (v.campo != &Controlli::tempoG)
            (m_c.*v.campo)->hide();
    }
}

// The two icons beside the clock and the green button that closes the window.
void GridoraGame::componiImmagini()
{
    m_c.Image2[0] = immagine(this, {50, 5190, 375, 375});
    m_c.Image2[1] = immagine(this, {4920, 5190, 375, 375});
    m_c.Image3 = immagine(this, {4800, 4000, 375, 975});
    m_c.Image3->setImmagine(risorse::pulsanteRecord());
    connect(m_c.Image3, &Immagine::rilasciata, this, [this](Qt::MouseButton pulsante) {
        if (pulsante == Qt::LeftButton)
            close();
    });
}

// The figure box at the top-left corner, with the preview drawn inside it.
void GridoraGame::componiFigura()
{
    auto* Shape2 = creaForma(this, {300, 195, 720, 975}, Qt::black);
    auto* Shape1 = creaForma(this, {240, 360, 735, 735}, QColor(0xFF, 0xFF, 0xC0));
    m_c.anteprima = new Anteprima(this, 350, 470, QColor(0xFF, 0xFF, 0xC0));
    auto* Shape6 = creaForma(this, {205, 120, 840, 1080}, std::nullopt);
    auto* griglia = creaEtichetta(this, {240, 150, 735, 255}, QStringLiteral("Figura"),
                                  {.punti = 9.75,
                                   .grassetto = true,
                                   .allineamento = Qt::AlignHCenter,
                                   .sfondo = Rosa,
                                   .bordo = true});
    impila({griglia, Shape6, m_c.anteprima, Shape1, Shape2});
}

// The new-record panel `Info`.
void GridoraGame::componiRecord()
{
    m_c.Info = cornice(this, {1850, 3960, 1695, 975}, Qt::black);
    auto* Shape8 = creaForma(m_c.Info, {0, 0, 1665, 945}, Azzurro);
    auto* NewREC = creaEtichetta(
        m_c.Info, {0, 120, 1695, 255}, QStringLiteral("NUOVO RECORD"),
        {.testo = QColor(0xFF, 0, 0), .grassetto = true, .allineamento = Qt::AlignHCenter});
    auto* Shape12 = creaForma(m_c.Info, {600, 660, 495, 255}, Blu);
    m_c.OKREC =
        creaEtichetta<EtichettaPulsante>(m_c.Info, {600, 600, 495, 375}, QStringLiteral("OK"),
                                         {.testo = QColor(0xFF, 0xFF, 0xC0),
                                          .punti = 13.5,
                                          .grassetto = true,
                                          .allineamento = Qt::AlignHCenter});
    m_c.OKREC->setEnabled(false);
    m_c.Text1 = new QLineEdit(m_c.Info);
    posiziona(m_c.Text1, 120, 330, 1455, 285);
    m_c.Text1->setFont(carattere(8.25));
    impila({m_c.Text1, m_c.OKREC, Shape12, NewREC, Shape8});
    m_c.Info->hide();

    // The length is kept here rather than by the box's own limit, which counts code units and
    // would cut an emoji in two.
    connect(m_c.Text1, &QLineEdit::textEdited, this, [this](const QString& testo) {
        const QString filtrato = filtraNomeTitolare(testo);
        if (filtrato != testo) {
            // What was before the cursor, filtered, stays before it.
            const QString prima = filtraNomeTitolare(testo.left(m_c.Text1->cursorPosition()));
            m_c.Text1->setText(filtrato);
            m_c.Text1->setCursorPosition(int(std::min(prima.size(), filtrato.size())));
        }
    });
    connect(m_c.Text1, &QLineEdit::textChanged, this, [this](const QString& testo) {
        m_c.OKREC->setEnabled(nomeTitolareAccettabile(testo));
    });
    connect(m_c.OKREC, &EtichettaPulsante::cliccata, this, &GridoraGame::OKREC_Click);
    connect(m_c.Text1, &QLineEdit::returnPressed, this, [this] {
        if (m_c.OKREC->isEnabled()) // Enter confirms the name as OK does
            OKREC_Click();
    });
}

// The starting-help question `richhlp`, placed for the side.
void GridoraGame::componiRichiesta()
{
    const QPoint dove = fattiLato(m_parametri.lato).richiesta;
    m_c.richhlp = cornice(this, {dove.x(), dove.y(), 3255, 1335}, Qt::black);
    QWidget* r = m_c.richhlp;
    auto* Shape9 = creaForma(r, {0, 0, 3135, 1215}, Azzurro);
    const StileEtichetta titolo = {
        .punti = 12, .grassetto = true, .allineamento = Qt::AlignHCenter};
    auto* ombra = creaEtichetta(r, {0, 120, 3135, 375}, QStringLiteral("Vuoi un Aiuto?"), titolo);
    std::array<Forma*, 2> Shape11 = {creaForma(r, {360, 480, 855, 255}, Blu),
                                     creaForma(r, {1920, 480, 855, 255}, Blu)};
    auto* Shape10 = creaForma(r, {0, 840, 3135, 375}, QColor(0x00, 0x00, 0x80));
    const StileEtichetta risposta = {
        .testo = Giallo, .punti = 9.75, .grassetto = true, .allineamento = Qt::AlignHCenter};
    m_c.hlpYes[0] =
        creaEtichetta<EtichettaPulsante>(r, {360, 480, 855, 255}, QStringLiteral("SI"), risposta);
    m_c.hlpYes[1] =
        creaEtichetta<EtichettaPulsante>(r, {1920, 480, 855, 255}, QStringLiteral("NO"), risposta);
    StileEtichetta bianco = titolo;
    bianco.testo = Qt::white;
    auto* domanda =
        creaEtichetta(r, {-10, 110, 3135, 375}, QStringLiteral("Vuoi un Aiuto?"), bianco);
    const StileEtichetta nome = {.testo = Oro, .punti = 13.5, .grassetto = true};
    auto* Label100 = creaEtichetta(r, {840, 840, 375, 495}, QStringLiteral("G"), nome);
    StileEtichetta nomeBianco = nome;
    nomeBianco.testo = Qt::white;
    auto* ridora = creaEtichetta(r, {1080, 840, 855, 375}, QStringLiteral("ridora"), nomeBianco);
    auto* pc = creaEtichetta(r, {1920, 840, 855, 375}, QStringLiteral("PC"), nome);
    impila({Label100, ridora, pc, domanda, m_c.hlpYes[0], m_c.hlpYes[1], Shape10, Shape11[1],
            Shape11[0], ombra, Shape9});
    r->hide();
    for (int i = 0; i < 2; ++i) {
        connect(m_c.hlpYes[i], &EtichettaPulsante::cliccata, this, [this, i] { hlpYes_Click(i); });
    }
}

} // namespace gridora
