#pragma once

// A line solver: settles cells one row or column at a time, from that line's clue and the cells
// already known, until nothing changes. A board it settles completely has exactly one solution,
// and a player can reach it without ever guessing.

#include "model/Indizi.h"

#include <QString>
#include <optional>
#include <vector>

namespace gridora {

// The runs of a clue without zero entries (a lone 0 also stands for an empty line); nothing when
// a run is negative or the runs cannot fit in a line of that length.
std::optional<Sequenze> sequenzeValide(const Sequenze& grezze, int lunghezza);
// The clues of a square board without zero entries, rows then columns; nothing when they leave no
// picture (no rows, rows and columns in different numbers, or a line whose runs do not fit).
std::optional<std::vector<Sequenze>> sequenzeDiTutte(const std::vector<Sequenze>& righe,
                                                     const std::vector<Sequenze>& colonne);

// The cell string the clues force by line logic alone, or nothing when line logic leaves some
// cell undecided (or the clues contradict each other).
std::optional<QString> risolviConLogica(const std::vector<Sequenze>& righe,
                                        const std::vector<Sequenze>& colonne);

} // namespace gridora
