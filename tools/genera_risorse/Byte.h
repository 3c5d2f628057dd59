#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace genera {

// Byte buffer for the little-endian structures of BMP, ICO/CUR and RIFF files.
class Byte {
public:
    void u8(quint8 v) { dati.append(static_cast<char>(v)); }
    void u16(quint16 v)
    {
        u8(static_cast<quint8>(v & 0xFFu));
        u8(static_cast<quint8>(v >> 8));
    }
    void u32(quint32 v)
    {
        u16(static_cast<quint16>(v & 0xFFFFu));
        u16(static_cast<quint16>(v >> 16));
    }
    void i32(qint32 v) { u32(static_cast<quint32>(v)); }
    // A four-character code such as "RIFF"; the terminating zero is not written.
    void codice(const char (&c)[5]) { dati.append(c, 4); }
    void blocco(const QByteArray& b) { dati.append(b); }
    void zeri(qsizetype n) { dati.append(n, '\0'); }

    qsizetype size() const { return dati.size(); }

    QByteArray dati;
};

} // namespace genera
