// Fuzz target: bytes through the metafile conversion that the helper gridora-wmf runs, libwmf
// included, and its PNG through the reader's own decoding of the helper's answer. The system's
// libwmf crashes and loops on some metafiles (the game is safe: the helper takes those), so this
// target is run in libFuzzer's fork mode with crashes and timeouts ignored (see README.md).
//
// libwmf is not instrumented, so mutations of whole files mostly die at the header. Inputs whose
// first byte is odd are therefore taken as a record stream and given a valid placeable header,
// with the largest record and the object count computed, so the fuzzer reaches libwmf's record
// handlers; even ones go in as they are.

#include "import/LetturaImmagine.h"
#include "import/wmf/ConversioneWmf.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

using namespace gridora;

namespace {

void le16(std::vector<unsigned char>& b, unsigned v)
{
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void le32(std::vector<unsigned char>& b, std::uint32_t v)
{
    le16(b, v & 0xFFFF);
    le16(b, v >> 16);
}

std::vector<unsigned char> conIntestazione(const std::uint8_t* record, std::size_t quanti)
{
    // The largest record, walked the way libwmf walks them.
    std::uint32_t massimo = 3;
    for (std::size_t i = 0; i + 6 <= quanti;) {
        const std::uint32_t parole = std::uint32_t(record[i]) | std::uint32_t(record[i + 1]) << 8 |
                                     std::uint32_t(record[i + 2]) << 16 |
                                     std::uint32_t(record[i + 3]) << 24;
        if (parole < 3 || parole > (quanti - i) / 2)
            break;
        massimo = std::max(massimo, parole);
        i += std::size_t(parole) * 2;
    }
    std::vector<unsigned char> m;
    le32(m, ChiavePiazzabile);
    for (unsigned v : {0u, 0u, 0u, 119u, 119u, 96u, 0u, 0u})
        le16(m, v);
    unsigned somma = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        somma ^= unsigned(m[i]) | unsigned(m[i + 1]) << 8;
    le16(m, somma);
    le16(m, 1);
    le16(m, 9);
    le16(m, 0x0300);
    le32(m, std::uint32_t((18 + quanti + 6) / 2));
    le16(m, 16); // objects
    le32(m, massimo);
    le16(m, 0);
    m.insert(m.end(), record, record + quanti);
    if (quanti % 2)
        m.push_back(0);
    le32(m, 3); // end record
    le16(m, 0);
    return m;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti)
{
    constexpr int Lato = 119;
    if (quanti == 0)
        return 0;
    const std::vector<unsigned char> wmf = dati[0] & 1
                                               ? conIntestazione(dati + 1, quanti - 1)
                                               : std::vector<unsigned char>(dati, dati + quanti);
    const std::vector<unsigned char> png = wmfInPng(wmf.data(), wmf.size(), Lato, Lato);
    if (png.empty())
        return 0;
    const EsitoImmagine esito = decodificaPngWmf(
        QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size())),
        QSize(Lato, Lato));
    if (!esito.ok())
        __builtin_trap(); // libwmf said yes, but its PNG is not what was asked for
    return 0;
}
