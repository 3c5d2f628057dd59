// The board's keyboard cursor, and the window events that end a drag.

#include "widgets/Tavoliere.h"
#include "widgets/Twips.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace gridora {

namespace {

// A thin red frame over one cell; the mouse passes through it.
class RiquadroCursore : public QWidget {
public:
    explicit RiquadroCursore(QWidget* area) : QWidget(area)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(px(255), px(255));
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(QColor(0xFF, 0x00, 0x00), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

} // namespace

void Tavoliere::setTastiera(bool attiva)
{
    if (!m_riquadroCursore) {
        m_riquadroCursore = new RiquadroCursore(m_area);
        m_area->setFocusPolicy(Qt::StrongFocus);
        m_area->installEventFilter(this);
    }
    m_tastiera = attiva;
    if (!attiva)
        m_riquadroCursore->hide();
}

bool Tavoliere::cursoreVisibile() const
{
    return m_riquadroCursore && m_riquadroCursore->isVisible();
}

void Tavoliere::mostraCursore()
{
    m_riquadroCursore->move(px(240 * m_cursore.y()), px(240 * m_cursore.x()));
    m_riquadroCursore->show();
    m_riquadroCursore->raise();
    emit cursoreSpostato(m_cursore.x(), m_cursore.y());
}

bool Tavoliere::eventFilter(QObject* oggetto, QEvent* evento)
{
    // The window no longer has the pointer's events (it lost the focus or the grab, or it is
    // hidden): whatever button is held there, its release goes elsewhere.
    if (m_trascinamento.attivo() &&
        (evento->type() == QEvent::WindowDeactivate || evento->type() == QEvent::UngrabMouse ||
         evento->type() == QEvent::Hide))
        rilascioPerso();
    if (oggetto == m_area && evento->type() == QEvent::KeyPress && m_tastiera && m_lato > 0) {
        const auto* premuto = static_cast<QKeyEvent*>(evento);
        // Ctrl, Alt and Meta make other keys (the editor's undo): the board leaves them.
        if (premuto->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        return tasto(premuto->key());
    }
    return QObject::eventFilter(oggetto, evento);
}

bool Tavoliere::tasto(int tasto)
{
    int riga = m_cursore.x();
    int colonna = m_cursore.y();
    Qt::MouseButton azione = Qt::NoButton;
    switch (tasto) {
    case Qt::Key_Up:
        riga = std::max(riga - 1, 0);
        break;
    case Qt::Key_Down:
        riga = std::min(riga + 1, m_lato - 1);
        break;
    case Qt::Key_Left:
        colonna = std::max(colonna - 1, 0);
        break;
    case Qt::Key_Right:
        colonna = std::min(colonna + 1, m_lato - 1);
        break;
    case Qt::Key_Home:
        colonna = 0;
        break;
    case Qt::Key_End:
        colonna = m_lato - 1;
        break;
    case Qt::Key_Space:
        azione = Qt::LeftButton;
        break;
    case Qt::Key_X:
    case Qt::Key_Delete:
        azione = Qt::RightButton;
        break;
    default:
        return false;
    }
    if (!cursoreVisibile()) { // the first key only shows where the cursor is
        m_cursore =
            QPoint(std::min(m_cursore.x(), m_lato - 1), std::min(m_cursore.y(), m_lato - 1));
        mostraCursore();
        return true;
    }
    if (azione != Qt::NoButton) {
        emit cellaDaTastiera(riga, colonna, azione);
        return true;
    }
    m_cursore = QPoint(riga, colonna);
    mostraCursore();
    return true;
}

} // namespace gridora
