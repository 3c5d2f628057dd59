#pragma once

// Puzzle names as they are stored: the first letter of each word upper case, the rest lower case.

#include <QString>

namespace gridora {

inline constexpr int LunghezzaMassimaNome = 25; // what the editor's name box takes

// Words are separated by blanks; "gatto nero" becomes "Gatto Nero", "GRIDORA-12" "Gridora-12".
QString nomeProprio(const QString& nome);

} // namespace gridora
