#include "widgets/Etichetta.h"

#include "resources/Risorse.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace gridora {

Etichetta::Etichetta(QWidget* contenitore, const QString& caption) : Cliccabile<QLabel>(contenitore)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setColoreTesto(Qt::black);
    setCaption(caption);
}

void Etichetta::setCaption(const QString& caption)
{
    if (caption == m_caption && !text().isNull())
        return;
    m_caption = caption;
    QString mostrato = caption;
    mostrato.replace(QChar(13), QChar(10));
    setText(mostrato);
}

void Etichetta::setSfondo(const QColor& colore)
{
    if (autoFillBackground() && colore == m_sfondo)
        return;
    m_sfondo = colore;
    QPalette p = palette();
    p.setColor(QPalette::Window, colore);
    setPalette(p);
    setAutoFillBackground(true);
}

void Etichetta::setTrasparente()
{
    m_sfondo = QColor();
    setAutoFillBackground(false);
}

void Etichetta::setColoreTesto(const QColor& colore)
{
    QPalette p = palette();
    if (p.color(QPalette::WindowText) == colore)
        return;
    p.setColor(QPalette::WindowText, colore);
    p.setColor(QPalette::Disabled, QPalette::WindowText, colore);
    setPalette(p);
}

QColor Etichetta::coloreTesto() const
{
    return palette().color(QPalette::WindowText);
}

void Etichetta::setBordo(bool bordo)
{
    setFrameShape(bordo ? QFrame::Box : QFrame::NoFrame);
}

void Etichetta::setPassoRighe(int pixel)
{
    if (pixel == m_passoRighe)
        return;
    m_passoRighe = pixel;
    update();
}

void Etichetta::paintEvent(QPaintEvent* evento)
{
    if (m_passoRighe <= 0) {
        QLabel::paintEvent(evento);
        return;
    }
    QFrame::paintEvent(evento);
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QRect dentro = contentsRect();
    const QStringList righe = m_caption.split(QChar(13));
    for (int i = 0; i < righe.size(); ++i) {
        const QRect riga(dentro.left(), dentro.top() + i * m_passoRighe, dentro.width(),
                         fontMetrics().height());
        p.drawText(riga, int(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop, righe[i]);
    }
}

void Etichetta::rilascio(Qt::MouseButton pulsante, bool dentro)
{
    if (dentro)
        emit rilasciata(pulsante);
}

void Etichetta::movimento(QMouseEvent& evento)
{
    emit mossa();
    Cliccabile::movimento(evento);
}

EtichettaPulsante::EtichettaPulsante(QWidget* contenitore, const QString& caption)
    : Etichetta(contenitore, caption)
{
    setCursor(risorse::puntatore(u"MANO"));
    setMouseTracking(true);
}

void EtichettaPulsante::enterEvent(QEnterEvent* evento)
{
    if (m_coloreSotto.isValid()) {
        m_coloreNormale = coloreTesto();
        setColoreTesto(m_coloreSotto);
    }
    Etichetta::enterEvent(evento);
}

void EtichettaPulsante::leaveEvent(QEvent* evento)
{
    if (m_coloreSotto.isValid() && m_coloreNormale.isValid())
        setColoreTesto(m_coloreNormale);
    Etichetta::leaveEvent(evento);
}

void EtichettaPulsante::rilascio(Qt::MouseButton pulsante, bool dentro)
{
    Etichetta::rilascio(pulsante, dentro);
    if (isEnabled() && pulsante == Qt::LeftButton && dentro)
        emit cliccata();
}

} // namespace gridora
