#include "Disegni.h"

#include <QLinearGradient>
#include <QPainter>
#include <stdexcept>

namespace genera {

namespace {

// Lettering that does not fit is a mistake in the chosen sizes, not something to crop.
QPainterPath testoCentrato(const QString& testo, const QFont& carattere, const QRectF& area)
{
    const QPainterPath p = percorsoTesto(testo, carattere);
    const QRectF r = p.boundingRect();
    if (r.width() > area.width() || r.height() > area.height())
        throw std::runtime_error("scritta troppo grande: " + testo.toStdString());
    return centrato(p, area);
}

// White letters with a dark rim and a soft shadow below right, readable on any of the
// gradients used here.
void scritta(QPainter& p, const QPainterPath& testo, const QColor& bordo, double spessore,
             const QColor& ombra, QPointF scostamento)
{
    p.fillPath(testo.translated(scostamento), ombra);
    if (spessore > 0.0)
        p.strokePath(testo, QPen(bordo, spessore, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(testo, Qt::white);
}

QLinearGradient verticale(double alto, double basso, const QColor& sopra, const QColor& sotto)
{
    QLinearGradient g(0, alto, 0, basso);
    g.setColorAt(0, sopra);
    g.setColorAt(1, sotto);
    return g;
}

} // namespace

QImage logo(const Caratteri& caratteri)
{
    constexpr int w = 262;
    constexpr int h = 63;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), verticale(0, h, QColor(0x0A, 0x24, 0x7A), QColor(0x2E, 0x86, 0xE6)));
    // A soft sheen over the upper half.
    p.fillRect(QRectF(0, 0, w, h / 2.0),
               verticale(0, h / 2.0, QColor(255, 255, 255, 40), QColor(255, 255, 255, 0)));
    p.setPen(QPen(QColor(0x06, 0x16, 0x4C), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));

    const QPainterPath testo = testoCentrato(QStringLiteral("GridoraPC"), caratteri.grassetto(46),
                                             QRectF(10, 6, w - 20, h - 12));
    scritta(p, testo, QColor(0x05, 0x12, 0x40), 3.0, QColor(0, 0, 0x20, 150), QPointF(2, 2));
    return img;
}

QImage etichetta(const Caratteri& caratteri, const QString& testo)
{
    constexpr int w = 97;
    constexpr int h = 21;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), verticale(0, h, QColor(0x9A, 0x9A, 0x9A), QColor(0x50, 0x50, 0x50)));
    p.setPen(QPen(QColor(0xBE, 0xBE, 0xBE), 1));
    p.drawLine(QPointF(1, 1.5), QPointF(w - 1, 1.5));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));

    const QPainterPath scritto =
        testoCentrato(testo, caratteri.grassetto(14), QRectF(3, 2, w - 6, h - 4));
    scritta(p, scritto, QColor(0x20, 0x20, 0x20), 0.0, QColor(0, 0, 0, 170), QPointF(1, 1));
    return img;
}

namespace {

void coppa(QPainter& p, double cx, double alto)
{
    const QPen contorno(QColor(0x6B, 0x48, 0x00), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QLinearGradient oro(cx - 26, 0, cx + 26, 0);
    oro.setColorAt(0.0, QColor(0xFF, 0xE0, 0x50));
    oro.setColorAt(0.35, QColor(0xFF, 0xF6, 0xB8));
    oro.setColorAt(0.6, QColor(0xF2, 0xC0, 0x10));
    oro.setColorAt(1.0, QColor(0xB8, 0x80, 0x00));

    // Handles: thick rings half hidden behind the bowl.
    p.setBrush(Qt::NoBrush);
    for (const double lato : {-1.0, 1.0}) {
        const QRectF anello(cx + lato * 24 - 11, alto + 6, 22, 26);
        p.setPen(QPen(contorno.color(), 9.5));
        p.drawEllipse(anello);
        p.setPen(QPen(QColor(0xF2, 0xC0, 0x10), 5));
        p.drawEllipse(anello);
    }

    QPainterPath ciotola;
    ciotola.moveTo(cx - 26, alto);
    ciotola.lineTo(cx + 26, alto);
    ciotola.cubicTo(cx + 26, alto + 34, cx + 14, alto + 48, cx, alto + 50);
    ciotola.cubicTo(cx - 14, alto + 48, cx - 26, alto + 34, cx - 26, alto);
    ciotola.closeSubpath();
    QPainterPath piede;
    piede.addRect(QRectF(cx - 5, alto + 48, 10, 14));
    piede.addRoundedRect(QRectF(cx - 17, alto + 61, 34, 8), 3, 3);
    piede.addRoundedRect(QRectF(cx - 22, alto + 68, 44, 9), 3, 3);

    p.setPen(contorno);
    p.setBrush(oro);
    p.drawPath(piede.simplified());
    p.drawPath(ciotola);
    // A glint on the left of the bowl.
    p.setPen(QPen(QColor(255, 255, 255, 170), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 17, alto + 7), QPointF(cx - 14, alto + 28));
}

} // namespace

QImage pulsanteRecord(const Caratteri& caratteri)
{
    constexpr int w = 130;
    constexpr int h = 212;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF corpo(4, 4, w - 8, h - 8);
    QLinearGradient verde(0, corpo.top(), 0, corpo.bottom());
    verde.setColorAt(0.0, QColor(0x7C, 0xE5, 0x6E));
    verde.setColorAt(0.45, QColor(0x2F, 0xB5, 0x3A));
    verde.setColorAt(1.0, QColor(0x13, 0x75, 0x20));
    p.setPen(QPen(QColor(0x0B, 0x4A, 0x12), 3));
    p.setBrush(verde);
    p.drawRoundedRect(corpo, 22, 22);

    // Glossy highlight on the upper part.
    p.setPen(Qt::NoPen);
    p.setBrush(verticale(10, 90, QColor(255, 255, 255, 120), QColor(255, 255, 255, 0)));
    p.drawRoundedRect(QRectF(11, 10, w - 22, 80), 18, 18);

    coppa(p, w / 2.0, 36);

    const QPainterPath testo = testoCentrato(QStringLiteral("Record"), caratteri.grassetto(31),
                                             QRectF(8, 128, w - 16, 64));
    scritta(p, testo, QColor(0x0B, 0x4A, 0x12), 4.0, QColor(0, 0x30, 0, 150), QPointF(2, 3));
    return img;
}

} // namespace genera
