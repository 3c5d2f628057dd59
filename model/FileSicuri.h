#pragma once

// Files the player chose: reading one without letting a pipe or a device stall the program, and
// writing: names that every common file system accepts, free names that never replace an existing
// file, and writes that never leave a half-written file under the final name.

#include <QByteArray>
#include <QString>

class QFile;

namespace gridora {

enum class AperturaFile {
    Aperto,
    NonLeggibile, // no permission, or the system refused
    NonUnFile,    // missing, a folder, a pipe or a device
};

// Opens a regular file for reading by the bytes of its name, without blocking (a pipe named like a
// file cannot stall the caller), and checks it on the open descriptor, so that what is checked is
// what is read. On Aperto, `file` is open and `dimensione` is its size in bytes.
AperturaFile apriFileRegolare(const QByteArray& percorso, QFile& file, qint64& dimensione);

inline constexpr int ByteNomeFileMassimi = 120; // UTF-8 bytes of a safe name, extension excluded

// `nome` made safe as a file name (without extension) on Linux, Windows and macOS file systems
// alike: / \ : * ? " < > | and control characters become '_', leading and trailing dots and
// blanks go, a reserved device name (CON, NUL, COM1 ...) gets a '_' after it, and the name is
// cut to ByteNomeFileMassimi bytes between two characters. "Schema" when nothing is left.
QString nomeFileSicuro(const QString& nome);

// The first name among "Nome.ext", "Nome (2).ext", "Nome (3).ext" ... that no file or link in
// `cartella` has, for the safe form of `nome`; empty when ten thousand are all taken.
QString nomeLibero(const QString& cartella, const QString& nome, const QString& estensione);

// Writes `dati` to `percorso` through a temporary file that replaces it only once complete:
// after a failure the file is what it was. False on failure, with the system's reason in
// `errore` when given.
bool scriviFileAtomico(const QString& percorso, const QByteArray& dati, QString* errore = nullptr);

// Writes `dati` to a new file in `cartella` named as nomeLibero() says, never replacing a file,
// even one that appears meanwhile, and never leaving a half-written one. The path written, or
// empty on failure, with the system's reason in `errore` when given.
QString scriviFileNuovo(const QString& cartella, const QString& nome, const QString& estensione,
                        const QByteArray& dati, QString* errore = nullptr);

} // namespace gridora
