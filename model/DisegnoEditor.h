#pragma once

// The editor's drawing, with no window: the marks of the cells of one side, what a click does to
// them, and the comparison with the puzzle last loaded from the database that decides whether
// "Modifica Record" has something to store, and the history of changes behind undo and redo.
// Every change of a mark goes through one place, where the history records it.

#include "model/Indizi.h"
#include "model/Tavola.h"

#include <QString>
#include <cstdint>
#include <deque>
#include <vector>

namespace gridora {

class DisegnoEditor {
public:
    explicit DisegnoEditor(int lato = 5);

    int lato() const { return m_lato; }
    // A new side: every cell empty, no loaded puzzle to compare with, a new history.
    void setLato(int lato);

    Segno segno(int riga, int colonna) const;
    const Segni& segni() const { return m_celle; } // by logical index

    // Left button: an empty cell is filled, a filled or crossed one emptied. Right button: an
    // empty cell is crossed, a filled or crossed one emptied. Other buttons change nothing.
    // Gives the cell's mark afterwards.
    Segno clic(int riga, int colonna, Pulsante pulsante);
    // Gives a cell a mark (a drag repeats the change of the pressed cell); true when it changed.
    bool imposta(int riga, int colonna, Segno segno);
    // Every cell empty. The loaded puzzle stays the one to compare with.
    void cancella();

    // A puzzle from the database: its cells ('1' filled, anything else or missing empty), then
    // every empty row and column crossed. From now on the drawing is compared with it, and the
    // history starts again.
    void carica(const QString& pixel);
    // A drawing from the image import, put on the board the same way; the comparison stays with
    // the puzzle loaded before, which is the one a modification would replace.
    void importa(const QString& pixel);

    QString pixel() const; // crosses are stored as empty cells
    int piene() const;     // filled cells
    Indizi indizi() const;

    // Whether the drawing differs from the loaded puzzle. A cross on a cell that the puzzle has
    // empty is no difference; once crossed, such a cell is remembered as crossed until the next
    // load, so clearing the cross later is one.
    bool modificato() const;

    // The history. Each click, drag, clear and import that changes a mark is one step; undoing it
    // brings back the marks and the remembered crosses as they were before it, so the comparison
    // with the loaded puzzle follows. The changes between apriPasso() and chiudiPasso() (a drag)
    // form one step; the calls nest. While a step is open nothing is undone or redone. At most
    // PassiMassimi steps are kept, the oldest dropped first; a new step drops what was undone.
    static constexpr int PassiMassimi = 200;
    void apriPasso();
    void chiudiPasso();
    bool passoAperto() const { return m_aperti > 0; }
    bool annulla(); // false when there is nothing to undo
    bool ripeti();  // false when there is nothing to redo
    bool annullabile() const { return !m_annullabili.empty(); }
    bool ripetibile() const { return !m_ripetibili.empty(); }
    // Forgets every step, and any step left open.
    void nuovaCronologia();

private:
    // One mark changed, with the remembered cross of its cell before and after.
    struct Cambio {
        std::int16_t k;
        std::uint8_t prima, dopo;
        std::uint8_t originalePrima, originaleDopo;
    };
    using Passo = std::vector<Cambio>;
    class PassoAperto;

    int indice(int riga, int colonna) const { return indiceLogico(riga, colonna, m_lato); }
    bool cambia(int k, Segno segno);
    Segni disposti(const QString& pixel) const;
    void ricordaCroce(int k);

    int m_lato;
    Segni m_celle{};
    Segni m_originali{}; // the loaded puzzle, with the crosses remembered
    std::deque<Passo> m_annullabili;
    std::vector<Passo> m_ripetibili;
    Passo m_passo; // the step being recorded
    int m_aperti = 0;
};

} // namespace gridora
