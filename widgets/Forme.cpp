#include "widgets/Forme.h"

#include "widgets/Twips.h"

#include <QPainter>

namespace gridora {

Forma::Forma(QWidget* contenitore) : QWidget(contenitore)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forma::setRiempimento(std::optional<QColor> colore)
{
    m_riempimento = colore;
    update();
}

void Forma::setBordo(bool bordo)
{
    m_bordo = bordo;
    update();
}

void Forma::setColoreBordo(const QColor& colore)
{
    m_coloreBordo = colore;
    update();
}

void Forma::setInverti(bool inverti)
{
    m_inverti = inverti;
    update();
}

void Forma::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_inverti) {
        // White pen, "not mask pen": every pixel beneath becomes its inverse.
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        p.fillRect(rect(), Qt::white);
        return;
    }
    if (m_riempimento)
        p.fillRect(rect(), *m_riempimento);
    if (m_bordo) {
        p.setPen(QPen(m_coloreBordo, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

Linea::Linea(QWidget* contenitore) : QWidget(contenitore)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linea::setEstremi(int x1, int y1, int x2, int y2)
{
    m_da = QPoint(px(x1), px(y1));
    m_a = QPoint(px(x2), px(y2));
    adatta();
}

void Linea::setColore(const QColor& colore)
{
    m_colore = colore;
    update();
}

void Linea::setSpessore(int pixel)
{
    m_spessore = pixel;
    adatta();
}

void Linea::adatta()
{
    // Only horizontal and vertical lines: a line of width w covers w pixels to the right of,
    // or below, its end points.
    setGeometry(QRect(m_da, m_a).normalized().adjusted(0, 0, m_spessore - 1, m_spessore - 1));
    update();
}

void Linea::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), m_colore);
}

} // namespace gridora
