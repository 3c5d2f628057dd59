#include "model/Risolutore.h"

#include <utility>

namespace gridora {

std::optional<Sequenze> sequenzeValide(const Sequenze& grezze, int lunghezza)
{
    Sequenze sequenze;
    long long necessarie = 0; // wide enough for any int length and run
    for (const int s : grezze) {
        if (s < 0 || s > lunghezza)
            return std::nullopt;
        if (s == 0)
            continue;
        necessarie += (sequenze.empty() ? 0 : 1) + static_cast<long long>(s);
        if (necessarie > lunghezza)
            return std::nullopt;
        sequenze.push_back(s);
    }
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
    long long differenza = 0; // filled cells of the rows less those of the columns
    for (int l = 0; l < 2 * lato; ++l) {
        auto valide = sequenzeValide(l < lato ? righe[l] : colonne[l - lato], lato);
        if (!valide)
            return std::nullopt;
        for (const int s : *valide)
            differenza += l < lato ? s : -s;
        sequenze.push_back(std::move(*valide));
    }
    if (differenza != 0)
        return std::nullopt;
    return sequenze;
}

} // namespace gridora
