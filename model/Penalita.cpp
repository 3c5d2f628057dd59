#include "model/Penalita.h"

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

QString orologioConAiuto(int lato)
{
    switch (lato) {
    case 5:
        return QStringLiteral("00:00:30");
    case 10:
        return QStringLiteral("00:02:00");
    default:
        return QStringLiteral("00:05:00");
    }
}

QString suggerimentoAiutoSi(int lato)
{
    QString costo;
    switch (lato) {
    case 5:
        costo = QStringLiteral("30 secondi");
        break;
    case 10:
        costo = QStringLiteral("2 minuti");
        break;
    default:
        costo = QStringLiteral("5 minuti");
        break;
    }
    return QString::fromUtf8("Ti verrà attivata, casualmente, una linea verticale ed una "
                             "orizzontale, con una penalità di ") +
           costo + u'!';
}

QString suggerimentoAiutoNo()
{
    return QString::fromUtf8("Nessuna penalità, ma nessun aiuto!");
}

QString parolaDimensione(int lato)
{
    switch (lato) {
    case 5:
        return QStringLiteral("Facile");
    case 10:
        return QStringLiteral("Medio");
    default:
        return QStringLiteral("Difficile");
    }
}

QString titoloGioco(int lato, bool senzaX, bool senzaErrori)
{
    QString titolo = QStringLiteral("GridoraPC          >") + parolaDimensione(lato);
    if (senzaX)
        titolo += u'X';
    if (senzaErrori)
        titolo += u'S';
    const QString n = QString::number(lato);
    return titolo + QStringLiteral(" (") + n + u'x' + n + QStringLiteral(")<");
}

int latoQuadratoAnteprima(int lato)
{
    switch (lato) {
    case 5:
        return 100;
    case 10:
        return 50;
    default:
        return 35;
    }
}

} // namespace gridora
