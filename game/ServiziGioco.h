#pragma once

// What the game window needs from outside: the options of the start window, read at the moment
// they matter, and its collaborators, injected so that tests can replace each of them.

#include <functional>

namespace gridora {

class Archivio;
class Attesa;
class Messaggi;
class UscitaSuono;

class OpzioniGioco {
public:
    virtual ~OpzioniGioco() = default;
    virtual bool senzaX() const = 0;      // "Senza X": no crosses
    virtual bool senzaErrori() const = 0; // "Senza Errori": wrong fills not signalled
};

struct ServiziGioco {
    const Archivio& archivio;
    const OpzioniGioco& opzioni;
    UscitaSuono& suono;
    Attesa& attesa;
    Messaggi& messaggi;
    std::function<double()> casuale; // uniform in [0, 1)
};

} // namespace gridora
