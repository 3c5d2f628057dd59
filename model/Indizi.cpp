#include "model/Indizi.h"

namespace gridora {

namespace {

// Runs of filled cells along one line; `cella(i)` gives the mark of the i-th cell.
template <typename Cella> Sequenze sequenze(int lunghezza, Cella cella)
{
    Sequenze runs;
    int n = 0;
    for (int i = 0; i < lunghezza; ++i) {
        if (cella(i) == Pieno) {
            ++n;
        } else if (n > 0) {
            runs.push_back(n);
            n = 0;
        }
    }
    if (n > 0)
        runs.push_back(n);
    return runs;
}

// The number with one leading blank, as the clue labels show it.
QString conSpazio(int n)
{
    return u' ' + QString::number(n);
}

} // namespace

Sequenze sequenzeRiga(const Segni& segni, int lato, int riga)
{
    return sequenze(lato, [&](int c) { return segni[indiceLogico(riga, c, lato)]; });
}

Sequenze sequenzeColonna(const Segni& segni, int lato, int colonna)
{
    return sequenze(lato, [&](int r) { return segni[indiceLogico(r, colonna, lato)]; });
}

QString testoIndizioRiga(const Sequenze& sequenze)
{
    QString testo;
    for (const int n : sequenze)
        testo += conSpazio(n) + u' ';
    return testo;
}

QString testoIndizioColonna(const Sequenze& sequenze)
{
    QString testo;
    const int righe = static_cast<int>(sequenze.size());
    if (righe > 0 && righe < RigheIndizioColonna)
        testo.fill(CR, RigheIndizioColonna - righe);
    for (const int n : sequenze)
        testo += conSpazio(n) + CR;
    return testo;
}

Indizi calcolaIndizi(const Segni& segni, int lato)
{
    Indizi indizi;
    for (int i = 0; i < lato; ++i) {
        indizi.sequenzeRighe[i] = sequenzeRiga(segni, lato, i);
        indizi.sequenzeColonne[i] = sequenzeColonna(segni, lato, i);
        indizi.righe[i] = testoIndizioRiga(indizi.sequenzeRighe[i]);
        indizi.colonne[i] = testoIndizioColonna(indizi.sequenzeColonne[i]);
    }
    return indizi;
}

SequenzeDisegno sequenzeDisegno(const Segni& segni, int lato)
{
    SequenzeDisegno s;
    for (int i = 0; i < lato; ++i) {
        s.righe.push_back(sequenzeRiga(segni, lato, i));
        s.colonne.push_back(sequenzeColonna(segni, lato, i));
    }
    return s;
}

SequenzeDisegno sequenzeDiPixel(QStringView pixel, int larghezza, int altezza)
{
    const auto cella = [&](int r, int c) {
        return pixel[qsizetype(r) * larghezza + c] == u'1' ? Pieno : Vuoto;
    };
    SequenzeDisegno s;
    for (int r = 0; r < altezza; ++r)
        s.righe.push_back(sequenze(larghezza, [&](int c) { return cella(r, c); }));
    for (int c = 0; c < larghezza; ++c)
        s.colonne.push_back(sequenze(altezza, [&](int r) { return cella(r, c); }));
    return s;
}

} // namespace gridora
