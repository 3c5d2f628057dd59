#pragma once

// The start window: the three board sizes, the editor, the instructions and the game options.
// It stays above the other windows, hides while one of them is open and ends the program when
// closed.

#include "editor/ImportazioneEditor.h"
#include "menu/FinestraFiglia.h"
#include "widgets/Servizi.h"

#include <QWidget>

class QCheckBox;

namespace gridora {

class Etichetta;
class Forma;
class GridoraGame;
class Immagine;

class InizioGioco : public QWidget {
    Q_OBJECT

public:
    explicit InizioGioco(const Servizi& servizi);
    ~InizioGioco() override;

    // Opens a fresh game window of a side (5, 10 or 15) with the options ticked now.
    void apriGioco(int lato);
    void apriEditor();
    void apriIstruzioni();
    // The window opened from here, while it is open.
    QWidget* figlia() const { return m_figlia.aperta(); }
    GridoraGame* gioco() const;

    // The controls by their names, for tests and pictures of the window.
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

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void componi();
    void componiPulsanti();
    void componiOpzioni();
    void collega();
    // Pointer feedback for what lies under the pointer: the window's pointer, the highlight
    // shown, the colour of "Istruzioni".
    void puntatoreSopra(QWidget* controllo);
    void evidenzia(Forma* evidenziazione);

    const Servizi& m_servizi;
    ImportazioneEditor m_importazione{m_servizi}; // the editor's image import, for the whole run
    FinestraFiglia m_figlia{this};
};

} // namespace gridora
