#pragma once

#include "Caratteri.h"

#include <QImage>
#include <QString>

namespace genera {

// Board cells, 16x16.
QImage cellaPiena();                       // blue, with a light top-left and dark bottom-right edge
QImage cellaVuota(QRgb fondo, bool croce); // black frame, optionally crossed out

// 31x31: a 2x2 grid with the lower right cell filled, for the window and the about box.
QImage icona();

// 262x63 title of the main window.
QImage logo(const Caratteri& caratteri);

// 97x21 button labels of the main menu, all in one style.
QImage etichetta(const Caratteri& caratteri, const QString& testo);

// 130x212 button that opens the records table.
QImage pulsanteRecord(const Caratteri& caratteri);

} // namespace genera
