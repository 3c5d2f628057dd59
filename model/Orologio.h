#pragma once

// The game clock: its state is the text "HH:MM:SS" that the clock label shows.

#include <QString>

namespace gridora {

inline const QString OrologioIniziale = QStringLiteral("00:00:00");
// The ceiling of a game and the time of a mode that has no record.
inline const QString NessunRecord = QStringLiteral("24:00:00");

struct Orario {
    int ore = 0;
    int minuti = 0;
    int secondi = 0;
};

// Hours, minutes and seconds from characters 1-2, 4-5 and 7-8; a part that is not a number is 0.
Orario leggiOrario(const QString& testo);
// Two digits each.
QString scriviOrario(const Orario& orario);
// Exactly "HH:MM:SS" with digits, minutes and seconds below 60.
bool orarioValido(const QString& testo);
int secondiDi(const QString& testo);

struct Scatto {
    QString testo;
    bool scadutoOra = false; // the clock has just reached 24:00:00: play sound 106 once
};

// One second of play. A running clock that reaches 24 hours stops at 24:00:00; once the time
// has expired the text no longer changes.
Scatto scattoOrologio(const QString& testo, bool tempoScaduto);

// An error's penalty: minutes added with a single carry into the hours, seconds unchanged. A
// result past 24:00:00 is clamped by the next tick; a clock already at 24:00:00 or beyond is
// left as it is, so an expired clock stays frozen.
QString aggiungiMinuti(const QString& testo, int aggiunti);

// Keeps the penalty pointer on screen after an error: started (or restarted) by the error and
// cleared on the second tick that follows it, so the pointer stays for one to two seconds.
struct TrattenutaPenalita {
    bool attiva = false; // PenalitaAttiva
    int conta = 0;       // ContaPenalita

    void avvia()
    {
        attiva = true;
        conta = 0;
    }
    void tick();
};

} // namespace gridora
