#pragma once

// Windows metafiles to PNG with libwmf: the work of the helper program gridora-wmf, kept apart
// from the game because libwmf is old C code that may crash or loop on a hostile file. No Qt
// here, so the helper stays small and starts quickly.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gridora {

// A placeable metafile starts with this key (little endian D7 CD C6 9A).
inline constexpr std::uint32_t ChiavePiazzabile = 0x9AC6CDD7u;

struct IntestazionePiazzabile {
    int sinistra = 0;
    int alto = 0;
    int destra = 0;
    int basso = 0;
    int unitaPerPollice = 0;
};

// Reads the 22-byte placeable header; false when the bytes do not start with one or its box is
// empty or its unit is zero.
bool leggiIntestazionePiazzabile(const unsigned char* dati, std::size_t quanti,
                                 IntestazionePiazzabile& intestazione);

// Whether the metafile's header (after the placeable one, if any) is one libwmf may be given:
// a 9-word header whose largest record fits in the file.
bool intestazioneCredibile(const unsigned char* dati, std::size_t quanti);

// The metafile drawn at its own size at 96 dpi, each side shrunk to at most the given maximum
// (so the picture may be stretched), on white, as PNG bytes. Empty when libwmf rejects the file.
std::vector<unsigned char> wmfInPng(const unsigned char* dati, std::size_t quanti,
                                    int larghezzaMassima, int altezzaMassima);

} // namespace gridora
