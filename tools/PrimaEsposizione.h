#pragma once

// For the start-up benchmark: ends the process as soon as a window of it is first on screen,
// after telling the parent so on standard output.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

class PrimaEsposizione : public QObject {
public:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Expose) {
            auto* finestra = qobject_cast<QWindow*>(oggetto);
            if (finestra && finestra->isExposed()) {
                std::fputs("esposta\n", stdout);
                std::fflush(stdout);
                std::_Exit(0);
            }
        }
        return false;
    }
};
