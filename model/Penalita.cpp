#include "model/Penalita.h"

#include "model/Lati.h"

namespace gridora {

PenalitaErrore penalitaErrore(int numeroErrore)
{
    if (numeroErrore < 1)
        return {};
    if (numeroErrore == 1)
        return {QStringLiteral("2MIN"), 2};
    if (numeroErrore == 2)
        return {QStringLiteral("4MIN"), 4};
    return {QStringLiteral("8MIN"), 8};
}

QString suggerimentoAiutoSi(int lato)
{
    return QStringLiteral("Ti verrà attivata, casualmente, una linea verticale ed una "
                          "orizzontale, con una penalità di ") +
           QLatin1String(fattiLato(lato).costoAiuto) + u'!';
}

QString suggerimentoAiutoNo()
{
    return QStringLiteral("Nessuna penalità, ma nessun aiuto!");
}

QString titoloGioco(int lato, bool senzaX, bool senzaErrori)
{
    QString titolo = QStringLiteral("GridoraPC          >") + QLatin1String(fattiLato(lato).parola);
    if (senzaX)
        titolo += u'X';
    if (senzaErrori)
        titolo += u'S';
    const QString n = QString::number(lato);
    return titolo + QStringLiteral(" (") + n + u'x' + n + QStringLiteral(")<");
}

} // namespace gridora
