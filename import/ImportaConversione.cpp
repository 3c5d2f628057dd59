// Conversion and transfer in the import window: the convert button and its two modes, the size
// options, and what the preview's buttons do to them.
//
// The button's modes: disabled "Trasforma" (nothing to convert) -> enabled "Trasforma" (a picture
// shown, or a stroke begun) -> "Importa" after a conversion -> "Trasforma" again on a new file, a
// size change, a stroke or a clear; "Importa" hands the cells over and hides the window.

#include "import/Campionamento.h"
#include "import/Importa.h"
#include "import/RisultatoConversione.h"
#include "import/TelaAnteprima.h"
#include "model/FormatoNon.h"
#include "widgets/Etichetta.h"

namespace gridora {

namespace {

const QString Trasforma = QStringLiteral("Trasforma");
const QColor Grigio(0x80, 0x80, 0x80);

} // namespace

void Importa::pulsante(const QString& caption, bool abilitato)
{
    m_c.Importami->setCaption(caption);
    m_c.Importami->setEnabled(abilitato);
    if (!abilitato)
        coloriPulsante(false);
}

// Red with white text under the pointer, else white with black text; greyed text when disabled.
void Importa::coloriPulsante(bool sotto)
{
    EtichettaPulsante* b = m_c.Importami;
    b->setSfondo(sotto ? QColor(0xFF, 0, 0) : QColor(Qt::white));
    b->setColoreTesto(sotto ? QColor(Qt::white) : QColor(Qt::black));
    QPalette colori = b->palette();
    colori.setColor(QPalette::Disabled, QPalette::WindowText, Grigio);
    b->setPalette(colori);
}

void Importa::Importami_Click()
{
    if (!m_c.Importami->isEnabled())
        return;
    if (m_c.Importami->caption() == Trasforma)
        converti();
    else
        trasferisci();
}

// Each block of the preview is judged by the colour at its top-left corner; a puzzle file of the
// side chosen, untouched by strokes, gives its own cells.
void Importa::converti()
{
    m_c.Label2->setCaption(QStringLiteral("Bitmap %1x%1").arg(m_lato));
    const bool esatta =
        m_schema && !m_ritoccata && m_schema->larghezza == m_lato && m_schema->altezza == m_lato;
    m_c.risultato->mostra(esatta ? m_schema->pixel : campiona(m_c.test->vista(), m_lato), m_lato);
    m_c.Importami->setCaption(QStringLiteral("Importa"));
}

void Importa::trasferisci()
{
    const QString pixel = m_c.risultato->celle();
    const int lato = m_c.risultato->lato();
    const QString titolo = m_schema ? m_schema->titolo : QString();
    hide();
    emit trasferita(pixel, lato, titolo);
}

// A size chosen here is the session's at once; what the preview shows (a picture with any strokes
// over it) is converted again at that size straight away; with nothing to convert only the result
// is cleared.
void Importa::Option1_Click(int Index)
{
    Cancella();
    m_c.Importami->setCaption(Trasforma);
    m_lato = (Index + 1) * 5;
    m_sessione.lato = m_lato;
    Importami_Click();
}

// A stroke begins: there is something to convert.
void Importa::tela_MouseDown()
{
    m_ritoccata = true;
    pulsante(Trasforma, true);
    coloriPulsante(false);
}

// The middle button cleared the preview: the result goes too, and the button may no longer hand
// over the cells that were shown before.
void Importa::tela_Svuotata()
{
    m_schema.reset();
    Cancella();
    m_c.Importami->setCaption(Trasforma);
}

void Importa::Cancella()
{
    m_c.risultato->svuota();
}

} // namespace gridora
