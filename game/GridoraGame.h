#pragma once

// The game window: one puzzle per opening, from the random choice to the solution and the record.
// The rules are a Partita; the window shows what it decides, plays the sounds and runs the
// timed sequences (the opening sounds, the starting help's slot machine, the countdown, the pauses
// around the record check) as steps, so it can be closed at any moment.

#include "model/Archivio.h"
#include "model/Partita.h"
#include "widgets/Sequenza.h"
#include "widgets/Servizi.h"

#include <QColor>
#include <QWidget>
#include <array>
#include <memory>

class QLineEdit;

namespace gridora {

class Anteprima;
class Etichetta;
class EtichettaPulsante;
class Forma;
class Immagine;
class RecordGioco;
class RipetizioneColonna;
class Tavoliere;

// What the start window hands to a game.
struct ParametriGioco {
    int lato = 5;
    bool senzaX = false;      // "Senza X"
    bool senzaErrori = false; // "Senza Errori"
    bool audio = true;        // "NO AUDIO" not ticked
};

class GridoraGame : public QWidget {
    Q_OBJECT

public:
    GridoraGame(const Servizi& servizi, const ParametriGioco& parametri,
                QWidget* genitore = nullptr);
    ~GridoraGame() override;

    // The controls by their names, for pictures of the window and for tests that look at it.
    struct Controlli {
        QWidget* richhlp = nullptr;
        std::array<EtichettaPulsante*, 2> hlpYes{}; // "SI", "NO"
        QWidget* Info = nullptr;
        QLineEdit* Text1 = nullptr;
        EtichettaPulsante* OKREC = nullptr;
        Etichetta* tempoG = nullptr;
        Etichetta* TempoR = nullptr;
        Etichetta* nomer = nullptr;
        Etichetta* NomeFig = nullptr;
        Forma* boxfig = nullptr;
        Forma* Shape3 = nullptr;
        Immagine* Image3 = nullptr;
        std::array<Immagine*, 2> Image2{};
        const Etichetta* hlp2 = nullptr;
        Anteprima* anteprima = nullptr;
    };
    const Controlli& controlli() const { return m_c; }
    const Tavoliere& tavoliere() const { return *m_tavoliere; }
    const ParametriGioco& parametri() const { return m_parametri; }

    // The game being played, once the help question has been answered.
    const Partita* partita() const { return m_partita.get(); }
    const Disegno& disegno() const { return m_scelto; }
    bool orologioInCorso() const { return m_tempora->attiva(); }
    // The window may not be closed from the answer to the help question until the solution.
    bool partitaInCorso() const;

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // Composition.
    void componi();
    void componiFigura();
    void componiEtichette();
    void componiImmagini();
    void componiRecord();
    void componiRichiesta();

    // Start of a game.
    void Form_Activate();
    void preparaTavola();
    bool CaricaF();
    void hlpYes_Click(int Index);
    void Ricarica();
    void aggiungiSlot();
    void aggiungiConteggio();
    void avviaGioco();

    // Play.
    EsitoClic clicCella(int riga, int colonna, Qt::MouseButton pulsante);
    void cellaTrascinata(int riga, int colonna, Qt::MouseButton pulsante);
    void Image1_MouseMove(int riga, int colonna);
    void Verticale_MouseMove(int colonna);
    void orizzontale_MouseMove();
    void mostraCella(int riga, int colonna);
    void penalita(int numeroErrore);
    void ControlloOK();
    void Tempora_Timer();
    void DisegnoOK();
    void Suono(int tipo);
    double pausaSuono() const;
    double Tempo(double secondi) const;

    void OKREC_Click();

    void avvisaArchivio(const EsitoArchivio& esito);
    void Form_Unload();

    const Servizi& m_servizi;
    const ParametriGioco m_parametri;
    Controlli m_c;
    Tavoliere* m_tavoliere = nullptr;
    std::unique_ptr<RipetizioneColonna> m_ripetizione;
    Sequenza m_sequenza;
    std::unique_ptr<Ripetizione> m_tempora; // the game clock, once a second

    // The window before its game exists: not shown yet, playing the opening sounds, a valid
    // puzzle chosen (the help question is on screen), or nothing to play. Once the question is
    // answered the game's own phase takes over.
    enum class Apertura { DaMostrare, Suoni, Scelto, NienteDaGiocare };
    Apertura m_apertura = Apertura::DaMostrare;
    Disegno m_scelto; // the row picked at activation, played after the answer
    std::unique_ptr<RecordGioco> m_recordGioco;
    std::unique_ptr<Partita> m_partita;
    double m_pausaSuono = 1.0;
    std::array<QString, CelleVideo> m_puntatoreCella; // the pointer each cell shows
    int m_colonnaAiuto = -1;
    int m_rigaAiuto = -1;
};

} // namespace gridora
