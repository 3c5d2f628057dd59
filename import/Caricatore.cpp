#include "import/Caricatore.h"

namespace gridora {

Caricatore::Caricatore(LetturaImmagine lettura, QObject* genitore)
    : QObject(genitore), m_lettura(std::move(lettura)), m_operaio(std::make_unique<QObject>())
{
    m_filo.setObjectName(QStringLiteral("Caricatore"));
    m_operaio->moveToThread(&m_filo);
    m_filo.start();
}

Caricatore::~Caricatore()
{
    m_ultimoElenco = 0;
    m_ultimaLettura = 0;
    m_filo.requestInterruption();
    m_filo.quit();
    m_filo.wait();
    // Answers already queued to this object go with it.
}

int Caricatore::elenca(const QString& cartella)
{
    const int n = ++m_richieste;
    m_ultimoElenco = n;
    QMetaObject::invokeMethod(
        m_operaio.get(),
        [this, n, cartella] {
            const auto superata = [this, n] {
                return m_ultimoElenco != n || QThread::currentThread()->isInterruptionRequested();
            };
            if (superata())
                return;
            ContenutoCartella contenuto = leggiCartella(cartella, superata);
            if (superata())
                return;
            QMetaObject::invokeMethod(
                this,
                [this, n, cartella, contenuto = std::move(contenuto)] {
                    if (m_ultimoElenco != n)
                        return;
                    m_ultimoElenco = 0;
                    emit elencata(n, cartella, contenuto);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return n;
}

int Caricatore::leggi(const QString& percorso, QSize massima)
{
    const int n = ++m_richieste;
    m_ultimaLettura = n;
    QMetaObject::invokeMethod(
        m_operaio.get(),
        [this, n, percorso, massima] {
            if (m_ultimaLettura != n || QThread::currentThread()->isInterruptionRequested())
                return;
            EsitoImmagine esito = m_lettura.leggi(percorso, massima);
            if (m_ultimaLettura != n)
                return;
            QMetaObject::invokeMethod(
                this,
                [this, n, percorso, esito = std::move(esito)] {
                    if (m_ultimaLettura != n)
                        return;
                    m_ultimaLettura = 0;
                    emit letta(n, percorso, esito);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return n;
}

} // namespace gridora
