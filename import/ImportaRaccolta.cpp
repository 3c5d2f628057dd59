// The file list's menu in the import window: every puzzle file of the folder on show added to
// the collection at once. The files are read on the Caricatore's thread; the rows are written
// on the window's thread in one short transaction (which waits at most a second for a file that
// another program holds), and one message tells what was added and what was not.

#include "import/Caricatore.h"
#include "import/Importa.h"
#include "model/RaccoltaNon.h"
#include "widgets/Messaggi.h"

#include <QFile>
#include <QListView>
#include <QMenu>

namespace gridora {

void Importa::File1_Menu(QPoint punto)
{
    if (!m_menuFile) {
        m_menuFile = new QMenu(this);
        m_menuFile->addAction(QStringLiteral("Aggiungi tutti alla raccolta"), this,
                              &Importa::aggiungiTutti);
    }
    m_menuFile->actions().constFirst()->setEnabled(m_raccolta == 0 && !m_cartella.isEmpty());
    m_menuFile->popup(m_c.File1->viewport()->mapToGlobal(punto));
}

void Importa::aggiungiTutti()
{
    if (m_raccolta == 0 && !m_cartella.isEmpty())
        m_raccolta = m_caricatore->raccogli(QFile::encodeName(m_cartella), m_nomiFile);
}

void Importa::schemiRaccolti(int richiesta, const QList<SchemaRaccolto>& schemi)
{
    if (richiesta != m_raccolta)
        return;
    m_raccolta = 0;
    const RiepilogoRaccolta riepilogo = aggiungiAllaRaccolta(m_servizi.archivio, schemi);
    if (riepilogo.stato.ok())
        m_servizi.messaggi.avviso(this, QStringLiteral("RACCOLTA"), testoRiepilogo(riepilogo));
    else
        m_servizi.messaggi.avviso(this, QStringLiteral("SCHEMI NON AGGIUNTI"),
                                  riepilogo.stato.messaggio);
}

} // namespace gridora
