#pragma once

// The image import window, "Importa": a picture file chosen on disk, or a drawing made with the
// mouse on the preview, becomes a drawing of 5, 10 or 15 cells a side for the editor.
//
// At the left the drive list, the folder tree and the file list; a picture chosen there is shown
// stretched in the preview, which the mouse can also paint on; "Trasforma" samples the preview
// into the result area, and the same button, now reading "Importa", hands the cells over.
//
// A SessioneImportazione kept for the whole run is given to the window:
// browsing starts where the session says and the volume and folder chosen are remembered there;
// the size options follow the session's side whenever the window is shown, and a size chosen here
// is written to the session at once. Before each showing the editor calls preparaApertura(). A
// transfer emits trasferita() and hides the window, which keeps its folder, list and preview for
// the next opening; closing the window writes the side to the session, empties the preview as a
// fresh window would have it, and emits chiusa().
//
// Folders are listed and pictures read by a Caricatore, away from the window's thread: nothing
// the disk does can stop the window, and nothing runs while it waits for the user.

#include "import/LetturaImmagine.h"
#include "import/SessioneImportazione.h"
#include "widgets/Servizi.h"

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QMenu;
class QGroupBox;
class QListView;
class QRadioButton;
class QStringListModel;
class QTreeWidget;

namespace gridora {

class Caricatore;
class Etichetta;
class EtichettaPulsante;
class Forma;
class RisultatoConversione;
class TelaAnteprima;
struct ContenutoCartella;
struct SchemaNon;
struct SchemaRaccolto;

// Where browsing looks, replaceable for tests.
struct AmbienteImportazione {
    QString cartellaProgramma;           // where browsing starts; empty: the program's own folder
    std::function<QStringList()> volumi; // roots of the volumes, in order; empty: the mounted ones
};

class Importa : public QWidget {
    Q_OBJECT

public:
    Importa(const Servizi& servizi, SessioneImportazione& sessione, LetturaImmagine lettura,
            AmbienteImportazione ambiente = {}, QWidget* genitore = nullptr);
    ~Importa() override;

    // The controls by their names, for pictures of the window and for tests that look at it.
    struct Controlli {
        QComboBox* Drive1 = nullptr;
        QTreeWidget* Dir1 = nullptr;
        QListView* File1 = nullptr;
        TelaAnteprima* test = nullptr;
        RisultatoConversione* risultato = nullptr; // Shape2 with the conversion drawn in it
        Etichetta* errore = nullptr;
        Etichetta* Label1 = nullptr;
        Etichetta* Label2 = nullptr;
        EtichettaPulsante* Importami = nullptr;
        QGroupBox* Frame1 = nullptr;
        QGroupBox* Frame2 = nullptr;
        std::array<QRadioButton*, 3> Option1{}; // 5x5, 10x10, 15x15
        Forma* Shape1 = nullptr;
        Forma* Shape3 = nullptr;
    };
    const Controlli& controlli() const { return m_c; }

    // What the editor does before showing the window: the convert button reads "Trasforma" and
    // is disabled, and the window is centred on `aprente` when one is given.
    void preparaApertura(const QWidget* aprente);

    int lato() const { return m_lato; }
    const QString& volume() const { return m_volume; }
    const QString& cartella() const { return m_cartella; }
    const QStringList& volumi() const { return m_volumi; }
    // The last conversion's cells, row after row ("1" filled, "0" empty), and their side.
    const QString& celle() const;
    int latoCelle() const;
    // A folder is being listed or a picture read.
    bool occupata() const;

signals:
    // "Importa": the cells of the last conversion, of `lato` x `lato` characters, and the title
    // of the puzzle file they come from (empty for a picture or a drawing). The window has
    // hidden itself.
    void trasferita(const QString& pixel, int lato, const QString& titolo);
    // The user closed the window; the session holds its side.
    void chiusa();
    // A folder's files are on show, or a chosen file has been read (shown, or refused).
    void cartellaMostrata(const QString& cartella);
    void figuraMostrata(bool valida);

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // Composition.
    void componi();
    void componiNavigazione();
    void componiTitoli();
    void componiLegenda();
    void componiLati();
    void collega();

    // Browsing.
    void Form_Activate();
    void Drive1_Change(const QString& volume);
    void Dir1_Change(const QString& cartella);
    void richiediCartella(const QString& volume, const QString& cartella);
    void cartellaElencata(int richiesta, const QString& cartella,
                          const ContenutoCartella& contenuto);
    void mostraCartella(const ContenutoCartella& contenuto);
    void riallineaNavigazione();
    void File1_Click(int riga);
    void figuraLetta(int richiesta, const QByteArray& percorso, const EsitoImmagine& esito);
    void mostraSchema(const EsitoImmagine& esito);
    void dimenticaFigura();

    // The file list's menu: the folder's puzzle files into the collection.
    void File1_Menu(QPoint punto);
    void aggiungiTutti();
    void schemiRaccolti(int richiesta, const QList<SchemaRaccolto>& schemi);

    // Conversion and transfer.
    void Importami_Click();
    void converti();
    void trasferisci();
    void Option1_Click(int Index);
    void tela_MouseDown();
    void tela_Svuotata();
    void Cancella();
    void pulsante(const QString& caption, bool abilitato);
    void coloriPulsante(bool sotto);
    void Form_Unload();

    const Servizi& m_servizi;
    SessioneImportazione& m_sessione;
    const AmbienteImportazione m_ambiente;
    Caricatore* m_caricatore = nullptr;
    Controlli m_c;
    QStringListModel* m_file = nullptr; // the names File1 shows
    QList<QByteArray> m_nomiFile;       // the same names as the file system spells them

    int m_lato = 5;
    QStringList m_volumi;
    QString m_volume;          // shown in Drive1
    QString m_cartella;        // shown in Dir1, its files in File1
    bool m_daRileggere = true; // the next showing lists the session's folder again
    struct Attesa {
        int richiesta = 0;
        QString volume;
        QString cartella;
    };
    Attesa m_elenco;    // the folder being listed
    int m_lettura = 0;  // the picture being read
    int m_raccolta = 0; // the folder's puzzle files being read for the collection
    QMenu* m_menuFile = nullptr;
    int m_rigaPremuta = -1; // the selected file when the mouse went down on the list
    // The puzzle file on show, if any; its cells are converted as they are while no stroke has
    // touched the preview.
    std::shared_ptr<const SchemaNon> m_schema;
    bool m_ritoccata = false;
};

} // namespace gridora
