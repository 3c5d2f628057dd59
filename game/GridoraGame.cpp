// The game window's life: start of a game, the help question, the board set-up and the
// countdown, the closing guard and the unload.

#include "game/GridoraGame.h"

#include "game/Anteprima.h"
#include "game/Attesa.h"
#include "model/Penalita.h"
#include "model/Record.h"
#include "game/UscitaSuono.h"
#include "resources/Risorse.h"
#include "widgets/Immagine.h"
#include "widgets/Messaggi.h"
#include "widgets/Tavoliere.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QLineEdit>

namespace gridora {

namespace {

// Where the board and its clue frames stand for each side (twips).
struct Disposizione {
    QPoint area;
    int latoArea;
    QPoint d1, d2, d3, v1, v2, v3;
};

Disposizione disposizione(int lato)
{
    switch (lato) {
    case 5:
        return {{2000, 2100}, 2615, {2000, 1120}, {}, {}, {1140, 2100}, {}, {}};
    case 10:
        return {{1480, 1600}, 2615, {1480, 630}, {2670, 630}, {}, {635, 1630}, {635, 2820}, {}};
    default:
        return {{1080, 1200}, 3615,        {1060, 230}, {2260, 230},
                {3460, 230},  {215, 1195}, {215, 2395}, {215, 3595}};
    }
}

} // namespace

GridoraGame::GridoraGame(const ServiziGioco& servizi, QWidget* genitore)
    : QDialog(genitore), m_servizi(servizi)
{
    componi();

    Tempora.setInterval(1000);
    connect(&Tempora, &QTimer::timeout, this, &GridoraGame::Tempora_Timer);
    Timer1.setSingleShot(true);
    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, &GridoraGame::Timer1_Timer);

    connect(tavoliere, &Tavoliere::cellaRilasciata, this, &GridoraGame::Image1_MouseUp);
    connect(tavoliere, &Tavoliere::cellaMossa, this, &GridoraGame::Image1_MouseMove);
    connect(tavoliere, &Tavoliere::verticaleMossa, this, &GridoraGame::Verticale_MouseMove);
    connect(tavoliere, &Tavoliere::orizzontaleMossa, this, &GridoraGame::orizzontale_MouseMove);
    for (int i = 0; i < 2; ++i)
        connect(hlpYes[i], &EtichettaPulsante::cliccata, this, [this, i] { hlpYes_Click(i); });

    connect(Text1, &QLineEdit::textEdited, this, [this](const QString& testo) {
        const QString filtrato = filtraNomeTitolare(testo);
        if (filtrato != testo) {
            const int cursore = Text1->cursorPosition() - int(testo.size() - filtrato.size());
            Text1->setText(filtrato);
            Text1->setCursorPosition(std::max(cursore, 0));
        }
    });
    Text1->setMaxLength(LunghezzaNomeTitolare);
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& testo) { OKREC->setEnabled(nomeTitolareAccettabile(testo)); });
    connect(OKREC, &EtichettaPulsante::cliccata, this, &GridoraGame::OKREC_Click);

    // Form_Load
    CaselleGiuste = 0;
    CasellePiene = 0;
    PausaSuono = 1.0;
}

GridoraGame::~GridoraGame() = default;

void GridoraGame::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!m_avviata) {
        m_avviata = true;
        // After the first paint, so the window is on screen while the opening sounds play.
        QTimer::singleShot(0, this, &GridoraGame::Form_Activate);
    }
}

void GridoraGame::Form_Activate()
{
    tempoG->setCaption(OrologioIniziale);
    Tempora.stop();
    Timer1.stop();
    Suono(101);
    Suono(102);
    Suono(103);
    AiutoAccettato = 0;
    GiocoAvviato = 0;
    Errori = 0;
    tavoliere->coloraIndizi();
    CasellePiene = 0;
    for (int i = 0; i < CelleVideo; ++i) {
        tavoliere->setCellaAbilitata(i, false);
        SegniVideo[i] = 0;
        Segni[i] = 0;
    }
    const QImage icona = risorse::immagine(u"ICONA");
    Image2[0]->setImmagine(icona);
    Image2[1]->setImmagine(icona);

    Lato = ok.toInt();
    Q_ASSERT(latoValido(Lato));
    const Disposizione d = disposizione(Lato);
    posiziona(tavoliere->area, d.area.x(), d.area.y(), d.latoArea, d.latoArea);
    const std::array<std::pair<QWidget*, QPoint>, 6> cornici = {{{tavoliere->d1, d.d1},
                                                                 {tavoliere->d2, d.d2},
                                                                 {tavoliere->d3, d.d3},
                                                                 {tavoliere->v1, d.v1},
                                                                 {tavoliere->v2, d.v2},
                                                                 {tavoliere->v3, d.v3}}};
    for (const auto& [frame, dove] : cornici) {
        if (!dove.isNull())
            sposta(frame, dove.x(), dove.y());
    }
    const OpzioniGioco& opzioni = m_servizi.opzioni;
    setWindowTitle(titoloGioco(Lato, opzioni.senzaX(), opzioni.senzaErrori()));
    hlpYes[0]->setToolTip(suggerimentoAiutoSi(Lato));
    hlpYes[1]->setToolTip(suggerimentoAiutoNo());

    CaricaF();
    if (GiocoAvviato == 0 && !PixelScelto.isEmpty())
        richhlp->show();
}

void GridoraGame::CaricaF()
{
    tavoliere->Pulisci();
    tavoliere->disegna(Lato);
    tavoliere->Caricato = 1;
    PixelScelto.clear();
    IdScelto = 0;
    m_scelto = {};
    const Esito<int> quanti = m_servizi.archivio.conta(Lato);
    if (!quanti.ok()) {
        avvisa(quanti.stato);
        return;
    }
    const int n = quanti.valore;
    if (n == 0) {
        m_servizi.messaggi.avviso(
            this, QStringLiteral("NESSUNO SCHEMA"),
            QStringLiteral("Non ci sono schemi %1 (%2x%2) da giocare.\nCreane uno con "
                           "\"Crea Schema\" e riprova.")
                .arg(parolaDimensione(Lato))
                .arg(Lato));
        return;
    }
    // Every puzzle of the size is equally likely.
    const int scelto = std::clamp(static_cast<int>(m_servizi.casuale() * n), 0, n - 1);
    const Esito<Disegno> riga = m_servizi.archivio.caricaPosizione(Lato, scelto);
    if (!riga.ok()) {
        avvisa(riga.stato);
        return;
    }
    m_scelto = riga.valore;
    PixelScelto = m_scelto.pixel;
    IdScelto = m_scelto.id;
}

void GridoraGame::hlpYes_Click(int Index)
{
    richhlp->hide();
    GiocoAvviato = 1;
    if (Index == 0) {
        AiutoAccettato = 1;
        tempoG->setCaption(orologioConAiuto(Lato));
    }
    for (int i = 0; i < CelleVideo; ++i) {
        tavoliere->setCellaAbilitata(i, false);
        SegniVideo[i] = 0;
    }
    Ricarica(Lato);
}

void GridoraGame::Ricarica(int Schema)
{
    PausaSuono = 0.08;
    if (GiocoAvviato == 0)
        return;
    if (PixelScelto.isEmpty()) { // no puzzle of this size: nothing to play
        GiocoAvviato = 0;
        return;
    }
    const Disegno& disegno = m_scelto;
    if (disegno.griglia.toInt() != Schema || !pixelValido(disegno.pixel, Schema)) {
        // No game can take place: the empty board stays disabled and the window closable.
        GiocoAvviato = 0;
        m_servizi.messaggi.avviso(
            this, QStringLiteral("SCHEMA NON VALIDO"),
            QStringLiteral("Lo schema scelto non è valido per una griglia %1x%1.").arg(Schema));
        return;
    }
    NomeDisegno = disegno.nome;
    TrovaRecord(disegno);
    tavoliere->mostraCornici(Schema);

    gridora::Segni soluzione{};
    for (int r = 0; r < Schema; ++r) {
        for (int c = 0; c < Schema; ++c) {
            const int i = indiceVideo(r, c);
            const int q = indiceLogico(r, c, Schema);
            if (disegno.pixel[q] == u'1') {
                soluzione[q] = Pieno;
                Soluzione[i] = 1;
                ++CasellePiene;
            } else {
                tavoliere->Image1[i]->setImmagine(immagineCella(Vuoto, tonalita(i)));
                Soluzione[i] = 0;
            }
        }
    }
    tavoliere->IndiziCalcolati = 0;
    tavoliere->Conta(Schema, soluzione);

    // Lines without clues are crossed before play starts.
    for (int linea = 0; linea < Schema; ++linea) {
        const bool colonnaVuota = tavoliere->Verticale[linea]->caption().isEmpty();
        const bool rigaVuota = tavoliere->orizzontale[linea]->caption().isEmpty();
        for (int j = 0; j < Schema; ++j) {
            for (const int i : {colonnaVuota ? indiceVideo(j, linea) : -1,
                                rigaVuota ? indiceVideo(linea, j) : -1}) {
                if (i >= 0) {
                    mostraImmagineCella(i, Croce);
                    SegniVideo[i] = Soluzione[i] = 2;
                }
            }
        }
    }

    if (AiutoAccettato == 1)
        AvviaAiuto();

    // Countdown on the pointer.
    Timer1.start();
    setCursor(risorse::puntatore(u"TRE"));
    Tempo(1);
    setCursor(risorse::puntatore(u"DUE"));
    Tempo(1);
    setCursor(risorse::puntatore(u"UNO"));
    if (AUDIO == QLatin1String("0"))
        m_servizi.suono.beep();
    Tempo(1);
    setCursor(risorse::puntatore(u"VIA"));
    Tempo(1);
    unsetCursor();

    RipristinaAiuto();
    for (int i = 0; i < CelleVideo; ++i) {
        if (SegniVideo[i] != 1) // cells the help revealed as filled keep their state
            tavoliere->setCellaAbilitata(i, true);
    }
    Tempora.start();
}

bool GridoraGame::partitaInCorso() const
{
    return GiocoAvviato != 0 && NomeFig->caption().isEmpty();
}

void GridoraGame::closeEvent(QCloseEvent* evento)
{
    if (partitaInCorso()) {
        evento->ignore();
        return;
    }
    Form_Unload();
    evento->accept();
    emit chiusa();
}

void GridoraGame::reject()
{
    close(); // the Escape key obeys the same guard as the close box
}

void GridoraGame::Form_Unload()
{
    TempoScaduto = 0;
    AiutoAccettato = 0;
    TempoR->hide();
    nomer->hide();
    Timer1.stop();
    Tempora.stop();
    if (AUDIO == QLatin1String("0"))
        m_servizi.suono.ferma();
    for (int i = 0; i < CelleVideo; ++i) {
        SegniVideo[i] = 0;
        Soluzione[i] = 0;
        tavoliere->setCellaAbilitata(i, false);
    }
}

void GridoraGame::avvisa(const EsitoArchivio& esito)
{
    m_servizi.messaggi.avviso(this, QStringLiteral("ARCHIVIO DEI DISEGNI"), esito.messaggio);
}

} // namespace gridora
