#pragma once

// Where a drawing's clues leave a choice: the cells in which two pictures that fit them differ.

#include "model/RisolutoreCompleto.h"

#include <QList>
#include <QPoint>

namespace gridora {

// The cells (row, column) where the two pictures of a count differ, row after row. None unless
// the count found two pictures of that side.
QList<QPoint> celleAmbigue(const EsitoSoluzioni& esito, int lato);

} // namespace gridora
