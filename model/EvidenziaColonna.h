#pragma once

// The big repeat of a column's clue beside the board (label hlp2).

#include <QString>

namespace gridora {

struct ColonnaEvidenziata {
    QString testo;      // one number per line, pushed down to sit at the bottom
    bool bordo = false; // the small clue label is framed while its column is highlighted
};

// From the column's clue as its small label shows it (blank, digits, CR for each run, with
// leading CRs). A one-digit number takes one line of the big label, a two-digit number three.
ColonnaEvidenziata evidenziaColonna(const QString& indizioColonna);

} // namespace gridora
