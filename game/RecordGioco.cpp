#include "game/RecordGioco.h"

#include "model/Orologio.h"
#include "model/Record.h"
#include "widgets/Etichetta.h"
#include "widgets/Messaggi.h"

#include <QLineEdit>

namespace gridora {

RecordGioco::RecordGioco(const Servizi& servizi, QWidget* finestra, Vista vista)
    : m_servizi(servizi), m_finestra(finestra), m_vista(vista)
{
}

void RecordGioco::trova(const Disegno& disegno, int lato, ModoRecord modo)
{
    m_lato = lato;
    m_id = disegno.id;
    m_modo = modo;
    m_record = disegno.recordDi(modo);
    mostra();
}

bool RecordGioco::battuto(int secondi) const
{
    return nuovoRecord(secondi, m_record.titolare.isEmpty() ? QString() : m_record.tempo);
}

// The holder and the time under the board; nothing while the mode has no record.
void RecordGioco::mostra()
{
    const bool esiste = !m_record.titolare.isEmpty();
    m_vista.nomer->setCaption(m_record.titolare);
    m_vista.TempoR->setCaption(esiste ? m_record.tempo : testoOrario(SecondiTetto));
    m_vista.nomer->setVisible(esiste);
    m_vista.TempoR->setVisible(esiste);
}

void RecordGioco::registra(const QString& tempo)
{
    const QString digitato = m_vista.Text1->text();
    const RecordModo nuovo{titolareDaRegistrare(digitato), tempo};
    m_vista.Info->hide();
    m_vista.Text1->clear();
    const EsitoArchivio esito =
        m_servizi.archivio.scriviRecord(m_lato, m_id, m_modo, nuovo.titolare, nuovo.tempo);
    if (esito.ok()) {
        m_record = nuovo;
        mostra();
        return;
    }
    m_servizi.messaggi.avviso(m_finestra, QStringLiteral("RECORD NON SALVATO"), esito.messaggio);
    m_vista.Text1->setText(digitato);
    m_vista.Info->show();
}

} // namespace gridora
