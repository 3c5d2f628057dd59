#include "widgets/Sequenza.h"

#include <QTimer>
#include <cmath>

namespace gridora {

void PianificatoreReale::dopo(double secondi, QObject* contesto, std::function<void()> passo)
{
    const auto ms = static_cast<int>(std::lround(std::max(secondi, 0.0) * 1000.0));
    QTimer::singleShot(ms, Qt::PreciseTimer, contesto, std::move(passo));
}

namespace {

class RipetizioneReale : public Ripetizione {
public:
    RipetizioneReale(double secondi, QObject* contesto, std::function<void()> passo)
    {
        m_timer.setInterval(static_cast<int>(std::lround(secondi * 1000.0)));
        QObject::connect(&m_timer, &QTimer::timeout, contesto, std::move(passo));
    }
    void avvia() override { m_timer.start(); }
    void ferma() override { m_timer.stop(); }
    bool attiva() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<Ripetizione> PianificatoreReale::ogni(double secondi, QObject* contesto,
                                                      std::function<void()> passo)
{
    return std::make_unique<RipetizioneReale>(secondi, contesto, std::move(passo));
}

Sequenza::Sequenza(Pianificatore& pianificatore, QObject* finestra)
    : m_pianificatore(pianificatore), m_finestra(finestra)
{
}

Sequenza& Sequenza::passo(std::function<void()> azione)
{
    m_stato->voci.push_back({std::move(azione), 0});
    return *this;
}

Sequenza& Sequenza::pausa(double secondi)
{
    if (secondi > 0)
        m_stato->voci.push_back({nullptr, secondi});
    return *this;
}

void Sequenza::avvia()
{
    if (!m_stato->inAttesa && !m_stato->inEsecuzione)
        prosegui();
}

Sequenza::~Sequenza()
{
    ferma();
}

void Sequenza::ferma()
{
    m_stato->voci.clear();
    m_stato->inAttesa = false;
    m_stato->inEsecuzione = false;
    ++m_stato->generazione;
}

bool Sequenza::inCorso() const
{
    return m_stato->inAttesa || m_stato->inEsecuzione || !m_stato->voci.empty();
}

void Sequenza::prosegui()
{
    // The state is shared with the pending timer, so a sequence destroyed with its window leaves
    // nothing dangling; a step may stop the sequence or destroy the window.
    const std::shared_ptr<Stato> stato = m_stato;
    stato->inEsecuzione = true;
    const int generazione = stato->generazione;
    while (!stato->voci.empty() && stato->generazione == generazione) {
        Voce voce = std::move(stato->voci.front());
        stato->voci.pop_front();
        if (voce.azione) {
            voce.azione();
            continue;
        }
        if (!m_finestra)
            break;
        stato->inAttesa = true;
        stato->inEsecuzione = false;
        m_pianificatore.dopo(voce.pausa, m_finestra, [this, stato, generazione] {
            if (stato->generazione != generazione)
                return;
            stato->inAttesa = false;
            prosegui();
        });
        return;
    }
    if (stato->generazione == generazione)
        stato->inEsecuzione = false;
}

} // namespace gridora
