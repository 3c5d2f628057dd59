#include "model/Orologio.h"

namespace gridora {

namespace {

QString dueCifre(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString testoOrario(int secondi)
{
    return dueCifre(secondi / 3600) + u':' + dueCifre(secondi / 60 % 60) + u':' +
           dueCifre(secondi % 60);
}

std::optional<int> secondiDaTesto(const QString& testo)
{
    if (testo.size() != 8 || testo[2] != u':' || testo[5] != u':')
        return std::nullopt;
    for (const int i : {0, 1, 3, 4, 6, 7}) {
        if (testo[i] < u'0' || testo[i] > u'9')
            return std::nullopt;
    }
    const int ore = testo.mid(0, 2).toInt();
    const int minuti = testo.mid(3, 2).toInt();
    const int secondi = testo.mid(6, 2).toInt();
    if (minuti >= 60 || secondi >= 60)
        return std::nullopt;
    return ore * 3600 + minuti * 60 + secondi;
}

bool Cronometro::scatto()
{
    if (m_scaduto)
        return false;
    if (++m_secondi < SecondiTetto)
        return false;
    m_secondi = SecondiTetto;
    m_scaduto = true;
    return true;
}

void Cronometro::aggiungiMinuti(int minuti)
{
    if (!m_scaduto)
        m_secondi += minuti * 60;
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
