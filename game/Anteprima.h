#pragma once

// The miniature of the player's fills beside the board: one solid square per cell, black where
// the player has filled the cell, light yellow elsewhere. Only squares that change are repainted.

#include "model/Tavola.h"

#include <QWidget>
#include <bitset>

namespace gridora {

class Anteprima : public QWidget {
    Q_OBJECT

public:
    // Placed at the preview corner (twips, window coordinates); large enough for every side.
    Anteprima(QWidget* finestra, int left, int top);

    // Draws the squares of a board: black for filled marks, and for every square when
    // `tuttoNero` (the look between a fill and the next redraw in "Senza Errori").
    void disegna(int lato, const Segni& segni, bool tuttoNero);
    // Erases the preview.
    void cancella();

    int latoQuadrato() const { return m_latoQuadrato; } // twips
    bool nero(int k) const { return m_nero.test(static_cast<size_t>(k)); }
    bool vuota() const { return m_lato == 0; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QRect quadrato(int k) const;

    int m_lato = 0;
    int m_latoQuadrato = 0;
    std::bitset<CelleVideo> m_nero;
};

} // namespace gridora
