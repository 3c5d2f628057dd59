#pragma once

#include "Caratteri.h"
#include "Icone.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

namespace genera {

// A 32x32 mouse pointer: alpha 0 where the screen shows through, 255 elsewhere.
struct Puntatore {
    QString nome; // file name without the .cur extension
    QImage immagine;
    QPoint puntoCaldo;
    Profondita profondita;
};

// The drawing tools: hand, pen, pencil, eraser and paint pot, as 16-colour pixel art.
std::vector<Puntatore> puntatoriDisegnati();

// The lettered pointers: countdown digits, "ViA" and the bonus minutes.
std::vector<Puntatore> puntatoriScritti(const Caratteri& caratteri);

} // namespace genera
