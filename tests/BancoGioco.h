#pragma once

// A test bench for the windows: a database in a temporary folder with chosen puzzles, the start
// window with its collaborators replaced, and shortcuts to click through a game.

#include "Finti.h"
#include "game/Anteprima.h"
#include "game/GridoraGame.h"
#include "model/Record.h"
#include "menu/InizioGioco.h"
#include "model/Archivio.h"
#include "widgets/Immagine.h"
#include "widgets/Tavoliere.h"
#include "widgets/Twips.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace gridora {

struct Schema {
    QString nome;
    QStringList righe; // '#' filled, '.' empty
};

inline QString pixelDi(const QStringList& righe)
{
    QString pixel;
    for (const QString& riga : righe) {
        for (const QChar c : riga)
            pixel += c == u'#' ? u'1' : u'0';
    }
    return pixel;
}

struct BancoGioco {
    QTemporaryDir cartella;
    Archivio archivio{cartella.path()};
    AttesaFinta attesa;
    SuonoFinto suono;
    MessaggiFinti messaggi;
    CasualeFinto casuale;
    std::unique_ptr<InizioGioco> inizio;

    BancoGioco()
    {
        archivio.prepara();
        inizio = std::make_unique<InizioGioco>(
            InizioGioco::Servizi{archivio, suono, attesa, messaggi, [this] { return casuale(); }});
        inizio->show();
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

    // Clicks a size picture of the start window and waits for the game to be set up.
    GridoraGame* apri(int lato)
    {
        Immagine* picture = lato == 5    ? inizio->facile1
                            : lato == 10 ? inizio->medio1
                                         : inizio->difficile1;
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(5, 5));
        GridoraGame* gioco = inizio->gioco();
        if (gioco) {
            const bool pronta = QTest::qWaitFor([gioco] { return gioco->Lato != 0; });
            Q_ASSERT(pronta);
        }
        return gioco;
    }

    static void clic(GridoraGame* gioco, int riga, int colonna,
                     Qt::MouseButton pulsante = Qt::LeftButton)
    {
        QTest::mouseClick(gioco->tavoliere->Image1[indiceVideo(riga, colonna)], pulsante, {},
                          QPoint(8, 8));
    }

    static void muovi(QWidget* widget)
    {
        QMouseEvent evento(QEvent::MouseMove, QPointF(4, 4), widget->mapToGlobal(QPointF(4, 4)),
                           Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &evento);
    }

    static int immagine(GridoraGame* gioco, int riga, int colonna)
    {
        return gioco->tavoliere->Image1[indiceVideo(riga, colonna)]->immagine();
    }

    // Fills every cell of the solution, row by row.
    static void riempiSoluzione(GridoraGame* gioco, const QStringList& righe)
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
