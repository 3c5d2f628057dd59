// Drawing on the board: clicks and drags on the cells, the live clues, the preview, the big
// repeat of a column's clue, clearing the board and the state of "Modifica Record".

#include "editor/Gridora.h"
#include "widgets/Anteprima.h"
#include "widgets/Etichetta.h"
#include "widgets/RipetizioneColonna.h"
#include "widgets/Tavoliere.h"

#include <QLineEdit>

namespace gridora {

namespace {

Pulsante pulsanteDi(Qt::MouseButton pulsante)
{
    switch (pulsante) {
    case Qt::LeftButton:
        return Pulsante::Sinistro;
    case Qt::RightButton:
        return Pulsante::Destro;
    default:
        return Pulsante::Altro;
    }
}

} // namespace

void Gridora::Image1_MouseDown(int riga, int colonna)
{
    m_rigaPremuta = riga;
    m_colonnaPremuta = colonna;
    m_trascinando = false;
}

// A plain click, on the release of the pressed cell. After a drag the pressed cell has already
// had its change.
void Gridora::Image1_MouseUp(int riga, int colonna, Qt::MouseButton pulsante)
{
    if (m_trascinando) {
        m_trascinando = false;
        return;
    }
    m_disegno.clic(riga, colonna, pulsanteDi(pulsante));
    mostraCella(riga, colonna);
    disegnoCambiato();
}

// The button is held and the pointer has entered another cell: the pressed cell takes the
// click's change at once, and every cell entered gets the same mark (filled, crossed or empty).
void Gridora::Image1_Drag(int riga, int colonna, Qt::MouseButton pulsante)
{
    const Pulsante quale = pulsanteDi(pulsante);
    if (quale == Pulsante::Altro)
        return;
    if (!m_trascinando) {
        m_trascinando = true;
        m_segnoTrascinato = m_disegno.clic(m_rigaPremuta, m_colonnaPremuta, quale);
        mostraCella(m_rigaPremuta, m_colonnaPremuta);
    }
    if (m_disegno.imposta(riga, colonna, m_segnoTrascinato))
        mostraCella(riga, colonna);
    disegnoCambiato();
    Verticale_MouseMove(colonna); // the repeat follows the column under the pointer
}

void Gridora::Image1_MouseMove(int /*riga*/, int colonna)
{
    Verticale_MouseMove(colonna);
}

void Gridora::Verticale_MouseMove(int colonna)
{
    m_ripetizione->ripeti(*m_tavoliere, colonna, m_indizi.sequenzeColonne[colonna]);
}

// "Cancella Schermo": every cell empty.
void Gridora::Command3_Click()
{
    m_disegno.cancella();
    mostraDisegno();
}

void Gridora::mostraCella(int riga, int colonna)
{
    m_tavoliere->mostraSegno(riga, colonna, m_disegno.segno(riga, colonna));
}

// Every cell of the side as the drawing has it, with its clues and preview.
void Gridora::mostraDisegno()
{
    for (int r = 0; r < lato(); ++r) {
        for (int c = 0; c < lato(); ++c)
            mostraCella(r, c);
    }
    disegnoCambiato();
}

// What follows every change of the drawing: its clues, its preview, "Modifica Record".
void Gridora::disegnoCambiato()
{
    m_indizi = m_disegno.indizi();
    m_tavoliere->mostraIndizi(m_indizi);
    m_c.anteprima->disegna(lato(), m_disegno.segni());
    aggiornaModifica();
}

// "Modifica Record" has something to store while a puzzle of the list is selected and the board
// or the name box differs from it.
void Gridora::aggiornaModifica()
{
    const bool attivo = selezioneValida() && (m_disegno.modificato() ||
                                              m_c.Nome->text() != m_righe[m_indiceScelto].nome);
    m_c.ModF->setEnabled(attivo);
}

} // namespace gridora
