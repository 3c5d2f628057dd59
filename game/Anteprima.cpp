#include "game/Anteprima.h"

#include "model/Penalita.h"
#include "widgets/Twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace gridora {

namespace {

const QColor Giallo(255, 255, 192);

} // namespace

Anteprima::Anteprima(QWidget* finestra, int left, int top) : QWidget(finestra)
{
    posiziona(this, left, top, 15 * 35, 15 * 35);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect Anteprima::quadrato(int k) const
{
    // Squares are placed in twips, so neighbouring squares meet exactly.
    const int riga = k / m_lato;
    const int colonna = k % m_lato;
    const QPoint da(px(m_latoQuadrato * colonna), px(m_latoQuadrato * riga));
    const QPoint a(px(m_latoQuadrato * (colonna + 1)), px(m_latoQuadrato * (riga + 1)));
    return QRect(da, a); // inclusive: the border of a filled box covers its far edge
}

void Anteprima::disegna(int lato, const Segni& segni, bool tuttoNero)
{
    if (lato != m_lato) {
        m_lato = lato;
        m_latoQuadrato = latoQuadratoAnteprima(lato);
        m_nero.reset();
        for (int k = 0; k < lato * lato; ++k)
            m_nero.set(static_cast<size_t>(k), tuttoNero || segni[k] == Pieno);
        update();
        return;
    }
    for (int k = 0; k < lato * lato; ++k) {
        const bool nero = tuttoNero || segni[k] == Pieno;
        if (m_nero.test(static_cast<size_t>(k)) != nero) {
            m_nero.set(static_cast<size_t>(k), nero);
            update(quadrato(k));
        }
    }
}

void Anteprima::cancella()
{
    if (m_lato == 0)
        return;
    m_lato = 0;
    m_nero.reset();
    update();
}

void Anteprima::paintEvent(QPaintEvent* evento)
{
    if (m_lato == 0)
        return;
    QPainter p(this);
    for (int k = 0; k < m_lato * m_lato; ++k) {
        const QRect r = quadrato(k);
        if (evento->rect().intersects(r))
            p.fillRect(r, m_nero.test(static_cast<size_t>(k)) ? QColor(Qt::black) : Giallo);
    }
}

} // namespace gridora
