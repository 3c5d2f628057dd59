#pragma once

// Waits and sequences without nested event loops: a sequence is a list of steps and pauses run
// by timers. Each pause hands control back to the event loop, so the window stays responsive
// and can be closed at any moment; a sequence whose window has gone simply stops.

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <memory>

namespace gridora {

// A step repeated at a fixed interval while it runs (the game clock).
class Ripetizione {
public:
    virtual ~Ripetizione() = default;
    virtual void avvia() = 0;
    virtual void ferma() = 0;
    virtual bool attiva() const = 0;
};

// Where time comes from: the real one runs steps on timers, tests run them when they choose.
class Pianificatore {
public:
    virtual ~Pianificatore() = default;
    // Runs `passo` once, `secondi` from now, unless `contesto` has been destroyed by then.
    virtual void dopo(double secondi, QObject* contesto, std::function<void()> passo) = 0;
    // Runs `passo` every `secondi` while started; it belongs to `contesto`, and does not run
    // once `contesto` has been destroyed.
    virtual std::unique_ptr<Ripetizione> ogni(double secondi, QObject* contesto,
                                              std::function<void()> passo) = 0;
};

class PianificatoreReale : public Pianificatore {
public:
    void dopo(double secondi, QObject* contesto, std::function<void()> passo) override;
    std::unique_ptr<Ripetizione> ogni(double secondi, QObject* contesto,
                                      std::function<void()> passo) override;
};

// A run of steps and pauses on behalf of a window. Steps with no pause between them run in the
// same call; a pause of zero seconds is no pause. Stopping the sequence (or destroying the
// window) drops the steps still to come.
class Sequenza {
public:
    Sequenza(Pianificatore& pianificatore, QObject* finestra);
    ~Sequenza();
    Sequenza(const Sequenza&) = delete;
    Sequenza& operator=(const Sequenza&) = delete;

    Sequenza& passo(std::function<void()> azione);
    Sequenza& pausa(double secondi);
    // Starts the steps added so far (and those added while it runs).
    void avvia();
    void ferma();
    bool inCorso() const;

private:
    struct Voce {
        std::function<void()> azione;
        double pausa = 0;
    };
    struct Stato {
        std::deque<Voce> voci;
        bool inAttesa = false;
        bool inEsecuzione = false;
        int generazione = 0;
    };
    void prosegui();

    Pianificatore& m_pianificatore;
    QPointer<QObject> m_finestra;
    std::shared_ptr<Stato> m_stato = std::make_shared<Stato>();
};

} // namespace gridora
