// How the solver works.
//
// A line is narrowed by restringi(): every arrangement of its runs that agrees with its known
// cells is summed up at once, one machine word per run, and the cells that all arrangements fill
// (or all leave empty) become known. Line logic repeats this on every line with newly known cells
// until nothing changes; it alone settles the puzzles a player solves without guessing, and it is
// the solver's only way of reasoning about a line.
//
// The search starts from that fixed point. A quick dive first fills the undecided cells in order
// (each empty instead when line logic refutes it filled): a picture found this way often shows a
// second one at once, by a swap of four cells. Then the search probes: each undecided cell is set
// both ways and followed by line logic. A value that leads to a contradiction settles the cell the
// other way, and the cells that both values settle alike are settled too; the probes go round
// until a whole turn changes nothing. Then the search guesses the cell whose weaker value still
// settled the most cells (so that both branches shrink), tries both values depth first and stops
// at the second picture. Below the first guess, only the cells next to those settled since the
// last probing are probed again: elsewhere a probe would mostly repeat one already made.
//
// The budget counts line examinations: each line taken from the queue, answered by restringi() or
// by the table of recent answers alike. The count depends on the clues alone, so an answer never
// depends on the machine or its load, and it bounds the time, since everything else the search does
// is a small multiple of its examinations.

#include "model/RisolutoreCompleto.h"

#include "model/Risolutore.h"
#include "model/Tavola.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <utility>

namespace gridora {

namespace {

// A line's cells fit one 32-bit word (bit i for cell i) and all of a board's lines one 64-bit word.
constexpr int LatoGestito = 32;
constexpr int SequenzeMassime = LatoGestito / 2;

using Maschera = std::uint64_t;
using Celle = std::uint32_t;

// Bit i set when cells i .. i + lunghezza - 1 are all set in `m`.
Maschera finestra(Maschera m, int lunghezza)
{
    for (int coperta = 1; coperta < lunghezza;) {
        const int passo = std::min(coperta, lunghezza - coperta);
        m &= m >> passo;
        coperta += passo;
    }
    return m;
}

// The cells of runs of `lunghezza` starting at the bits of `inizi`.
Maschera spalma(Maschera inizi, int lunghezza)
{
    for (int coperta = 1; coperta < lunghezza;) {
        const int passo = std::min(coperta, lunghezza - coperta);
        inizi |= inizi << passo;
        coperta += passo;
    }
    return inizi;
}

// Closes `g` under "bit i + 1 follows bit i when i is in `passaggi`" (a parallel-prefix fill).
Maschera avanza(Maschera g, Maschera passaggi)
{
    Maschera p = passaggi << 1;
    for (int passo = 1; p != 0 && passo < 64; passo *= 2) {
        g |= p & (g << passo);
        p &= p << passo;
    }
    return g;
}

// Closes `g` under "bit i follows bit i + 1 when i is in `passaggi`".
Maschera arretra(Maschera g, Maschera passaggi)
{
    Maschera p = passaggi;
    for (int passo = 1; p != 0 && passo < 64; passo *= 2) {
        g |= p & (g >> passo);
        p &= p >> passo;
    }
    return g;
}

// Narrows one line of `lato` cells to what every arrangement of its runs that agrees with the known
// cells has in common; false when no arrangement agrees.
//
// As in the line solver, an arrangement is a sequence of gaps and blocks, each block a run followed
// by one empty cell, with a virtual empty cell at `lato` closing the last run. Bit i of `avanti[j]`
// says that cells [0, i) can hold the first j blocks, bit i of `indietro[j]` that cells
// [i, lato] can hold blocks j.. to the end; each is one word, so a line costs O(runs) word steps.
bool restringi(const Sequenze& sequenze, int lato, Celle& pieni, Celle& vuoti)
{
    const int k = int(sequenze.size());
    const Maschera tutte = (Maschera(1) << lato) - 1;
    const Maschera riempibili = ~Maschera(vuoti) & tutte;
    const Maschera svuotabili = (~Maschera(pieni) & tutte) | (Maschera(1) << lato);

    // Where block j may start: its run over cells that may be filled, then a cell that may be
    // empty.
    std::array<Maschera, SequenzeMassime> posti;
    for (int j = 0; j < k; ++j)
        posti[j] = finestra(riempibili, sequenze[j]) & (svuotabili >> sequenze[j]);

    std::array<Maschera, SequenzeMassime + 1> avanti;
    avanti[0] = avanza(1, svuotabili);
    for (int j = 1; j <= k; ++j) {
        const int s = sequenze[j - 1];
        avanti[j] = avanza((avanti[j - 1] & posti[j - 1]) << (s + 1), svuotabili);
    }
    if (((avanti[k] >> (lato + 1)) & 1) == 0)
        return false;

    std::array<Maschera, SequenzeMassime + 1> indietro;
    indietro[k] = arretra(Maschera(1) << (lato + 1), svuotabili);
    for (int j = k - 1; j >= 0; --j) {
        const int s = sequenze[j];
        indietro[j] = arretra(posti[j] & (indietro[j + 1] >> (s + 1)), svuotabili);
    }

    Maschera coperte = 0;  // cells some arrangement fills
    Maschera scoperte = 0; // cells some arrangement leaves empty
    for (int j = 0; j <= k; ++j) {
        scoperte |= avanti[j] & svuotabili & (indietro[j] >> 1); // a gap before block j
        if (j < k) {
            const int s = sequenze[j];
            const Maschera inizi = avanti[j] & posti[j] & (indietro[j + 1] >> (s + 1));
            coperte |= spalma(inizi, s);
            scoperte |= inizi << s; // the empty cell that closes the block
        }
    }
    pieni = Celle(coperte & ~scoperte & tutte);
    vuoti = Celle(scoperte & ~coperte & tutte);
    return true;
}

// The known cells of every line: rows 0 .. lato - 1, then columns lato .. 2 * lato - 1. Each cell
// is kept twice, in its row and in its column, and the two copies always agree.
struct Stato {
    std::array<Celle, 2 * LatoGestito> pieni{};
    std::array<Celle, 2 * LatoGestito> vuoti{};
    Maschera daEsaminare = 0; // lines with cells settled since they were last narrowed
    int note = 0;             // settled cells
};

// Records what line `linea` of a board of side `lato` now knows, copies its new cells into the
// crossing lines and marks those to be looked at again. False when nothing is new.
bool segna(Stato& stato, int lato, int linea, Celle pieni, Celle vuoti)
{
    const Celle nuove = (pieni & ~stato.pieni[linea]) | (vuoti & ~stato.vuoti[linea]);
    stato.pieni[linea] = pieni;
    stato.vuoti[linea] = vuoti;
    const bool riga = linea < lato;
    const int posizione = riga ? linea : linea - lato;
    const int incroci = riga ? lato : 0;
    for (Celle resto = nuove; resto != 0; resto &= resto - 1) {
        const int i = std::countr_zero(resto);
        auto& copia = ((pieni >> i) & 1) ? stato.pieni : stato.vuoti;
        copia[incroci + i] |= Celle(1) << posizione;
    }
    stato.daEsaminare |= Maschera(nuove) << incroci;
    if (nuove == 0)
        return false;
    stato.note += std::popcount(nuove);
    return true;
}

// Whether two lines show the same runs.
bool stesseSequenze(Maschera a, Maschera b)
{
    while (a != 0 && b != 0) {
        const int inizioA = std::countr_zero(a);
        const int inizioB = std::countr_zero(b);
        const int lunghezza = std::countr_one(a >> inizioA);
        if (std::countr_one(b >> inizioB) != lunghezza)
            return false;
        a &= ~(((Maschera(1) << lunghezza) - 1) << inizioA);
        b &= ~(((Maschera(1) << lunghezza) - 1) << inizioB);
    }
    return a == b;
}

// The search described at the top of this file, or line logic alone.
class Ricerca {
public:
    Ricerca(int lato, std::vector<Sequenze> sequenze, Budget budget)
        : lato_(lato), sequenze_(std::move(sequenze)), budget_(budget),
          limite_(budget.esamiLinea == EsamiPerLato ? esamiPredefiniti(lato) : budget.esamiLinea),
          tutte_(lato == LatoGestito ? ~Celle(0) : (Celle(1) << lato) - 1),
          prove_(2 * lato * lato, 0), memoria_(VociMemoria)
    {
    }

    // `nota`, when given, is a picture known to fit the clues.
    EsitoSoluzioni esegui(const Stato* nota)
    {
        if (nota)
            registra(*nota);
        Stato iniziale;
        iniziale.daEsaminare = (Maschera(2) << (2 * lato_ - 1)) - 1;
        if (!finito() && propaga(iniziale)) {
            if (!budget_.soloLogica) {
                if (trovate_ == 0)
                    tuffo(iniziale);
                Vicine tutte;
                tutte.fill(tutte_);
                if (!finito())
                    cerca(iniziale, tutte);
            } else if (iniziale.note == lato_ * lato_)
                registra(iniziale);
            else
                aperta_ = true;
        }

        EsitoSoluzioni esito;
        esito.esamiLinea = esami_;
        if (trovate_ >= 2)
            esito.esito = Unicita::PiuDiUna;
        else if (esaurito_ || aperta_)
            esito.esito = Unicita::NonVerificata;
        else
            esito.esito = trovate_ == 1 ? Unicita::Unica : Unicita::Nessuna;
        if (trovate_ >= 1)
            esito.prima = pixel(soluzioni_[0]);
        if (trovate_ >= 2)
            esito.seconda = pixel(soluzioni_[1]);
        return esito;
    }

private:
    enum Sonda { Aperta, Contraddizione, Esaurita };

    struct Ricordo {
        Celle pieni = 0;
        Celle vuoti = 0;
        Celle nuoviPieni = 0;
        Celle nuoviVuoti = 0;
        int linea = -1;
        bool regge = false;
    };

    // Per row, the cells worth probing.
    using Vicine = std::array<Celle, LatoGestito>;

    bool finito() const { return esaurito_ || trovate_ >= 2; }

    // A quick dive before the search: the undecided cells in order, each filled or, when line
    // logic refutes that, left empty; a cell that takes neither ends the dive. A picture found
    // is kept, and with it most ambiguous clues show a second one (a swap of four cells) before
    // any probing, which on a large board costs much of the budget.
    void tuffo(Stato stato)
    {
        for (int cella = 0; cella < lato_ * lato_; ++cella) {
            if (nota(stato, cella))
                continue;
            Stato ramo = stato;
            imposta(ramo, cella, true);
            if (propaga(ramo)) {
                stato = ramo;
                continue;
            }
            imposta(stato, cella, false);
            if (esaurito_ || !propaga(stato))
                return;
        }
        registra(stato);
    }

    // Depth first from a state at its line logic fixed point: settle what probing can, then guess
    // a cell both ways, first the value that settles more. `vicine` are the cells next to those
    // settled since the last probing.
    void cerca(Stato& stato, const Vicine& vicine)
    {
        int cella = -1;
        if (sonda(stato, cella, vicine) != Aperta)
            return;
        if (cella < 0) {
            registra(stato);
            return;
        }
        const bool primaPiena = prove_[2 * cella + 1] >= prove_[2 * cella];
        for (const bool piena : {primaPiena, !primaPiena}) {
            Stato ramo = stato;
            imposta(ramo, cella, piena);
            if (propaga(ramo)) {
                Vicine nuove{};
                accanto(stato, ramo, nuove);
                cerca(ramo, nuove);
            }
            if (finito())
                return;
        }
    }

    bool nota(const Stato& stato, int cella) const
    {
        const int r = cella / lato_;
        return (((stato.pieni[r] | stato.vuoti[r]) >> (cella % lato_)) & 1) != 0;
    }

    // The lines whose known cells differ between two states.
    Maschera diverse(const Stato& a, const Stato& b) const
    {
        Maschera linee = 0;
        for (int l = 0; l < 2 * lato_; ++l) {
            if (a.pieni[l] != b.pieni[l] || a.vuoti[l] != b.vuoti[l])
                linee |= Maschera(1) << l;
        }
        return linee;
    }

    // Adds to `vicine` the cells next to those that `dopo` settles and `prima` does not, in their
    // row or their column (the settled ones too).
    void accanto(const Stato& prima, const Stato& dopo, Vicine& vicine) const
    {
        for (int r = 0; r < lato_; ++r) {
            const Celle nuove =
                (dopo.pieni[r] | dopo.vuoti[r]) & ~(prima.pieni[r] | prima.vuoti[r]);
            vicine[r] |= (nuove | nuove << 1 | nuove >> 1) & tutte_;
            if (r > 0)
                vicine[r - 1] |= nuove;
            if (r + 1 < lato_)
                vicine[r + 1] |= nuove;
        }
    }

    // Probes the undecided cells among `vicine` in turn, row by row, round and round, until a
    // whole turn settles nothing; the cells next to those a probe settles join them. A probe far
    // from every change would mostly repeat one already made, whose results prove_ still holds.
    // `scelta` gets the cell to guess: the one whose weaker value settled the most cells, then the
    // one whose two values settled the most (-1 when every cell is settled).
    Sonda sonda(Stato& stato, int& scelta, Vicine vicine)
    {
        for (int r = 0, senzaCambi = 0; senzaCambi < lato_; r = r + 1 == lato_ ? 0 : r + 1) {
            bool cambiato = false;
            for (Celle resto = ignote(stato, r) & vicine[r]; resto != 0; resto &= resto - 1) {
                const int c = std::countr_zero(resto);
                if (nota(stato, r * lato_ + c))
                    continue; // settled by a probe of this row
                const Sonda esito = prova(stato, r * lato_ + c, vicine, cambiato);
                if (esito != Aperta)
                    return esito;
            }
            senzaCambi = cambiato ? 0 : senzaCambi + 1;
        }
        const int celle = lato_ * lato_;
        scelta = -1;
        long migliore = -1;
        for (int cella = 0; cella < celle; ++cella) {
            const int vuota = prove_[2 * cella];
            const int piena = prove_[2 * cella + 1];
            const long punti = long(std::min(vuota, piena)) * celle * 2 + vuota + piena;
            if (!nota(stato, cella) && punti > migliore) {
                migliore = punti;
                scelta = cella;
            }
        }
        return Aperta;
    }

    // Sets one cell both ways with line logic and keeps in `stato` what that proves: the only
    // value that holds, or the cells both values settle alike; `cambiato` is set when that
    // settles cells, and their neighbours join `vicine`. prove_ gets how many cells each value
    // settled (0 for one that fails).
    Sonda prova(Stato& stato, int cella, Vicine& vicine, bool& cambiato)
    {
        std::array<Stato, 2> esiti{stato, stato};
        std::array<bool, 2> regge{};
        for (int v = 0; v < 2; ++v) {
            imposta(esiti[v], cella, v == 1);
            regge[v] = propaga(esiti[v]);
            if (esaurito_)
                return Esaurita;
            prove_[2 * cella + v] = regge[v] ? esiti[v].note - stato.note : 0;
        }
        if (!regge[0] && !regge[1])
            return Contraddizione;
        if (!regge[0] || !regge[1]) {
            const Stato& tenuto = esiti[regge[1] ? 1 : 0]; // already at its fixed point
            accanto(stato, tenuto, vicine);
            stato = tenuto;
            cambiato = true;
            return Aperta;
        }
        esiti[0].note = 0;
        for (int l = 0; l < 2 * lato_; ++l) {
            esiti[0].pieni[l] &= esiti[1].pieni[l];
            esiti[0].vuoti[l] &= esiti[1].vuoti[l];
            if (l < lato_)
                esiti[0].note += std::popcount(esiti[0].pieni[l] | esiti[0].vuoti[l]);
        }
        Stato& comune = esiti[0];
        comune.daEsaminare = diverse(stato, comune);
        if (comune.daEsaminare == 0)
            return Aperta;
        if (!propaga(comune))
            return esaurito_ ? Esaurita : Contraddizione;
        accanto(stato, comune, vicine);
        stato = comune;
        cambiato = true;
        return Aperta;
    }

    Celle ignote(const Stato& stato, int linea) const
    {
        return ~(stato.pieni[linea] | stato.vuoti[linea]) & tutte_;
    }

    // Line logic to a fixed point, looking again only at lines with newly settled cells. False on
    // a contradiction or when the budget runs out.
    bool propaga(Stato& stato)
    {
        while (stato.daEsaminare != 0) {
            const int linea = std::countr_zero(stato.daEsaminare);
            stato.daEsaminare &= stato.daEsaminare - 1;
            const Ricordo& ricordo = restringiRicordando(linea, stato);
            if (esaurito_ || !ricordo.regge)
                return false;
            segna(stato, lato_, linea, ricordo.nuoviPieni, ricordo.nuoviVuoti);
        }
        return true;
    }

    // restringi() through a table of recent answers: probing and the search put the same line
    // in the same state again and again, and many examinations are found there.
    const Ricordo& restringiRicordando(int linea, const Stato& stato)
    {
        const Celle pieni = stato.pieni[linea];
        const Celle vuoti = stato.vuoti[linea];
        const std::uint64_t chiave =
            ((std::uint64_t(pieni) << 32 | vuoti) ^ std::uint64_t(linea) << 58) *
            0x9E3779B97F4A7C15ull;
        Ricordo& ricordo = memoria_[chiave >> (64 - BitMemoria)];
        const bool ricordato =
            ricordo.linea == linea && ricordo.pieni == pieni && ricordo.vuoti == vuoti;
        if (esami_ >= limite_) {
            esaurito_ = true;
            return ricordo;
        }
        ++esami_;
        if (ricordato)
            return ricordo;
        ricordo.linea = linea;
        ricordo.pieni = pieni;
        ricordo.vuoti = vuoti;
        ricordo.nuoviPieni = pieni;
        ricordo.nuoviVuoti = vuoti;
        ricordo.regge = restringi(sequenze_[linea], lato_, ricordo.nuoviPieni, ricordo.nuoviVuoti);
        return ricordo;
    }

    void imposta(Stato& stato, int cella, bool piena) const
    {
        const int r = cella / lato_;
        const int c = cella % lato_;
        auto& celle = piena ? stato.pieni : stato.vuoti;
        celle[r] |= Celle(1) << c;
        celle[lato_ + c] |= Celle(1) << r;
        stato.daEsaminare |= (Maschera(1) << r) | (Maschera(1) << (lato_ + c));
        ++stato.note;
    }

    // A settled board; each picture is kept once. The first one is also checked for a second
    // picture that is the same but for a swap of four cells.
    void registra(const Stato& stato)
    {
        if (trovate_ == 1 && stato.pieni == soluzioni_[0].pieni)
            return;
        soluzioni_[trovate_++] = stato;
        if (trovate_ == 1 && scambio(stato, soluzioni_[1]))
            trovate_ = 2;
    }

    // Looks for four cells at the corners of a rectangle, two filled on one diagonal and two
    // empty on the other, whose swap leaves the runs of their two rows and two columns as they
    // are: the swapped picture then fits the same clues. This is how most ambiguous drawings are
    // ambiguous, and it is found in a moment where the search might take long to reach a second
    // picture.
    bool scambio(const Stato& soluzione, Stato& altra) const
    {
        // mosse[l][i]: the empty cells of line l to which its filled cell i can move, runs kept.
        std::array<std::array<Celle, LatoGestito>, 2 * LatoGestito> mosse{};
        for (int l = 0; l < 2 * lato_; ++l) {
            const Celle piene = soluzione.pieni[l];
            for (Celle da = piene; da != 0; da &= da - 1) {
                const int i = std::countr_zero(da);
                for (Celle a = ~piene & tutte_; a != 0; a &= a - 1) {
                    const int j = std::countr_zero(a);
                    const Celle spostata = piene ^ (Celle(1) << i) ^ (Celle(1) << j);
                    if (stesseSequenze(piene, spostata))
                        mosse[l][i] |= Celle(1) << j;
                }
            }
        }
        // Row r1 moves its cell c1 to c2, row r2 its cell c2 to c1; column c1 moves its cell r1
        // to r2 and column c2 its cell r2 to r1.
        for (int r1 = 0; r1 < lato_; ++r1) {
            for (int r2 = 0; r2 < lato_; ++r2) {
                const Celle soloPrima = soluzione.pieni[r1] & ~soluzione.pieni[r2];
                const Celle soloSeconda = soluzione.pieni[r2] & ~soluzione.pieni[r1];
                for (Celle resto = soloPrima; resto != 0; resto &= resto - 1) {
                    const int c1 = std::countr_zero(resto);
                    if (!((mosse[lato_ + c1][r1] >> r2) & 1))
                        continue;
                    for (Celle verso = mosse[r1][c1] & soloSeconda; verso != 0;
                         verso &= verso - 1) {
                        const int c2 = std::countr_zero(verso);
                        if (((mosse[r2][c2] >> c1) & 1) && ((mosse[lato_ + c2][r2] >> r1) & 1)) {
                            altra = soluzione;
                            for (const auto& [r, c] : {std::pair{r1, c1}, std::pair{r1, c2},
                                                       std::pair{r2, c1}, std::pair{r2, c2}}) {
                                altra.pieni[r] ^= Celle(1) << c;
                                altra.pieni[lato_ + c] ^= Celle(1) << r;
                                altra.vuoti[r] ^= Celle(1) << c;
                                altra.vuoti[lato_ + c] ^= Celle(1) << r;
                            }
                            return true;
                        }
                    }
                }
            }
        }
        return false;
    }

    QString pixel(const Stato& stato) const
    {
        QString celle(lato_ * lato_, u'0');
        for (int r = 0; r < lato_; ++r) {
            for (Celle resto = stato.pieni[r]; resto != 0; resto &= resto - 1)
                celle[r * lato_ + std::countr_zero(resto)] = u'1';
        }
        return celle;
    }

    static constexpr int BitMemoria = 12;
    static constexpr int VociMemoria = 1 << BitMemoria;

    const int lato_;
    const std::vector<Sequenze> sequenze_; // rows, then columns, without zero entries
    const Budget budget_;
    const int limite_; // line examinations allowed
    const Celle tutte_;
    int esami_ = 0;
    bool esaurito_ = false;
    bool aperta_ = false; // line logic alone left cells undecided
    int trovate_ = 0;
    std::array<Stato, 2> soluzioni_;
    std::vector<int> prove_; // [2 * cell + value]: cells settled by that value at the last probe
    std::vector<Ricordo> memoria_;
};

} // namespace

int esamiPredefiniti(int lato)
{
    return lato <= 15 ? 200000 : 50000;
}

EsitoSoluzioni contaSoluzioni(const std::vector<Sequenze>& righe,
                              const std::vector<Sequenze>& colonne, Budget budget)
{
    if (righe.size() > LatoGestito && righe.size() == colonne.size())
        return {};
    auto sequenze = sequenzeDiTutte(righe, colonne);
    if (!sequenze) {
        EsitoSoluzioni nessuna;
        nessuna.esito = Unicita::Nessuna;
        return nessuna;
    }
    return Ricerca(int(righe.size()), std::move(*sequenze), budget).esegui(nullptr);
}

EsitoSoluzioni contaSoluzioni(const QString& pixel, int lato, Budget budget)
{
    if (!pixelValido(pixel, lato))
        return {};
    const Segni segni = segniDaPixel(pixel, lato);
    const SequenzeDisegno indizi = sequenzeDisegno(segni, lato);
    Stato disegno;
    for (int i = 0; i < lato; ++i) {
        for (int j = 0; j < lato; ++j) {
            auto& celle = segni[indiceLogico(i, j, lato)] == Pieno ? disegno.pieni : disegno.vuoti;
            celle[i] |= Celle(1) << j;
            celle[lato + j] |= Celle(1) << i;
        }
    }
    // The drawing fits its own clues: the search only has to look for another picture.
    return Ricerca(lato, *sequenzeDiTutte(indizi.righe, indizi.colonne), budget).esegui(&disegno);
}

std::optional<int> passateLogica(const std::vector<Sequenze>& righe,
                                 const std::vector<Sequenze>& colonne)
{
    const int lato = int(righe.size());
    const auto sequenze = sequenzeDiTutte(righe, colonne);
    if (!sequenze || lato > LatoGestito)
        return std::nullopt;
    Stato stato;
    for (int passate = 1;; ++passate) {
        bool cambiato = false;
        for (int linea = 0; linea < 2 * lato; ++linea) {
            Celle pieni = stato.pieni[linea];
            Celle vuoti = stato.vuoti[linea];
            if (!restringi((*sequenze)[linea], lato, pieni, vuoti))
                return std::nullopt;
            cambiato |= segna(stato, lato, linea, pieni, vuoti);
        }
        if (stato.note == lato * lato)
            return passate;
        if (!cambiato)
            return std::nullopt;
    }
}

} // namespace gridora
