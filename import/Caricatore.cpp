#include "import/Caricatore.h"

#include <QThread>
#include <atomic>
#include <mutex>

namespace gridora {

struct Caricatore::Condiviso {
    const Lettura lettura;
    // The request each kind is waiting for, 0 for none; read by the worker to drop stale work.
    std::atomic<int> ultimoElenco{0};
    std::atomic<int> ultimaLettura{0};
    std::atomic<int> ultimaRaccolta{0};
    // Where answers go; null once the Caricatore has gone. Answers are posted under the lock, so
    // none is posted to an object being destroyed (and one already posted goes with the object).
    std::mutex blocco;
    Caricatore* destinatario = nullptr;

    template <typename Funzione> void rispondi(Funzione&& risposta)
    {
        const std::lock_guard chiave(blocco);
        if (destinatario)
            QMetaObject::invokeMethod(destinatario, std::forward<Funzione>(risposta),
                                      Qt::QueuedConnection);
    }
};

Caricatore::Caricatore(LetturaImmagine lettura, QObject* genitore)
    : Caricatore(Lettura([l = std::move(lettura)](const QByteArray& percorso, QSize massima) {
                     return l.leggi(percorso, massima);
                 }),
                 genitore)
{
}

Caricatore::Caricatore(Lettura lettura, QObject* genitore)
    : QObject(genitore), m_condiviso(new Condiviso{std::move(lettura)}), m_filo(new QThread),
      m_operaio(new QObject)
{
    m_condiviso->destinatario = this;
    m_filo->setObjectName(QStringLiteral("Caricatore"));
    m_operaio->moveToThread(m_filo);
    connect(m_filo, &QThread::finished, m_operaio, &QObject::deleteLater);
    m_filo->start();
}

Caricatore::~Caricatore()
{
    {
        const std::lock_guard chiave(m_condiviso->blocco);
        m_condiviso->destinatario = nullptr;
    }
    m_condiviso->ultimoElenco = 0;
    m_condiviso->ultimaLettura = 0;
    m_condiviso->ultimaRaccolta = 0;
    m_filo->requestInterruption();
    m_filo->quit();
    // An idle thread ends at once; one stuck in a read is deleted when it has ended.
    if (m_filo->wait(QDeadlineTimer(20))) {
        delete m_filo;
    } else {
        QThread* filo = m_filo;
        connect(filo, &QThread::finished, filo, &QObject::deleteLater);
        if (filo->isFinished()) // it ended between the wait and the connection
            filo->deleteLater();
    }
}

void Caricatore::annullaElenco()
{
    m_condiviso->ultimoElenco = 0;
}

void Caricatore::annullaLettura()
{
    m_condiviso->ultimaLettura = 0;
}

void Caricatore::annullaRaccolta()
{
    m_condiviso->ultimaRaccolta = 0;
}

bool Caricatore::inCorso() const
{
    return m_condiviso->ultimoElenco != 0 || m_condiviso->ultimaLettura != 0 ||
           m_condiviso->ultimaRaccolta != 0;
}

int Caricatore::elenca(const QString& cartella)
{
    const int n = ++m_richieste;
    m_condiviso->ultimoElenco = n;
    QMetaObject::invokeMethod(
        m_operaio,
        [c = m_condiviso, n, cartella] {
            const auto superata = [&c, n] {
                return c->ultimoElenco != n || QThread::currentThread()->isInterruptionRequested();
            };
            if (superata())
                return;
            ContenutoCartella contenuto = leggiCartella(cartella, superata);
            if (superata())
                return;
            c->rispondi([c, n, cartella, contenuto = std::move(contenuto)] {
                if (c->ultimoElenco != n || !c->destinatario)
                    return;
                c->ultimoElenco = 0;
                emit c->destinatario->elencata(n, cartella, contenuto);
            });
        },
        Qt::QueuedConnection);
    return n;
}

int Caricatore::leggi(const QByteArray& percorso, QSize massima)
{
    const int n = ++m_richieste;
    m_condiviso->ultimaLettura = n;
    QMetaObject::invokeMethod(
        m_operaio,
        [c = m_condiviso, n, percorso, massima] {
            if (c->ultimaLettura != n || QThread::currentThread()->isInterruptionRequested())
                return;
            EsitoImmagine esito = c->lettura(percorso, massima);
            if (c->ultimaLettura != n)
                return;
            c->rispondi([c, n, percorso, esito = std::move(esito)] {
                if (c->ultimaLettura != n || !c->destinatario)
                    return;
                c->ultimaLettura = 0;
                emit c->destinatario->letta(n, percorso, esito);
            });
        },
        Qt::QueuedConnection);
    return n;
}

int Caricatore::raccogli(const QByteArray& cartella, const QList<QByteArray>& nomi)
{
    const int n = ++m_richieste;
    m_condiviso->ultimaRaccolta = n;
    QMetaObject::invokeMethod(
        m_operaio,
        [c = m_condiviso, n, cartella, nomi] {
            const auto superata = [&c, n] {
                return c->ultimaRaccolta != n ||
                       QThread::currentThread()->isInterruptionRequested();
            };
            QList<SchemaRaccolto> schemi = raccogliSchemi(cartella, nomi, superata);
            if (superata())
                return;
            c->rispondi([c, n, schemi = std::move(schemi)] {
                if (c->ultimaRaccolta != n || !c->destinatario)
                    return;
                c->ultimaRaccolta = 0;
                emit c->destinatario->raccolti(n, schemi);
            });
        },
        Qt::QueuedConnection);
    return n;
}

} // namespace gridora
