#include "widgets/RiquadriCelle.h"

#include "widgets/Twips.h"

#include <QPainter>

namespace gridora {

RiquadriCelle::RiquadriCelle(QWidget* area) : QWidget(area)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

QColor RiquadriCelle::colore()
{
    return QColor(0xFF, 0x80, 0x00);
}

void RiquadriCelle::setCelle(const QList<QPoint>& celle)
{
    if (celle == m_celle && isVisible() == !celle.isEmpty())
        return;
    m_celle = celle;
    resize(parentWidget()->size());
    setVisible(!m_celle.isEmpty());
    update();
}

void RiquadriCelle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor arancio = colore();
    for (const QPoint& cella : m_celle) {
        // The cell's picture spans 255 twips and its border line is its outer pixel.
        const QRect r(px(240 * cella.y()) + 1, px(240 * cella.x()) + 1, px(255) - 2, px(255) - 2);
        p.fillRect(r.x(), r.y(), r.width(), 2, arancio);
        p.fillRect(r.x(), r.bottom() - 1, r.width(), 2, arancio);
        p.fillRect(r.x(), r.y(), 2, r.height(), arancio);
        p.fillRect(r.right() - 1, r.y(), 2, r.height(), arancio);
    }
}

} // namespace gridora
