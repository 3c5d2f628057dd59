#pragma once

// Clue computation: the runs of filled cells of every row and column and their label texts.

#include "model/Tavola.h"

#include <QString>
#include <array>
#include <vector>

namespace gridora {

using Sequenze = std::vector<int>; // run lengths, left to right or top to bottom

inline constexpr int RigheIndizioColonna = 6; // column clues are pushed down to six lines
inline constexpr QChar CR = QChar(13);

Sequenze sequenzeRiga(const Segni& segni, int lato, int riga);
Sequenze sequenzeColonna(const Segni& segni, int lato, int colonna);

// " 3  1 ": each run is a blank, its digits, a blank. Empty for an empty line.
QString testoIndizioRiga(const Sequenze& sequenze);
// One run per line (blank, digits, CR), with leading CRs so that fewer than six runs sit at the
// bottom of six lines. Empty for an empty line.
QString testoIndizioColonna(const Sequenze& sequenze);

struct Indizi {
    std::array<Sequenze, LatoMassimo> sequenzeRighe;
    std::array<Sequenze, LatoMassimo> sequenzeColonne;
    std::array<QString, LatoMassimo> righe;   // texts of orizzontale(0..14)
    std::array<QString, LatoMassimo> colonne; // texts of Verticale(0..14)
};

// The clue texts of a board; labels past the side stay empty.
Indizi calcolaIndizi(const Segni& segni, int lato);

// The runs of every row and every column of a board, as many as its side.
struct SequenzeDisegno {
    std::vector<Sequenze> righe;
    std::vector<Sequenze> colonne;
    bool operator==(const SequenzeDisegno&) const = default;
};
SequenzeDisegno sequenzeDisegno(const Segni& segni, int lato);
// The same for a cell string of larghezza x altezza cells, row after row, "1" filled (any size,
// square or not, as puzzle files have them).
SequenzeDisegno sequenzeDiPixel(QStringView pixel, int larghezza, int altezza);

} // namespace gridora
