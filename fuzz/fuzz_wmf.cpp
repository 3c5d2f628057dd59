// Fuzz target: the game's own handling of metafiles, in process and without libwmf: the format
// detection, the header checks made before libwmf is given a file, and the decoding of the PNG
// the helper answers with. libwmf itself is fuzzed by fuzz_libwmf, where its crashes are expected.

#include "import/LetturaImmagine.h"
#include "import/wmf/ConversioneWmf.h"

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>

using namespace gridora;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv); // plugin paths for Qt's image readers
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti)
{
    constexpr int Lato = 119;
    const QByteArray byte =
        QByteArray::fromRawData(reinterpret_cast<const char*>(dati), qsizetype(quanti));
    // The header checks: the sanitizers are the judge of these.
    IntestazionePiazzabile intestazione;
    leggiIntestazionePiazzabile(dati, quanti, intestazione);
    intestazioneCredibile(dati, quanti);
    riconosciFormato(byte.first(std::min<qsizetype>(byte.size(), 16)));
    // The same bytes as the helper's answer.
    const EsitoImmagine esito = decodificaPngWmf(byte, QSize(Lato, Lato));
    if (esito.ok() && (esito.immagine.width() > Lato || esito.immagine.height() > Lato))
        __builtin_trap();
    return 0;
}
