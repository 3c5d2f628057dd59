#include "model/Record.h"

#include "model/Orologio.h"

#include <algorithm>

namespace gridora {

ModoRecord modoRecord(bool senzaX, bool senzaErrori)
{
    if (senzaX)
        return senzaErrori ? ModoRecord::XS : ModoRecord::X;
    return senzaErrori ? ModoRecord::S : ModoRecord::N;
}

bool nuovoRecord(const QString& tempoGioco, const QString& tempoRecord)
{
    if (!orarioValido(tempoGioco))
        return false;
    const int limite = secondiDi(NessunRecord);
    const int record =
        orarioValido(tempoRecord) ? std::min(secondiDi(tempoRecord), limite) : limite;
    return secondiDi(tempoGioco) < record;
}

QString filtraNomeTitolare(const QString& digitato)
{
    QString nome = digitato;
    nome.remove(u' ');
    return nome.left(LunghezzaNomeTitolare);
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
