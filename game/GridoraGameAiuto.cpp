// The starting help: a slot machine runs a highlight along the column clues and another along
// the row clues until each stops on one line, whose cells are then revealed.

#include "game/Anteprima.h"
#include "game/GridoraGame.h"
#include "model/Slot.h"
#include "game/UscitaSuono.h"
#include "widgets/Tavoliere.h"

namespace gridora {

namespace {

const QColor Evidenziato(0x00, 0xC0, 0xC0);

} // namespace

void GridoraGame::AvviaAiuto()
{
    const double r = m_servizi.casuale();
    const double s = m_servizi.casuale();
    const GiroSlot giro = estraiGiro(r, s, Lato);
    const std::vector<Passo> passi = passiGiro(giro);

    Passo::Bobina precedente = Passo::Riga;
    for (const Passo& passo : passi) {
        // Each round starts with the column step (while that reel turns), then the row step.
        if (passo.bobina == Passo::Colonna || precedente == Passo::Riga) {
            Etichetta* prima = tavoliere->orizzontale[0];
            if (prima->sfondo() == QColor(0xC0, 0xFF, 0xFF) || prima->sfondo() == Qt::black)
                prima->setSfondo(QColor(0x00, 0xFF, 0xFF));
        }
        precedente = passo.bobina;
        const bool colonna = passo.bobina == Passo::Colonna;
        auto& etichette = colonna ? tavoliere->Verticale : tavoliere->orizzontale;
        int& ultima = colonna ? ColonnaAiuto : RigaAiuto;
        QColor& colore = colonna ? m_coloreColonnaAiuto : m_coloreRigaAiuto;
        if (colonna)
            m_servizi.suono.beep(); // whatever "NO AUDIO" says
        if (ultima >= 0)
            etichette[ultima]->setSfondo(colore);
        ultima = passo.etichetta;
        colore = etichette[ultima]->sfondo();
        etichette[ultima]->setSfondo(Evidenziato);
        if (colonna)
            Tempo(passo.attesa);
        else
            tempox(passo.attesa);
    }

    const int c = colonnaScelta(giro);
    const int riga = rigaScelta(giro);
    for (int j = 0; j < Lato; ++j)
        riveliCella(indiceVideo(j, c), indiceLogico(j, c, Lato), true);
    for (int j = 0; j < Lato; ++j) {
        const int q = indiceLogico(riga, j, Lato);
        if (Segni[q] != Pieno) // the crossing cell is counted once
            riveliCella(indiceVideo(riga, j), q, false);
    }
}

// A revealed cell: filled as filled (and counted), empty as crossed.
void GridoraGame::riveliCella(int d, int q, bool ridisegna)
{
    if (Soluzione[d] == 1) {
        mostraImmagineCella(d, Pieno);
        SegniVideo[d] = 1;
        Segni[q] = Pieno;
        tavoliere->setCellaAbilitata(d, m_servizi.opzioni.senzaErrori());
        ++CaselleGiuste;
        if (ridisegna)
            DisegnoOK();
        return;
    }
    if (!m_servizi.opzioni.senzaX())
        mostraImmagineCella(d, Croce);
    SegniVideo[d] = 2;
    Segni[q] = Croce;
}

void GridoraGame::RipristinaAiuto()
{
    if (RigaAiuto >= 0)
        tavoliere->orizzontale[RigaAiuto]->setSfondo(m_coloreRigaAiuto);
    if (ColonnaAiuto >= 0)
        tavoliere->Verticale[ColonnaAiuto]->setSfondo(m_coloreColonnaAiuto);
}

} // namespace gridora
