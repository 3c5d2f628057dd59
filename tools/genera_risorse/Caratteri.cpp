#include "Caratteri.h"

#include <QFontDatabase>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace genera {

namespace {

QString carica(const QString& file)
{
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList famiglie = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || famiglie.isEmpty())
        throw std::runtime_error("carattere non caricato: " + file.toStdString());
    return famiglie.front();
}

} // namespace

Caratteri::Caratteri(const QString& cartella)
    : famigliaGrassetto_(carica(cartella + QStringLiteral("/LiberationSans-Bold.ttf")))
{
}

QFont Caratteri::grassetto(int pixel) const
{
    QFont f(famigliaGrassetto_);
    f.setWeight(QFont::Bold);
    f.setPixelSize(pixel);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
    return f;
}

QPainterPath percorsoTesto(const QString& testo, const QFont& carattere)
{
    QPainterPath p;
    p.addText(0, 0, carattere, testo);
    return p;
}

QPainterPath centrato(const QPainterPath& percorso, const QRectF& area)
{
    const QPointF d = area.center() - percorso.boundingRect().center();
    return percorso.translated(std::round(d.x()), std::round(d.y()));
}

QPainterPath adattato(const QPainterPath& percorso, const QRectF& area)
{
    const QRectF r = percorso.boundingRect();
    const double scala = std::min(area.width() / r.width(), area.height() / r.height());
    const QPainterPath scalato = QTransform::fromScale(scala, scala).map(percorso);
    const QPointF d = area.center() - scalato.boundingRect().center();
    return scalato.translated(d);
}

} // namespace genera
