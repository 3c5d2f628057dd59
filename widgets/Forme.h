#pragma once

// Shapes and lines drawn in a container: rectangles filled or outlined, the highlight that shows
// what lies beneath in inverted colours, and straight lines. None of them takes the mouse.

#include <QColor>
#include <QPoint>
#include <QWidget>
#include <optional>

namespace gridora {

class Forma : public QWidget {
    Q_OBJECT

public:
    explicit Forma(QWidget* contenitore);

    void setRiempimento(std::optional<QColor> colore); // none: not filled
    void setBordo(bool bordo);                         // one-pixel outline
    void setColoreBordo(const QColor& colore);
    void setInverti(bool inverti); // draws what lies beneath in inverted colours

    std::optional<QColor> riempimento() const { return m_riempimento; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::optional<QColor> m_riempimento;
    QColor m_coloreBordo = Qt::black;
    bool m_bordo = true;
    bool m_inverti = false;
};

class Linea : public QWidget {
    Q_OBJECT

public:
    explicit Linea(QWidget* contenitore);

    // End points in twips, in the container's coordinates.
    void setEstremi(int x1, int y1, int x2, int y2);
    void setColore(const QColor& colore);
    void setSpessore(int pixel);

    QColor colore() const { return m_colore; }
    int spessore() const { return m_spessore; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void adatta();

    QPoint m_da;
    QPoint m_a;
    QColor m_colore = Qt::black;
    int m_spessore = 1;
};

} // namespace gridora
