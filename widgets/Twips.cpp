#include "widgets/Twips.h"

#include "resources/Risorse.h"

#include <QWidget>

namespace gridora {

void posiziona(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(rettangoloTwips(left, top, width, height));
}

void sposta(QWidget* widget, int left, int top)
{
    widget->move(px(left), px(top));
}

QFont carattere(double punti, bool grassetto, bool sottolineato)
{
    QFont font(risorse::famigliaCaratteri());
    font.setPixelSize(static_cast<int>(std::lround(punti * 96.0 / 72.0)));
    font.setBold(grassetto);
    font.setUnderline(sottolineato);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace gridora
