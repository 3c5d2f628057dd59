#pragma once

// Writing files the player asked for: names that every common file system accepts, free names
// that never replace an existing file, and writes that never leave a half-written file under
// the final name.

#include <QByteArray>
#include <QString>

namespace gridora {

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
