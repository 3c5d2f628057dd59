#pragma once

// The puzzle editor window, "Crea Schermo Gridora": puzzles of each side are drawn cell by cell
// with live clues and a preview, saved under a name with the duplicate checks, listed, stepped
// through, modified and deleted. The drawing's rules are a DisegnoEditor; the window shows them
// and talks to the database. Nothing runs while the window waits for the user.
//
// Two modes: drawing (narrow window, list hidden) and list (widened window with the list of the
// side's puzzles, one of them selected and shown on the board).
//
// The keyboard: while the board has the focus its cursor keys act as clicks (see Tavoliere).
// Ctrl+Z undoes a drawing change, Ctrl+Y or Ctrl+Shift+Z redoes it, wherever the focus is but in
// the name box, whose own text they undo and redo.

#include "editor/DialoghiFile.h"
#include "editor/ImportazioneEditor.h"
#include "model/Archivio.h"
#include "model/DisegnoEditor.h"
#include "widgets/Servizi.h"

#include <QDir>
#include <QWidget>
#include <array>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QListView;
class QMenu;
class QRadioButton;
class QStringListModel;
class QTimer;

namespace gridora {

class Anteprima;
class Etichetta;
class EtichettaPulsante;
class Forma;
class Importa;
class RipetizioneColonna;
class Tavoliere;

class Gridora : public QWidget {
    Q_OBJECT

public:
    // `importazione` outlives the window: the editor opens at the side last chosen there.
    Gridora(const Servizi& servizi, ImportazioneEditor& importazione, QWidget* genitore = nullptr);
    ~Gridora() override;

    // The controls by their names, for pictures of the window and for tests that look at it.
    struct Controlli {
        EtichettaPulsante* SalvaF = nullptr;
        EtichettaPulsante* CaricaF = nullptr;
        EtichettaPulsante* ClearF = nullptr;
        EtichettaPulsante* ModF = nullptr;
        EtichettaPulsante* DelF = nullptr;
        EtichettaPulsante* ImportaF = nullptr;
        QWidget* mappa = nullptr;
        QGroupBox* Frame1 = nullptr;
        std::array<QRadioButton*, 3> Option1{}; // 5x5, 10x10, 15x15
        QWidget* modnome = nullptr;
        QLineEdit* Nome = nullptr;
        QListView* Lista = nullptr;
        Forma* Shape3 = nullptr;
        const Etichetta* hlp2 = nullptr;
        Anteprima* anteprima = nullptr;
    };
    const Controlli& controlli() const { return m_c; }
    const Tavoliere& tavoliere() const { return *m_tavoliere; }
    const DisegnoEditor& disegno() const { return m_disegno; }
    int lato() const { return m_disegno.lato(); }
    bool modoLista() const { return m_modoLista; }

    // The image import's result: a cell string of a side. It goes on the board with its clues
    // and preview and its empty lines crossed; the list stays as it is, and so does the name box
    // unless it is empty and the drawing came with a title (a puzzle file's), which it then
    // shows. A drawing of another side first chooses that side. False, and nothing changes, for
    // a string that is not a drawing of that side.
    bool riceviImportazione(const QString& pixel, int lato, const QString& titolo = {});
    // The import window, once "Importa Immagine" has opened it (in this opening or an earlier one).
    Importa* importa() const { return m_importazione.fatta(); }
    // Where the import browses (`disco` and `dy`) and the side it converts to.
    SessioneImportazione& sessioneImportazione() { return m_importazione.sessione(); }
    // Where the exports ask for a file or a folder: the real dialogs unless told otherwise.
    void setDialoghi(DialoghiFile& dialoghi) { m_dialoghi = &dialoghi; }

protected:
    void mouseMoveEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // Composition.
    void componi();
    void componiFigura();
    void componiPulsanti();
    void componiNome();
    void collega();

    // Size, modes and the label-buttons.
    void Option1_Click(int Index);
    void apriImportazione();
    void modoDisegno();
    void modoElenco();
    void evidenziaPulsante(const EtichettaPulsante* sotto);

    // Drawing.
    void clicCella(int riga, int colonna, Qt::MouseButton pulsante);
    void tastoSuCella(int riga, int colonna, Qt::MouseButton pulsante);
    void inizioTrascinamento(int riga, int colonna, Qt::MouseButton pulsante);
    void cellaTrascinata(int riga, int colonna);
    void fineTrascinamento();
    void Image1_MouseMove(int riga, int colonna);
    void Verticale_MouseMove(int colonna);
    void ripetiColonnaCursore();
    void cancellaSchermo();
    bool tastoStoria(const QKeyEvent* evento);
    void annullaPasso();
    void ripetiPasso();
    void mostraDisegno();
    void mostraCella(int riga, int colonna);
    void disegnoCambiato();
    void segnalaAmbiguita();
    void aggiornaModifica();

    // Puzzle management.
    void salva();
    void apriElenco();
    void Lista_Click(int riga);
    void Ricarica(int Selezione, const Disegno& scelto);
    void selezionaInElenco(int riga);
    void Nome_Change();
    void modifica();
    void elimina();
    void caricaElenco(int posizione);
    bool disegnoNonVuoto();
    QString conAvvisoUnicita(const QString& testo) const;
    void avvisaArchivio(const QString& titolo, const EsitoArchivio& esito);
    bool selezioneValida() const;
    void impostaNome(const QString& nome);

    // Export to files, from the list's menu.
    void componiMenuLista();
    void esportaSchema();
    void esportaTutti();

    const Servizi& m_servizi;
    Controlli m_c;
    Tavoliere* m_tavoliere = nullptr;
    std::unique_ptr<RipetizioneColonna> m_ripetizione;
    ImportazioneEditor& m_importazione; // the import window and its session, for the whole run
    Importa* m_importa = nullptr;       // the import window, once connected to this editor
    QButtonGroup* m_lati = nullptr;
    std::array<EtichettaPulsante*, 6> m_pulsanti{};

    DisegnoEditor m_disegno;
    Indizi m_indizi;                    // the clues of the drawing, as the labels show them
    int m_numeroDisegni = 0;            // puzzles of the side counted at the last size choice
    bool m_modoLista = false;           // the list is shown and one of its puzzles selected
    QStringListModel* m_nomi = nullptr; // the names the list shows
    QList<VoceElenco> m_righe;          // the rows behind the list, in its order
    bool m_riempiendo = false;          // the program moves the list's selection: no click
    int m_indiceScelto = -1;            // list position of the selected puzzle
    QString m_pixelScelto;              // the selected puzzle's drawing, as read
    Segno m_segnoTrascinato = Vuoto;    // what a drag gives every cell it enters
    QTimer* m_conteggio = nullptr;      // the count of the drawing's pictures, after a change
    QMenu* m_menuLista = nullptr;
    DialoghiFileReali m_dialoghiReali;
    DialoghiFile* m_dialoghi = &m_dialoghiReali;
    QString m_cartellaEsportazione = QDir::homePath(); // the last folder written to
};

} // namespace gridora
