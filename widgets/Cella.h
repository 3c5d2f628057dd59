#pragma once

// One board cell: a 16 x 16 cell bitmap stretched over 255 x 255 twips, so that neighbours
// overlap by one pixel and share their border line. Its mouse events go to the board.
//
// A disabled cell takes no press and shows the board's own pointer instead of its own, but it
// still follows a drag that started elsewhere (a QWidget disabled while a button is held would
// lose the release).

#include "widgets/Cliccabile.h"

#include <QCursor>
#include <QWidget>

namespace gridora {

class Tavoliere;

class Cella : public Cliccabile<QWidget> {
    Q_OBJECT

public:
    Cella(QWidget* area, Tavoliere* tavoliere, int indice);

    int indice() const { return m_indice; }
    // Shows a cell bitmap (101..107), or nothing for 0. Repaints only when it changes.
    void setImmagine(int numero);
    int immagine() const { return m_numero; }

    void setAbilitata(bool abilitata);
    bool abilitata() const { return m_abilitata; }
    void setPuntatore(const QCursor& puntatore);
    const QCursor& puntatore() const { return m_puntatore; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    bool prendePressione(const QMouseEvent& evento) const override;
    void pressione(const QMouseEvent& evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void rilascio(Qt::MouseButton pulsante, bool dentro) override;
    void movimento(QMouseEvent& evento) override;

private:
    void applicaPuntatore();

    Tavoliere* m_tavoliere;
    int m_indice;
    int m_numero = 0;
    bool m_abilitata = false;
    QCursor m_puntatore;
};

} // namespace gridora
