#include "import/TelaAnteprima.h"

#include "import/Campionamento.h"
#include "resources/Risorse.h"

#include <QMouseEvent>
#include <QPainter>

namespace gridora {

TelaAnteprima::TelaAnteprima(QWidget* contenitore)
    : QWidget(contenitore), m_mano(risorse::puntatore(u"MANO")),
      m_penna2(risorse::puntatore(u"PENNA2")), m_gomma(risorse::puntatore(u"GOMMA")),
      m_riempi(risorse::puntatore(u"RIEMPI"))
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    svuota();
}

void TelaAnteprima::mostraFigura(const QImage& figura)
{
    m_haFigura = true;
    m_vista = immagineAnteprima(figura);
    update();
}

void TelaAnteprima::svuota()
{
    m_haFigura = false;
    m_vista = immagineAnteprima(QImage());
    update();
}

void TelaAnteprima::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawImage(QPoint(1, 1), m_vista);
}

QPointF TelaAnteprima::nellaVista(QPointF punto) const
{
    return punto - QPointF(1, 1);
}

void TelaAnteprima::traccia(QPointF da, QPointF a)
{
    QPainter p(&m_vista);
    p.setPen(QPen(m_colore, LarghezzaPenna, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (da == a)
        p.drawPoint(nellaVista(a));
    else
        p.drawLine(nellaVista(da), nellaVista(a));
    p.end();
    m_ultimo = a;
    update();
}

void TelaAnteprima::mettiPuntatore(const QString& nome)
{
    if (nome == m_nomePuntatore)
        return;
    m_nomePuntatore = nome;
    if (nome.isEmpty())
        unsetCursor();
    else if (nome == u"MANO")
        setCursor(m_mano);
    else if (nome == u"PENNA2")
        setCursor(m_penna2);
    else if (nome == u"GOMMA")
        setCursor(m_gomma);
    else
        setCursor(m_riempi);
}

void TelaAnteprima::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() == Qt::MiddleButton && evento->buttons() == Qt::MiddleButton) {
        m_disegnando = false;
        mettiPuntatore(QStringLiteral("RIEMPI"));
        svuota();
        emit svuotataColMouse();
        return;
    }
    if (evento->button() == Qt::LeftButton)
        m_colore = Qt::black;
    else if (evento->button() == Qt::RightButton)
        m_colore = Qt::white;
    m_disegnando = true;
    // A click leaves a dot; a drag draws on from it.
    traccia(evento->position(), evento->position());
    emit trattoIniziato();
}

void TelaAnteprima::mouseMoveEvent(QMouseEvent* evento)
{
    if (evento->buttons() == Qt::LeftButton) {
        m_colore = Qt::black;
        mettiPuntatore(QStringLiteral("PENNA2"));
    } else if (evento->buttons() == Qt::RightButton) {
        m_colore = Qt::white;
        mettiPuntatore(QStringLiteral("GOMMA"));
    }
    if (m_disegnando)
        traccia(m_ultimo, evento->position());
    else
        mettiPuntatore(QStringLiteral("MANO"));
}

void TelaAnteprima::mouseReleaseEvent(QMouseEvent*)
{
    m_disegnando = false;
}

void TelaAnteprima::leaveEvent(QEvent* evento)
{
    if (!m_disegnando)
        mettiPuntatore({});
    QWidget::leaveEvent(evento);
}

} // namespace gridora
