#pragma once

// A test bench for the windows: a database in a temporary folder with chosen puzzles, the start
// window with its collaborators replaced, and a user's hands: clicks, moves and keys sent through
// the window system to the window under test.

#include "Disegni.h"
#include "Finti.h"
#include "game/GridoraGame.h"
#include "menu/InizioGioco.h"
#include "model/Archivio.h"
#include "resources/Risorse.h"
#include "widgets/Etichetta.h"
#include "widgets/Immagine.h"
#include "widgets/Tavoliere.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>

namespace gridora {

// Whether a pointer is the program's pointer of that name.
inline bool stessoPuntatore(const QCursor& puntatore, const char* nome)
{
    return puntatore.pixmap().toImage() ==
           risorse::puntatore(QString::fromLatin1(nome)).pixmap().toImage();
}

// Where a control lies in its window.
inline QPoint centroInFinestra(const QWidget* controllo)
{
    return controllo->mapTo(controllo->window(), controllo->rect().center());
}

// A click (press and release) at a point of a window, through the window system.
inline void clicca(QWidget* finestra, QPoint punto, Qt::MouseButton pulsante = Qt::LeftButton)
{
    QTest::mouseClick(finestra->windowHandle(), pulsante, {}, punto);
}

inline void clicca(const QWidget* controllo, Qt::MouseButton pulsante = Qt::LeftButton)
{
    clicca(controllo->window(), centroInFinestra(controllo), pulsante);
}

inline void muovi(QWidget* finestra, QPoint punto)
{
    QTest::mouseMove(finestra->windowHandle(), punto);
}

// The held button goes up where the window cannot see it (over another program, or after a grab
// taken away): the window system's next move over `punto` reports no button held.
inline void rilascioAltrove(QWidget* finestra, QPoint punto)
{
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
    QTest::mouseMove(finestra->windowHandle(), punto);
}

struct Banco {
    QTemporaryDir cartella;
    Archivio archivio{cartella.path()};
    PianificatoreFinto tempo;
    SuonoFinto suono;
    MessaggiFinti messaggi;
    CasualeFinto casuale;
    Servizi servizi{archivio, messaggi, tempo, suono, [this] { return casuale(); }};
    std::unique_ptr<InizioGioco> inizio;

    Banco()
    {
        archivio.prepara();
        inizio = std::make_unique<InizioGioco>(servizi);
        inizio->show();
        const bool esposta = QTest::qWaitForWindowExposed(inizio.get());
        Q_ASSERT(esposta);
    }

    // Replaces the puzzles of a side; gives the row identities in order.
    QList<qint64> metti(int lato, const QList<Schema>& schemi)
    {
        for (const Disegno& d : archivio.elenco(lato).valore)
            archivio.elimina(lato, d.id);
        QList<qint64> id;
        for (const Schema& s : schemi)
            id.append(archivio.inserisci(lato, pixelDi(s.righe), s.nome).valore);
        return id;
    }

    // Clicks a size picture of the start window; the game window opens and its opening starts.
    GridoraGame* clicDimensione(int lato)
    {
        const Immagine* picture = lato == 5    ? inizio->facile1
                                  : lato == 10 ? inizio->medio1
                                               : inizio->difficile1;
        clicca(picture);
        GridoraGame* gioco = inizio->gioco();
        if (gioco) {
            const bool esposta = QTest::qWaitForWindowExposed(gioco);
            Q_ASSERT(esposta);
            QCoreApplication::processEvents(); // the opening starts after the first paint
        }
        return gioco;
    }

    // The same, up to the help question (the opening sounds over).
    GridoraGame* apri(int lato)
    {
        GridoraGame* gioco = clicDimensione(lato);
        tempo.esaurisci();
        return gioco;
    }

    // Answers the help question ("SI" or "NO") and lets the slot machine and the countdown run.
    void rispondi(GridoraGame* gioco, bool aiuto)
    {
        clicca(gioco->controlli().hlpYes[aiuto ? 0 : 1]);
        tempo.esaurisci();
    }

    // A click on a cell, and whatever it starts (the solution's pauses) run to its end.
    void clic(GridoraGame* gioco, int riga, int colonna, Qt::MouseButton pulsante = Qt::LeftButton)
    {
        clicca(gioco, gioco->tavoliere().rettangoloCella(riga, colonna).center(), pulsante);
        tempo.esaurisci();
    }

    static int immagine(const GridoraGame* gioco, int riga, int colonna)
    {
        return gioco->tavoliere().immagine(riga, colonna);
    }

    // Fills every cell of the solution, row by row.
    void riempiSoluzione(GridoraGame* gioco, const QStringList& righe)
    {
        for (int r = 0; r < righe.size(); ++r) {
            for (int c = 0; c < righe[r].size(); ++c) {
                if (righe[r][c] == u'#')
                    clic(gioco, r, c);
            }
        }
    }
};

} // namespace gridora
