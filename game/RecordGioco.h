#pragma once

// The record of the puzzle in play, in the game's mode: found when the game starts, shown under
// the board, measured against at the solution, and written when the player confirms a name.

#include "model/Archivio.h"
#include "model/ModoRecord.h"
#include "widgets/Servizi.h"

class QLineEdit;
class QWidget;

namespace gridora {

class Etichetta;

class RecordGioco {
public:
    // The holder and time under the board, and the new-record panel with its name box.
    struct Vista {
        Etichetta* nomer = nullptr;
        Etichetta* TempoR = nullptr;
        QWidget* Info = nullptr;
        QLineEdit* Text1 = nullptr;
    };
    RecordGioco(const Servizi& servizi, QWidget* finestra, Vista vista);

    // TrovaRecord: the puzzle's record in the mode, put on screen.
    void trova(const Disegno& disegno, int lato, ModoRecord modo);
    // True when a game of these seconds sets a new record. A time with no holder is no record:
    // the game is measured against the 24:00:00 on show.
    bool battuto(int secondi) const;
    // OKREC_Click: the name in the box becomes the holder of `tempo`. A refused write leaves the
    // old record on screen and the panel open with the name, and says why.
    void registra(const QString& tempo);

private:
    void mostra();

    const Servizi& m_servizi;
    QWidget* m_finestra;
    Vista m_vista;
    int m_lato = 0;
    qint64 m_id = 0;
    ModoRecord m_modo = ModoRecord::N;
    RecordModo m_record; // as shown
};

} // namespace gridora
