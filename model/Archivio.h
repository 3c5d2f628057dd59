#pragma once

// The puzzle database, Dati.mdb: one table per side (Disegni5, Disegni10, Disegni15), each row a
// puzzle with its drawing, its name and a record holder and time for each record mode.
//
// Every operation opens the file, runs one prepared statement with bound values and releases the
// file again, so a name is stored exactly as typed and can never change a statement. Rows come
// back in insertion order, each with its row identity, so that later writes address exactly the
// row the user chose even when two rows share a name.

#include "model/ModoRecord.h"

#include <QList>
#include <QString>
#include <array>

namespace gridora {

struct RecordModo {
    QString titolare; // holder's name, empty when the mode has no record
    QString tempo;    // HH:MM:SS, empty when the mode has no record
};

// A row as a list of names shows it.
struct VoceElenco {
    qint64 id = 0;
    QString nome;
};

struct Disegno {
    qint64 id = 0; // row identity within its table
    QString griglia;
    QString pixel;
    QString nome;
    std::array<RecordModo, 4> record; // indexed by indiceModo()

    const RecordModo& recordDi(ModoRecord modo) const { return record[indiceModo(modo)]; }
};

// A puzzle to add: its side, its drawing and the name it is stored under.
struct NuovoDisegno {
    int lato = 5;
    QString pixel;
    QString nome;
};

enum class ErroreArchivio {
    Nessuno,
    FileMancante,       // Dati.mdb is not there
    NonApribile,        // the file cannot be opened or read
    NonDatabase,        // the file is not a database
    StrutturaErrata,    // a table or a column is missing
    Bloccato,           // another program holds the file
    ScritturaRifiutata, // read-only file or folder, full disk
    RigaMancante,       // the row to change is no longer there
    CreazioneFallita,   // Dati.mdb could not be created
    LatoNonValido,      // a side other than 5, 10 or 15
};

struct EsitoArchivio {
    ErroreArchivio codice = ErroreArchivio::Nessuno;
    QString messaggio; // Italian text for the user; empty when all went well
    QString dettaglio; // the database engine's own words, if any

    bool ok() const { return codice == ErroreArchivio::Nessuno; }
};

template <typename T> struct Esito {
    T valore{};
    EsitoArchivio stato;

    bool ok() const { return stato.ok(); }
};

class Archivio {
public:
    static constexpr const char* NomeFile = "Dati.mdb";

    // `cartella` is the directory that holds Dati.mdb (the program's own directory).
    explicit Archivio(QString cartella);

    QString percorso() const { return m_percorso; }
    static QString nomeTabella(int lato); // "Disegni" + side

    // Creates Dati.mdb with the starting collection when it is missing. An existing file is not
    // opened: the start of the program only looks whether it is there.
    EsitoArchivio prepara() const;

    // All rows of a side, in insertion order.
    Esito<QList<Disegno>> elenco(int lato) const;
    // The same rows with only their identity and name: what a list of names needs, without
    // reading every drawing.
    Esito<QList<VoceElenco>> nomi(int lato) const;
    Esito<int> conta(int lato) const;
    // The row at a position of the listing; past the last row, the last row. An empty table
    // gives a row with id 0.
    Esito<Disegno> caricaPosizione(int lato, int posizione) const;
    Esito<Disegno> carica(int lato, qint64 id) const;

    // Adds a puzzle (Griglia is the side) and gives its row identity.
    Esito<qint64> inserisci(int lato, const QString& pixel, const QString& nome) const;
    // Adds puzzles of any sides in one transaction: all of them are stored, or none (after a
    // failure, or a crash or a kill half-way).
    EsitoArchivio inserisciTutti(const QList<NuovoDisegno>& disegni) const;
    // Changes the drawing and the name of one row; its records are kept.
    EsitoArchivio modifica(int lato, qint64 id, const QString& nome, const QString& pixel) const;
    EsitoArchivio elimina(int lato, qint64 id) const;
    // Writes one mode's record holder and time into one row.
    EsitoArchivio scriviRecord(int lato, qint64 id, ModoRecord modo, const QString& titolare,
                               const QString& tempo) const;

private:
    QString m_percorso;
};

} // namespace gridora
