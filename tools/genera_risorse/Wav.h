#pragma once

#include <QByteArray>
#include <vector>

namespace genera {

// Chunk layout of a PCM WAVE file: "fmt " (16 bytes, or 18 with cbSize = 0), an optional
// "fact" with the frame count, "data" (padded to an even size) and an optional trailing
// "LIST"/"INFO" naming the program that made the file.
struct FormatoWav {
    int canali = 1;
    int frequenza = 22050;
    int bit = 16; // 8: unsigned, silence at 128; 16: signed little-endian
    bool fmtEsteso = false;
    bool fact = false;
    QByteArray software = {}; // "ISFT" text of the LIST chunk; empty for no LIST chunk

    int byteFotogramma() const { return canali * bit / 8; }
};

// Interleaves the channels (all of the same length, samples in [-1, 1]) into PCM bytes of
// the given format. Samples outside the range are an error, not clipped.
QByteArray codificaPcm(const std::vector<std::vector<double>>& canali, const FormatoWav& formato);

QByteArray fileWav(const FormatoWav& formato, const QByteArray& pcm);

} // namespace genera
