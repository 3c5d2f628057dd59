#pragma once

// Folders are listed and pictures read on a thread of their own, so that a folder of many files,
// a slow disk or a picture that takes long to decode (or a metafile the helper gives up on only at
// its deadline) never stops the window. Only the latest request of each kind counts: an older one
// still waiting is dropped, a listing under way is stopped, and no answer to an older request is
// ever given. Answers arrive as signals on the thread that owns the Caricatore.

#include "import/Cartelle.h"
#include "import/LetturaImmagine.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

namespace gridora {

class Caricatore : public QObject {
    Q_OBJECT

public:
    explicit Caricatore(LetturaImmagine lettura, QObject* genitore = nullptr);
    // Waits for the work under way: a listing stops at once, a picture within its reader's limits.
    ~Caricatore() override;

    // Each gives the number of its request, which its answer carries.
    int elenca(const QString& cartella);
    int leggi(const QString& percorso, QSize massima);
    // No answer will be given to the requests made so far.
    void annullaElenco() { m_ultimoElenco = 0; }
    void annullaLettura() { m_ultimaLettura = 0; }
    bool inCorso() const { return m_ultimoElenco != 0 || m_ultimaLettura != 0; }

signals:
    void elencata(int richiesta, const QString& cartella, const ContenutoCartella& contenuto);
    void letta(int richiesta, const QString& percorso, const EsitoImmagine& esito);

private:
    const LetturaImmagine m_lettura;
    QThread m_filo;
    std::unique_ptr<QObject> m_operaio; // lives in m_filo: the work is queued to it
    int m_richieste = 0;
    // The request each kind is waiting for, 0 for none; read by the worker to drop stale work.
    std::atomic<int> m_ultimoElenco{0};
    std::atomic<int> m_ultimaLettura{0};
};

} // namespace gridora
