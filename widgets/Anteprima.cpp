#include "widgets/Anteprima.h"

#include "model/Lati.h"
#include "widgets/Twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace gridora {

namespace {

constexpr int Left = 350; // twips, window coordinates of the preview's corner
constexpr int Top = 470;

} // namespace

Anteprima::Anteprima(QWidget* finestra, int left, int top, const QColor& coloreVuoto)
    : QWidget(finestra), m_coloreVuoto(coloreVuoto)
{
    posiziona(this, left, top, 15 * 35, 15 * 35);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Anteprima::setLineeGuida(int lato)
{
    if (lato == m_latoGuida)
        return;
    m_latoGuida = lato;
    update();
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

void Anteprima::disegna(int lato, const Segni& segni)
{
    if (lato != m_lato) {
        m_lato = lato;
        m_latoQuadrato = fattiLato(lato).quadratoAnteprima;
        m_nero.reset();
        for (int k = 0; k < lato * lato; ++k)
            m_nero.set(static_cast<size_t>(k), segni[k] == Pieno);
        update();
        return;
    }
    for (int k = 0; k < lato * lato; ++k) {
        const bool nero = segni[k] == Pieno;
        if (m_nero.test(static_cast<size_t>(k)) != nero) {
            m_nero.set(static_cast<size_t>(k), nero);
            update(quadrato(k).adjusted(-1, -1, 1, 1));
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
    QPainter p(this);
    if (m_lato > 0) {
        // Light squares first, so that the shared edge of a neighbour never covers a black one.
        for (const bool nero : {false, true}) {
            for (int k = 0; k < m_lato * m_lato; ++k) {
                const QRect r = quadrato(k);
                if (m_nero.test(static_cast<size_t>(k)) == nero && evento->rect().intersects(r))
                    p.fillRect(r, nero ? QColor(Qt::black) : m_coloreVuoto);
            }
        }
    }
    if (m_latoGuida > 0)
        disegnaLineeGuida(p);
}

void Anteprima::disegnaLineeGuida(QPainter& p) const
{
    // Window coordinates in twips, drawn relative to the preview's corner.
    const auto punto = [](int x, int y) { return QPoint(px(x - Left), px(y - Top)); };
    const auto linea = [&](int x1, int y1, int x2, int y2) {
        p.drawLine(punto(x1, y1), punto(x2, y2));
    };
    const QColor rosso(0xFF, 0, 0);
    p.setPen(rosso);
    p.drawRect(QRect(punto(350, 470), punto(870, 985)));
    if (m_latoGuida == 10) {
        linea(600, 480, 600, 985);
        linea(360, 720, 870, 720);
    } else if (m_latoGuida == 15) {
        p.fillRect(QRect(punto(707, 480), punto(708, 985)), rosso);
        p.fillRect(QRect(punto(530, 480), punto(531, 985)), rosso);
        linea(360, 650, 870, 650);
        linea(360, 818, 870, 818);
    }
}

} // namespace gridora
