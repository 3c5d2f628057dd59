#pragma once

// Records: which mode a game plays for, when its time beats the record, and the holder's name.

#include "model/ModoRecord.h"

#include <QString>

namespace gridora {

inline constexpr int LunghezzaNomeTitolare = 8;

ModoRecord modoRecord(bool senzaX, bool senzaErrori);

// True when the game's time is strictly below the record's. A record time that is empty or not
// "HH:MM:SS" counts as no record (24:00:00); a game that reached 24:00:00 never sets one.
bool nuovoRecord(int secondiGioco, const QString& tempoRecord);

// The name box as typed: blanks dropped, at most eight characters as a person sees them kept
// (an emoji is one, never cut in two).
QString filtraNomeTitolare(const QString& digitato);
// The holder as stored: the box's text in upper case.
QString titolareDaRegistrare(const QString& testo);
// OK is enabled as soon as the box holds something.
bool nomeTitolareAccettabile(const QString& testo);

} // namespace gridora
