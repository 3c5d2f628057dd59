#pragma once

// Puzzle files in the plain-text ".non" format that nonogram players trade: one "key value" per
// line, the side lengths, a block of row clues and one of column clues, and optionally a title
// and the picture itself ("goal"). One reader and one writer serve every use: the import, the
// exports and the collection.

#include "model/Indizi.h"
#include "model/RisolutoreCompleto.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace gridora {

inline constexpr qint64 ByteMassimiNon = qint64(1) << 20; // larger files are refused unread
inline constexpr int LatoMassimoNon = 100;                // width and height, in cells

// Why a file was refused.
enum class RifiutoNon {
    Nessuno,
    Illeggibile,         // cannot be opened or read, or not a regular file
    TroppoGrande,        // above ByteMassimiNon
    Malformato,          // not the format: missing or repeated keys, short clue blocks, junk
    LatoNonValido,       // a width or height of 0 or above LatoMassimoNon
    AColori,             // a multi-colour puzzle
    SequenzaTroppoLunga, // the runs of a line do not fit in it
    NumeroTroppoGrande,  // a number that does not fit an int
    TotaliDiversi,       // the rows and the columns fill different numbers of cells
    NessunaFigura,       // no picture fits the clues
    NonRisolto,          // no usable goal, and the solver could not settle the clues in its budget
};

struct SchemaNon {
    QString titolo; // references decoded, blanks trimmed; empty when the file has none
    int larghezza = 0;
    int altezza = 0;
    std::vector<Sequenze> righe;   // `altezza` clues, top to bottom, without zero entries
    std::vector<Sequenze> colonne; // `larghezza` clues, left to right
    QString pixel;                 // larghezza x altezza cells, row after row, "1" filled
    // Unica, PiuDiUna (then `pixel` is the first picture found, unless the goal chose it), or
    // NonVerificata when a goal gave the picture but the solver could not settle the clues.
    Unicita unicita = Unicita::NonVerificata;
    bool dalGoal = false; // `pixel` is the file's goal
};

struct EsitoNon {
    RifiutoNon rifiuto = RifiutoNon::Illeggibile;
    SchemaNon schema; // meaningful only when ok()

    bool ok() const { return rifiuto == RifiutoNon::Nessuno; }
};

// Reads a puzzle from the bytes of a file. The picture is the goal when there is one and it fits
// the clues (a goal that contradicts them is ignored); otherwise the solver finds it within
// `budget`. Memory stays bounded by the size limit whatever the bytes.
EsitoNon leggiNon(const QByteArray& byte, Budget budget = {});

// The same for a file: a pipe, a device or a file above the limit is refused without reading it.
EsitoNon leggiFileNon(const QString& percorso, Budget budget = {});
// The same for a path as the file system spells it, which need not be valid UTF-8.
EsitoNon leggiFileNon(const QByteArray& percorso, Budget budget = {});

// A short Italian description of a refusal.
QString descrizioneRifiuto(RifiutoNon rifiuto);

// The file for a picture of larghezza x altezza cells ("1" filled, row after row): title,
// width, height, rows, columns and goal, in UTF-8. Empty when the picture does not match the
// sides or a side is out of range.
QByteArray scriviNon(const QString& titolo, int larghezza, int altezza, const QString& pixel);

inline constexpr const char* EstensioneNon = ".non";

} // namespace gridora
