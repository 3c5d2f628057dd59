#pragma once

// The editor's rules for storing a drawing: the duplicate check of a save, the name a drawing is
// stored under, and the warning for clues that more than one picture fits.

#include "model/Archivio.h"
#include "model/RisolutoreCompleto.h"

#include <QList>
#include <QString>

namespace gridora {

enum class Verdetto {
    Libero,          // neither the name nor the drawing is stored: the save may go on
    NomePresente,    // "NOME PRESENTE"
    DisegnoPresente, // "DISEGNO PRESENTE"
    Doppione,        // "RECORD DOPPIONE": one row has both
};

// A name box holding nothing but blanks counts as empty.
bool nomeVuoto(const QString& nome);

// Two names are the same puzzle name when they differ at most in letter case, since every name
// is stored in proper case.
bool stessoNome(const QString& a, const QString& b);

// The duplicate check of a save over the rows of the side, in row order: each row that has the
// name the save would store, the drawing or both decides in turn, so the last of them gives the
// verdict. An empty name matches no row: the drawing will be stored under a free default name.
Verdetto verdettoSalvataggio(const QList<Disegno>& righe, const QString& nome,
                             const QString& pixel);

// "Gridora-N": N is the number of puzzles counted at the last size choice, or the first number
// above it whose name no row has.
QString nomePredefinito(const QList<Disegno>& righe, int numeroDisegni);

// The name a save stores: the typed one without its outer blanks, in proper case and within the
// length limit, or the default name when the name box is empty.
QString nomeDaSalvare(const QList<Disegno>& righe, const QString& digitato, int numeroDisegni);

// The name a modification stores: the typed one without its outer blanks and within the length
// limit, as typed otherwise; the stored name, untouched, when the name box still shows it, is
// empty or holds only blanks.
QString nomeDaModificare(const QString& memorizzato, const QString& digitato);

// The line that goes before a confirmation when the drawing's clues do not show it alone;
// empty for a drawing that is the only picture of its clues.
QString avvisoUnicita(Unicita unicita);

} // namespace gridora
