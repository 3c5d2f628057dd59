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
    for (int l = 0; l < 2 * lato; ++l) {
        auto valide = sequenzeValide(l < lato ? righe[l] : colonne[l - lato], lato);
        if (!valide)
            return std::nullopt;
        sequenze.push_back(std::move(*valide));
    }
    return sequenze;
}

} // namespace gridora
