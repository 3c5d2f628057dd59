#pragma once

// Folders are listed and pictures read on a thread of their own, so that a folder of many files,
// a slow disk or a picture that takes long to decode (or a metafile the helper gives up on only at
// its deadline) never stops the window. Only the latest request of each kind counts: an older one
// still waiting is dropped, a listing under way is stopped, and no answer to an older request is
// ever given. Answers arrive as signals on the thread that owns the Caricatore.
//
// A read can hang for good (a network mount that stopped answering): the Caricatore never waits
// for it. When it goes, its thread is left to end on its own, its answers dropped, and the thread
// is deleted once it has ended.

#include "import/Cartelle.h"
#include "import/LetturaImmagine.h"
#include "model/RaccoltaNon.h"

#include <QObject>
#include <functional>
#include <memory>

class QThread;

namespace gridora {

class Caricatore : public QObject {
    Q_OBJECT

public:
    // How a picture file is read: the path as the file system spells it, the largest size wanted.
    using Lettura = std::function<EsitoImmagine(const QByteArray& percorso, QSize massima)>;

    explicit Caricatore(LetturaImmagine lettura, QObject* genitore = nullptr);
    explicit Caricatore(Lettura lettura, QObject* genitore = nullptr);
    // Returns at once, whatever the thread is doing.
    ~Caricatore() override;

    // Each gives the number of its request, which its answer carries.
    int elenca(const QString& cartella);
    int leggi(const QByteArray& percorso, QSize massima);
    // Reads the puzzle files among `nomi`, in `cartella` (both as the file system spells them),
    // for the collection.
    int raccogli(const QByteArray& cartella, const QList<QByteArray>& nomi);
    // No answer will be given to the requests made so far.
    void annullaElenco();
    void annullaLettura();
    void annullaRaccolta();
    bool inCorso() const;

signals:
    void elencata(int richiesta, const QString& cartella, const ContenutoCartella& contenuto);
    void letta(int richiesta, const QByteArray& percorso, const EsitoImmagine& esito);
    void raccolti(int richiesta, const QList<SchemaRaccolto>& schemi);

private:
    struct Condiviso; // shared with the thread, which may outlive this object
    std::shared_ptr<Condiviso> m_condiviso;
    QThread* m_filo;
    QObject* m_operaio; // lives in m_filo: the work is queued to it
    int m_richieste = 0;
};

} // namespace gridora
