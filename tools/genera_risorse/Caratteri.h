#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace genera {

// Lettering with the Liberation Sans files that ship with the game, never a system font.
class Caratteri {
public:
    // Loads LiberationSans-Bold.ttf from the directory; throws if it is missing or
    // unreadable. Needs a QGuiApplication.
    explicit Caratteri(const QString& cartella);

    // Bold at a size in pixels, unhinted so that outlines scale smoothly.
    QFont grassetto(int pixel) const;

private:
    QString famigliaGrassetto_;
};

// Outline of a line of text, baseline at y = 0.
QPainterPath percorsoTesto(const QString& testo, const QFont& carattere);

// The path moved so that the centre of its ink lies on the centre of the area, rounded to
// whole pixels so that equal labels render alike.
QPainterPath centrato(const QPainterPath& percorso, const QRectF& area);

// The path scaled uniformly to the largest size that fits the area, and centred in it.
QPainterPath adattato(const QPainterPath& percorso, const QRectF& area);

} // namespace genera
