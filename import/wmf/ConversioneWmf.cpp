#include "import/wmf/ConversioneWmf.h"

#include <algorithm>
#include <cmath>
#include <libwmf/api.h>
#include <libwmf/gd.h>

namespace gridora {

namespace {

constexpr double PuntiPerPollice = 72.0; // libwmf's device unit
constexpr double PixelPerPollice = 96.0;

int parola(const unsigned char* p)
{
    return p[0] | (p[1] << 8);
}

int parolaConSegno(const unsigned char* p)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(parola(p)));
}

// Collects the PNG that libwmf's gd device writes.
int raccogli(void* contesto, char* buffer, int quanti)
{
    if (quanti <= 0)
        return 0;
    auto* png = static_cast<std::vector<unsigned char>*>(contesto);
    png->insert(png->end(), buffer, buffer + quanti);
    return quanti;
}

// Owns the libwmf handle. The gd route never frees the image it draws into; the helper is a
// short-lived process, so that leak ends with it.
class Sessione {
public:
    Sessione()
    {
        wmfAPI_Options opzioni{};
        opzioni.function = wmf_gd_function;
        const unsigned long flag =
            WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&m_api, flag, &opzioni) != wmf_E_None)
            m_api = nullptr; // wmf_api_create has already destroyed what it built
    }
    ~Sessione()
    {
        if (m_api == nullptr)
            return;
        if (m_aperto)
            wmf_mem_close(m_api);
        wmf_api_destroy(m_api);
    }
    Sessione(const Sessione&) = delete;
    Sessione& operator=(const Sessione&) = delete;

    wmfAPI* api() const { return m_api; }
    bool apri(const unsigned char* dati, std::size_t quanti)
    {
        // libwmf only reads the bytes, but its prototype is not const.
        m_aperto = wmf_mem_open(m_api, const_cast<unsigned char*>(dati),
                                static_cast<long>(quanti)) == wmf_E_None;
        return m_aperto;
    }

private:
    wmfAPI* m_api = nullptr;
    bool m_aperto = false;
};

int lato(double pixel, int massimo)
{
    if (!(pixel >= 1.0)) // also NaN
        return 1;
    return static_cast<int>(std::min(std::ceil(pixel), static_cast<double>(massimo)));
}

} // namespace

bool leggiIntestazionePiazzabile(const unsigned char* dati, std::size_t quanti,
                                 IntestazionePiazzabile& intestazione)
{
    if (quanti < 22)
        return false;
    const std::uint32_t chiave = static_cast<std::uint32_t>(parola(dati)) |
                                 (static_cast<std::uint32_t>(parola(dati + 2)) << 16);
    if (chiave != ChiavePiazzabile)
        return false;
    intestazione.sinistra = parolaConSegno(dati + 6);
    intestazione.alto = parolaConSegno(dati + 8);
    intestazione.destra = parolaConSegno(dati + 10);
    intestazione.basso = parolaConSegno(dati + 12);
    intestazione.unitaPerPollice = parola(dati + 14);
    return intestazione.unitaPerPollice > 0 && intestazione.destra > intestazione.sinistra &&
           intestazione.basso > intestazione.alto;
}

bool intestazioneCredibile(const unsigned char* dati, std::size_t quanti)
{
    IntestazionePiazzabile piazzabile;
    const std::size_t inizio = leggiIntestazionePiazzabile(dati, quanti, piazzabile) ? 22 : 0;
    if (quanti < inizio + 18 || parola(dati + inizio + 2) != 9)
        return false;
    // libwmf allocates the largest record the header announces before reading any: no record
    // can be longer than the file.
    const std::uint64_t recordMassimo =
        std::uint64_t(parola(dati + inizio + 12)) | std::uint64_t(parola(dati + inizio + 14)) << 16;
    return recordMassimo * 2 <= quanti;
}

std::vector<unsigned char> wmfInPng(const unsigned char* dati, std::size_t quanti,
                                    int larghezzaMassima, int altezzaMassima)
{
    std::vector<unsigned char> png;
    if (dati == nullptr || larghezzaMassima < 1 || altezzaMassima < 1 ||
        !intestazioneCredibile(dati, quanti))
        return png;
    Sessione sessione;
    wmfAPI* api = sessione.api();
    if (api == nullptr || !sessione.apri(dati, quanti))
        return png;

    wmfD_Rect riquadro{};
    if (wmf_scan(api, 0, &riquadro) != wmf_E_None)
        return png;

    double larghezza = 0;
    double altezza = 0;
    IntestazionePiazzabile piazzabile;
    if (leggiIntestazionePiazzabile(dati, quanti, piazzabile)) {
        // The scanned box is the bounds of what is drawn, and the device stretches it over the
        // whole image: a placeable file gives its own box instead, from the header.
        const double pollici = piazzabile.unitaPerPollice;
        const double largo = (piazzabile.destra - piazzabile.sinistra) / pollici;
        const double alto = (piazzabile.basso - piazzabile.alto) / pollici;
        riquadro.TL.x = 0;
        riquadro.TL.y = 0;
        riquadro.BR.x = static_cast<float>(largo * PuntiPerPollice);
        riquadro.BR.y = static_cast<float>(alto * PuntiPerPollice);
        larghezza = largo * PixelPerPollice;
        altezza = alto * PixelPerPollice;
    } else {
        unsigned int l = 0;
        unsigned int a = 0;
        if (wmf_display_size(api, &l, &a, PixelPerPollice, PixelPerPollice) != wmf_E_None)
            return png;
        larghezza = l;
        altezza = a;
    }
    if (!(riquadro.BR.x > riquadro.TL.x) || !(riquadro.BR.y > riquadro.TL.y))
        return png;

    wmf_gd_t* dispositivo = WMF_GD_GetData(api);
    if ((dispositivo->flags & WMF_GD_SUPPORTS_PNG) == 0)
        return png;
    dispositivo->type = wmf_gd_png;
    dispositivo->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
    dispositivo->sink.context = &png;
    dispositivo->sink.function = raccogli;
    dispositivo->file = nullptr;
    dispositivo->width = static_cast<unsigned int>(lato(larghezza, larghezzaMassima));
    dispositivo->height = static_cast<unsigned int>(lato(altezza, altezzaMassima));
    dispositivo->bbox = riquadro;

    if (wmf_play(api, 0, &riquadro) != wmf_E_None || WMF_ERROR_STATE(api) != wmf_E_None)
        png.clear();
    return png;
}

} // namespace gridora
