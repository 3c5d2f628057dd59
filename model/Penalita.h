#pragma once

// What an error costs, and the texts of the game window that depend on the board's side.

#include <QString>

namespace gridora {

struct PenalitaErrore {
    QString puntatore; // name of the pointer shown after the error: "2MIN", "4MIN" or "8MIN"
    int minuti = 0;    // added to the clock
};

// The penalty of the n-th error of a game (n counted from 1); nothing for n below 1.
PenalitaErrore penalitaErrore(int numeroErrore);

// Tooltips of the "SI" and "NO" answers to the starting help.
QString suggerimentoAiutoSi(int lato);
QString suggerimentoAiutoNo();

// "GridoraPC          >DifficileXS (15x15)<": X for Senza X, S for Senza Errori.
QString titoloGioco(int lato, bool senzaX, bool senzaErrori);

} // namespace gridora
