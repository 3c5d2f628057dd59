#pragma once

// Puzzle files (".non") in the import: listed beside the pictures, read on the same thread, and
// shown as their picture, one pixel a cell, black on white. The puzzle's cells and title come
// with the picture, so that a conversion at the puzzle's own side gives exactly its cells.

#include "import/Caricatore.h"
#include "model/FormatoNon.h"

#include <QByteArrayView>
#include <QImage>

namespace gridora {

// A name ending in ".non", without regard to case.
bool nomeDiSchema(QByteArrayView nome);

// The puzzle's picture: larghezza x altezza pixels, black where a cell is filled.
QImage figuraSchema(const SchemaNon& schema);

// The puzzle file at `percorso` (as the file system spells it) as the preview shows it; a
// refused file gives the error of a damaged picture (or of an unreadable or too large one).
EsitoImmagine leggiSchema(const QByteArray& percorso);

// What the import's Caricatore reads with: puzzle files as above, every other file by `lettura`.
Caricatore::Lettura letturaConSchemi(LetturaImmagine lettura);

} // namespace gridora
