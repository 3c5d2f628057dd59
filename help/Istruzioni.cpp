#include "help/Istruzioni.h"

#include "help/Pagine.h"
#include "resources/Risorse.h"
#include "widgets/Composizione.h"
#include "widgets/Immagine.h"
#include "widgets/Twips.h"

namespace gridora {

namespace {

// The page text is set one pixel smaller than the window's other 11-pixel labels: at 11 px the
// longest pages (0, 2 and 3) wrap to about 250 pixels in a label 209 pixels high, at 10 px to
// at most 192. Every page uses the same size, so the text does not jump as the pages turn.
constexpr double PuntiTesto = 7.5;

} // namespace

Istruzioni::Istruzioni(QWidget* genitore) : QWidget(genitore)
{
    componi();
    Notizie(0);
}

void Istruzioni::componi()
{
    setWindowTitle(QStringLiteral("Istruzioni"));
    setWindowIcon(risorse::icona());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(px(4305), px(7320));
    centraSulloSchermo(this);

    const StileEtichetta navigazione = {.grassetto = true, .allineamento = Qt::AlignHCenter};
    m_c.indietro = creaEtichetta<EtichettaPulsante>(this, {0, 3360, 1095, 255},
                                                    QStringLiteral("<- Indietro"), navigazione);
    m_c.indietro->hide();
    m_c.Avanti = creaEtichetta<EtichettaPulsante>(this, {3240, 3360, 1095, 255},
                                                  QStringLiteral("Avanti ->"), navigazione);
    m_c.note = creaEtichetta(this, {120, 240, 4095, 3135}, {}, {.punti = PuntiTesto});
    m_c.note->setColoreTesto(palette().color(QPalette::WindowText));
    m_c.note->setWordWrap(true);
    m_c.Titolo = creaEtichetta(this, {0, 0, 4335, 375}, QStringLiteral("MENU"),
                               {.punti = 12, .grassetto = true, .allineamento = Qt::AlignHCenter});
    m_c.helpimg = new Immagine(this);
    posiziona(m_c.helpimg, 0, 3600, 4335, 3735);
    impila({m_c.indietro, m_c.Avanti, m_c.note, m_c.Titolo, m_c.helpimg});

    connect(m_c.Avanti, &EtichettaPulsante::cliccata, this, [this] { Notizie(m_pagina + 1); });
    connect(m_c.indietro, &EtichettaPulsante::cliccata, this, [this] { Notizie(m_pagina - 1); });
}

void Istruzioni::Notizie(int pagina)
{
    if (pagina < 0 || pagina >= NumeroPagine)
        return;
    m_pagina = pagina;
    const PaginaIstruzioni& p = paginaIstruzioni(pagina);
    m_c.Titolo->setCaption(p.titolo.toString());
    m_c.helpimg->setImmagine(risorse::immagine(p.immagine));
    m_c.note->setCaption(testoPagina(p));
    m_c.indietro->setVisible(pagina > 0);
    m_c.Avanti->setVisible(pagina < NumeroPagine - 1);
}

} // namespace gridora
