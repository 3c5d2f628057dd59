#pragma once

// The 15 x 15 board shared by the game and the editor: the frame `area` with the cells
// `Image1(0..224)` and the block lines `dieci` and `quindici`, and the clue frames `d1..d3`
// (column clues `Verticale`) and `v1..v3` (row clues `orizzontale` over their `box` shapes).
// Smaller boards use the top-left part of the grid and hide the rest. Cells are addressed by
// row and column.

#include "model/Indizi.h"
#include "model/Tavola.h"
#include "widgets/Trascinamento.h"

#include <QCursor>
#include <QList>
#include <QObject>
#include <QPoint>
#include <array>

class QWidget;

namespace gridora {

class Cella;
class Etichetta;
class Forma;
class Linea;
class RiquadriCelle;

// The rules' name for a mouse button; the board's keys act as buttons too.
Pulsante pulsanteDi(Qt::MouseButton pulsante);

class Tavoliere : public QObject {
    Q_OBJECT

public:
    // Builds the board's controls inside `finestra`, at their designed places.
    explicit Tavoliere(QWidget* finestra);

    // Sets the side in use: places the board and its clue frames, paints the empty board, hides
    // what the side does not use, empties the clues and disables every cell.
    void setLato(int lato);
    int lato() const { return m_lato; }

    // The picture of a mark on a cell (by its shade).
    void mostraSegno(int riga, int colonna, Segno segno);
    int immagine(int riga, int colonna) const; // bitmap number shown, 0 for none

    // The clue texts of a drawing, written into the labels; the row labels settle at their place
    // for the side.
    void mostraIndizi(const Indizi& indizi);
    QString indizioRiga(int riga) const;
    QString indizioColonna(int colonna) const;

    // Background of a clue label; its own colour alternates by line.
    static QColor coloreIndizio(int indice);
    QColor coloreIndizioColonna(int colonna) const;
    void setColoreIndizioColonna(int colonna, const QColor& colore);
    void setColoreIndizioRiga(int riga, const QColor& colore);
    QColor coloreIndizioRiga(int riga) const;
    void ripristinaColoriIndizi();
    void setBordoIndizioColonna(int colonna, bool bordo);
    bool bordoIndizioColonna(int colonna) const;

    void setCellaAbilitata(int riga, int colonna, bool abilitata);
    bool cellaAbilitata(int riga, int colonna) const;
    void setPuntatoreCella(int riga, int colonna, const QCursor& puntatore);
    void setPuntatoreCelle(const QCursor& puntatore);
    QCursor puntatoreCella(int riga, int colonna) const;

    // Where things are, in the window's coordinates (pixels).
    QRect rettangoloCella(int riga, int colonna) const;
    QRect rettangoloIndizioColonna(int colonna) const;
    QRect rettangoloIndizioRiga(int riga) const;

    // The keyboard, once a window switches it on: the arrows move a cursor (a thin frame) over the
    // cells of the side, Space acts on its cell as a left click, X or Delete as a right click,
    // Home and End jump to the ends of the row. The first of these keys only shows the cursor, on
    // the top-left cell; a mouse press on a cell hides it, and the next key shows it where it was.
    // Switched off, the keys do nothing and the cursor is hidden.
    void setTastiera(bool attiva);
    bool cursoreVisibile() const;
    QPoint cursore() const { return m_cursore; } // (row, column)

    // A window stops the drag under way: no more cells are reported until the next press.
    void fermaTrascinamento() { m_trascinamento.ferma(); }
    const Trascinamento& trascinamento() const { return m_trascinamento; }

    // Cells framed in orange over their pictures (row, column), none after a change of side.
    void setCelleSegnalate(const QList<QPoint>& celle);
    QList<QPoint> celleSegnalate() const;

    // The board's frames, front to back as the windows stack them: area, d3, d2, v2, d1, v3, v1.
    std::array<QWidget*, 7> controlli() const;
    QWidget* area() const { return m_area; }

signals:
    // The press has become a drag: its button still held, the pointer has left the pressed cell
    // (riga, colonna) for another cell of the board. Then every cell the drag enters, until its
    // end or until a window stops it.
    void trascinamentoIniziato(int riga, int colonna, Qt::MouseButton pulsante);
    void cellaTrascinata(int riga, int colonna, Qt::MouseButton pulsante);
    // The release of a press that never left its cell: a click on the pressed cell.
    void cellaRilasciata(int riga, int colonna, Qt::MouseButton pulsante);
    // A drag is over: released, or its release lost (`perso`: the button went up where the
    // board could not see it, the window lost the focus, the grab was taken away).
    void trascinamentoFinito(bool perso);
    // The pointer moves over a cell, a column clue or a row clue.
    void cellaSorvolata(int riga, int colonna);
    void colonnaSorvolata(int colonna);
    void rigaSorvolata(int riga);
    // The keyboard: an action on the cursor's cell, as the mouse button would act; the cursor has
    // been shown or moved.
    void cellaDaTastiera(int riga, int colonna, Qt::MouseButton pulsante);
    void cursoreSpostato(int riga, int colonna);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    friend class Cella;
    bool tasto(int tasto);
    void mostraCursore();
    void premuta(int indice, Qt::MouseButton pulsante, Qt::MouseButtons pulsanti);
    void mossa(int indice, QPoint inArea, Qt::MouseButtons pulsanti);
    void rilasciata(int indice, Qt::MouseButton pulsante);
    void rilascioPerso();
    int cellaInArea(QPoint punto) const;
    Cella* cella(int riga, int colonna) const;
    void creaCornici(QWidget* finestra);
    void creaLinee();

    int m_lato = 0;
    QWidget* m_area;
    std::array<Cella*, CelleVideo> m_celle{};
    std::array<Linea*, 4> m_quindici{};
    std::array<Linea*, 4> m_dieci{};
    std::array<QWidget*, 3> m_d{};
    std::array<QWidget*, 3> m_v{};
    std::array<Etichetta*, LatoMassimo> m_verticale{};
    std::array<Etichetta*, LatoMassimo> m_orizzontale{};
    std::array<Forma*, LatoMassimo> m_box{};
    Trascinamento m_trascinamento;
    RiquadriCelle* m_segnalate;
    bool m_tastiera = false;
    QPoint m_cursore;
    QWidget* m_riquadroCursore = nullptr;
};

} // namespace gridora
