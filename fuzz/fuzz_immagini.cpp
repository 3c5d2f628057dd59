// Fuzz target: any bytes through the game's picture reader, then the conversion to cells. The
// format is decided by the content, as for a file the user picks.

#include "import/Campionamento.h"
#include "import/LetturaImmagine.h"

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
    static const LetturaImmagine lettura{QString()};
    const QByteArray byte =
        QByteArray::fromRawData(reinterpret_cast<const char*>(dati), qsizetype(quanti));
    const EsitoImmagine esito =
        lettura.decodifica(byte, QSize(LatoInternoAnteprima, LatoInternoAnteprima));
    if (esito.ok()) {
        if (esito.immagine.width() > LatoInternoAnteprima ||
            esito.immagine.height() > LatoInternoAnteprima)
            __builtin_trap(); // larger than asked for
        if (campiona(immagineAnteprima(esito.immagine), 15).size() != 225)
            __builtin_trap();
    }
    return 0;
}
