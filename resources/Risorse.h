#pragma once

// The program's own pictures, pointers and sounds, compiled in with the Qt resource system.
// One table maps names (matched without regard to case) and numbers to the files.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
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

} // namespace gridora::risorse
