#pragma once

// Building a window from its design tables: labels, shapes and pictures at positions in twips,
// and the front-to-back order of a container's controls.

#include "widgets/Etichetta.h"
#include "widgets/Forme.h"

#include <QColor>
#include <initializer_list>
#include <optional>

namespace gridora {

struct StileEtichetta {
    QColor testo = Qt::black;
    double punti = 8.25;
    bool grassetto = false;
    bool sottolineato = false;
    Qt::Alignment allineamento = Qt::AlignLeft;
    std::optional<QColor> sfondo; // none: transparent
    bool bordo = false;
};

void applicaStile(Etichetta* etichetta, QRect twips, const StileEtichetta& stile);

template <typename TipoEtichetta = Etichetta>
TipoEtichetta* creaEtichetta(QWidget* contenitore, QRect twips, const QString& caption,
                             const StileEtichetta& stile)
{
    auto* e = new TipoEtichetta(contenitore, caption);
    applicaStile(e, twips, stile);
    return e;
}

// A rectangle: solid fill with a black outline, or the outline alone (no fill), or no outline.
Forma* creaForma(QWidget* contenitore, QRect twips, std::optional<QColor> riempimento,
                 bool bordo = true);

// Places a window in the middle of the screen it is on.
void centraSulloSchermo(QWidget* finestra);

// Stacks controls so that the first listed lies in front.
void impila(std::initializer_list<QWidget*> davantiPrimo);

} // namespace gridora
