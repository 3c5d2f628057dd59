#pragma once

// The start window: the three board sizes, the editor, the instructions and the game options.
// It stays above the other windows, hides while a game is open and ends the program when closed.

#include "game/ServiziGioco.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QCheckBox;

namespace gridora {

class Etichetta;
class Forma;
class GridoraGame;
class Immagine;

class InizioGioco : public QWidget, public OpzioniGioco {
    Q_OBJECT

public:
    struct Servizi {
        const Archivio& archivio;
        UscitaSuono& suono;
        Attesa& attesa;
        Messaggi& messaggi;
        std::function<double()> casuale;
    };

    explicit InizioGioco(const Servizi& servizi);
    ~InizioGioco() override;

    bool senzaX() const override;
    bool senzaErrori() const override;
    bool senzaAudio() const;

    // Opens a fresh game window of a side (5, 10 or 15).
    void apriGioco(int lato);
    GridoraGame* gioco() const;

    QCheckBox* NoX = nullptr;
    QCheckBox* NoErrori = nullptr;
    QCheckBox* NoAudio = nullptr;
    Etichetta* Label1 = nullptr;
    Immagine* logo = nullptr;
    Immagine* facile1 = nullptr;
    Immagine* medio1 = nullptr;
    Immagine* difficile1 = nullptr;
    Immagine* Libero = nullptr;
    Forma* facile2 = nullptr;
    Forma* medio2 = nullptr;
    Forma* difficile2 = nullptr;
    Forma* libero2 = nullptr;

signals:
    void giocoAperto(GridoraGame* gioco);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void componi();
    // Pointer feedback: the window's pointer, the highlight shown, the colour of "Istruzioni".
    void puntatoreSopra(QObject* controllo);
    void evidenzia(Forma* evidenziazione);

    Servizi m_servizi;
    ServiziGioco m_serviziGioco;
    QPointer<GridoraGame> m_gioco;
};

} // namespace gridora
