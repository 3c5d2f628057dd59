#include "widgets/Composizione.h"

#include "widgets/Twips.h"

#include <QScreen>
#include <vector>

namespace gridora {

void applicaStile(Etichetta* etichetta, QRect twips, const StileEtichetta& stile)
{
    posiziona(etichetta, twips.x(), twips.y(), twips.width(), twips.height());
    etichetta->setFont(carattere(stile.punti, stile.grassetto, stile.sottolineato));
    etichetta->setColoreTesto(stile.testo);
    etichetta->setAlignment(stile.allineamento | Qt::AlignTop);
    if (stile.sfondo)
        etichetta->setSfondo(*stile.sfondo);
    else
        etichetta->setTrasparente();
    etichetta->setBordo(stile.bordo);
}

Forma* creaForma(QWidget* contenitore, QRect twips, std::optional<QColor> riempimento, bool bordo)
{
    auto* forma = new Forma(contenitore);
    posiziona(forma, twips.x(), twips.y(), twips.width(), twips.height());
    forma->setRiempimento(riempimento);
    forma->setBordo(bordo);
    return forma;
}

void centraSulloSchermo(QWidget* finestra)
{
    if (const QScreen* schermo = finestra->screen())
        finestra->move(schermo->availableGeometry().center() - finestra->rect().center());
}

void impila(std::initializer_list<QWidget*> davantiPrimo)
{
    const std::vector<QWidget*> ordine(davantiPrimo);
    for (auto it = ordine.rbegin(); it != ordine.rend(); ++it)
        (*it)->raise();
}

} // namespace gridora
