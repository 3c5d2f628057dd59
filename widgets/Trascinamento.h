#pragma once

// What a press on the board is doing while its button is held: the cell pressed, the button,
// whether the pointer has left that cell (the press has become a drag) and whether the window has
// stopped the drag. Interface state only: what a cell entered means is the window's business.

#include <Qt>

namespace gridora {

class Trascinamento {
public:
    bool attivo() const { return m_pulsante != Qt::NoButton; } // a button is held
    int premuta() const { return m_premuta; } // display index of the pressed cell, -1 when none
    Qt::MouseButton pulsante() const { return m_pulsante; }
    bool iniziato() const { return m_iniziato; }
    bool fermo() const { return m_fermo; }

    void premi(int indice, Qt::MouseButton pulsante)
    {
        *this = {};
        m_premuta = indice;
        m_ultima = indice;
        m_pulsante = pulsante;
    }
    // The pointer is over the cell `indice` with the button held. True when that is a cell the
    // drag has not just been in: the drag starts (or goes on) there.
    bool entra(int indice)
    {
        if (indice == m_ultima)
            return false;
        m_ultima = indice;
        m_iniziato = true;
        return true;
    }
    void ferma() { m_fermo = true; }
    void chiudi() { *this = {}; }

private:
    int m_premuta = -1;
    int m_ultima = -1; // the cell the pointer was last reported in
    Qt::MouseButton m_pulsante = Qt::NoButton;
    bool m_iniziato = false;
    bool m_fermo = false;
};

} // namespace gridora
