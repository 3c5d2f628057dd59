#include "Bmp.h"

#include "Byte.h"

namespace genera {

QByteArray bmp24(const QImage& immagine)
{
    const QImage img = immagine.convertToFormat(QImage::Format_RGB32);
    const int larghezza = img.width();
    const int altezza = img.height();
    const int byteRiga = (larghezza * 3 + 3) & ~3;
    const auto byteDati = static_cast<quint32>(byteRiga * altezza);
    constexpr quint32 intestazioni = 14 + 40;

    Byte b;
    // BITMAPFILEHEADER
    b.u8('B');
    b.u8('M');
    b.u32(intestazioni + byteDati);
    b.u16(0);
    b.u16(0);
    b.u32(intestazioni);
    // BITMAPINFOHEADER
    b.u32(40);
    b.i32(larghezza);
    b.i32(altezza);
    b.u16(1);  // planes
    b.u16(24); // bits per pixel
    b.u32(0);  // BI_RGB
    b.u32(byteDati);
    b.i32(2835); // 72 dpi
    b.i32(2835);
    b.u32(0);
    b.u32(0);

    for (int y = altezza - 1; y >= 0; --y) {
        for (int x = 0; x < larghezza; ++x) {
            const QRgb p = img.pixel(x, y);
            b.u8(static_cast<quint8>(qBlue(p)));
            b.u8(static_cast<quint8>(qGreen(p)));
            b.u8(static_cast<quint8>(qRed(p)));
        }
        b.zeri(byteRiga - larghezza * 3);
    }
    return b.dati;
}

} // namespace genera
