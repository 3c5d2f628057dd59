#include "menu/InizioGioco.h"

#include "editor/Gridora.h"
#include "game/GridoraGame.h"
#include "help/Istruzioni.h"
#include "resources/Risorse.h"
#include "widgets/Composizione.h"
#include "widgets/Immagine.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <array>

namespace gridora {

namespace {

const QColor Giallo(0xFF, 0xFF, 0x00);

} // namespace

InizioGioco::InizioGioco(const Servizi& servizi) : m_servizi(servizi)
{
    componi();
}

InizioGioco::~InizioGioco()
{
    delete m_figlia.aperta();
}

void InizioGioco::componi()
{
    setWindowTitle(QStringLiteral("Gridora"));
    setWindowIcon(risorse::icona());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(px(3855), px(3000));
    centraSulloSchermo(this);
    setMouseTracking(true);

    auto* Shape1 = creaForma(this, {1920, 960, 1935, 615}, QColor(0xC0, 0xC0, 0xC0));
    componiPulsanti();
    auto* Shape2 = creaForma(this, {0, 2640, 3900, 380}, QColor(0xC0, 0xC0, 0xFF), false);
    auto* Line1 = new Linea(this);
    Line1->setEstremi(0, 2640, 3840, 2640);
    Label1 = creaEtichetta(this, {0, 2640, 3855, 375}, QStringLiteral("Istruzioni"),
                           {.punti = 13.5, .allineamento = Qt::AlignHCenter});
    componiOpzioni();

    impila({NoAudio, NoErrori, NoX, Label1, Line1, Shape2, libero2, difficile2, medio2, facile2,
            Libero, difficile1, medio1, facile1, logo, Shape1});
    for (QWidget* controllo : std::initializer_list<QWidget*>{
             facile1, medio1, difficile1, Libero, Label1, NoX, NoErrori, NoAudio, logo}) {
        controllo->installEventFilter(this);
    }
    collega();
}

// The title, the four pictures that open a game or the editor, and the inverting highlight over
// each of them.
void InizioGioco::componiPulsanti()
{
    logo = new Immagine(this);
    sposta(logo, 0, 0);
    logo->setAdatta(false); // the title keeps its own size, clipped at the right edge
    logo->setImmagine(risorse::immagine(u"LOGO"));
    logo->setBordo(true);

    struct Voce {
        Immagine* InizioGioco::*picture;
        Forma* InizioGioco::*evidenziazione;
        QRect twips;
        const char* immagine;
        const char* suggerimento;
    };
    static constexpr std::array<Voce, 4> pulsanti = {{
        {&InizioGioco::facile1,
         &InizioGioco::facile2,
         {240, 1200, 1575, 375},
         "FACILE",
         "Schema 5x5"},
        {&InizioGioco::medio1,
         &InizioGioco::medio2,
         {240, 1680, 1575, 375},
         "MEDIO",
         "Schema 10x10"},
        {&InizioGioco::difficile1,
         &InizioGioco::difficile2,
         {240, 2160, 1575, 375},
         "DIFFICILE",
         "Schema 15x15"},
        {&InizioGioco::Libero,
         &InizioGioco::libero2,
         {2160, 1080, 1575, 375},
         "LIBERO",
         "Importa, disegna, carica, salva Immagini"},
    }};
    for (const Voce& v : pulsanti) {
        auto* picture = new Immagine(this);
        posiziona(picture, v.twips.x(), v.twips.y(), v.twips.width(), v.twips.height());
        picture->setImmagine(risorse::immagine(QString::fromLatin1(v.immagine)));
        picture->setBordo(true);
        picture->setToolTip(QString::fromLatin1(v.suggerimento));
        picture->setMouseTracking(true);
        this->*v.picture = picture;
        auto* forma = creaForma(this, v.twips, std::nullopt, false);
        forma->setInverti(true);
        forma->hide();
        this->*v.evidenziazione = forma;
    }
}

// The three game options.
void InizioGioco::componiOpzioni()
{
    struct Voce {
        QCheckBox* InizioGioco::*campo;
        QRect twips;
        const char* testo;
        const char* suggerimento;
    };
    static constexpr std::array<Voce, 3> opzioni = {{
        {&InizioGioco::NoX,
         {2280, 1680, 1695, 255},
         "Senza X",
         "Gioca senza mettere le X nelle caselle inutili"},
        {&InizioGioco::NoErrori,
         {2280, 1920, 1575, 255},
         "Senza Errori",
         "Nessun controllo sugli errori (Difficile)"},
        {&InizioGioco::NoAudio, {2280, 2160, 1575, 255}, "NO AUDIO", ""},
    }};
    for (const Voce& v : opzioni) {
        auto* box = new QCheckBox(QString::fromLatin1(v.testo), this);
        posiziona(box, v.twips.x(), v.twips.y(), v.twips.width(), v.twips.height());
        box->setFont(carattere(8.25, true));
        box->setToolTip(QString::fromLatin1(v.suggerimento));
        this->*v.campo = box;
    }
}

// A left click on a picture opens its window; on "Istruzioni", the instructions.
void InizioGioco::collega()
{
    for (const auto& [picture, lato] :
         {std::pair{facile1, 5}, std::pair{medio1, 10}, std::pair{difficile1, 15}}) {
        connect(picture, &Immagine::rilasciata, this, [this, l = lato](Qt::MouseButton b) {
            if (b == Qt::LeftButton)
                apriGioco(l);
        });
    }
    connect(Libero, &Immagine::rilasciata, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            apriEditor();
    });
    connect(Label1, &Etichetta::rilasciata, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            apriIstruzioni();
    });
}

GridoraGame* InizioGioco::gioco() const
{
    return qobject_cast<GridoraGame*>(figlia());
}

void InizioGioco::apriGioco(int lato)
{
    if (figlia())
        return;
    const ParametriGioco parametri{.lato = lato,
                                   .senzaX = NoX->isChecked(),
                                   .senzaErrori = NoErrori->isChecked(),
                                   .audio = !NoAudio->isChecked()};
    m_figlia.apri(new GridoraGame(m_servizi, parametri));
}

void InizioGioco::apriEditor()
{
    if (!figlia())
        m_figlia.apri(new Gridora(m_servizi, m_importazione));
}

void InizioGioco::apriIstruzioni()
{
    if (!figlia())
        m_figlia.apri(new Istruzioni);
}

void InizioGioco::evidenzia(Forma* evidenziazione)
{
    for (Forma* forma : {facile2, medio2, difficile2, libero2})
        forma->setVisible(forma == evidenziazione);
}

void InizioGioco::puntatoreSopra(QWidget* controllo)
{
    const QCursor mano = risorse::puntatore(u"MANO");
    if (controllo == facile1 || controllo == medio1 || controllo == difficile1 ||
        controllo == Libero) {
        setCursor(mano);
        evidenzia(controllo == facile1      ? facile2
                  : controllo == medio1     ? medio2
                  : controllo == difficile1 ? difficile2
                                            : libero2);
    } else if (controllo == Label1) {
        setCursor(mano);
        Label1->setColoreTesto(Giallo);
    } else if (controllo == NoX || controllo == NoErrori) {
        setCursor(risorse::puntatore(u"PENNA"));
        evidenzia(nullptr);
        if (controllo == NoErrori)
            Label1->setColoreTesto(Qt::black);
    } else if (controllo != NoAudio) { // the title and the window's free area
        unsetCursor();
        evidenzia(nullptr);
        if (controllo != logo)
            Label1->setColoreTesto(Qt::black);
    }
}

bool InizioGioco::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::Enter)
        puntatoreSopra(static_cast<QWidget*>(oggetto));
    return QWidget::eventFilter(oggetto, evento);
}

// Moves over the controls reach the window too (those without mouse tracking never see them,
// the pictures pass them on): what counts is the control under the pointer.
void InizioGioco::mouseMoveEvent(QMouseEvent* evento)
{
    QWidget* sotto = childAt(evento->position().toPoint());
    while (sotto && sotto->parentWidget() != this)
        sotto = sotto->parentWidget();
    puntatoreSopra(sotto ? sotto : this);
    QWidget::mouseMoveEvent(evento);
}

void InizioGioco::closeEvent(QCloseEvent* evento)
{
    evento->accept();
    QCoreApplication::quit();
}

} // namespace gridora
