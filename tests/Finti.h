#pragma once

// Stand-ins for the game's collaborators: waits that take no time, a silent sound output that
// remembers what it was asked to play, message boxes that answer by themselves, and a random
// source that gives a fixed sequence.

#include "game/Attesa.h"
#include "game/UscitaSuono.h"
#include "widgets/Messaggi.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>

namespace gridora {

class AttesaFinta : public Attesa {
public:
    void attendi(double secondi) override
    {
        attese.append(secondi);
        totale += secondi;
        if (durante)
            durante(secondi);
        QCoreApplication::processEvents();
    }

    QList<double> attese;
    double totale = 0;
    std::function<void(double)> durante; // runs inside every wait
};

class SuonoFinto : public UscitaSuono {
public:
    void riproduci(int numero) override { suonati.append(numero); }
    void ferma() override { ++fermate; }
    void beep() override { ++beep_; }

    QList<int> suonati;
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
        avvisi.append(titolo + QStringLiteral(": ") + testo);
        return risposta;
    }

    QStringList avvisi;
    bool risposta = true;
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
