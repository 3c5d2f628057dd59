#include "model/EvidenziaColonna.h"

namespace gridora {

namespace {

constexpr int RigheEtichetta = 8;

} // namespace

ColonnaEvidenziata evidenziaColonna(const Sequenze& sequenze)
{
    QString testo;
    int righe = 0;
    for (const int n : sequenze) {
        const QString numero = QString::number(n);
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
