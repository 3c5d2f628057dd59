#pragma once

// The game clock in whole seconds: it counts once a second, takes penalties in minutes and stops
// for good at 24 hours. The text "HH:MM:SS" is only how it is shown and stored.

#include <QString>
#include <optional>

namespace gridora {

inline constexpr int SecondiTetto = 24 * 3600; // 24:00:00, also the time of a missing record

// Two digits each for hours, minutes and seconds.
QString testoOrario(int secondi);
// The seconds of an "HH:MM:SS" text with minutes and seconds below 60; nothing otherwise.
std::optional<int> secondiDaTesto(const QString& testo);

class Cronometro {
public:
    explicit Cronometro(int secondi = 0) : m_secondi(secondi) {}

    int secondi() const { return m_secondi; }
    QString testo() const { return testoOrario(m_secondi); }
    bool scaduto() const { return m_scaduto; } // 24 hours reached: the clock no longer moves

    // One second of play; true at the tick that reaches 24:00:00. A penalty that pushed the time
    // past 24 hours is brought back to 24:00:00 by the next tick.
    bool scatto();
    // An error's penalty; none once the clock has expired.
    void aggiungiMinuti(int minuti);

private:
    int m_secondi = 0;
    bool m_scaduto = false;
};

// Keeps the penalty pointer on the cells after an error: an error switches it on, and the clock
// lets it go on the second tick that sees it, so it stays for one to two seconds.
struct TrattenutaPenalita {
    bool attiva = false; // PenalitaAttiva
    int conta = 0;       // ContaPenalita

    void avvia() { attiva = true; }
    void tick();
};

} // namespace gridora
