#pragma once

// The starting collection of puzzles, kept as readable text: one picture drawn in characters
// per puzzle, '#' for a filled cell and '.' for an empty one, each picture under its name.

#include <QList>
#include <QString>

namespace gridora {

struct VoceCollezione {
    QString nome;
    QString pixel; // cell string, "1" filled, "0" empty
};

// Parses a collection text of the given side. On a malformed text returns an empty list and,
// when `errore` is given, a description of the first fault with its line number.
QList<VoceCollezione> leggiCollezione(const QString& testo, int lato, QString* errore = nullptr);

// The collection compiled into the program for a side (5, 10 or 15).
QList<VoceCollezione> collezioneIniziale(int lato);

} // namespace gridora
