// The game window's life: the opening, the choice of a puzzle, the help question, the board
// set-up and the countdown, the closing guard and the unload.

#include "game/GridoraGame.h"

#include "game/RecordGioco.h"
#include "game/UscitaSuono.h"
#include "model/Lati.h"
#include "model/Penalita.h"
#include "model/Record.h"
#include "resources/Risorse.h"
#include "widgets/Anteprima.h"
#include "widgets/Etichetta.h"
#include "widgets/Immagine.h"
#include "widgets/Messaggi.h"
#include "widgets/RipetizioneColonna.h"
#include "widgets/Tavoliere.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

namespace gridora {

GridoraGame::GridoraGame(const Servizi& servizi, const ParametriGioco& parametri, QWidget* genitore)
    : QWidget(genitore), m_servizi(servizi), m_parametri(parametri),
      m_sequenza(servizi.pianificatore, this)
{
    componi();
    m_recordGioco = std::make_unique<RecordGioco>(
        servizi, this, RecordGioco::Vista{m_c.nomer, m_c.TempoR, m_c.Info, m_c.Text1});
    if (m_parametri.audio)
        m_servizi.suono.prepara();
    m_tempora = servizi.pianificatore.ogni(1.0, this, [this] { Tempora_Timer(); });
    // A click acts at its release; a drag on every cell it enters, the pressed one first.
    const auto clic = [this](int r, int c, Qt::MouseButton pulsante) { clicCella(r, c, pulsante); };
    connect(m_tavoliere, &Tavoliere::cellaRilasciata, this, clic);
    connect(m_tavoliere, &Tavoliere::cellaDaTastiera, this, clic);
    connect(m_tavoliere, &Tavoliere::trascinamentoIniziato, this, &GridoraGame::cellaTrascinata);
    connect(m_tavoliere, &Tavoliere::cellaTrascinata, this, &GridoraGame::cellaTrascinata);
    connect(m_tavoliere, &Tavoliere::cursoreSpostato, this,
            [this](int, int colonna) { Verticale_MouseMove(colonna); });
    connect(m_tavoliere, &Tavoliere::cellaSorvolata, this, &GridoraGame::Image1_MouseMove);
    connect(m_tavoliere, &Tavoliere::colonnaSorvolata, this, &GridoraGame::Verticale_MouseMove);
    connect(m_tavoliere, &Tavoliere::rigaSorvolata, this, &GridoraGame::orizzontale_MouseMove);
}

GridoraGame::~GridoraGame() = default;

void GridoraGame::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (m_apertura == Apertura::DaMostrare) {
        m_apertura = Apertura::Suoni;
        // After the first paint, so the window is on screen while the opening sounds play.
        QTimer::singleShot(0, this, &GridoraGame::Form_Activate);
    }
}

// The opening: three sounds a second apart, then the empty board of a randomly chosen puzzle
// and the help question.
void GridoraGame::Form_Activate()
{
    m_c.tempoG->setCaption(testoOrario(0));
    m_tempora->ferma();
    m_sequenza.passo([this] { Suono(101); })
        .pausa(pausaSuono())
        .passo([this] { Suono(102); })
        .pausa(pausaSuono())
        .passo([this] { Suono(103); })
        .pausa(pausaSuono())
        .passo([this] { preparaTavola(); })
        .avvia();
}

void GridoraGame::preparaTavola()
{
    const QImage icona = risorse::immagine(u"ICONA");
    m_c.Image2[0]->setImmagine(icona);
    m_c.Image2[1]->setImmagine(icona);
    setWindowTitle(titoloGioco(m_parametri.lato, m_parametri.senzaX, m_parametri.senzaErrori));
    m_c.hlpYes[0]->setToolTip(suggerimentoAiutoSi(m_parametri.lato));
    m_c.hlpYes[1]->setToolTip(suggerimentoAiutoNo());
    m_tavoliere->ripristinaColoriIndizi();
    m_tavoliere->setLato(m_parametri.lato);
    m_c.anteprima->cancella();
    m_apertura = CaricaF() ? Apertura::Scelto : Apertura::NienteDaGiocare;
    if (m_apertura == Apertura::Scelto)
        m_c.richhlp->show();
}

// Picks a puzzle of the side at random, every one equally likely. A puzzle that cannot be played
// is reported at once, and the window stays closable. True when one can be played.
bool GridoraGame::CaricaF()
{
    const int lato = m_parametri.lato;
    const Esito<int> quanti = m_servizi.archivio.conta(lato);
    if (!quanti.ok()) {
        avvisaArchivio(quanti.stato);
        return false;
    }
    const int n = quanti.valore;
    if (n == 0) {
        m_servizi.messaggi.avviso(
            this, QStringLiteral("NESSUNO SCHEMA"),
            QStringLiteral("Non ci sono schemi %1 (%2x%2) da giocare.\nCreane uno con "
                           "\"Crea Schema\" e riprova.")
                .arg(QLatin1String(fattiLato(lato).parola))
                .arg(lato));
        return false;
    }
    const int scelto = std::clamp(static_cast<int>(m_servizi.casuale() * n), 0, n - 1);
    const Esito<Disegno> riga = m_servizi.archivio.caricaPosizione(lato, scelto);
    if (!riga.ok()) {
        avvisaArchivio(riga.stato);
        return false;
    }
    m_scelto = riga.valore;
    if (m_scelto.griglia != QString::number(lato) || !pixelValido(m_scelto.pixel, lato)) {
        m_servizi.messaggi.avviso(
            this, QStringLiteral("SCHEMA NON VALIDO"),
            QStringLiteral("Lo schema scelto non è valido per una griglia %1x%1.").arg(lato));
        return false;
    }
    return true;
}

void GridoraGame::hlpYes_Click(int Index)
{
    if (m_partita || m_apertura != Apertura::Scelto)
        return;
    m_c.richhlp->hide();
    m_partita = std::make_unique<Partita>(
        m_parametri.lato, m_scelto.pixel,
        OpzioniPartita{m_parametri.senzaX, m_parametri.senzaErrori}, Index == 0);
    m_c.tempoG->setCaption(m_partita->orologio().testo());
    Ricarica();
}

// The puzzle on the board: its record, its clues, the empty lines crossed; then the starting
// help if it was taken, and the countdown.
void GridoraGame::Ricarica()
{
    m_pausaSuono = 0.08;
    m_recordGioco->trova(m_scelto, m_parametri.lato,
                         modoRecord(m_parametri.senzaX, m_parametri.senzaErrori));
    const int lato = m_partita->lato();
    for (int r = 0; r < lato; ++r) {
        for (int c = 0; c < lato; ++c)
            mostraCella(r, c);
    }
    m_tavoliere->mostraIndizi(m_partita->indizi());
    if (m_partita->aiuto())
        aggiungiSlot();
    aggiungiConteggio();
    m_sequenza.avvia();
}

// The countdown on the pointer: "TRE", "DUE", "UNO" (with a beep), "VIA", a second each when the
// help was taken, at once otherwise.
void GridoraGame::aggiungiConteggio()
{
    m_sequenza.passo([this] {
        DisegnoOK();
        setCursor(risorse::puntatore(u"TRE"));
    });
    m_sequenza.pausa(Tempo(1)).passo([this] { setCursor(risorse::puntatore(u"DUE")); });
    m_sequenza.pausa(Tempo(1)).passo([this] {
        setCursor(risorse::puntatore(u"UNO"));
        if (m_parametri.audio)
            m_servizi.suono.beep();
    });
    m_sequenza.pausa(Tempo(1)).passo([this] { setCursor(risorse::puntatore(u"VIA")); });
    m_sequenza.pausa(Tempo(1)).passo([this] { avviaGioco(); });
}

void GridoraGame::avviaGioco()
{
    unsetCursor();
    if (m_colonnaAiuto >= 0) { // the highlighted lines get their own colours back
        m_tavoliere->setColoreIndizioColonna(m_colonnaAiuto,
                                             Tavoliere::coloreIndizio(m_colonnaAiuto));
        m_tavoliere->setColoreIndizioRiga(m_rigaAiuto, Tavoliere::coloreIndizio(m_rigaAiuto));
    }
    m_partita->avvia();
    for (int r = 0; r < m_partita->lato(); ++r) {
        for (int c = 0; c < m_partita->lato(); ++c)
            m_tavoliere->setCellaAbilitata(r, c, m_partita->cliccabile(r, c));
    }
    m_tavoliere->setTastiera(true);
    m_tavoliere->area()->setFocus();
    m_tempora->avvia();
}

// The help question from the keyboard: S for "SI", N for "NO". Escape is ignored, as every key
// the window does not use.
void GridoraGame::keyPressEvent(QKeyEvent* evento)
{
    if (m_c.richhlp->isVisible() && (evento->key() == Qt::Key_S || evento->key() == Qt::Key_N)) {
        hlpYes_Click(evento->key() == Qt::Key_S ? 0 : 1);
        return;
    }
    QWidget::keyPressEvent(evento);
}

bool GridoraGame::partitaInCorso() const
{
    return m_partita && m_partita->fase() != Partita::Fase::Conclusa;
}

void GridoraGame::closeEvent(QCloseEvent* evento)
{
    if (partitaInCorso()) {
        evento->ignore();
        return;
    }
    Form_Unload();
    evento->accept();
}

void GridoraGame::Form_Unload()
{
    m_sequenza.ferma();
    m_tempora->ferma();
    m_c.TempoR->hide();
    m_c.nomer->hide();
    if (m_parametri.audio)
        m_servizi.suono.ferma();
}

void GridoraGame::avvisaArchivio(const EsitoArchivio& esito)
{
    m_servizi.messaggi.avviso(this, QStringLiteral("ARCHIVIO DEI DISEGNI"), esito.messaggio);
}

} // namespace gridora
