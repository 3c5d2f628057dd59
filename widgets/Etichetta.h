#pragma once

// A label as the windows use it: a caption whose line breaks are CR characters, an opaque
// background or none, an optional one-pixel black border, and mouse signals.

#include "widgets/Cliccabile.h"

#include <QColor>
#include <QLabel>

namespace gridora {

class Etichetta : public Cliccabile<QLabel> {
    Q_OBJECT

public:
    explicit Etichetta(QWidget* contenitore, const QString& caption = {});

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }

    void setSfondo(const QColor& colore); // opaque, filled with the colour
    void setTrasparente();                // no background
    QColor sfondo() const { return m_sfondo; }
    void setColoreTesto(const QColor& colore);
    QColor coloreTesto() const;
    void setBordo(bool bordo);
    bool bordo() const { return frameShape() == QFrame::Box; }
    // Lines of the caption drawn this many pixels apart instead of the font's own spacing
    // (0: the font's spacing), for a clue that would not fit otherwise.
    void setPassoRighe(int pixel);

signals:
    void rilasciata(Qt::MouseButton pulsante);
    void mossa();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void rilascio(Qt::MouseButton pulsante, bool dentro) override;
    void movimento(QMouseEvent& evento) override;

private:
    QString m_caption;
    QColor m_sfondo;
    int m_passoRighe = 0;
};

// A label that acts as a button: the pointer "MANO" over it, an optional text colour while the
// pointer is over it, and a click on release of the left button.
class EtichettaPulsante : public Etichetta {
    Q_OBJECT

public:
    explicit EtichettaPulsante(QWidget* contenitore, const QString& caption = {});

    void setColoreSotto(const QColor& colore) { m_coloreSotto = colore; }

signals:
    void cliccata();

protected:
    void enterEvent(QEnterEvent* evento) override;
    void leaveEvent(QEvent* evento) override;
    void rilascio(Qt::MouseButton pulsante, bool dentro) override;

private:
    QColor m_coloreSotto;
    QColor m_coloreNormale;
};

} // namespace gridora
