#include "model/Record.h"

#include "model/Nomi.h"
#include "model/Orologio.h"

#include <algorithm>

namespace gridora {

ModoRecord modoRecord(bool senzaX, bool senzaErrori)
{
    if (senzaX)
        return senzaErrori ? ModoRecord::XS : ModoRecord::X;
    return senzaErrori ? ModoRecord::S : ModoRecord::N;
}

bool nuovoRecord(int secondiGioco, const QString& tempoRecord)
{
    const int record = std::min(secondiDaTesto(tempoRecord).value_or(SecondiTetto), SecondiTetto);
    return secondiGioco < record;
}

QString filtraNomeTitolare(const QString& digitato)
{
    QString nome = digitato;
    nome.remove(u' ');
    return taglioNome(nome, LunghezzaNomeTitolare);
}

QString titolareDaRegistrare(const QString& testo)
{
    return testo.toUpper();
}

bool nomeTitolareAccettabile(const QString& testo)
{
    return !testo.isEmpty();
}

} // namespace gridora
