#include "model/Ambiguita.h"

namespace gridora {

QList<QPoint> celleAmbigue(const EsitoSoluzioni& esito, int lato)
{
    QList<QPoint> celle;
    const qsizetype n = qsizetype(lato) * lato;
    if (esito.esito != Unicita::PiuDiUna || lato <= 0 || esito.prima.size() != n ||
        esito.seconda.size() != n)
        return celle;
    for (int k = 0; k < n; ++k) {
        if ((esito.prima[k] == u'1') != (esito.seconda[k] == u'1'))
            celle.append(QPoint(k / lato, k % lato));
    }
    return celle;
}

} // namespace gridora
