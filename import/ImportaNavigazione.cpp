// Browsing in the import window: the volume in Drive1, the folder in Dir1, the picture files in
// File1, and the picture chosen there. A volume or folder that cannot be read leaves everything
// as it was.

#include "import/Campionamento.h"
#include "import/Caricatore.h"
#include "import/Importa.h"
#include "import/RisultatoConversione.h"
#include "import/TelaAnteprima.h"
#include "model/FormatoNon.h"
#include "widgets/Etichetta.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QRadioButton>
#include <QStringListModel>
#include <QStyle>
#include <QTreeWidget>

namespace gridora {

// Each showing: the size options follow the session's side (choosing another one runs its
// handler), the volumes are read again, and the session's folder is listed if it is not the one
// on show. The first showing, and the first after a close, also title the result with the side.
void Importa::Form_Activate()
{
    const int lato = m_sessione.lato == 15 ? 15 : m_sessione.lato == 10 ? 10 : 5;
    m_c.Option1[lato / 5 - 1]->setChecked(true);
    m_lato = lato;
    if (m_daRileggere)
        m_c.Label2->setCaption(QStringLiteral("Bitmap %1x%1").arg(m_lato));

    m_volumi = m_ambiente.volumi ? m_ambiente.volumi() : volumiMontati();
    riallineaNavigazione();

    const QString cartella = QDir::cleanPath(!m_sessione.cartella.isEmpty() ? m_sessione.cartella
                                             : !m_ambiente.cartellaProgramma.isEmpty()
                                                 ? m_ambiente.cartellaProgramma
                                                 : QCoreApplication::applicationDirPath());
    if (!m_daRileggere && cartella == m_cartella)
        return;
    m_daRileggere = false;
    QString volume = m_sessione.volume;
    if (volume.isEmpty() || volumeDi(cartella, {volume}).isEmpty())
        volume = volumeDi(cartella, m_volumi);
    richiediCartella(volume.isEmpty() ? cartella : volume, cartella);
}

void Importa::Drive1_Change(const QString& volume)
{
    if (volume != m_volume)
        richiediCartella(volume, volume);
}

void Importa::Dir1_Change(const QString& cartella)
{
    if (cartella != m_cartella)
        richiediCartella(m_volume, cartella);
}

void Importa::richiediCartella(const QString& volume, const QString& cartella)
{
    m_elenco = {m_caricatore->elenca(cartella), volume, cartella};
}

void Importa::cartellaElencata(int richiesta, const QString& cartella,
                               const ContenutoCartella& contenuto)
{
    if (richiesta != m_elenco.richiesta)
        return;
    const Attesa attesa = m_elenco;
    m_elenco = {};
    // Nothing on show yet: even an unreadable folder is shown (empty), so that another can be
    // chosen from it.
    if (!contenuto.leggibile && !m_cartella.isEmpty()) {
        riallineaNavigazione();
        return;
    }
    m_volume = attesa.volume;
    m_cartella = cartella;
    m_sessione.volume = m_volume;
    m_sessione.cartella = m_cartella;

    // A new folder: nothing chosen, nothing to convert.
    pulsante(QStringLiteral("Trasforma"), false);
    Cancella();
    m_caricatore->annullaLettura();
    m_lettura = 0;
    dimenticaFigura();
    mostraCartella(contenuto);
    emit cartellaMostrata(m_cartella);
}

// Dir1 as a tree: the volume's root, each folder down to the one on show (open), and that
// folder's subfolders (closed).
void Importa::mostraCartella(const ContenutoCartella& contenuto)
{
    m_file->setStringList(contenuto.figure);
    m_nomiFile = contenuto.nomiFigure;
    m_c.File1->scrollToTop();

    QTreeWidget* albero = m_c.Dir1;
    albero->clear();
    const QIcon aperta = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon chiusa = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* sopra = nullptr;
    const QStringList percorso = percorsoDa(m_volume, m_cartella);
    for (const QString& passo : percorso) {
        const QString nome = sopra ? QDir(passo).dirName() : passo;
        auto* voce =
            sopra ? new QTreeWidgetItem(sopra, {nome}) : new QTreeWidgetItem(albero, {nome});
        voce->setData(0, Qt::UserRole, passo);
        voce->setIcon(0, aperta);
        voce->setExpanded(true);
        sopra = voce;
    }
    QTreeWidgetItem* corrente = sopra;
    for (const QString& nome : contenuto.cartelle) {
        auto* voce = new QTreeWidgetItem(corrente, {nome});
        voce->setData(0, Qt::UserRole, QDir(m_cartella).filePath(nome));
        voce->setIcon(0, chiusa);
    }
    riallineaNavigazione();
}

// Drive1 and Dir1 show the volume and folder on show again, after a choice that was refused.
void Importa::riallineaNavigazione()
{
    QComboBox* dischi = m_c.Drive1;
    QStringList voci = m_volumi;
    if (!m_volume.isEmpty() && !voci.contains(m_volume))
        voci.append(m_volume); // gone since it was chosen: still the one on show
    QStringList presenti;
    for (int i = 0; i < dischi->count(); ++i)
        presenti.append(dischi->itemText(i));
    if (presenti != voci) {
        dischi->clear();
        dischi->addItems(voci);
    }
    dischi->setCurrentIndex(int(voci.indexOf(m_volume)));

    QTreeWidgetItemIterator it(m_c.Dir1);
    for (; *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == m_cartella) {
            m_c.Dir1->setCurrentItem(*it);
            m_c.Dir1->scrollToItem(*it);
            break;
        }
    }
}

// A file of the list: read away from the window's thread, by its name as the file system gave it;
// until it is shown the preview is empty and there is nothing to convert.
void Importa::File1_Click(int riga)
{
    const QByteArray nome = m_nomiFile.value(riga);
    if (nome.isEmpty())
        return;
    pulsante(QStringLiteral("Trasforma"), false);
    m_c.test->show();
    m_c.errore->hide();
    Cancella();
    dimenticaFigura();
    m_lettura = m_caricatore->leggi(QFile::encodeName(m_cartella) + '/' + nome,
                                    QSize(LatoInternoAnteprima, LatoInternoAnteprima));
}

void Importa::figuraLetta(int richiesta, const QByteArray&, const EsitoImmagine& esito)
{
    if (richiesta != m_lettura)
        return;
    m_lettura = 0;
    if (esito.ok()) {
        mostraSchema(esito);
        m_c.test->mostraFigura(esito.immagine);
        pulsante(QStringLiteral("Trasforma"), true);
    } else {
        dimenticaFigura();
        m_c.test->hide();
        m_c.errore->show();
        pulsante(QStringLiteral("Trasforma"), false);
    }
    emit figuraMostrata(esito.ok());
}

// A puzzle of a side the game has moves the size choice to it (nothing converts yet: the button
// is still disabled); any other puzzle converts like a picture.
void Importa::mostraSchema(const EsitoImmagine& esito)
{
    m_schema = esito.schema;
    m_ritoccata = false;
    if (!m_schema || m_schema->larghezza != m_schema->altezza)
        return;
    const int lato = m_schema->larghezza;
    pulsante(QStringLiteral("Trasforma"), false);
    if ((lato == 5 || lato == 10 || lato == 15) && lato != m_lato)
        m_c.Option1[lato / 5 - 1]->setChecked(true);
}

void Importa::dimenticaFigura()
{
    m_schema.reset();
    m_c.test->svuota();
}

} // namespace gridora
