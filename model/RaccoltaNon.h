#pragma once

// A folder of puzzle files added to the collection at once: each file read and judged, then
// every one that the game can play and the collection does not yet hold stored in one
// transaction, and a summary of what was added and what was left out, and why.

#include "model/Archivio.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <functional>

namespace gridora {

// Why a file was left out; Nessuno for one to add.
enum class Scarto {
    Nessuno,
    Presente,     // its drawing is stored already (or comes earlier in the folder)
    NomeOccupato, // its name is taken in its size
    PiuFigure,    // its clues fit more than one picture (or could not be shown to fit one)
    AltroLato,    // not a square of 5, 10 or 15
    NonValido,    // refused by the reader
};
inline constexpr int NumeroScarti = 6;

struct SchemaRaccolto {
    Scarto scarto = Scarto::NonValido;
    int lato = 0;
    QString pixel;
    QString nome; // the title, or the file name without extension when the title is blank
};

// Reads one puzzle file: `percorso` as the file system spells it, `nomeFile` as shown.
SchemaRaccolto raccogliSchema(const QByteArray& percorso, const QString& nomeFile);

// Reads the puzzle files among `nomi` (names in `cartella` as the file system gave them);
// other names are passed over. `interrompi`, asked between files, stops early.
QList<SchemaRaccolto> raccogliSchemi(const QByteArray& cartella, const QList<QByteArray>& nomi,
                                     const std::function<bool()>& interrompi = {});

struct RiepilogoRaccolta {
    int aggiunti = 0;
    std::array<int, NumeroScarti> scartati{}; // by Scarto
    EsitoArchivio stato;                      // when not ok, nothing was added
};

// Stores the files to add, named and checked against the stored puzzles (and each other) as a
// save would be, in one transaction.
RiepilogoRaccolta aggiungiAllaRaccolta(const Archivio& archivio,
                                       const QList<SchemaRaccolto>& schemi);

// The summary message's text.
QString testoRiepilogo(const RiepilogoRaccolta& riepilogo);

} // namespace gridora
