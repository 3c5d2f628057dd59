// Play: clicks on the cells, the clock, the sounds, the preview, the column-clue highlighting,
// the solution and the record.

#include "game/GridoraGame.h"
#include "game/RecordGioco.h"
#include "game/UscitaSuono.h"
#include "model/Penalita.h"
#include "resources/Risorse.h"
#include "widgets/Anteprima.h"
#include "widgets/Etichetta.h"
#include "widgets/Forme.h"
#include "widgets/RipetizioneColonna.h"
#include "widgets/Tavoliere.h"

#include <QLineEdit>

namespace gridora {

void GridoraGame::mostraCella(int riga, int colonna)
{
    m_tavoliere->mostraSegno(riga, colonna, m_partita->mostrato(riga, colonna));
}

// Image1_MouseUp: a click on a cell, a key on the board's cursor, or a cell a drag enters.
EsitoClic GridoraGame::clicCella(int riga, int colonna, Qt::MouseButton pulsante)
{
    if (!m_partita)
        return {};
    const EsitoClic esito = m_partita->clic(riga, colonna, pulsanteDi(pulsante));
    if (!esito.gestito)
        return esito;
    mostraCella(riga, colonna);
    m_tavoliere->setCellaAbilitata(riga, colonna, m_partita->cliccabile(riga, colonna));
    if (esito.tipo == EsitoClic::Tipo::Riempita)
        Suono(103);
    else if (esito.tipo == EsitoClic::Tipo::Errore)
        penalita(esito.numeroErrore);
    DisegnoOK();
    if (esito.risolta)
        ControlloOK();
    return esito;
}

// A drag gives every cell it enters, the pressed one first, what a click of its button would,
// and stops at the first error: one careless drag costs one penalty.
void GridoraGame::cellaTrascinata(int riga, int colonna, Qt::MouseButton pulsante)
{
    if (clicCella(riga, colonna, pulsante).tipo == EsitoClic::Tipo::Errore)
        m_tavoliere->fermaTrascinamento();
}

// An error: its sound, and its pointer on every cell until the clock lets it go.
void GridoraGame::penalita(int numeroErrore)
{
    Suono(104);
    const PenalitaErrore p = penalitaErrore(numeroErrore);
    m_puntatoreCella.fill(p.puntatore);
    m_tavoliere->setPuntatoreCelle(risorse::puntatore(p.puntatore));
    m_c.tempoG->setCaption(m_partita->orologio().testo());
}

void GridoraGame::Image1_MouseMove(int riga, int colonna)
{
    if (!m_partita || m_partita->risolta())
        return;
    const int i = indiceVideo(riga, colonna);
    if (!m_partita->penalitaAttiva() && m_puntatoreCella[i] != QLatin1String("PENNA")) {
        m_puntatoreCella[i] = QStringLiteral("PENNA");
        m_tavoliere->setPuntatoreCella(riga, colonna, risorse::puntatore(u"PENNA"));
    }
    Verticale_MouseMove(colonna);
}

void GridoraGame::Verticale_MouseMove(int colonna)
{
    if (!m_partita)
        return;
    m_ripetizione->ripeti(*m_tavoliere, colonna, m_partita->indizi().sequenzeColonne[colonna]);
}

void GridoraGame::orizzontale_MouseMove()
{
    m_ripetizione->svuota();
}

// The solution: the clock stops, a short pause, the sound of a new record or of a plain
// solution, the puzzle's name, and the name entry for a new record.
void GridoraGame::ControlloOK()
{
    m_tempora->ferma();
    const bool record = m_recordGioco->battuto(m_partita->orologio().secondi());
    m_sequenza.pausa(pausaSuono())
        .pausa(Tempo(0.5))
        .passo([this, record] { Suono(record ? 108 : 105); })
        .pausa(pausaSuono())
        .passo([this, record] {
            m_c.NomeFig->setCaption(m_scelto.nome);
            m_partita->concludi();
            m_c.boxfig->show();
            m_c.NomeFig->show();
            for (int r = 0; r < m_partita->lato(); ++r) {
                for (int c = 0; c < m_partita->lato(); ++c)
                    m_tavoliere->setCellaAbilitata(r, c, false);
            }
            m_tavoliere->setTastiera(false);
            if (record) {
                m_c.Info->show();
                m_c.Text1->setFocus();
            }
        })
        .avvia();
}

void GridoraGame::Tempora_Timer()
{
    if (!m_partita)
        return;
    const bool scadutoOra = m_partita->scatto();
    m_c.tempoG->setCaption(m_partita->orologio().testo());
    if (scadutoOra)
        Suono(106);
}

void GridoraGame::DisegnoOK()
{
    m_c.anteprima->disegna(m_partita->lato(), m_partita->segni());
}

// Starts a recording; a new one cuts the one playing. Sequences pause after it (pausaSuono).
void GridoraGame::Suono(int tipo)
{
    if (m_parametri.audio)
        m_servizi.suono.riproduci(tipo);
}

double GridoraGame::pausaSuono() const
{
    return m_parametri.audio ? m_pausaSuono : 0.0;
}

// The waits of the starting help and of the countdown: only when the help was taken.
double GridoraGame::Tempo(double secondi) const
{
    return m_partita && m_partita->aiuto() ? secondi : 0.0;
}

// The name confirmed by OK or Enter in the new-record panel.
void GridoraGame::OKREC_Click()
{
    m_recordGioco->registra(m_partita->orologio().testo());
    m_pausaSuono = 0.08;
}

} // namespace gridora
