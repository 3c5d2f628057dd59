#include "widgets/Immagine.h"

#include <QMouseEvent>
#include <QPainter>

namespace gridora {

Immagine::Immagine(QWidget* contenitore) : Cliccabile<QWidget>(contenitore) {}

void Immagine::setImmagine(const QImage& immagine)
{
    m_originale = immagine;
    m_mostrata = QPixmap();
    if (!m_adatta)
        resize(immagine.size());
    update();
}

void Immagine::setBordo(bool bordo)
{
    m_bordo = bordo;
    update();
}

void Immagine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_originale.isNull()) {
        const QSize dimensione = m_adatta ? size() : m_originale.size();
        if (m_mostrata.size() != dimensione) {
            m_mostrata = QPixmap::fromImage(
                m_originale.scaled(dimensione, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
        p.drawPixmap(0, 0, m_mostrata);
    }
    if (m_bordo) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Immagine::rilascio(Qt::MouseButton pulsante, bool dentro)
{
    if (dentro)
        emit rilasciata(pulsante);
}

void Immagine::movimento(QMouseEvent& evento)
{
    emit mossa();
    Cliccabile::movimento(evento);
}

} // namespace gridora
