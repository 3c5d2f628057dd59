#pragma once

// The big repeat of a column's clue beside the board (label hlp2).

#include "model/Indizi.h"

#include <QString>

namespace gridora {

struct ColonnaEvidenziata {
    QString testo;      // one number per line (CR-separated), pushed down to sit at the bottom
    bool bordo = false; // the small clue label is framed while its column is highlighted
};

// From the runs of the column, top to bottom. A one-digit number takes one line of the big
// label, a two-digit number three.
ColonnaEvidenziata evidenziaColonna(const Sequenze& sequenze);

} // namespace gridora
