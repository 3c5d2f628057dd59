#include "model/Orologio.h"

namespace gridora {

namespace {

constexpr int OreLimite = 24;

QString dueCifre(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

Orario leggiOrario(const QString& testo)
{
    return {testo.mid(0, 2).toInt(), testo.mid(3, 2).toInt(), testo.mid(6, 2).toInt()};
}

QString scriviOrario(const Orario& orario)
{
    return dueCifre(orario.ore) + u':' + dueCifre(orario.minuti) + u':' + dueCifre(orario.secondi);
}

bool orarioValido(const QString& testo)
{
    if (testo.size() != 8 || testo[2] != u':' || testo[5] != u':')
        return false;
    for (const int i : {0, 1, 3, 4, 6, 7}) {
        if (testo[i] < u'0' || testo[i] > u'9')
            return false;
    }
    const Orario orario = leggiOrario(testo);
    return orario.minuti < 60 && orario.secondi < 60;
}

int secondiDi(const QString& testo)
{
    const Orario orario = leggiOrario(testo);
    return orario.ore * 3600 + orario.minuti * 60 + orario.secondi;
}

Scatto scattoOrologio(const QString& testo, bool tempoScaduto)
{
    if (tempoScaduto)
        return {testo, false};
    Orario orario = leggiOrario(testo);
    if (++orario.secondi == 60) {
        orario.secondi = 0;
        ++orario.minuti;
    }
    if (orario.minuti == 60) {
        ++orario.ore;
        orario.minuti = 0;
        orario.secondi = 0;
    }
    if (orario.ore >= OreLimite)
        return {NessunRecord, true};
    return {scriviOrario(orario), false};
}

QString aggiungiMinuti(const QString& testo, int aggiunti)
{
    if (secondiDi(testo) >= secondiDi(NessunRecord))
        return testo;
    Orario orario = leggiOrario(testo);
    orario.minuti += aggiunti;
    if (orario.minuti >= 60) {
        ++orario.ore;
        orario.minuti -= 60;
    }
    return scriviOrario(orario);
}

void TrattenutaPenalita::tick()
{
    if (conta == 1) {
        attiva = false;
        conta = 0;
    }
    if (attiva)
        ++conta;
}

} // namespace gridora
