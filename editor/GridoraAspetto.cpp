// The composition of the editor window: every control in its place, and the wiring of
// their events.

#include "editor/Gridora.h"
#include "model/Nomi.h"
#include "resources/Risorse.h"
#include "widgets/Anteprima.h"
#include "widgets/Composizione.h"
#include "widgets/RipetizioneColonna.h"
#include "widgets/Tavoliere.h"
#include "widgets/Twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QStringListModel>
#include <QTimer>
#include <QValidator>

namespace gridora {

namespace {

const QColor Rosa(0xFF, 0xC0, 0xC0);
const QColor Grigio(0x80, 0x80, 0x80);

// The name box takes at most LunghezzaMassimaNome characters as a person sees them: a key or a
// paste that would go past them is refused whole, so no character is ever cut in two.
class LimiteNome : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& testo, int& /*posizione*/) const override
    {
        return caratteriNome(testo) <= LunghezzaMassimaNome ? Acceptable : Invalid;
    }
};

QWidget* cornice(QWidget* contenitore, QRect twips)
{
    auto* frame = new QWidget(contenitore);
    posiziona(frame, twips.x(), twips.y(), twips.width(), twips.height());
    frame->setAutoFillBackground(true);
    return frame;
}

} // namespace

void Gridora::componi()
{
    setWindowTitle(QStringLiteral("Crea Schermo Gridora"));
    setWindowIcon(risorse::icona());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    // The window colour of this window is white, for the window itself and for its controls.
    QPalette bianco = palette();
    bianco.setColor(QPalette::Window, Qt::white);
    setPalette(bianco);
    setAutoFillBackground(true);
    setMouseTracking(true);

    componiFigura();
    m_ripetizione = std::make_unique<RipetizioneColonna>(this, QPoint(4750, 50), QPoint(4800, 120));
    m_c.hlp2 = m_ripetizione->etichetta();
    auto* Shape4 = creaForma(this, {75, 45, 4755, 4935}, std::nullopt);
    m_tavoliere = new Tavoliere(this);
    m_conteggio = new QTimer(this);
    m_conteggio->setSingleShot(true);
    m_conteggio->setInterval(0);
    connect(m_conteggio, &QTimer::timeout, this, &Gridora::segnalaAmbiguita);

    m_c.Lista = new QListView(this);
    posiziona(m_c.Lista, 6360, 240, 1935, 4545);
    m_nomi = new QStringListModel(this);
    m_c.Lista->setModel(m_nomi);
    m_c.Lista->setFont(carattere(8.25));
    m_c.Lista->setUniformItemSizes(true);
    m_c.Lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_c.Lista->hide();
    componiMenuLista();

    componiNome();
    componiPulsanti();

    const auto t = m_tavoliere->controlli(); // area, d3, d2, v2, d1, v3, v1
    impila({t[0], m_ripetizione->cornice(), m_c.Lista, m_c.modnome, m_c.mappa, t[1], t[2], t[3],
            t[4], t[5], t[6]});
    for (QWidget* dietro :
         {static_cast<QWidget*>(m_ripetizione->ombra()), static_cast<QWidget*>(Shape4)})
        dietro->lower();
}

// The figure box at the top-left corner, with the preview and its red frame inside it.
void Gridora::componiFigura()
{
    auto* Shape2 = creaForma(this, {300, 180, 720, 975}, Qt::black);
    auto* Shape1 = creaForma(this, {240, 375, 735, 735}, QColor(0xFF, 0xFF, 0xC0));
    m_c.anteprima = new Anteprima(this, 350, 470, QColor(0xFF, 0xFF, 0x00));
    auto* griglia = creaEtichetta(this, {240, 135, 735, 255}, QStringLiteral("Figura"),
                                  {.punti = 9.75,
                                   .grassetto = true,
                                   .allineamento = Qt::AlignHCenter,
                                   .sfondo = Rosa,
                                   .bordo = true});
    m_c.Shape3 = creaForma(this, {330, 450, 540, 540}, std::nullopt);
    m_c.Shape3->setColoreBordo(QColor(0xFF, 0, 0));
    auto* Shape6 = creaForma(this, {210, 105, 840, 1080}, std::nullopt);
    impila({Shape6, m_c.Shape3, griglia, m_c.anteprima, Shape1, Shape2});
}

// The name box along the bottom.
void Gridora::componiNome()
{
    m_c.modnome = cornice(this, {720, 5040, 3735, 375});
    m_c.Nome = new QLineEdit(m_c.modnome);
    posiziona(m_c.Nome, 720, 0, 2775, 285);
    m_c.Nome->setFont(carattere(8.25));
    m_c.Nome->setValidator(new LimiteNome(m_c.Nome));
    creaEtichetta(m_c.modnome, {0, 0, 735, 255}, QStringLiteral("Nome:"),
                  {.punti = 9.75, .grassetto = true, .allineamento = Qt::AlignRight});
}

// The button column `mappa`: the size options "Griglia" and the six label-buttons.
void Gridora::componiPulsanti()
{
    m_c.mappa = cornice(this, {5220, 0, 1095, 5415});
    m_c.mappa->setMouseTracking(true); // its moves go on to the window

    m_c.Frame1 = new QGroupBox(QStringLiteral("Griglia"), m_c.mappa);
    posiziona(m_c.Frame1, 0, 120, 1095, 1095);
    m_c.Frame1->setFont(carattere(8.25, true));
    m_c.Frame1->setCursor(risorse::puntatore(u"MANO"));
    m_lati = new QButtonGroup(this);
    const std::array<const char*, 3> dimensioni = {"5x5", "10x10", "15x15"};
    for (int i = 0; i < 3; ++i) {
        auto* opzione = new QRadioButton(QString::fromLatin1(dimensioni[i]), m_c.Frame1);
        posiziona(opzione, 120, 240 + 240 * i, 855, 255);
        opzione->setFont(carattere(8.25));
        m_lati->addButton(opzione, i);
        m_c.Option1[i] = opzione;
    }

    const auto pulsante = [this](QRect twips, const char* caption) {
        auto* p = creaEtichetta<EtichettaPulsante>(m_c.mappa, twips, QString::fromLatin1(caption),
                                                   {.grassetto = true,
                                                    .allineamento = Qt::AlignHCenter,
                                                    .sfondo = QColor(Qt::white),
                                                    .bordo = true});
        p->setWordWrap(true);
        // Disabled buttons show their caption greyed.
        QPalette colori = p->palette();
        colori.setColor(QPalette::Disabled, QPalette::WindowText, Grigio);
        p->setPalette(colori);
        return p;
    };
    m_c.ImportaF = pulsante({0, 3720, 1095, 495}, "Importa Immagine");
    m_c.DelF = pulsante({0, 3000, 1095, 495}, "Elimina Record");
    m_c.ModF = pulsante({0, 2520, 1095, 495}, "Modifica Record");
    m_c.ClearF = pulsante({0, 1800, 1095, 495}, "Cancella Schermo");
    m_c.CaricaF = pulsante({0, 1560, 1095, 255}, "Carica");
    m_c.SalvaF = pulsante({0, 1320, 1095, 255}, "Salva");
    m_c.DelF->setEnabled(false);
    m_c.ModF->setEnabled(false);
    m_pulsanti = {m_c.SalvaF, m_c.CaricaF, m_c.ClearF, m_c.ModF, m_c.DelF, m_c.ImportaF};
    impila({m_c.Frame1, m_c.ImportaF, m_c.DelF, m_c.ModF, m_c.ClearF, m_c.CaricaF, m_c.SalvaF});
}

void Gridora::collega()
{
    connect(m_tavoliere, &Tavoliere::cellaRilasciata, this, &Gridora::clicCella);
    connect(m_tavoliere, &Tavoliere::trascinamentoIniziato, this, &Gridora::inizioTrascinamento);
    connect(m_tavoliere, &Tavoliere::cellaTrascinata, this,
            [this](int riga, int colonna) { cellaTrascinata(riga, colonna); });
    connect(m_tavoliere, &Tavoliere::trascinamentoFinito, this, &Gridora::fineTrascinamento);
    connect(m_tavoliere, &Tavoliere::cellaSorvolata, this, &Gridora::Image1_MouseMove);
    connect(m_tavoliere, &Tavoliere::colonnaSorvolata, this, &Gridora::Verticale_MouseMove);
    connect(m_tavoliere, &Tavoliere::rigaSorvolata, this, [this] { m_ripetizione->svuota(); });
    connect(m_tavoliere, &Tavoliere::cellaDaTastiera, this, &Gridora::tastoSuCella);
    connect(m_tavoliere, &Tavoliere::cursoreSpostato, this,
            [this](int, int colonna) { Verticale_MouseMove(colonna); });

    connect(m_lati, &QButtonGroup::idToggled, this, [this](int id, bool scelto) {
        if (scelto)
            Option1_Click(id);
    });
    for (EtichettaPulsante* p : m_pulsanti) {
        connect(p, &Etichetta::mossa, this, [this, p] { evidenziaPulsante(p); });
    }
    connect(m_c.SalvaF, &EtichettaPulsante::cliccata, this, &Gridora::salva);
    connect(m_c.CaricaF, &EtichettaPulsante::cliccata, this, &Gridora::apriElenco);
    connect(m_c.ClearF, &EtichettaPulsante::cliccata, this, &Gridora::cancellaSchermo);
    connect(m_c.ModF, &EtichettaPulsante::cliccata, this, &Gridora::modifica);
    connect(m_c.DelF, &EtichettaPulsante::cliccata, this, &Gridora::elimina);
    connect(m_c.ImportaF, &EtichettaPulsante::cliccata, this, &Gridora::apriImportazione);

    connect(m_c.Nome, &QLineEdit::textChanged, this, &Gridora::Nome_Change);
    connect(m_c.Lista->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& scelto) {
                if (!m_riempiendo)
                    Lista_Click(scelto.row());
            });
}

} // namespace gridora
