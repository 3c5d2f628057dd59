#pragma once

// The clues as the solver reads them: runs checked against the length of their line.

#include "model/Indizi.h"

#include <optional>
#include <vector>

namespace gridora {

// The runs of a clue without zero entries (a lone 0 also stands for an empty line); nothing when
// a run is negative or the runs cannot fit in a line of that length.
std::optional<Sequenze> sequenzeValide(const Sequenze& grezze, int lunghezza);
// The clues of a square board without zero entries, rows then columns; nothing when they leave no
// picture (no rows, rows and columns in different numbers, a line whose runs do not fit, or rows
// that fill more or fewer cells than the columns).
std::optional<std::vector<Sequenze>> sequenzeDiTutte(const std::vector<Sequenze>& righe,
                                                     const std::vector<Sequenze>& colonne);

} // namespace gridora
