// The editor window's life: the opening, the size choice, the two modes, the label-buttons'
// colours under the pointer and the image import's hand-over.

#include "editor/Gridora.h"

#include "import/Importa.h"
#include "model/Nomi.h"
#include "model/Salvataggio.h"
#include "resources/Risorse.h"
#include "widgets/Anteprima.h"
#include "widgets/Composizione.h"
#include "widgets/Etichetta.h"
#include "widgets/RipetizioneColonna.h"
#include "widgets/Tavoliere.h"
#include "widgets/Twips.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

namespace gridora {

namespace {

// Client area in twips: the narrow window of the drawing mode, the wide one of the list mode.
constexpr int LarghezzaStretta = 6360;
constexpr int LarghezzaLarga = 8445;
constexpr int Altezza = 5385;

const QColor Rosa(0xFF, 0xC0, 0xC0);

} // namespace

Gridora::Gridora(const Servizi& servizi, ImportazioneEditor& importazione, QWidget* genitore)
    : QWidget(genitore), m_servizi(servizi), m_importazione(importazione)
{
    componi();
    setFixedSize(px(LarghezzaStretta), px(Altezza));
    centraSulloSchermo(this);
    m_tavoliere->setPuntatoreCelle(risorse::puntatore(u"PENNA"));
    // The board takes the keys from Tab in the name box. A click on a cell leaves the focus where
    // it is, so that what is typed after drawing with the mouse still goes to the name box.
    m_tavoliere->setTastiera(true);
    m_tavoliere->area()->setFocusPolicy(Qt::TabFocus);
    setTabOrder(m_c.Nome, m_tavoliere->area());
    m_c.Nome->installEventFilter(this);
    // The side last chosen in the image import.
    const int lato = importazione.sessione().lato;
    const int indice = lato == 15 ? 2 : lato == 10 ? 1 : 0;
    {
        const QSignalBlocker senzaEventi(m_lati);
        m_c.Option1[indice]->setChecked(true);
    }
    Option1_Click(indice);
    collega();
}

// The import window stays for the next opening; one still on show closes as its user would
// close it, with no editor left to come back to.
Gridora::~Gridora()
{
    if (m_importa) {
        m_importa->disconnect(this);
        if (m_importa->isVisible())
            m_importa->close();
    }
}

// The size choice: the side's empty board, the count of its puzzles for the default name, and
// the drawing mode.
void Gridora::Option1_Click(int Index)
{
    const int lato = (Index + 1) * 5;
    // Only for the default name: a database that cannot be read says so at the next save.
    const Esito<int> quanti = m_servizi.archivio.conta(lato);
    m_numeroDisegni = quanti.ok() ? quanti.valore : 0;
    modoDisegno();
    m_disegno.setLato(lato);
    m_tavoliere->setLato(lato);
    for (int r = 0; r < lato; ++r) {
        for (int c = 0; c < lato; ++c)
            m_tavoliere->setCellaAbilitata(r, c, true);
    }
    m_c.anteprima->cancella();
    m_c.anteprima->setLineeGuida(lato);
    impostaNome({});
    mostraDisegno();
}

void Gridora::modoDisegno()
{
    m_modoLista = false;
    m_c.Lista->hide();
    setFixedSize(px(LarghezzaStretta), px(Altezza));
    setWindowTitle(QStringLiteral("Crea Schermo Gridora"));
    m_c.ModF->setEnabled(false);
    m_c.DelF->setEnabled(false);
}

void Gridora::modoElenco()
{
    m_modoLista = true;
    setFixedSize(px(LarghezzaLarga), px(Altezza));
    m_c.Lista->show();
    setWindowTitle(QStringLiteral("Schermo Gridora"));
}

// The label-button under the pointer turns pink, the others white; none for nullptr.
void Gridora::evidenziaPulsante(const EtichettaPulsante* sotto)
{
    for (EtichettaPulsante* p : m_pulsanti)
        p->setSfondo(p == sotto ? Rosa : QColor(Qt::white));
}

// Moves over the button column and over controls that pass them on arrive here too: what counts
// is the control under the pointer.
void Gridora::mouseMoveEvent(QMouseEvent* evento)
{
    QWidget* sotto = childAt(evento->position().toPoint());
    const auto pulsante = std::find(m_pulsanti.begin(), m_pulsanti.end(), sotto);
    if (pulsante != m_pulsanti.end() && sotto->isEnabled()) {
        evidenziaPulsante(*pulsante);
    } else if (pulsante != m_pulsanti.end() || sotto == m_c.mappa) {
        evidenziaPulsante(nullptr);
    } else if (sotto == nullptr) { // the window itself
        evidenziaPulsante(nullptr);
        m_ripetizione->svuota();
    }
    QWidget::mouseMoveEvent(evento);
}

bool Gridora::riceviImportazione(const QString& pixel, int lato, const QString& titolo)
{
    if (!pixelValido(pixel, lato))
        return false;
    if (lato != this->lato())
        m_c.Option1[lato / 5 - 1]->setChecked(true); // runs the size choice
    m_disegno.importa(pixel);
    mostraDisegno();
    if (nomeVuoto(m_c.Nome->text()) && !nomeVuoto(titolo))
        impostaNome(taglioNome(titolo.trimmed()));
    return true;
}

} // namespace gridora
