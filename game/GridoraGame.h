#pragma once

// The game window: one puzzle per opening, from the random choice to the solution and the record.

#include "model/Orologio.h"
#include "game/ServiziGioco.h"
#include "model/Archivio.h"
#include "model/Tavola.h"

#include <QColor>
#include <QDialog>
#include <QTimer>
#include <array>

class QLineEdit;

namespace gridora {

class Anteprima;
class Etichetta;
class EtichettaPulsante;
class Forma;
class Immagine;
class Tavoliere;

class GridoraGame : public QDialog {
    Q_OBJECT

public:
    explicit GridoraGame(const ServiziGioco& servizi, QWidget* genitore = nullptr);
    ~GridoraGame() override;

    // Values the start window hands over before showing the window.
    QString ok;                                 // board side as text: "5", "10" or "15"
    QString AUDIO = "0";                        // "0" sound on, "1" off
    void posizionaRichiesta(int left, int top); // places the help question `richhlp`
    void dimensionaShape3(int lato);            // the frame around the preview

    // Starts a new game: the window's activation.
    void Form_Activate();

    // Window state, by the names the rules use.
    int Lato = 0;
    std::array<int, CelleVideo> Soluzione{};  // display index: 0 empty, 1 filled, 2 pre-crossed
    std::array<int, CelleVideo> SegniVideo{}; // display index: the player's marks
    gridora::Segni Segni{};                   // logical index: the player's marks
    int CasellePiene = 0;
    int CaselleGiuste = 0;
    int Errori = 0;
    QString PixelScelto;
    qint64 IdScelto = 0; // the row of the chosen puzzle
    QString NomeDisegno;
    int GiocoAvviato = 0;
    int AiutoAccettato = 0;
    int TempoScaduto = 0;
    TrattenutaPenalita Penalita;
    int ColonnaAiuto = -1; // the column and row the starting help highlighted, -1 if none
    int RigaAiuto = -1;
    double PausaSuono = 1.0;

    // Controls, by their names.
    Tavoliere* tavoliere = nullptr;
    QWidget* richhlp = nullptr;
    std::array<EtichettaPulsante*, 2> hlpYes{};
    QWidget* Info = nullptr;
    QLineEdit* Text1 = nullptr;
    EtichettaPulsante* OKREC = nullptr;
    Etichetta* tempoG = nullptr;
    Etichetta* TempoR = nullptr;
    Etichetta* nomer = nullptr;
    Etichetta* NomeFig = nullptr;
    Forma* boxfig = nullptr;
    Forma* Shape3 = nullptr;
    Forma* Shape4 = nullptr;
    Etichetta* hlp2 = nullptr;
    QWidget* help = nullptr;
    Immagine* Image3 = nullptr;
    std::array<Immagine*, 2> Image2{};
    Anteprima* anteprima = nullptr;
    QTimer Tempora; // the game clock, once a second
    QTimer Timer1;  // one-shot redraw of the preview

    // Handlers.
    void hlpYes_Click(int Index);
    void Image1_MouseUp(int Index, Qt::MouseButton Button);
    void Image1_MouseMove(int Index);
    void Verticale_MouseMove(int Index);
    void orizzontale_MouseMove(int Index);
    void Tempora_Timer();
    void Timer1_Timer();
    void OKREC_Click();

    // Procedures.
    void CaricaF();
    void Ricarica(int Schema);
    void ControlloOK();
    void TempoGioco(int aggiunti);
    void Tempo(double Secondi);
    void tempox(double Secondi);
    void Pausa(double secondi);
    void Suono(int tipo);
    void TrovaRecord(const Disegno& disegno);
    bool SalvaRecord(); // false when the database refused the write
    void DisegnoOK();
    void AvviaAiuto();      // the starting help: slot machine and reveal
    void RipristinaAiuto(); // the highlighted clue labels get their colours back

    bool partitaInCorso() const;

signals:
    void chiusa();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void reject() override;

private:
    void componi();
    void componiRichiesta();
    void componiRecord();
    void componiFigura();
    void Vuoti(int Index);
    void riveliCella(int d, int q, bool ridisegna);
    void mostraImmagineCella(int Index, int segno);
    void impostaPuntatoreCelle(const QCursor& puntatore);
    void avvisa(const EsitoArchivio& esito);
    void Form_Unload();

    const ServiziGioco& m_servizi;
    Disegno m_scelto; // the row picked at activation, played after the answer
    bool m_avviata = false;
    bool m_risolto = false; // the record check has begun: the board takes no more clicks
    std::array<QString, CelleVideo> m_puntatoreCella; // the pointer each cell shows
    QColor m_coloreColonnaAiuto; // own colours of the labels the help highlighted
    QColor m_coloreRigaAiuto;
    int m_colonnaBordata = -1;
};

} // namespace gridora
