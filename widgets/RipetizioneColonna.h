#pragma once

// The tall label `hlp2` in its frame `help`, with the black shadow `Shape5`: while the pointer is
// over the board or the column clues, it repeats the clue of the column under the pointer in a
// large bold font, on the background colour of that column's clue label.

#include "model/Indizi.h"

#include <QPoint>

class QWidget;

namespace gridora {

class Etichetta;
class Forma;
class Tavoliere;

class RipetizioneColonna {
public:
    // `help` and `ombra` are the twips positions of the frame and of its shadow.
    RipetizioneColonna(QWidget* finestra, QPoint help, QPoint ombra);

    // The column `colonna` of `tavoliere`, whose runs are `sequenze`.
    void ripeti(Tavoliere& tavoliere, int colonna, const Sequenze& sequenze);
    void svuota();

    QWidget* cornice() const { return m_help; }
    Forma* ombra() const { return m_ombra; }
    const Etichetta* etichetta() const { return m_hlp2; }

private:
    QWidget* m_help;
    Etichetta* m_hlp2;
    Forma* m_ombra;
};

} // namespace gridora
