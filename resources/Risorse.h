#pragma once

// The program's own pictures, pointers and sounds, compiled in with the Qt resource system.
// One table maps names (matched without regard to case) and numbers to the files.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>
#include <span>

class QCursor;
class QIcon;

namespace gridora::risorse {

enum class Tipo { Bitmap, Puntatore, Suono };

struct Voce {
    Tipo tipo;
    const char* nome; // nullptr for resources addressed only by number
    int numero;       // 0 for resources addressed only by name
    const char* file; // path in the Qt resource system
    QPoint puntoCaldo;
};

std::span<const Voce> tabella();
const Voce* trova(Tipo tipo, QStringView nome);
const Voce* trova(Tipo tipo, int numero);

// Bitmaps by name or number; a null image for a name or number that is not in the table.
QImage immagine(QStringView nome);
QImage immagine(int numero);

struct ImmaginePuntatore {
    QImage immagine; // 32 x 32 with transparency
    QPoint puntoCaldo;
};
// A pointer's picture, read from its cursor file (colours, transparency mask, hot spot).
ImmaginePuntatore immaginePuntatore(QStringView nome);
// The pointer ready for a widget (needs a running QGuiApplication).
QCursor puntatore(QStringView nome);

// The bytes of a complete RIFF WAVE file.
QByteArray suono(int numero);

QIcon icona();           // the program icon of every window
QImage pulsanteRecord(); // the green button of the game window

// Registers the embedded font once and gives its family name.
QString famigliaCaratteri();

// Decodes a 32 x 32 cursor file; a null image when malformed.
ImmaginePuntatore decodificaCursore(const QByteArray& dati);

// Icon (ICO) and cursor (CUR) files, for the program's own and for the pictures users import.
// Qt's reader drops the transparency mask of 16-bit and 24-bit entries, so they are read here.
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
