#include "model/Risolutore.h"

#include <deque>
#include <utility>

namespace gridora {

namespace {

enum class Stato : char { Ignoto, Pieno, Vuoto };

// One row or column: its cells in order and the runs its clue asks for.
//
// Every arrangement of the runs is read as a sequence of gaps and blocks, each block being a run
// followed by one empty cell; a virtual empty cell past the end closes the last run. `prima[j][i]`
// tells whether cells [0, i) can hold the first j blocks, `dopo[j][i]` whether cells [i, n] can
// hold blocks j.. to the end. Together they say, for every cell, whether some arrangement that
// agrees with the known cells fills it and whether some leaves it empty: O(length * runs).
class Linea {
public:
    Linea(const std::vector<Stato>& celle, const Sequenze& sequenze)
        : celle_(celle), sequenze_(sequenze), n_(int(celle.size())), k_(int(sequenze.size()))
    {
        // Count of cells known empty in [0, i), for "no empty cell in a range" in O(1).
        vuotePrima_.assign(n_ + 2, 0);
        for (int i = 0; i <= n_; ++i)
            vuotePrima_[i + 1] = vuotePrima_[i] + (cella(i) == Stato::Vuoto ? 1 : 0);
    }

    // Narrows the cells to those every consistent arrangement agrees on; false when no
    // arrangement agrees with the known cells.
    bool restringi(std::vector<Stato>& risultato)
    {
        const int m = n_ + 1; // the cells plus the closing virtual empty one
        std::vector<std::vector<char>> prima(k_ + 1, std::vector<char>(m + 1, 0));
        std::vector<std::vector<char>> dopo(k_ + 1, std::vector<char>(m + 2, 0));

        prima[0][0] = 1;
        for (int j = 0; j <= k_; ++j) {
            for (int i = 1; i <= m; ++i) {
                bool si = prima[j][i - 1] && puoVuota(i - 1);
                if (!si && j > 0) {
                    const int inizio = i - sequenze_[j - 1] - 1;
                    si = inizio >= 0 && prima[j - 1][inizio] && bloccoPossibile(inizio, j - 1);
                }
                prima[j][i] = si;
            }
        }
        if (!prima[k_][m])
            return false;

        dopo[k_][m] = 1;
        for (int j = k_; j >= 0; --j) {
            for (int i = m - 1; i >= 0; --i) {
                bool si = puoVuota(i) && dopo[j][i + 1];
                if (!si && j < k_) {
                    const int fine = i + sequenze_[j] + 1;
                    si = fine <= m && bloccoPossibile(i, j) && dopo[j + 1][fine];
                }
                dopo[j][i] = si;
            }
        }

        // Difference array over the cells some block may fill.
        std::vector<int> pieneDelta(m + 1, 0);
        std::vector<char> puoEssereVuota(m, 0);
        for (int j = 0; j <= k_; ++j) {
            for (int i = 0; i < m; ++i) {
                if (prima[j][i] && puoVuota(i) && dopo[j][i + 1])
                    puoEssereVuota[i] = 1;
                if (j < k_) {
                    const int lunghezza = sequenze_[j];
                    const int fine = i + lunghezza + 1;
                    if (fine <= m && prima[j][i] && bloccoPossibile(i, j) && dopo[j + 1][fine]) {
                        ++pieneDelta[i];
                        --pieneDelta[i + lunghezza];
                        puoEssereVuota[i + lunghezza] = 1;
                    }
                }
            }
        }

        int coperte = 0;
        for (int i = 0; i < n_; ++i) {
            coperte += pieneDelta[i];
            const bool piena = coperte > 0;
            if (piena && !puoEssereVuota[i])
                risultato[i] = Stato::Pieno;
            else if (!piena && puoEssereVuota[i])
                risultato[i] = Stato::Vuoto;
            else if (!piena)
                return false;
            else
                risultato[i] = Stato::Ignoto;
        }
        return true;
    }

private:
    Stato cella(int i) const { return i < n_ ? celle_[i] : Stato::Vuoto; }
    bool puoVuota(int i) const { return cella(i) != Stato::Pieno; }

    // Block j (its run then one empty cell) starting at `inizio` agrees with the known cells.
    bool bloccoPossibile(int inizio, int j) const
    {
        const int fine = inizio + sequenze_[j]; // the cell that must stay empty
        if (fine >= n_ + 1)
            return false;
        // No known empty cell under the run (the virtual one past the end counts as empty).
        return vuotePrima_[fine] == vuotePrima_[inizio] && puoVuota(fine);
    }

    const std::vector<Stato>& celle_;
    const Sequenze& sequenze_;
    const int n_;
    const int k_;
    std::vector<int> vuotePrima_;
};

} // namespace

std::optional<Sequenze> sequenzeValide(const Sequenze& grezze, int lunghezza)
{
    Sequenze sequenze;
    int necessarie = 0;
    for (const int s : grezze) {
        if (s < 0)
            return std::nullopt;
        if (s == 0)
            continue;
        necessarie += s + (sequenze.empty() ? 0 : 1);
        sequenze.push_back(s);
    }
    if (necessarie > lunghezza)
        return std::nullopt;
    return sequenze;
}

std::optional<std::vector<Sequenze>> sequenzeDiTutte(const std::vector<Sequenze>& righe,
                                                     const std::vector<Sequenze>& colonne)
{
    const int lato = int(righe.size());
    if (lato == 0 || colonne.size() != righe.size())
        return std::nullopt;
    std::vector<Sequenze> sequenze;
    sequenze.reserve(2 * lato);
    for (int l = 0; l < 2 * lato; ++l) {
        auto valide = sequenzeValide(l < lato ? righe[l] : colonne[l - lato], lato);
        if (!valide)
            return std::nullopt;
        sequenze.push_back(std::move(*valide));
    }
    return sequenze;
}

std::optional<QString> risolviConLogica(const std::vector<Sequenze>& righe,
                                        const std::vector<Sequenze>& colonne)
{
    // Lines 0..lato-1 are the rows, lato..2*lato-1 the columns.
    const int lato = int(righe.size());
    const auto tutte = sequenzeDiTutte(righe, colonne);
    if (!tutte)
        return std::nullopt;
    const std::vector<Sequenze>& sequenze = *tutte;

    std::vector<Stato> griglia(lato * lato, Stato::Ignoto);
    auto indice = [lato](int linea, int posizione) {
        return linea < lato ? linea * lato + posizione : posizione * lato + (linea - lato);
    };

    std::deque<int> daRivedere;
    std::vector<char> inCoda(2 * lato, 1);
    for (int l = 0; l < 2 * lato; ++l)
        daRivedere.push_back(l);

    std::vector<Stato> celle(lato);
    std::vector<Stato> nuove(lato);
    while (!daRivedere.empty()) {
        const int linea = daRivedere.front();
        daRivedere.pop_front();
        inCoda[linea] = 0;

        for (int p = 0; p < lato; ++p)
            celle[p] = griglia[indice(linea, p)];
        if (!Linea(celle, sequenze[linea]).restringi(nuove))
            return std::nullopt;

        for (int p = 0; p < lato; ++p) {
            if (celle[p] != Stato::Ignoto || nuove[p] == Stato::Ignoto)
                continue;
            griglia[indice(linea, p)] = nuove[p];
            // The crossing line has a new known cell: look at it again.
            const int incrocio = linea < lato ? lato + p : p;
            if (!inCoda[incrocio]) {
                inCoda[incrocio] = 1;
                daRivedere.push_back(incrocio);
            }
        }
    }

    QString pixel(lato * lato, QLatin1Char('0'));
    for (int i = 0; i < lato * lato; ++i) {
        if (griglia[i] == Stato::Ignoto)
            return std::nullopt;
        if (griglia[i] == Stato::Pieno)
            pixel[i] = QLatin1Char('1');
    }
    return pixel;
}

} // namespace gridora
