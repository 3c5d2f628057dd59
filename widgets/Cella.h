#pragma once

// One board cell: a 16 x 16 cell bitmap stretched over 255 x 255 twips, so that neighbours
// overlap by one pixel and share their border line.

#include <QWidget>

namespace gridora {

class Cella : public QWidget {
    Q_OBJECT

public:
    Cella(QWidget* area, int indice);

    int indice() const { return m_indice; }
    // Shows a cell bitmap (101..107), or nothing for 0. Repaints only when it changes.
    void setImmagine(int numero);
    int immagine() const { return m_numero; }

signals:
    void rilasciata(int indice, Qt::MouseButton pulsante);
    void mossa(int indice);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    int m_indice;
    int m_numero = 0;
};

} // namespace gridora
