#pragma once

// Stand-ins for the windows' collaborators: time that moves only when the test says so, a silent
// sound output that remembers what it was asked to play, message boxes that answer by themselves,
// and a random source that gives a fixed sequence.

#include "game/UscitaSuono.h"
#include "widgets/Messaggi.h"
#include "widgets/Sequenza.h"

#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

namespace gridora {

// Steps wait until the test runs them, like timers that fire on demand: a step whose window has
// been deleted meanwhile is dropped, as its timer would be.
class PianificatoreFinto : public Pianificatore {
public:
    void dopo(double secondi, QObject* contesto, std::function<void()> passo) override
    {
        attese.append(secondi);
        totale += secondi;
        m_coda.push_back({QPointer<QObject>(contesto), std::move(passo)});
    }

    std::unique_ptr<Ripetizione> ogni(double, QObject* contesto,
                                      std::function<void()> passo) override
    {
        auto ripetizione = std::make_unique<RipetizioneFinta>(this, contesto, std::move(passo));
        m_ripetizioni.append(ripetizione.get());
        return ripetizione;
    }

    // One interval of every running repetition (a second of the game clock).
    void scatta(int volte = 1)
    {
        for (int n = 0; n < volte; ++n) {
            for (RipetizioneFinta* r : QList<RipetizioneFinta*>(m_ripetizioni)) {
                if (m_ripetizioni.contains(r) && r->attiva() && r->contesto)
                    r->passo();
            }
        }
    }

    int inAttesa() const { return static_cast<int>(m_coda.size()); }

    // Runs the next waiting step; false when none waits.
    bool avanza()
    {
        if (m_coda.empty())
            return false;
        Voce voce = std::move(m_coda.front());
        m_coda.pop_front();
        if (voce.contesto)
            voce.passo();
        return true;
    }

    // Runs the waiting steps and those they add, with window deletions carried out in between.
    void esaurisci()
    {
        for (int n = 0; n < 100000 && avanza(); ++n)
            eliminaFinestreChiuse();
    }

    static void eliminaFinestreChiuse()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QList<double> attese;
    double totale = 0;

private:
    struct Voce {
        QPointer<QObject> contesto;
        std::function<void()> passo;
    };
    struct RipetizioneFinta : Ripetizione {
        RipetizioneFinta(PianificatoreFinto* p, QObject* c, std::function<void()> f)
            : pianificatore(p), contesto(c), passo(std::move(f))
        {
        }
        ~RipetizioneFinta() override { pianificatore->m_ripetizioni.removeOne(this); }
        void avvia() override { inCorso = true; }
        void ferma() override { inCorso = false; }
        bool attiva() const override { return inCorso; }

        PianificatoreFinto* pianificatore;
        QPointer<QObject> contesto;
        std::function<void()> passo;
        bool inCorso = false;
    };
    std::deque<Voce> m_coda;
    QList<RipetizioneFinta*> m_ripetizioni;
};

class SuonoFinto : public UscitaSuono {
public:
    void prepara() override { ++preparazioni; }
    void riproduci(int numero) override { suonati.append(numero); }
    void ferma() override { ++fermate; }
    void beep() override { ++beep_; }

    QList<int> suonati;
    int preparazioni = 0;
    int fermate = 0;
    int beep_ = 0;
};

class MessaggiFinti : public Messaggi {
public:
    void avviso(QWidget*, const QString& titolo, const QString& testo) override
    {
        avvisi.append(titolo + QStringLiteral(": ") + testo);
    }
    bool domanda(QWidget*, const QString& titolo, const QString& testo) override
    {
        domande.append(titolo + QStringLiteral(": ") + testo);
        return risposte.isEmpty() ? risposta : risposte.takeFirst();
    }

    QStringList avvisi;
    QStringList domande;
    bool risposta = true;
    QList<bool> risposte; // answers in turn, before `risposta`
};

// Gives the listed numbers in turn, then repeats the last one.
class CasualeFinto {
public:
    double operator()()
    {
        const double valore = numeri.isEmpty() ? 0.0 : numeri.value(indice, numeri.last());
        ++indice;
        return valore;
    }

    QList<double> numeri;
    int indice = 0;
};

} // namespace gridora
