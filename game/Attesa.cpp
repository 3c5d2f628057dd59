#include "game/Attesa.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace gridora {

void AttesaReale::attendi(double secondi)
{
    // The monotonic clock does not wrap at midnight.
    QElapsedTimer trascorso;
    trascorso.start();
    const auto totale = static_cast<qint64>(std::llround(secondi * 1000.0));
    QEventLoop ciclo;
    QTimer sveglia;
    sveglia.setSingleShot(true);
    sveglia.setTimerType(Qt::PreciseTimer);
    QObject::connect(&sveglia, &QTimer::timeout, &ciclo, &QEventLoop::quit);
    while (trascorso.elapsed() < totale) {
        sveglia.start(static_cast<int>(totale - trascorso.elapsed()));
        ciclo.exec();
    }
}

} // namespace gridora
