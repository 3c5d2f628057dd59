// The starting help: a slot machine runs a highlight along the column clues and another along
// the row clues until each stops on one line, whose cells are then revealed.

#include "game/GridoraGame.h"
#include "game/UscitaSuono.h"
#include "model/Slot.h"
#include "widgets/Tavoliere.h"

namespace gridora {

namespace {

const QColor Evidenziato(0x00, 0xC0, 0xC0);

} // namespace

// Adds the spin and the reveal to the game's sequence: every step highlights one label (the
// previous one of its reel gets its own colour back) and waits; the column steps beep.
void GridoraGame::aggiungiSlot()
{
    const double r = m_servizi.casuale();
    const double s = m_servizi.casuale();
    const GiroSlot giro = estraiGiro(r, s, m_partita->lato());
    for (const Passo& passo : passiGiro(giro)) {
        const bool colonna = passo.bobina == Passo::Colonna;
        m_sequenza.passo([this, colonna, etichetta = passo.etichetta] {
            int& ultima = colonna ? m_colonnaAiuto : m_rigaAiuto;
            if (colonna) {
                m_servizi.suono.beep(); // whatever "NO AUDIO" says
                if (ultima >= 0)
                    m_tavoliere->setColoreIndizioColonna(ultima, Tavoliere::coloreIndizio(ultima));
                m_tavoliere->setColoreIndizioColonna(etichetta, Evidenziato);
            } else {
                if (ultima >= 0)
                    m_tavoliere->setColoreIndizioRiga(ultima, Tavoliere::coloreIndizio(ultima));
                m_tavoliere->setColoreIndizioRiga(etichetta, Evidenziato);
            }
            ultima = etichetta;
        });
        m_sequenza.pausa(Tempo(passo.attesa));
    }
    m_sequenza.passo([this, c = colonnaScelta(giro), riga = rigaScelta(giro)] {
        m_partita->rivela(c, riga);
        for (int j = 0; j < m_partita->lato(); ++j) {
            mostraCella(j, c);
            mostraCella(riga, j);
        }
        DisegnoOK();
    });
}

} // namespace gridora
