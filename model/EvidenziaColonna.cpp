#include "model/EvidenziaColonna.h"

#include "model/Indizi.h"

#include <QStringList>

namespace gridora {

namespace {

constexpr int RigheEtichetta = 8;

} // namespace

ColonnaEvidenziata evidenziaColonna(const QString& indizioColonna)
{
    QString testo;
    int righe = 0;
    for (const QString& parte : indizioColonna.split(CR, Qt::SkipEmptyParts)) {
        const QString numero = parte.trimmed();
        if (numero.isEmpty())
            continue;
        testo += numero + CR;
        righe += numero.size() == 1 ? 1 : 3;
    }
    if (righe >= 1 && righe < RigheEtichetta) {
        qsizetype vuote = RigheEtichetta - righe;
        if (testo.size() == 3 || testo.size() == 5)
            vuote += 2;
        testo.prepend(QString(vuote, CR));
    }
    return {testo, righe == RigheEtichetta};
}

} // namespace gridora
