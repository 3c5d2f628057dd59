#pragma once

// Orange frames over some cells of the board: two pixels wide, just inside each cell's border
// line, over its picture. The mouse passes through them.

#include <QList>
#include <QPoint>
#include <QWidget>

namespace gridora {

class RiquadriCelle : public QWidget {
public:
    explicit RiquadriCelle(QWidget* area);

    // The framed cells (row, column); the widget covers the whole area it is given.
    void setCelle(const QList<QPoint>& celle);
    const QList<QPoint>& celle() const { return m_celle; }

    static QColor colore();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QList<QPoint> m_celle;
};

} // namespace gridora
