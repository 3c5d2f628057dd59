// Drawing on the board: clicks, drags and keys on the cells, undo and redo, the live clues, the
// preview, the big repeat of a column's clue, clearing the board and the state of "Modifica
// Record".

#include "editor/Gridora.h"
#include "model/Ambiguita.h"
#include "model/Salvataggio.h"
#include "widgets/Anteprima.h"
#include "widgets/Etichetta.h"
#include "widgets/RipetizioneColonna.h"
#include "widgets/Tavoliere.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace gridora {

// Image1_MouseUp: a click on a cell, acting at its release.
void Gridora::clicCella(int riga, int colonna, Qt::MouseButton pulsante)
{
    m_disegno.clic(riga, colonna, pulsanteDi(pulsante));
    mostraCella(riga, colonna);
    disegnoCambiato();
}

// Image1_MouseUp from the keyboard: the click of its button on the cursor's cell. The repeat
// shows the column's clue as it now stands, as the pointer's next move would.
void Gridora::tastoSuCella(int riga, int colonna, Qt::MouseButton pulsante)
{
    clicCella(riga, colonna, pulsante);
    ripetiColonnaCursore();
}

// A drag: the pressed cell takes the click's change as the pointer leaves it, and every cell
// entered gets the mark the pressed cell then has (filled, crossed or empty). The whole drag is
// one step of the history, however it ends, and the drawing's pictures are counted at its end.
void Gridora::inizioTrascinamento(int riga, int colonna, Qt::MouseButton pulsante)
{
    const Pulsante quale = pulsanteDi(pulsante);
    if (quale == Pulsante::Altro) {
        m_tavoliere->fermaTrascinamento();
        return;
    }
    m_disegno.apriPasso();
    m_segnoTrascinato = m_disegno.clic(riga, colonna, quale);
    mostraCella(riga, colonna);
    disegnoCambiato();
}

void Gridora::cellaTrascinata(int riga, int colonna)
{
    if (m_disegno.imposta(riga, colonna, m_segnoTrascinato))
        mostraCella(riga, colonna);
    disegnoCambiato();
    Verticale_MouseMove(colonna); // the repeat follows the column under the pointer
}

void Gridora::fineTrascinamento()
{
    if (m_disegno.passoAperto())
        m_disegno.chiudiPasso();
    disegnoCambiato();
}

void Gridora::Image1_MouseMove(int /*riga*/, int colonna)
{
    Verticale_MouseMove(colonna);
}

void Gridora::Verticale_MouseMove(int colonna)
{
    m_ripetizione->ripeti(*m_tavoliere, colonna, m_indizi.sequenzeColonne[colonna]);
}

void Gridora::ripetiColonnaCursore()
{
    if (m_tavoliere->cursoreVisibile())
        Verticale_MouseMove(m_tavoliere->cursore().y());
}

// Command3_Click, "Cancella Schermo": every cell empty.
void Gridora::cancellaSchermo()
{
    m_disegno.cancella();
    mostraDisegno();
}

namespace {

enum class Storia { Nessuna, Annulla, Ripeti };

Storia storiaDi(const QKeyEvent* evento)
{
    const QKeyCombination tasto(evento->modifiers() & ~Qt::KeypadModifier,
                                static_cast<Qt::Key>(evento->key()));
    if (tasto == (Qt::CTRL | Qt::Key_Z))
        return Storia::Annulla;
    if (tasto == (Qt::CTRL | Qt::Key_Y) || tasto == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z))
        return Storia::Ripeti;
    return Storia::Nessuna;
}

} // namespace

// The undo keys that reach the window (the board or nothing has the focus) act on the drawing.
void Gridora::keyPressEvent(QKeyEvent* evento)
{
    if (!tastoStoria(evento))
        QWidget::keyPressEvent(evento);
}

// In the name box, the undo keys undo its own typing first; once it has nothing left to undo
// (or to redo), they act on the drawing, so that a player who draws with the mouse, the focus
// still in the name box, undoes the drawing.
bool Gridora::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == m_c.Nome && evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        const Storia storia = storiaDi(tasto);
        if ((storia == Storia::Annulla && !m_c.Nome->isUndoAvailable()) ||
            (storia == Storia::Ripeti && !m_c.Nome->isRedoAvailable()))
            return tastoStoria(tasto);
    }
    return QWidget::eventFilter(oggetto, evento);
}

bool Gridora::tastoStoria(const QKeyEvent* evento)
{
    switch (storiaDi(evento)) {
    case Storia::Annulla:
        annullaPasso();
        return true;
    case Storia::Ripeti:
        ripetiPasso();
        return true;
    case Storia::Nessuna:
        return false;
    }
    return false;
}

void Gridora::annullaPasso()
{
    if (!m_disegno.annulla())
        return;
    mostraDisegno();
    ripetiColonnaCursore();
}

void Gridora::ripetiPasso()
{
    if (!m_disegno.ripeti())
        return;
    mostraDisegno();
    ripetiColonnaCursore();
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

// What follows every change of the drawing: its clues, its preview, "Modifica Record", and once
// the change is on screen (a drag at its end) the count of its pictures. Several changes before
// the count make one count.
void Gridora::disegnoCambiato()
{
    m_indizi = m_disegno.indizi();
    m_tavoliere->mostraIndizi(m_indizi);
    m_c.anteprima->disegna(lato(), m_disegno.segni());
    aggiornaModifica();
    if (!m_disegno.passoAperto() && !m_conteggio->isActive())
        m_conteggio->start();
}

// Where the drawing's clues leave a choice: the cells in which two pictures that fit them differ
// are framed on the board. None when one picture fits, or when the count could not settle it.
void Gridora::segnalaAmbiguita()
{
    m_tavoliere->setCelleSegnalate(celleAmbigue(contaSoluzioni(m_disegno.pixel(), lato()), lato()));
}

// "Modifica Record" has something to store while a puzzle of the list is selected and the board
// or the name it would store differs from it.
void Gridora::aggiornaModifica()
{
    const auto nomeCambiato = [this] {
        const QString& memorizzato = m_righe[m_indiceScelto].nome;
        return nomeDaModificare(memorizzato, m_c.Nome->text()) != memorizzato;
    };
    const bool attivo = selezioneValida() && (m_disegno.modificato() || nomeCambiato());
    m_c.ModF->setEnabled(attivo);
}

} // namespace gridora
