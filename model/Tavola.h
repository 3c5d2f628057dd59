#pragma once

// Board geometry shared by the game and the editor: sides, the two cell numberings,
// shade codes, cell marks and the cell string that stores a puzzle.

#include <QString>
#include <array>
#include <optional>

namespace gridora {

inline constexpr int LatoMassimo = 15;                       // the grid is always 15 x 15
inline constexpr int CelleVideo = LatoMassimo * LatoMassimo; // Image1(0..224)

// Cell marks: a cross is a drawing aid and counts as empty.
enum Segno : int { Vuoto = 0, Pieno = 1, Croce = 2 };

// The mouse button (or the key acting as one) that marks a cell.
enum class Pulsante { Sinistro, Destro, Altro };

// Marks by logical index (row * side + column), as the working arrays of the windows hold them.
using Segni = std::array<int, CelleVideo>;

bool latoValido(int lato); // 5, 10 or 15

// display index = row * 15 + column; logical index = row * side + column.
constexpr int indiceVideo(int riga, int colonna)
{
    return riga * LatoMassimo + colonna;
}
constexpr int indiceLogico(int riga, int colonna, int lato)
{
    return riga * lato + colonna;
}
constexpr int videoDaLogico(int logico, int lato)
{
    return indiceVideo(logico / lato, logico % lato);
}
// The logical index of a display cell, or -1 when the cell lies outside a board of that side.
constexpr int logicoDaVideo(int video, int lato)
{
    const int riga = video / LatoMassimo;
    const int colonna = video % LatoMassimo;
    return (riga < lato && colonna < lato) ? indiceLogico(riga, colonna, lato) : -1;
}
constexpr bool cellaVisibile(int video, int lato)
{
    return logicoDaVideo(video, lato) >= 0;
}

// Shade code of a display cell: 1 + (row mod 2) + (column mod 2).
constexpr int tonalita(int video)
{
    return 1 + (video / LatoMassimo) % 2 + (video % LatoMassimo) % 2;
}

// Number of the 16 x 16 cell bitmap for a mark and a shade code (101..107).
int immagineCella(int segno, int tonalita);

// Cell string: side * side characters, "1" filled, anything else empty.
bool pixelValido(const QString& pixel, int lato); // right length, only "0" and "1"
Segni segniDaPixel(const QString& pixel, int lato);
QString pixelDaSegni(const Segni& segni, int lato); // "1" for marks equal to 1, "0" otherwise

} // namespace gridora
