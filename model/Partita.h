#pragma once

// One game's rules, with no window: the solution and the player's marks in one index space
// (row * side + column), the counters, what a click does in each combination of the options,
// the starting help's reveal, the clock with its penalties, and when the puzzle is solved.
// The game window shows what this decides.
//
// A game's phase: Preparazione (the board shown, the starting help may reveal lines), Gioco
// (after the countdown: the cells take clicks and the clock runs), Risolta (the last correct
// fill: the board takes no more clicks, the record check is under way) and Conclusa (the
// puzzle's name is on screen: the game is over and its window may close).

#include "model/Indizi.h"
#include "model/Orologio.h"
#include "model/Tavola.h"

#include <QString>

namespace gridora {

struct OpzioniPartita {
    bool senzaX = false;      // "Senza X": no crosses may be placed
    bool senzaErrori = false; // "Senza Errori": wrong fills are not signalled
};

struct EsitoClic {
    enum class Tipo {
        Nessuno,    // the click changed nothing
        Riempita,   // a fill: a correct one, or any one in "Senza Errori"
        Errore,     // a wrong fill, refused and punished
        CroceMessa, // a cross placed by the right button
        CroceTolta, // a cross (placed, pre-crossed or left by an error) removed
        Svuotata,   // a fill taken back by the right button
    };
    bool gestito = false; // the cell took the click (play on, cell clickable)
    Tipo tipo = Tipo::Nessuno;
    int numeroErrore = 0; // for an error: 1 for the first one of the game, and so on
    bool risolta = false; // this click completed the puzzle
};

class Partita {
public:
    // `pixel` must be a valid cell string of the side. With the starting help the clock starts
    // from its penalty.
    Partita(int lato, const QString& pixel, OpzioniPartita opzioni, bool aiuto = false);

    enum class Fase { Preparazione, Gioco, Risolta, Conclusa };

    int lato() const { return m_lato; }
    const OpzioniPartita& opzioni() const { return m_opzioni; }
    const Indizi& indizi() const { return m_indizi; }
    Fase fase() const { return m_fase; }
    bool aiuto() const { return m_aiuto; } // the starting help was taken
    // Solved, whether or not the record check is over.
    bool risolta() const { return m_fase == Fase::Risolta || m_fase == Fase::Conclusa; }

    // Solution by cell: 0 empty, 1 filled, 2 empty and crossed before play (an empty line).
    int soluzione(int riga, int colonna) const { return m_soluzione[indice(riga, colonna)]; }
    // The player's mark, which the rules read: Vuoto, Pieno or Croce.
    Segno segno(int riga, int colonna) const
    {
        return static_cast<Segno>(m_segni[indice(riga, colonna)]);
    }
    // What the cell shows. In "Senza X" crosses are never drawn, and a cross that was shown before
    // play (an empty line) stays on screen when the player clears it.
    Segno mostrato(int riga, int colonna) const { return m_mostrati[indice(riga, colonna)]; }
    // Marks by logical index, for the preview.
    const Segni& segni() const { return m_segni; }

    int casellePiene() const { return m_piene; }   // filled cells of the solution
    int caselleGiuste() const { return m_giuste; } // cells filled correctly so far
    int errori() const { return m_errori; }

    // The starting help: every cell of a column and of a row revealed, filled as filled and
    // empty as crossed. Only before play.
    void rivela(int colonna, int riga);
    // The countdown is over: the cells take clicks and the clock may run.
    void avvia();
    // The record check is over and the puzzle's name is shown. Only once solved.
    void concludi();

    bool cliccabile(int riga, int colonna) const;
    EsitoClic clic(int riga, int colonna, Pulsante pulsante);

    // The clock, and the hold of the penalty pointer that its ticks release.
    const Cronometro& orologio() const { return m_orologio; }
    bool penalitaAttiva() const { return m_trattenuta.attiva; }
    // One second of play; true at the tick that reaches 24:00:00.
    bool scatto();

private:
    int indice(int riga, int colonna) const { return indiceLogico(riga, colonna, m_lato); }
    void riveliCella(int k);
    bool senzaRiempimentiErrati() const;

    int m_lato;
    OpzioniPartita m_opzioni;
    bool m_aiuto;
    Indizi m_indizi;
    Fase m_fase = Fase::Preparazione;
    std::array<int, CelleVideo> m_soluzione{};
    Segni m_segni{};
    std::array<Segno, CelleVideo> m_mostrati{};
    int m_piene = 0;
    int m_giuste = 0;
    int m_errori = 0;
    Cronometro m_orologio;
    TrattenutaPenalita m_trattenuta;
};

} // namespace gridora
