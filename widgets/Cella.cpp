#include "widgets/Cella.h"

#include "resources/Risorse.h"
#include "widgets/Tavoliere.h"
#include "widgets/Twips.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>

namespace gridora {

namespace {

constexpr int LatoCella = 255; // twips: one pixel more than the 240-twip pitch

// The cell bitmaps at their size on screen, scaled once.
const QPixmap& pixmapCella(int numero)
{
    static QHash<int, QPixmap> cache;
    auto it = cache.find(numero);
    if (it == cache.end()) {
        const int lato = px(LatoCella);
        it = cache.insert(numero, QPixmap::fromImage(risorse::immagine(numero).scaled(
                                      lato, lato, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    }
    return *it;
}

} // namespace

Cella::Cella(QWidget* area, Tavoliere* tavoliere, int indice)
    : Cliccabile<QWidget>(area), m_tavoliere(tavoliere), m_indice(indice)
{
    const int riga = indice / 15;
    const int colonna = indice % 15;
    posiziona(this, 240 * colonna, 240 * riga, LatoCella, LatoCella);
    setMouseTracking(true);
}

void Cella::setImmagine(int numero)
{
    if (numero == m_numero)
        return;
    m_numero = numero;
    update();
}

void Cella::setAbilitata(bool abilitata)
{
    if (abilitata == m_abilitata)
        return;
    m_abilitata = abilitata;
    applicaPuntatore();
}

void Cella::setPuntatore(const QCursor& puntatore)
{
    m_puntatore = puntatore;
    applicaPuntatore();
}

void Cella::applicaPuntatore()
{
    if (m_abilitata)
        setCursor(m_puntatore);
    else
        unsetCursor();
}

void Cella::paintEvent(QPaintEvent*)
{
    if (m_numero == 0)
        return;
    QPainter(this).drawPixmap(0, 0, pixmapCella(m_numero));
}

bool Cella::prendePressione(const QMouseEvent&) const
{
    return m_abilitata;
}

void Cella::pressione(const QMouseEvent& evento)
{
    m_tavoliere->premuta(m_indice, evento.button(), evento.buttons());
}

// The press before it has been reported already.
void Cella::mouseDoubleClickEvent(QMouseEvent* evento)
{
    evento->setAccepted(m_abilitata);
}

// The release goes to the board wherever the pointer is: it ends a drag or a click.
void Cella::rilascio(Qt::MouseButton pulsante, bool)
{
    m_tavoliere->rilasciata(m_indice, pulsante);
}

void Cella::movimento(QMouseEvent& evento)
{
    evento.accept();
    m_tavoliere->mossa(m_indice, mapToParent(evento.position().toPoint()), evento.buttons());
}

} // namespace gridora
