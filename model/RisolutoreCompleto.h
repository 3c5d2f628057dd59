#pragma once

// The solver: line logic, probing, then a search that guesses a cell, follows each guess the same
// way and backs out of contradictions. It counts the pictures that fit the clues up to two, which
// is what the editor needs to tell a fair puzzle from an ambiguous one. Line logic alone, with
// neither probing nor guesses, tells the puzzles a player solves without ever guessing.

#include "model/Indizi.h"

#include <QString>
#include <optional>
#include <vector>

namespace gridora {

enum class Unicita {
    Unica,        // exactly one picture fits the clues
    PiuDiUna,     // at least two do
    Nessuna,      // none does: the clues contradict each other
    NonVerificata // the search ran out of its budget first: nothing is known about uniqueness
};

// What the search may spend, in line examinations (one row or column narrowed from its clue and
// its known cells). Counting work rather than time makes the answer depend on the clues alone,
// never on the machine or its load. The default depends on the side: 200000 up to 15 x 15, which
// decides the hardest family known here (about 4 ms of processor time at most), and 50000 above,
// where an examination costs more (about 5 ms for a 32 x 32 board with many runs per line). No
// drawing of the starting collection or of the benchmark's random set needs a tenth of it.
inline constexpr int EsamiPerLato = -1; // the default of the side, esamiPredefiniti()
int esamiPredefiniti(int lato);

struct Budget {
    int esamiLinea = EsamiPerLato;
    // Line logic alone: no probing, no guess. Clues it leaves open give NonVerificata; what it
    // settles has exactly one picture.
    bool soloLogica = false;
};

struct EsitoSoluzioni {
    Unicita esito = Unicita::NonVerificata;
    QString prima;      // a picture that fits (cell string), empty when none is known
    QString seconda;    // another one, set only with PiuDiUna
    int esamiLinea = 0; // line examinations spent
};

// Counts the pictures, up to two, whose rows and columns show these runs. Zero entries are
// dropped, and what sequenzeDiTutte() refuses (a negative run, runs too long for their line, rows
// and columns in different numbers or filling different totals) leaves no picture. Sides above 32
// are not examined (NonVerificata).
EsitoSoluzioni contaSoluzioni(const std::vector<Sequenze>& righe,
                              const std::vector<Sequenze>& colonne, Budget budget = {});

// The same for the clues of a drawing, given as a cell string of side 5, 10 or 15. The drawing
// itself fits, so the answer is Unica, PiuDiUna or NonVerificata, and `prima` is the drawing. A
// string that is not a drawing of that side gives NonVerificata.
EsitoSoluzioni contaSoluzioni(const QString& pixel, int lato, Budget budget = {});

// How hard the clues are for a player: the sweeps of line logic that settle every cell, a sweep
// being each row in turn, then each column, from what the sweeps before it settled. Nothing when
// line logic alone does not settle them (or the clues leave no picture, or the side is above 32).
std::optional<int> passateLogica(const std::vector<Sequenze>& righe,
                                 const std::vector<Sequenze>& colonne);

} // namespace gridora
