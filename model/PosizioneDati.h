#pragma once

// Where Dati.mdb lives. A portable copy or a build folder keeps it beside the program; an
// installed program, whose folder the player cannot write into, keeps it in the player's own
// data folder.

#include <QString>

namespace gridora {

// The program's reverse-DNS name, as its desktop entry and metadata carry it.
inline constexpr const char* IdApplicazione = GRIDORA_ID;

// The folder for Dati.mdb: `cartellaProgramma` when a Dati.mdb is already there or a new file
// can be created there; otherwise `cartellaUtente`, created when missing. An empty
// `cartellaUtente` (no home folder) leaves the program's folder. An installed copy (see
// copiaInstallata) always uses `cartellaUtente`: its folder is shared by every user of the
// machine, and a Dati.mdb left there by whoever could write into it would belong to no one.
QString cartellaDati(const QString& cartellaProgramma, const QString& cartellaUtente);

// A program installed under a prefix: its AppStream metadata lies in ../share/metainfo/.
bool copiaInstallata(const QString& cartellaProgramma);

// Whether a new file can be created in `cartella`. Tried rather than read from the permission
// bits, which tell nothing about a read-only file system or access lists; nothing is left behind.
bool cartellaScrivibile(const QString& cartella);

} // namespace gridora
