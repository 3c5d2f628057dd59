#pragma once

// The mouse plumbing of every control that a click acts on (labels, pictures, board cells): a
// press it takes is accepted, so that the release comes back to it, and the press, the release
// (with whether it happened over the control) and each move are handed to the control's own
// reaction. `Base` is the Qt widget the control is (QLabel, QWidget).

#include <QMouseEvent>

namespace gridora {

template <typename Base> class Cliccabile : public Base {
public:
    using Base::Base;

protected:
    // Whether the control takes a press; one it refuses goes on to its container.
    virtual bool prendePressione(const QMouseEvent& /*evento*/) const { return true; }
    virtual void pressione(const QMouseEvent& /*evento*/) {}
    // `dentro`: released over the control.
    virtual void rilascio(Qt::MouseButton pulsante, bool dentro) = 0;
    // A move over the control (or anywhere while it holds a press); by default the widget's own
    // handling follows.
    virtual void movimento(QMouseEvent& evento) { Base::mouseMoveEvent(&evento); }

    void mousePressEvent(QMouseEvent* evento) override
    {
        if (!prendePressione(*evento)) {
            evento->ignore();
            return;
        }
        evento->accept();
        pressione(*evento);
    }
    void mouseReleaseEvent(QMouseEvent* evento) override
    {
        evento->accept();
        rilascio(evento->button(), this->rect().contains(evento->position().toPoint()));
    }
    void mouseMoveEvent(QMouseEvent* evento) override { movimento(*evento); }
};

} // namespace gridora
