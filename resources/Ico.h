#pragma once

// Icon (ICO) and cursor (CUR) files, for the program's own and for the pictures users import.
// Qt's reader drops the transparency mask of 16-bit and 24-bit entries, so they are read here.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <optional>

namespace gridora::risorse {

inline constexpr quint16 IcoIcona = 1;
inline constexpr quint16 IcoCursore = 2;
inline constexpr qsizetype IntestazioneIco = 6 + 16; // the directory and its first entry

struct VoceIco {
    quint16 tipo;      // IcoIcona or IcoCursore
    QPoint puntoCaldo; // of a cursor
    quint32 inizio;    // where the entry's picture starts in the file
    quint32 lunghezza; // and its bytes, as the directory says
};
// The first entry of an icon or cursor file, from the file's first IntestazioneIco bytes.
std::optional<VoceIco> primaVoceIco(const QByteArray& intestazione);
// An entry's picture is a PNG file rather than a bitmap.
bool voceIcoPng(const QByteArray& voce);
// The size a bitmap entry's header announces; invalid when it is not such a header.
QSize dimensioneVoceIco(const QByteArray& voce);
// A bitmap entry (header, palette, colours, transparency mask) of 1, 4, 8, 16, 24 or 32 bits
// with its mask applied (a 32-bit one uses its alpha channel instead, unless that is all zero),
// at most `massima` on each side (each pixel taken from the one under it); an empty `massima`
// keeps its own size. A null image when malformed.
QImage decodificaVoceIco(const QByteArray& voce, QSize massima = {});

} // namespace gridora::risorse
