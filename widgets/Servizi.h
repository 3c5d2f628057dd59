#pragma once

// The collaborators every window is given, so that tests can replace each of them: the puzzle
// database, message boxes, where time comes from, the sound output and the random source.

#include <functional>

namespace gridora {

class Archivio;
class Messaggi;
class Pianificatore;
class UscitaSuono;

struct Servizi {
    const Archivio& archivio;
    Messaggi& messaggi;
    Pianificatore& pianificatore;
    UscitaSuono& suono;
    std::function<double()> casuale; // uniform in [0, 1)
};

} // namespace gridora
