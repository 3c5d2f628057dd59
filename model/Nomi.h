#pragma once

// Puzzle names as they are stored: the first letter of each word upper case, the rest lower case,
// and at most LunghezzaMassimaNome characters as a person sees them.

#include <QString>

namespace gridora {

// What the editor's name box takes, in characters as a person sees them (an accented letter or
// an emoji is one, however many code units it takes).
inline constexpr int LunghezzaMassimaNome = 25;

// Words are separated by blanks; "gatto nero" becomes "Gatto Nero", "GRIDORA-12" "Gridora-12".
QString nomeProprio(const QString& nome);

// The characters of a text as a person sees them (grapheme clusters).
int caratteriNome(const QString& nome);

// The first `massimo` characters as a person sees them: a character is never cut in two.
QString taglioNome(const QString& nome, int massimo = LunghezzaMassimaNome);

} // namespace gridora
