#pragma once

// The import's preview `test`, which is also a small canvas: a one-pixel black border around an
// inner area of 119 x 119 pixels that shows the loaded picture stretched over it, plus whatever
// the mouse has painted on top. The left button paints black and the right white with a round pen
// 8 pixels wide, a stroke following the pointer; the middle button clears picture and strokes.
//
// What the inner area shows is kept as one image, so a repaint draws it again as it was and the
// conversion samples exactly what is on screen.

#include <QCursor>
#include <QImage>
#include <QWidget>

namespace gridora {

class TelaAnteprima : public QWidget {
    Q_OBJECT

public:
    explicit TelaAnteprima(QWidget* contenitore);

    // Shows a picture (any size: it is stretched); the strokes go.
    void mostraFigura(const QImage& figura);
    // No picture and no strokes: the white box.
    void svuota();

    bool haFigura() const { return m_haFigura; }
    // What the inner area shows, one image pixel per screen pixel.
    const QImage& vista() const { return m_vista; }
    bool disegnando() const { return m_disegnando; }
    // Name of the pointer shown over the preview ("MANO", "PENNA2", "GOMMA", "RIEMPI"), empty for
    // the default one.
    const QString& nomePuntatore() const { return m_nomePuntatore; }

    static constexpr int LarghezzaPenna = 8;

signals:
    // A button other than the middle one alone went down: a stroke begins.
    void trattoIniziato();
    // The middle button alone went down: picture and strokes are gone.
    void svuotataColMouse();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

private:
    void mettiPuntatore(const QString& nome);
    void traccia(QPointF da, QPointF a);
    QPointF nellaVista(QPointF punto) const;

    bool m_haFigura = false;
    QImage m_vista; // the picture stretched over the inner area (or white), with the strokes
    QColor m_colore = Qt::black; // of the pen
    bool m_disegnando = false;
    QPointF m_ultimo; // where the stroke has reached, in the widget
    QString m_nomePuntatore;
    const QCursor m_mano, m_penna2, m_gomma, m_riempi;
};

} // namespace gridora
