#include "model/Slot.h"

#include "model/Lati.h"

#include <algorithm>

namespace gridora {

namespace {

// Delays are counted in whole milliseconds and handed out in seconds.
constexpr int AttesaInizialeMs = 5;

// A number from 1 to `casi` drawn by a random value in [0, 1).
int estrai(double valore, int casi)
{
    const int n = static_cast<int>(std::clamp(valore, 0.0, 1.0) * casi);
    return std::min(n, casi - 1) + 1;
}

double secondi(int ms)
{
    return ms / 1000.0;
}

// The delay of one reel: after step i of n it grows when n - i reaches one of two marks.
struct Rallentamento {
    int primoSegno;
    int primoAumentoMs;
    int secondoSegno;
    int secondoAumentoMs;

    int dopoPasso(int attesaMs, int passiRimasti) const
    {
        if (passiRimasti == primoSegno)
            attesaMs += primoAumentoMs;
        if (passiRimasti == secondoSegno)
            attesaMs += secondoAumentoMs;
        return attesaMs;
    }
};

constexpr Rallentamento RallentamentoColonna{80, 50, 10, 100};
constexpr Rallentamento RallentamentoRiga{100, 40, 20, 90};

// Plays the spin, calling visita(bobina, etichetta, attesaMs) for every step in order.
template <typename Visita> void gira(const GiroSlot& giro, Visita visita)
{
    int colonna = 0;
    int riga = giro.rigaIniziale;
    int attesaColonnaMs = AttesaInizialeMs;
    int attesaRigaMs = AttesaInizialeMs;
    for (int i = 1; i <= giro.passiRiga; ++i) {
        if (i <= giro.passiColonna) {
            if (colonna == giro.lato)
                colonna = 0;
            visita(Passo::Colonna, colonna++, attesaColonnaMs);
            attesaColonnaMs =
                RallentamentoColonna.dopoPasso(attesaColonnaMs, giro.passiColonna - i);
        }
        if (riga == giro.lato)
            riga = 0;
        visita(Passo::Riga, riga++, attesaRigaMs);
        attesaRigaMs = RallentamentoRiga.dopoPasso(attesaRigaMs, giro.passiRiga - i);
    }
}

} // namespace

GiroSlot estraiGiro(double r, double s, int lato)
{
    const int a = std::max(estrai(r, 500) / fattiLato(lato).divisoreSlot, 1);
    const int b0 = estrai(s, 30);
    // b0 / 15 to the nearest whole number; never a tie for a whole b0.
    const int rigaIniziale = (2 * b0 + 15) / 30;
    return {lato, a, a + b0, rigaIniziale};
}

std::vector<Passo> passiGiro(const GiroSlot& giro)
{
    std::vector<Passo> passi;
    passi.reserve(giro.passiColonna + giro.passiRiga);
    gira(giro, [&](Passo::Bobina bobina, int etichetta, int attesaMs) {
        passi.push_back({bobina, etichetta, secondi(attesaMs)});
    });
    return passi;
}

int colonnaScelta(const GiroSlot& giro)
{
    return (giro.passiColonna - 1) % giro.lato;
}

int rigaScelta(const GiroSlot& giro)
{
    return (giro.rigaIniziale + giro.passiRiga - 1) % giro.lato;
}

double attesaTotale(const GiroSlot& giro)
{
    int totaleMs = 0;
    gira(giro, [&](Passo::Bobina, int, int attesaMs) { totaleMs += attesaMs; });
    return secondi(totaleMs);
}

} // namespace gridora
