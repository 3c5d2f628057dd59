// Puzzle management: saving the drawing with the duplicate checks, the list of the side's
// puzzles, the name box, modifying and deleting the selected puzzle. Every write addresses its
// row by identity; a write the database refuses is reported and leaves the board and the name
// box as they were. The list's selection, the board and the name box always show the same row:
// a row whose reading fails is reported and leaves all three as they were. Only the buttons and
// the list reach the database; typing and drawing never wait for it.

#include "editor/Gridora.h"
#include "model/Salvataggio.h"
#include "widgets/Etichetta.h"
#include "widgets/Messaggi.h"
#include "widgets/Tavoliere.h"

#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>
#include <QStringListModel>
#include <algorithm>

namespace gridora {

namespace {

const QString TitoloArchivio = QStringLiteral("ARCHIVIO DEI DISEGNI");
const QString TitoloProgramma = QStringLiteral("GridoraPC");

} // namespace

// Command1_Click, "Salva": the drawing becomes a new puzzle of the side, unless its name or its
// drawing is already there.
void Gridora::salva()
{
    if (!disegnoNonVuoto())
        return;
    const Esito<QList<Disegno>> righe = m_servizi.archivio.elenco(lato());
    if (!righe.ok()) {
        avvisaArchivio(TitoloArchivio, righe.stato);
        return;
    }
    const QString pixel = m_disegno.pixel();
    const QString digitato = m_c.Nome->text();
    switch (verdettoSalvataggio(righe.valore, digitato, pixel)) {
    case Verdetto::NomePresente:
        m_servizi.messaggi.avviso(
            this, QStringLiteral("NOME PRESENTE"),
            QStringLiteral("Esiste già un disegno con questo nome\nInserire un nuovo nome."));
        return;
    case Verdetto::DisegnoPresente:
        m_servizi.messaggi.avviso(
            this, QStringLiteral("DISEGNO PRESENTE"),
            QStringLiteral("Esiste già un disegno uguale a questo.\nCambiare qualche Pixel."));
        return;
    case Verdetto::Doppione:
        m_servizi.messaggi.avviso(this, QStringLiteral("RECORD DOPPIONE"),
                                  QStringLiteral("Esiste già un disegno con questo nome e pixel.\n"
                                                 "Inserire un nuovo nome e immagine diversa."));
        return;
    case Verdetto::Libero:
        break;
    }
    const QString nome = nomeDaSalvare(righe.valore, digitato, m_numeroDisegni);
    impostaNome(nome);
    if (!m_servizi.messaggi.domanda(this, QStringLiteral("Salvo come: ") + nome.toUpper(),
                                    conAvvisoUnicita(QStringLiteral("Sei sicuro?")))) {
        impostaNome({});
        return;
    }
    const Esito<qint64> nuovo = m_servizi.archivio.inserisci(lato(), pixel, nome);
    if (!nuovo.ok()) {
        avvisaArchivio(QStringLiteral("DISEGNO NON SALVATO"), nuovo.stato);
        return;
    }
    m_servizi.messaggi.avviso(this, TitoloProgramma, QStringLiteral("Disegno Salvato"));
    // The list, if shown, lacks the new puzzle: back to drawing, on an empty board, with nothing
    // to undo.
    modoDisegno();
    impostaNome({});
    cancellaSchermo();
    m_disegno.nuovaCronologia();
}

// Command2_Click, "Carica": the list of the side's puzzles, with the first one on the board.
void Gridora::apriElenco()
{
    caricaElenco(0);
}

// Fills the list from the database and shows the puzzle at a position of it (the last one when
// the list is shorter). Nothing changes when a reading fails. With no puzzle of the side the
// list empties and the editor draws on, with the board and the name box as they were.
void Gridora::caricaElenco(int posizione)
{
    const Esito<QList<VoceElenco>> righe = m_servizi.archivio.nomi(lato());
    if (!righe.ok()) {
        avvisaArchivio(TitoloArchivio, righe.stato);
        return;
    }
    const int riga = std::clamp(posizione, 0, std::max(int(righe.valore.size()) - 1, 0));
    Esito<Disegno> letto;
    if (!righe.valore.isEmpty()) {
        letto = m_servizi.archivio.carica(lato(), righe.valore[riga].id);
        if (!letto.ok()) {
            avvisaArchivio(TitoloArchivio, letto.stato);
            return;
        }
    }
    m_righe = righe.valore;
    m_indiceScelto = -1;
    QStringList nomi;
    nomi.reserve(m_righe.size());
    for (const VoceElenco& voce : m_righe)
        nomi.append(voce.nome);
    m_riempiendo = true;
    m_nomi->setStringList(nomi);
    m_riempiendo = false;
    if (m_righe.isEmpty()) {
        modoDisegno();
        return;
    }
    selezionaInElenco(riga);
    modoElenco();
    Ricarica(riga, letto.valore);
}

// A row chosen in the list. Its drawing is read now: the list holds names only.
void Gridora::Lista_Click(int riga)
{
    if (riga < 0 || riga >= m_righe.size())
        return;
    const Esito<Disegno> letto = m_servizi.archivio.carica(lato(), m_righe[riga].id);
    if (!letto.ok()) {
        avvisaArchivio(TitoloArchivio, letto.stato);
        // The highlight goes back to the row on show once the list has handled the click.
        QMetaObject::invokeMethod(
            this, [this] { selezionaInElenco(m_indiceScelto); }, Qt::QueuedConnection);
        return;
    }
    Ricarica(riga, letto.valore);
}

// The puzzle read from a row of the list on the board, its name in the name box.
void Gridora::Ricarica(int Selezione, const Disegno& scelto)
{
    m_indiceScelto = Selezione;
    m_c.DelF->setEnabled(true);
    for (int i = 0; i < LatoMassimo; ++i)
        m_tavoliere->setBordoIndizioColonna(i, false);
    m_disegno.carica(scelto.pixel);
    m_pixelScelto = m_disegno.pixel();
    {
        // A stored puzzle's name: the name box check would find it.
        const QSignalBlocker senzaEventi(m_c.Nome);
        m_c.Nome->setText(scelto.nome);
    }
    mostraDisegno();
}

// Moves the list's highlight to a row without counting as a click.
void Gridora::selezionaInElenco(int riga)
{
    if (riga < 0 || riga >= m_nomi->rowCount())
        return;
    const QModelIndex indice = m_nomi->index(riga);
    m_riempiendo = true;
    m_c.Lista->setCurrentIndex(indice);
    m_c.Lista->scrollTo(indice);
    m_riempiendo = false;
}

// The name box changed. While a puzzle of the list is selected, the editor goes back to drawing
// once neither the name is one of the list's nor the drawing is the selected puzzle's. It decides
// from what the list and the selection have already read, so typing never waits for the file.
void Gridora::Nome_Change()
{
    if (m_modoLista) {
        const QString nome = m_c.Nome->text();
        const bool nomeElencato =
            std::any_of(m_righe.cbegin(), m_righe.cend(),
                        [&nome](const VoceElenco& v) { return v.nome == nome; });
        if (!nomeElencato && m_disegno.pixel() != m_pixelScelto)
            modoDisegno();
    }
    aggiornaModifica();
}

// Command5_Click, "Modifica Record": the selected puzzle takes the drawing and the name box text;
// its records stay. Then the list is read again and the same position shown, as stored.
void Gridora::modifica()
{
    if (!selezioneValida() || !disegnoNonVuoto())
        return;
    const VoceElenco scelto = m_righe[m_indiceScelto];
    const int posizione = m_indiceScelto;
    const QString testo =
        conAvvisoUnicita(QStringLiteral("Modifico il disegno:") + scelto.nome + u'?');
    if (m_servizi.messaggi.domanda(this, QStringLiteral("CONFERMA MODIFICA"), testo)) {
        const QString nome = nomeDaModificare(scelto.nome, m_c.Nome->text());
        const EsitoArchivio esito =
            m_servizi.archivio.modifica(lato(), scelto.id, nome, m_disegno.pixel());
        if (!esito.ok()) {
            avvisaArchivio(QStringLiteral("DISEGNO NON MODIFICATO"), esito);
            return;
        }
    }
    caricaElenco(posizione);
}

// Command4_Click, "Elimina Record": the selected puzzle leaves the database; the first remaining
// one is shown.
void Gridora::elimina()
{
    if (!selezioneValida())
        return;
    const VoceElenco scelto = m_righe[m_indiceScelto];
    const QString nome = scelto.nome.toUpper();
    if (!m_servizi.messaggi.domanda(this, QStringLiteral("CONFERMA CANCELLAZIONE"),
                                    QStringLiteral("Sicuro di voler eliminare: ") + nome + u'?'))
        return;
    const EsitoArchivio esito = m_servizi.archivio.elimina(lato(), scelto.id);
    if (!esito.ok()) {
        avvisaArchivio(QStringLiteral("DISEGNO NON ELIMINATO"), esito);
        return;
    }
    m_servizi.messaggi.avviso(this, QStringLiteral("OK"),
                              QStringLiteral("Disegno: ") + nome + QStringLiteral(" eliminato"));
    caricaElenco(0);
    if (m_righe.isEmpty()) { // that was the last one: an empty board to draw on
        m_disegno.setLato(lato());
        impostaNome({});
        mostraDisegno();
    }
}

// A drawing with no filled cell would be a puzzle that no game can finish.
bool Gridora::disegnoNonVuoto()
{
    if (m_disegno.piene() > 0)
        return true;
    m_servizi.messaggi.avviso(
        this, QStringLiteral("DISEGNO VUOTO"),
        QStringLiteral("Il disegno non ha nessuna casella piena.\nRiempire qualche Pixel."));
    return false;
}

// A confirmation's text, after a warning line when the clues fit more than one picture.
QString Gridora::conAvvisoUnicita(const QString& testo) const
{
    const QString avviso = avvisoUnicita(contaSoluzioni(m_disegno.pixel(), lato()).esito);
    return avviso.isEmpty() ? testo : avviso + u'\n' + testo;
}

void Gridora::avvisaArchivio(const QString& titolo, const EsitoArchivio& esito)
{
    m_servizi.messaggi.avviso(this, titolo, esito.messaggio);
}

bool Gridora::selezioneValida() const
{
    return m_modoLista && m_indiceScelto >= 0 && m_indiceScelto < m_righe.size();
}

void Gridora::impostaNome(const QString& nome)
{
    m_c.Nome->setText(nome);
}

} // namespace gridora
