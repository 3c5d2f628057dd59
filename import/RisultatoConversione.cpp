#include "import/RisultatoConversione.h"

#include <QPainter>

namespace gridora {

RisultatoConversione::RisultatoConversione(QWidget* contenitore) : QWidget(contenitore)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RisultatoConversione::mostra(const QString& celle, int lato)
{
    m_celle = celle;
    m_lato = lato;
    update();
}

void RisultatoConversione::svuota()
{
    mostra({}, 0);
}

// Block k of N starts k * width / N from the area's left edge; its square reaches the start of
// the next block, so neighbours share their edge.
void RisultatoConversione::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_lato <= 0 || m_celle.size() != qsizetype(m_lato) * m_lato)
        return;
    const auto x = [&](int k) { return qRound(double(k) * width() / m_lato); };
    const auto y = [&](int k) { return qRound(double(k) * height() / m_lato); };
    for (int i = 0; i < m_lato; ++i) {
        for (int j = 0; j < m_lato; ++j) {
            const QRect quadrato(QPoint(x(j), y(i)), QPoint(x(j + 1), y(i + 1)));
            if (m_celle[i * m_lato + j] == u'1')
                p.fillRect(quadrato, Qt::black);
            else
                p.drawRect(quadrato.adjusted(0, 0, -1, -1));
        }
    }
}

} // namespace gridora
