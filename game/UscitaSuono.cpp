#include "game/UscitaSuono.h"

#include "resources/Risorse.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace gridora {

namespace {

// Sounds 101..108 map to slots 0..7.
constexpr int PrimoSuono = 101;

} // namespace

UscitaSuonoQt::UscitaSuonoQt() : m_dispositivo(!QMediaDevices::defaultAudioOutput().isNull())
{
    if (!m_dispositivo)
        return;
    // Decoding is asynchronous: start it now, so the first play of each sound is on time.
    for (const risorse::Voce& voce : risorse::tabella()) {
        if (voce.tipo != risorse::Tipo::Suono)
            continue;
        auto& effetto = m_effetti[static_cast<size_t>(voce.numero - PrimoSuono)];
        effetto = std::make_unique<QSoundEffect>();
        effetto->setSource(QUrl(QStringLiteral("qrc") + QLatin1String(voce.file)));
    }
}

UscitaSuonoQt::~UscitaSuonoQt() = default;

void UscitaSuonoQt::riproduci(int numero)
{
    const risorse::Voce* voce = risorse::trova(risorse::Tipo::Suono, numero);
    if (!m_dispositivo || !voce)
        return;
    QSoundEffect* effetto = m_effetti[static_cast<size_t>(numero - PrimoSuono)].get();
    ferma();
    effetto->play();
    m_inCorso = effetto;
}

void UscitaSuonoQt::ferma()
{
    if (m_inCorso)
        m_inCorso->stop();
    m_inCorso = nullptr;
}

void UscitaSuonoQt::beep()
{
    QApplication::beep();
}

} // namespace gridora

namespace gridora {

UscitaSuonoPigra::UscitaSuonoPigra() = default;
UscitaSuonoPigra::~UscitaSuonoPigra() = default;

void UscitaSuonoPigra::prepara()
{
    if (!m_uscita)
        m_uscita = std::make_unique<UscitaSuonoQt>();
}

void UscitaSuonoPigra::riproduci(int numero)
{
    prepara();
    m_uscita->riproduci(numero);
}

void UscitaSuonoPigra::ferma()
{
    if (m_uscita)
        m_uscita->ferma();
}

void UscitaSuonoPigra::beep()
{
    QApplication::beep();
}

} // namespace gridora
