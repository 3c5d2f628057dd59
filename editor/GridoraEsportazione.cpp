// Puzzles out of the database: the list's menu writes the selected puzzle, or every puzzle of the
// side, as ".non" files. What is written is what is stored, read again at the moment of writing.
// A write never leaves a half-written file under its final name, and a failure is reported.

#include "editor/Gridora.h"
#include "model/FileSicuri.h"
#include "model/FormatoNon.h"
#include "widgets/Messaggi.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QMenu>

namespace gridora {

namespace {

const QString TitoloErrore = QStringLiteral("ESPORTAZIONE NON RIUSCITA");

} // namespace

// The list's context menu, shown where the right button was pressed.
void Gridora::componiMenuLista()
{
    m_menuLista = new QMenu(this);
    m_menuLista->addAction(QStringLiteral("Esporta schema..."), this, &Gridora::esportaSchema);
    m_menuLista->addAction(QStringLiteral("Esporta tutti..."), this, &Gridora::esportaTutti);
    m_c.Lista->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_c.Lista, &QWidget::customContextMenuRequested, this, [this](QPoint punto) {
        if (m_modoLista)
            m_menuLista->popup(m_c.Lista->viewport()->mapToGlobal(punto));
    });
}

// "Esporta schema...": the selected puzzle into a file the user names, its name proposed.
void Gridora::esportaSchema()
{
    if (!selezioneValida())
        return;
    const Esito<Disegno> letto = m_servizi.archivio.carica(lato(), m_righe[m_indiceScelto].id);
    if (!letto.ok()) {
        avvisaArchivio(TitoloErrore, letto.stato);
        return;
    }
    const Disegno& scelto = letto.valore;
    const QByteArray dati = scriviNon(scelto.nome, lato(), lato(), scelto.pixel);
    if (dati.isEmpty()) {
        m_servizi.messaggi.avviso(this, TitoloErrore,
                                  QStringLiteral("Il disegno ") + scelto.nome +
                                      QStringLiteral(" non è valido."));
        return;
    }
    const QString proposto =
        QDir(m_cartellaEsportazione).filePath(nomeFileSicuro(scelto.nome) + EstensioneNon);
    const QString percorso = m_dialoghi->fileDaSalvare(this, QStringLiteral("Esporta schema"),
                                                       proposto, QStringLiteral("Schemi (*.non)"));
    if (percorso.isEmpty())
        return;
    m_cartellaEsportazione = QFileInfo(percorso).absolutePath();
    if (!scriviFileAtomico(percorso, dati)) {
        m_servizi.messaggi.avviso(this, TitoloErrore,
                                  QStringLiteral("Impossibile scrivere il file:\n") +
                                      QDir::toNativeSeparators(percorso));
    }
}

// "Esporta tutti...": every puzzle of the side into a folder, one new file each, named from the
// puzzle's name; a file already there is never replaced. The first write that fails stops it.
void Gridora::esportaTutti()
{
    const Esito<QList<Disegno>> righe = m_servizi.archivio.elenco(lato());
    if (!righe.ok()) {
        avvisaArchivio(TitoloErrore, righe.stato);
        return;
    }
    const QString cartella =
        m_dialoghi->cartella(this, QStringLiteral("Esporta tutti gli schemi %1 x %1").arg(lato()),
                             m_cartellaEsportazione);
    if (cartella.isEmpty())
        return;
    m_cartellaEsportazione = cartella;
    const QString dove = QDir::toNativeSeparators(cartella);
    int scritti = 0;
    int nonValidi = 0;
    for (const Disegno& d : righe.valore) {
        const QByteArray dati = scriviNon(d.nome, lato(), lato(), d.pixel);
        if (dati.isEmpty()) {
            ++nonValidi;
            continue;
        }
        if (scriviFileNuovo(cartella, d.nome, QString::fromLatin1(EstensioneNon), dati).isEmpty()) {
            const QString testo = QStringLiteral("Impossibile scrivere lo schema %1 nella "
                                                 "cartella:\n%2\nSchemi esportati: %3 di %4.")
                                      .arg(d.nome, dove, QString::number(scritti),
                                           QString::number(righe.valore.size()));
            m_servizi.messaggi.avviso(this, TitoloErrore, testo);
            return;
        }
        ++scritti;
    }
    QString testo =
        QStringLiteral("Schemi esportati: %1\nCartella: %2").arg(QString::number(scritti), dove);
    if (nonValidi > 0)
        testo += QStringLiteral("\nDisegni non validi, non esportati: %1").arg(nonValidi);
    m_servizi.messaggi.avviso(this, QStringLiteral("ESPORTAZIONE"), testo);
}

} // namespace gridora
