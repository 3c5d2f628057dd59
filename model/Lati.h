#pragma once

// Everything that depends on the side of a board (5, 10 or 15), in one table: the size word, the
// cost of the starting help, the preview square, the slot machine's scaling and where the board
// and its clue frames stand in a window.

#include <QPoint>
#include <array>

namespace gridora {

struct FattiLato {
    int lato;
    const char* parola;          // "Facile", "Medio", "Difficile"
    int secondiAiuto;            // what the starting help adds to the clock
    const char* costoAiuto;      // the same, in words, for the tooltip
    int quadratoAnteprima;       // side of one preview square, twips
    int divisoreSlot;            // the column reel's step count is divided by it
    int spostamentoRigheIndizio; // extra Top of the row clue labels in their frames, twips

    // Layout, in twips: the board frame `area` (Left, Top and its square side), the column-clue
    // frames d1..d3 and the row-clue frames v1..v3 (only the first lato / 5 of each are used),
    // the starting-help question `richhlp` and the red frame around the game's preview.
    QPoint area;
    int latoArea;
    std::array<QPoint, 3> cornici_d;
    std::array<QPoint, 3> cornici_v;
    QPoint richiesta;
    int cornicePreview;

    int cornici() const { return lato / 5; }
};

// The facts of side 5, 10 or 15; any other value is taken as 15.
const FattiLato& fattiLato(int lato);

inline constexpr std::array<int, 3> Lati = {5, 10, 15};

} // namespace gridora
