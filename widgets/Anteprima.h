#pragma once

// The miniature of a drawing beside the board: one solid square per cell, black where the cell
// is filled and a light colour elsewhere, optionally with red guide lines that split it into the
// board's blocks. Only squares that change are repainted.

#include "model/Tavola.h"

#include <QColor>
#include <QWidget>
#include <bitset>

namespace gridora {

class Anteprima : public QWidget {
    Q_OBJECT

public:
    // Placed at the preview corner (twips, window coordinates); large enough for every side.
    Anteprima(QWidget* finestra, int left, int top, const QColor& coloreVuoto);

    // Red outline and block lines of a side drawn over the squares (the editor's preview); 0 for
    // none. They stay when the squares are erased.
    void setLineeGuida(int lato);

    // Draws the squares of a board: black for the filled marks (value 1).
    void disegna(int lato, const Segni& segni);
    // Erases the preview.
    void cancella();

    bool nero(int k) const { return m_nero.test(static_cast<size_t>(k)); }
    bool vuota() const { return m_lato == 0; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QRect quadrato(int k) const;
    void disegnaLineeGuida(QPainter& p) const;

    QColor m_coloreVuoto;
    int m_latoGuida = 0;
    int m_lato = 0;
    int m_latoQuadrato = 0;
    std::bitset<CelleVideo> m_nero;
};

} // namespace gridora
