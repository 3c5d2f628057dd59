#include "model/Partita.h"

#include "model/Lati.h"
#include "model/Penalita.h"

namespace gridora {

Partita::Partita(int lato, const QString& pixel, OpzioniPartita opzioni, bool aiuto)
    : m_lato(lato), m_opzioni(opzioni), m_aiuto(aiuto),
      m_orologio(aiuto ? fattiLato(lato).secondiAiuto : 0)
{
    const Segni soluzione = segniDaPixel(pixel, lato);
    m_indizi = calcolaIndizi(soluzione, lato);
    for (int k = 0; k < lato * lato; ++k) {
        m_soluzione[k] = soluzione[k];
        m_piene += soluzione[k] == Pieno ? 1 : 0;
    }
    // Lines without clues are crossed before play; the player's marks stay empty there.
    for (int r = 0; r < lato; ++r) {
        for (int c = 0; c < lato; ++c) {
            if (m_indizi.sequenzeRighe[r].empty() || m_indizi.sequenzeColonne[c].empty()) {
                m_soluzione[indice(r, c)] = 2;
                m_mostrati[indice(r, c)] = Croce;
            }
        }
    }
}

void Partita::riveliCella(int k)
{
    if (m_soluzione[k] == 1) {
        m_segni[k] = Pieno;
        m_mostrati[k] = Pieno;
        ++m_giuste;
        return;
    }
    m_segni[k] = Croce;
    if (!m_opzioni.senzaX)
        m_mostrati[k] = Croce;
}

void Partita::rivela(int colonna, int riga)
{
    if (m_fase != Fase::Preparazione)
        return;
    for (int r = 0; r < m_lato; ++r) {
        if (m_segni[indice(r, colonna)] != Pieno)
            riveliCella(indice(r, colonna));
    }
    for (int c = 0; c < m_lato; ++c) {
        if (m_segni[indice(riga, c)] != Pieno) // the crossing cell is counted once
            riveliCella(indice(riga, c));
    }
}

void Partita::avvia()
{
    if (m_fase == Fase::Preparazione)
        m_fase = Fase::Gioco;
}

void Partita::concludi()
{
    if (m_fase == Fase::Risolta)
        m_fase = Fase::Conclusa;
}

bool Partita::cliccabile(int riga, int colonna) const
{
    if (m_fase != Fase::Gioco || riga < 0 || colonna < 0 || riga >= m_lato || colonna >= m_lato)
        return false;
    // A fill stays clickable only where fills may be taken back: in "Senza Errori".
    return m_opzioni.senzaErrori || m_segni[indice(riga, colonna)] != Pieno;
}

EsitoClic Partita::clic(int riga, int colonna, Pulsante pulsante)
{
    EsitoClic esito;
    if (!cliccabile(riga, colonna))
        return esito;
    esito.gestito = true;
    const int k = indice(riga, colonna);
    int& segno = m_segni[k];
    Segno& mostrato = m_mostrati[k];
    const int soluzione = m_soluzione[k];
    const bool senzaX = m_opzioni.senzaX;
    using Tipo = EsitoClic::Tipo;

    if (pulsante == Pulsante::Sinistro) {
        if (soluzione == 1 && segno == Vuoto) {
            segno = Pieno;
            mostrato = Pieno;
            ++m_giuste;
            esito.tipo = Tipo::Riempita;
        } else if (soluzione == 2 || segno == Croce) {
            segno = Vuoto;
            if (!senzaX)
                mostrato = Vuoto;
            esito.tipo = Tipo::CroceTolta;
        } else if (soluzione == 0 && segno == Vuoto && !m_opzioni.senzaErrori) {
            segno = Croce; // now known to be empty
            if (!senzaX)
                mostrato = Croce;
            esito.tipo = Tipo::Errore;
            esito.numeroErrore = ++m_errori;
            m_trattenuta.avvia();
            m_orologio.aggiungiMinuti(penalitaErrore(m_errori).minuti);
        } else if (soluzione == 0 && segno == Vuoto) {
            segno = Pieno; // taken silently in "Senza Errori"
            mostrato = Pieno;
            esito.tipo = Tipo::Riempita;
        }
    } else if (pulsante == Pulsante::Destro && !senzaX && segno != Pieno) {
        const bool crocia = segno == Vuoto;
        segno = crocia ? Croce : Vuoto;
        mostrato = static_cast<Segno>(segno);
        esito.tipo = crocia ? Tipo::CroceMessa : Tipo::CroceTolta;
    } else if (pulsante == Pulsante::Destro && segno == Pieno &&
               (m_opzioni.senzaErrori || soluzione == 1)) {
        if (soluzione == 1)
            --m_giuste;
        segno = Vuoto;
        mostrato = Vuoto;
        esito.tipo = Tipo::Svuotata;
    }

    if (m_giuste == m_piene && senzaRiempimentiErrati()) {
        m_fase = Fase::Risolta;
        esito.risolta = true;
    }
    return esito;
}

bool Partita::senzaRiempimentiErrati() const
{
    for (int k = 0; k < m_lato * m_lato; ++k) {
        if (m_segni[k] == Pieno && m_soluzione[k] != 1)
            return false;
    }
    return true;
}

bool Partita::scatto()
{
    if (m_fase != Fase::Gioco)
        return false;
    const bool scadutoOra = m_orologio.scatto();
    m_trattenuta.tick();
    return scadutoOra;
}

} // namespace gridora
