#pragma once

// The 15 x 15 board shared by the game and the editor: the frame `area` with the cells
// `Image1(0..224)` and the block lines `dieci` and `quindici`, and the clue frames `d1..d3`
// (column clues `Verticale`) and `v1..v3` (row clues `orizzontale` over their `box` shapes).
// Smaller boards use the top-left part of the grid and hide the rest.

#include "model/Tavola.h"
#include "widgets/Cella.h"
#include "widgets/Etichetta.h"
#include "widgets/Forme.h"

#include <QObject>
#include <array>
#include <functional>

namespace gridora {

class Tavoliere : public QObject {
    Q_OBJECT

public:
    // Builds the board's controls inside `finestra`, at their designed places.
    explicit Tavoliere(QWidget* finestra);

    QWidget* area;
    std::array<Cella*, CelleVideo> Image1{};
    std::array<Linea*, 4> quindici{};
    std::array<Linea*, 4> dieci{};
    QWidget *d1, *d2, *d3, *v1, *v2, *v3;
    std::array<Etichetta*, LatoMassimo> Verticale{};
    std::array<Etichetta*, LatoMassimo> orizzontale{};
    std::array<Forma*, LatoMassimo> box{};

    int IndiziCalcolati = 0;
    int Caricato = 0;

    // Called by Pulitura to erase what the window draws on its own surface.
    std::function<void()> cancellaSuperficie;

    // Resets the board furniture before a new board is drawn.
    void Pulisci();
    // Paints the empty board of the side, then fits the grid to it.
    void disegna(int Schema);
    // Which cells, frames and block lines a side shows; every cell disabled.
    void Pulitura(int Schema);
    // Writes the clues of the board held in `W` (logical index, 1 = filled) into the labels.
    void Conta(int Schema, const Segni& W);

    // The six clue frames that a side uses.
    void mostraCornici(int Schema);
    // Restores the clue labels' own colours: even lines #00FFFF, odd ones #C0FFFF.
    void coloraIndizi();
    static QColor coloreIndizio(int indice);

    void setCellaAbilitata(int indice, bool abilitata) { Image1[indice]->setEnabled(abilitata); }

signals:
    void cellaRilasciata(int indice, Qt::MouseButton pulsante);
    void cellaMossa(int indice);
    void verticaleMossa(int indice);
    void orizzontaleMossa(int indice);

private:
    void creaCornici(QWidget* finestra);
    void creaLinee();
};

} // namespace gridora
