#pragma once

// A picture control: shows a bitmap stretched to its size (or at its own size), with an
// optional one-pixel border. The scaled pixmap is made once per picture and size.

#include "widgets/Cliccabile.h"

#include <QPixmap>
#include <QWidget>

namespace gridora {

class Immagine : public Cliccabile<QWidget> {
    Q_OBJECT

public:
    explicit Immagine(QWidget* contenitore);

    void setImmagine(const QImage& immagine);
    void setAdatta(bool adatta) { m_adatta = adatta; } // stretch to the control (default)
    void setBordo(bool bordo);

signals:
    void rilasciata(Qt::MouseButton pulsante);
    void mossa();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void rilascio(Qt::MouseButton pulsante, bool dentro) override;
    void movimento(QMouseEvent& evento) override;

private:
    QImage m_originale;
    QPixmap m_mostrata;
    bool m_adatta = true;
    bool m_bordo = false;
};

} // namespace gridora
