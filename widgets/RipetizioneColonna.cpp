#include "widgets/RipetizioneColonna.h"

#include "model/EvidenziaColonna.h"
#include "widgets/Composizione.h"
#include "widgets/Tavoliere.h"
#include "widgets/Twips.h"

#include <QWidget>

namespace gridora {

RipetizioneColonna::RipetizioneColonna(QWidget* finestra, QPoint help, QPoint ombra)
{
    m_help = new QWidget(finestra);
    posiziona(m_help, help.x(), help.y(), 375, 1695);
    QPalette p = m_help->palette();
    p.setColor(QPalette::Window, Qt::white);
    m_help->setPalette(p);
    m_help->setAutoFillBackground(true);
    m_hlp2 = creaEtichetta(m_help, {0, 0, 375, 1695}, {},
                           {.grassetto = true,
                            .allineamento = Qt::AlignHCenter,
                            .sfondo = finestra->palette().color(QPalette::Window),
                            .bordo = true});
    m_ombra = creaForma(finestra, {ombra.x(), ombra.y(), 375, 1695}, Qt::black);
}

void RipetizioneColonna::ripeti(Tavoliere& tavoliere, int colonna, const Sequenze& sequenze)
{
    m_hlp2->setSfondo(tavoliere.coloreIndizioColonna(colonna));
    const ColonnaEvidenziata evidenza = evidenziaColonna(sequenze);
    m_hlp2->setCaption(evidenza.testo);
    // A clue of eight lines frames its small label; the frame stays when the pointer moves on.
    tavoliere.setBordoIndizioColonna(colonna, evidenza.bordo);
}

void RipetizioneColonna::svuota()
{
    m_hlp2->setCaption({});
}

} // namespace gridora
