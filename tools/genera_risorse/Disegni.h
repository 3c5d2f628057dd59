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

// The same grid at any side from 16 pixels, for the desktop's icon theme. Every line and cell
// is a whole number of pixels, so the picture is crisp; when the grid cannot fill the side
// exactly, the last column and row stay transparent.
QImage iconaProgramma(int lato);
// The same grid as an SVG file, drawn on the 256-pixel geometry.
QByteArray iconaSvg();

// 262x63 title of the main window.
QImage logo(const Caratteri& caratteri);

// 97x21 button labels of the main menu, all in one style.
QImage etichetta(const Caratteri& caratteri, const QString& testo);

// 130x212 button that opens the records table.
QImage pulsanteRecord(const Caratteri& caratteri);

} // namespace genera
