// Play: clicks on the cells, the clock, the waits, the sounds, the preview, the column-clue
// highlighting, the solution and the record.

#include "game/Anteprima.h"
#include "game/Attesa.h"
#include "model/EvidenziaColonna.h"
#include "game/GridoraGame.h"
#include "model/Penalita.h"
#include "model/Record.h"
#include "game/UscitaSuono.h"
#include "resources/Risorse.h"
#include "widgets/Messaggi.h"
#include "widgets/Tavoliere.h"

#include <QLineEdit>

namespace gridora {

void GridoraGame::mostraImmagineCella(int Index, int segno)
{
    tavoliere->Image1[Index]->setImmagine(immagineCella(segno, tonalita(Index)));
}

void GridoraGame::Vuoti(int Index)
{
    if (!m_servizi.opzioni.senzaX())
        mostraImmagineCella(Index, Vuoto);
}

void GridoraGame::impostaPuntatoreCelle(const QCursor& puntatore)
{
    for (Cella* cella : tavoliere->Image1)
        cella->setCursor(puntatore);
}

void GridoraGame::Image1_MouseUp(int Index, Qt::MouseButton Button)
{
    if (!tavoliere->Image1[Index]->isEnabled() || GiocoAvviato == 0 || boxfig->isVisible() ||
        m_risolto) {
        return;
    }
    const int k = Index % LatoMassimo + Lato * (Index / LatoMassimo);
    const bool senzaX = m_servizi.opzioni.senzaX();
    const bool senzaErrori = m_servizi.opzioni.senzaErrori();

    if (Button == Qt::LeftButton) {
        if (Soluzione[Index] == 1 && Segni[k] == Vuoto) {
            Segni[k] = Pieno;
            Suono(103);
            DisegnoOK();
            mostraImmagineCella(Index, Pieno);
            if (!senzaErrori)
                tavoliere->setCellaAbilitata(Index, false);
            ++CaselleGiuste;
            SegniVideo[Index] = 1;
        } else if (Soluzione[Index] == 2 || Segni[k] == Croce) {
            Segni[k] = Vuoto;
            Vuoti(Index);
            SegniVideo[Index] = 0;
        } else if (Soluzione[Index] == 0 && Segni[k] == Vuoto && !senzaErrori) {
            Suono(104);
            Segni[k] = Croce;
            SegniVideo[Index] = 2;
            if (!senzaX)
                mostraImmagineCella(Index, Croce);
            ++Errori;
            const PenalitaErrore penalita = penalitaErrore(Errori);
            for (QString& nome : m_puntatoreCella)
                nome = penalita.puntatore;
            impostaPuntatoreCelle(risorse::puntatore(penalita.puntatore));
            Penalita.avvia();
            if (TempoScaduto == 0)
                TempoGioco(penalita.minuti);
        } else if (Soluzione[Index] == 0 && Segni[k] == Vuoto) {
            // "Senza Errori": a wrong fill is taken like a right one.
            DisegnoOK();
            Suono(103);
            Segni[k] = Pieno;
            SegniVideo[Index] = 1;
            mostraImmagineCella(Index, Pieno);
        }
    } else if (Button == Qt::RightButton) {
        if (Segni[k] == Vuoto && !senzaX) {
            Segni[k] = Croce;
            SegniVideo[Index] = 2;
            mostraImmagineCella(Index, Croce);
        } else if (Segni[k] == Croce && !senzaX) {
            Segni[k] = Vuoto;
            Vuoti(Index);
            SegniVideo[Index] = 0;
        } else if (Segni[k] == Pieno && (senzaErrori || Soluzione[Index] == 1)) {
            if (Soluzione[Index] == 1)
                --CaselleGiuste;
            mostraImmagineCella(Index, Vuoto);
            Segni[k] = Vuoto;
            SegniVideo[Index] = 0;
        }
    }

    if (CasellePiene == CaselleGiuste)
        ControlloOK();
    Timer1.start();
    tavoliere->IndiziCalcolati = 0;
}

void GridoraGame::Image1_MouseMove(int Index)
{
    if (boxfig->isVisible() || GiocoAvviato == 0)
        return;
    if (!Penalita.attiva && m_puntatoreCella[Index] != QLatin1String("PENNA")) {
        m_puntatoreCella[Index] = QStringLiteral("PENNA");
        tavoliere->Image1[Index]->setCursor(risorse::puntatore(u"PENNA"));
    }
    Verticale_MouseMove(Index % LatoMassimo);
}

void GridoraGame::ControlloOK()
{
    if (m_risolto)
        return;
    for (int k = 0; k < Lato * Lato; ++k) {
        if (Segni[k] == Pieno && Soluzione[videoDaLogico(k, Lato)] != 1)
            return; // a wrong fill left in "Senza Errori"
    }
    m_risolto = true;
    Tempora.stop();
    Tempo(0.5);
    const bool record = nuovoRecord(tempoG->caption(), TempoR->caption());
    Suono(record ? 108 : 105);
    NomeFig->setCaption(NomeDisegno);
    boxfig->show();
    NomeFig->show();
    for (int i = 0; i < CelleVideo; ++i)
        tavoliere->setCellaAbilitata(i, false);
    if (record) {
        Info->show();
        Text1->setFocus();
    }
}

void GridoraGame::Tempora_Timer()
{
    if (GiocoAvviato == 0)
        return;
    const Scatto scatto = scattoOrologio(tempoG->caption(), TempoScaduto != 0);
    Penalita.tick();
    tempoG->setCaption(scatto.testo);
    if (scatto.scadutoOra) {
        TempoScaduto = 1;
        Suono(106);
    }
}

void GridoraGame::TempoGioco(int aggiunti)
{
    if (GiocoAvviato == 0)
        return;
    tempoG->setCaption(aggiungiMinuti(tempoG->caption(), aggiunti));
}

void GridoraGame::Tempo(double Secondi)
{
    if (AiutoAccettato == 0)
        return;
    m_servizi.attesa.attendi(Secondi);
}

void GridoraGame::tempox(double Secondi)
{
    Tempo(Secondi);
}

void GridoraGame::Pausa(double secondi)
{
    m_servizi.attesa.attendi(secondi);
}

void GridoraGame::Suono(int tipo)
{
    if (AUDIO != QLatin1String("0"))
        return;
    m_servizi.suono.riproduci(tipo);
    Pausa(PausaSuono);
}

void GridoraGame::DisegnoOK()
{
    if (GiocoAvviato == 1)
        GiocoAvviato = 2;
    anteprima->disegna(Lato, Segni, m_servizi.opzioni.senzaErrori());
}

void GridoraGame::Timer1_Timer()
{
    hlp2->move(0, 0);
    anteprima->disegna(Lato, Segni, false);
}

void GridoraGame::Verticale_MouseMove(int Index)
{
    if (GiocoAvviato == 0)
        return;
    Etichetta* etichetta = tavoliere->Verticale[Index];
    hlp2->setSfondo(etichetta->sfondo());
    const ColonnaEvidenziata evidenza = evidenziaColonna(etichetta->caption());
    hlp2->setCaption(evidenza.testo);
    if (m_colonnaBordata == Index || evidenza.bordo) {
        etichetta->setBordo(evidenza.bordo);
        m_colonnaBordata = evidenza.bordo ? Index : -1;
    }
}

void GridoraGame::orizzontale_MouseMove(int)
{
    hlp2->setCaption({});
}

void GridoraGame::TrovaRecord(const Disegno& disegno)
{
    const ModoRecord modo = modoRecord(m_servizi.opzioni.senzaX(), m_servizi.opzioni.senzaErrori());
    const RecordModo& record = disegno.recordDi(modo);
    if (!record.titolare.isEmpty()) {
        nomer->setCaption(record.titolare);
        TempoR->setCaption(record.tempo);
    }
    if (!nomer->caption().isEmpty()) {
        nomer->show();
        TempoR->show();
    }
}

void GridoraGame::OKREC_Click()
{
    const QString digitato = Text1->text();
    const QString titolarePrecedente = nomer->caption();
    const QString tempoPrecedente = TempoR->caption();
    const bool recordMostrato = nomer->isVisible();
    nomer->setCaption(titolareDaRegistrare(digitato));
    nomer->show();
    TempoR->show();
    Info->hide();
    Text1->clear();
    if (SalvaRecord())
        return;
    // The write was refused: the old record stays on screen, the name stays in the box.
    nomer->setCaption(titolarePrecedente);
    TempoR->setCaption(tempoPrecedente);
    nomer->setVisible(recordMostrato);
    TempoR->setVisible(recordMostrato);
    Text1->setText(digitato);
    Info->show();
}

bool GridoraGame::SalvaRecord()
{
    const ModoRecord modo = modoRecord(m_servizi.opzioni.senzaX(), m_servizi.opzioni.senzaErrori());
    TempoR->setCaption(tempoG->caption());
    nomer->show();
    TempoR->show();
    const EsitoArchivio esito = m_servizi.archivio.scriviRecord(
        Lato, IdScelto, modo, nomer->caption().toUpper(), TempoR->caption());
    PausaSuono = 0.08;
    if (!esito.ok())
        m_servizi.messaggi.avviso(this, QStringLiteral("RECORD NON SALVATO"), esito.messaggio);
    return esito.ok();
}

} // namespace gridora
