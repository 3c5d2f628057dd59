#pragma once

// The slot machine of the starting help: a column reel and a row reel spin over the clue labels
// and stop on the column and the row that get switched on. Everything follows from two random
// numbers in [0, 1) and the board's side.

#include <vector>

namespace gridora {

struct GiroSlot {
    int lato = 5;
    int passiColonna = 1; // steps of the column reel
    int passiRiga = 2;    // steps of the row reel, always more than the column reel's
    int rigaIniziale = 0; // label the row reel starts from
};

struct Passo {
    enum Bobina { Colonna, Riga };
    Bobina bobina = Colonna;
    int etichetta = 0;   // clue label highlighted by this step
    double attesa = 0.0; // seconds waited with it highlighted
};

// Values of r or s outside [0, 1) are taken as the nearest end.
GiroSlot estraiGiro(double r, double s, int lato);

// Every step in the order the game plays them: a column step (while the column reel still
// turns) followed by a row step.
std::vector<Passo> passiGiro(const GiroSlot& giro);
inline std::vector<Passo> passiGiro(double r, double s, int lato)
{
    return passiGiro(estraiGiro(r, s, lato));
}

int colonnaScelta(const GiroSlot& giro);
int rigaScelta(const GiroSlot& giro);
// Seconds the whole spin lasts.
double attesaTotale(const GiroSlot& giro);

} // namespace gridora
