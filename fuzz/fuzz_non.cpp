// Fuzz target: any bytes through the puzzle file reader, with the solver behind it. A puzzle it
// accepts must write back to a file that reads to the same title and picture, and that picture
// must show the clues the first file announced.

#include "model/FormatoNon.h"

#include <cstddef>
#include <cstdint>

using namespace gridora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti)
{
    const QByteArray byte =
        QByteArray::fromRawData(reinterpret_cast<const char*>(dati), qsizetype(quanti));
    const EsitoNon esito = leggiNon(byte);
    if (!esito.ok()) {
        if (esito.rifiuto == RifiutoNon::Nessuno)
            __builtin_trap();
        return 0;
    }
    const SchemaNon& s = esito.schema;
    if (s.pixel.size() != qsizetype(s.larghezza) * s.altezza ||
        s.righe.size() != std::size_t(s.altezza) || s.colonne.size() != std::size_t(s.larghezza))
        __builtin_trap();
    const EsitoNon riletto = leggiNon(scriviNon(s.titolo, s.larghezza, s.altezza, s.pixel));
    if (!riletto.ok() || riletto.schema.pixel != s.pixel || riletto.schema.titolo != s.titolo ||
        riletto.schema.righe != s.righe || riletto.schema.colonne != s.colonne)
        __builtin_trap(); // a picture that does not fit its clues, or a lossy writer
    return 0;
}
