#pragma once

// Browsing for the import: the mounted volumes, the way from a volume's root down to a folder, and
// what a folder holds that the import shows: its subfolders and its picture files.

#include <QString>
#include <QStringList>
#include <functional>

namespace gridora {

// The files the import lists, by name and without regard to case: pictures and puzzle files.
inline constexpr const char* FiltroFigure = "*.bmp;*.jpg;*.jpeg;*.gif;*.wmf;*.ico;*.cur;*.non";
bool nomeDiFigura(QStringView nome);

struct ContenutoCartella {
    bool leggibile = false; // false: the folder could not be opened or read to its end
    QStringList cartelle;   // subfolders, sorted by name
    QStringList figure;     // regular files (or links to them) matching FiltroFigure, by name
    // The names of `figure`, in the same order, as the file system gave them: a name that is not
    // UTF-8 is shown with replacement characters but opened by these bytes.
    QList<QByteArray> nomiFigure;
};

// Reads a folder without following anything but links to decide what an entry is. Hidden entries
// (names starting with a dot) are left out. `interrompi`, asked every few hundred entries, stops
// the reading early; what was read is then incomplete and the result not readable.
ContenutoCartella leggiCartella(const QString& cartella,
                                const std::function<bool()>& interrompi = {});

// The order of the lists: by name without regard to case, ties by the exact name.
void ordinaNomi(QStringList& nomi);

// Volumes as the drive list shows them: the root first, then the others by name, each once.
QStringList ordinaVolumi(QStringList radici);
// The mounted volumes that can be browsed (valid, ready, a folder as their root), ordered.
QStringList volumiMontati();

// The volume a folder lies on: the longest root of `volumi` that is the folder or one of its
// ancestors; empty when none is.
QString volumeDi(const QString& cartella, const QStringList& volumi);

// Each folder on the way from `volume` down to `cartella`, both included; only `cartella` when
// it does not lie on that volume.
QStringList percorsoDa(const QString& volume, const QString& cartella);

} // namespace gridora
