#pragma once

// Picture files for the image import's tests and benchmarks: drawings whose preview converts to a
// known cell string, written through Qt (BMP, JPEG, ICO, PNG) or by hand (GIF and Windows
// metafiles, which Qt does not write), files of random bytes, and stand-ins for the metafile
// helper.

#include "import/Campionamento.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>
#include <algorithm>

namespace gridora {

inline const QSize DimensioneAnteprima(LatoInternoAnteprima, LatoInternoAnteprima);

inline void le16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

inline void le32(QByteArray& b, quint32 v)
{
    le16(b, int(v & 0xFFFF));
    le16(b, int(v >> 16));
}

// A recognisable, irregular drawing for each side.
inline QString celleDi(int lato)
{
    QString celle;
    for (int i = 0; i < lato; ++i)
        for (int j = 0; j < lato; ++j)
            celle += (i * 7 + j * 3 + i * j) % 5 < 2 ? u'1' : u'0';
    return celle;
}

// Where block k of a side-N grid starts, in preview pixels: halfway between its sample point,
// floor(k * 1815 / N / 15), and the previous one, so every sample lies well inside its block
// whatever the scaling.
inline int confine(int k, int lato)
{
    if (k <= 0)
        return 0;
    if (k >= lato)
        return LatoInternoAnteprima;
    return ((k - 1) * 121 / lato + k * 121 / lato) / 2;
}

// Filled cells alternate black and red, empty ones white and blue: a reader that mixed up the
// red and blue channels would turn them over.
inline QColor coloreCella(bool pieno, int i, int j)
{
    if (pieno)
        return (i + j) % 2 ? Qt::black : Qt::red;
    return (i + j) % 2 ? Qt::white : Qt::blue;
}
inline const QList<QRgb> TavolozzaDisegni{qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(255, 255, 255),
                                          qRgb(0, 0, 255)};

// A picture of `dimensione` whose preview converts to `celle`.
inline QImage disegno(const QString& celle, int lato, QSize dimensione)
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    const auto x = [&](int k) { return qRound(confine(k, lato) * dimensione.width() / 119.0); };
    const auto y = [&](int k) { return qRound(confine(k, lato) * dimensione.height() / 119.0); };
    for (int i = 0; i < lato; ++i)
        for (int j = 0; j < lato; ++j)
            p.fillRect(QRect(QPoint(x(j), y(i)), QPoint(x(j + 1) - 1, y(i + 1) - 1)),
                       coloreCella(celle[i * lato + j] == u'1', i, j));
    return img;
}

inline QImage tinta(QColor colore, QSize dimensione = {40, 40})
{
    QImage img(dimensione, QImage::Format_RGB32);
    img.fill(colore);
    return img;
}

// The drawing in black and white, one bit a pixel as a scanner writes it: filled cells black
// (index 0), empty ones white (index 1).
inline QImage monoDi(const QString& celle, int lato, QSize dimensione)
{
    const QImage figura = disegno(celle, lato, DimensioneAnteprima);
    QImage mono(DimensioneAnteprima, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x)
            mono.setPixel(x, y, campionePieno(figura.pixel(x, y)) ? 0 : 1);
    return mono.scaled(dimensione, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

inline QByteArray scritta(const QImage& img, const char* formato, int qualita = -1,
                          bool progressiva = false)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter scrittore(&buffer, formato);
    scrittore.setQuality(qualita);
    scrittore.setProgressiveScanWrite(progressiva);
    if (!scrittore.write(img))
        qFatal("cannot write %s", formato);
    return dati;
}

// A GIF of frames of one size over one global table of 256 colours (`tavolozza`, padded with
// black). LZW codes are a constant 9 bits: a clear code every 250 pixels keeps the table from
// growing.
inline QByteArray gif(const QList<QImage>& fotogrammi,
                      const QList<QRgb>& tavolozza = TavolozzaDisegni)
{
    const QSize s = fotogrammi.first().size();
    QByteArray g("GIF89a");
    for (int v : {s.width(), s.height(), 0xF7}) // global table of 256 colours
        le16(g, v);
    g.append('\0');
    for (int k = 0; k < 256; ++k)
        for (int spostamento : {16, 8, 0}) // red, green, blue
            g.append(char((tavolozza.value(k) >> spostamento) & 0xFF));
    for (const QImage& f : fotogrammi) {
        const QImage indici = f.convertToFormat(QImage::Format_Indexed8, tavolozza);
        g.append(char(0x2C));
        for (int v : {0, 0, s.width(), s.height()})
            le16(g, v);
        g.append('\0').append(char(8)); // no local table; minimum code size 8
        QByteArray flusso;
        quint32 accumulo = 0;
        int bit = 0;
        const auto codice = [&](int c) {
            for (accumulo |= quint32(c) << bit, bit += 9; bit >= 8; bit -= 8, accumulo >>= 8)
                flusso.append(char(accumulo & 0xFF));
        };
        for (qsizetype i = 0; i < qsizetype(s.width()) * s.height(); ++i) {
            if (i % 250 == 0)
                codice(256); // clear
            codice(indici.constScanLine(int(i / s.width()))[i % s.width()]);
        }
        codice(257); // end
        if (bit > 0)
            flusso.append(char(accumulo & 0xFF));
        for (qsizetype i = 0; i < flusso.size(); i += 255) {
            const QByteArray blocco = flusso.mid(i, 255);
            g.append(char(blocco.size())).append(blocco);
        }
        g.append('\0');
    }
    return g.append(char(0x3B));
}

// A Windows metafile record, its size in 16-bit words.
inline QByteArray record(int funzione, const QList<int>& parole)
{
    QByteArray r;
    le32(r, quint32(3 + parole.size()));
    le16(r, funzione);
    for (int p : parole)
        le16(r, p);
    return r;
}

// A placeable metafile: the header, then the records and the end record.
inline QByteArray metafile(const QByteArray& corpo, int oggetti,
                           QRect riquadro = QRect(0, 0, 119, 119), int perPollice = 96)
{
    QByteArray m;
    le32(m, 0x9AC6CDD7u);
    for (int v : {0, riquadro.left(), riquadro.top(), riquadro.left() + riquadro.width(),
                  riquadro.top() + riquadro.height(), perPollice, 0, 0})
        le16(m, v);
    int somma = 0;
    for (int i = 0; i < 20; i += 2)
        somma ^= qFromLittleEndian<quint16>(m.constData() + i);
    le16(m, somma);
    const QByteArray tutto = corpo + record(0, {});
    quint32 massimo = 3;
    for (qsizetype i = 0, parole = 0; i < tutto.size(); i += parole * 2) {
        parole = qFromLittleEndian<quint32>(tutto.constData() + i);
        massimo = std::max(massimo, quint32(parole));
    }
    for (int v : {1, 9, 0x0300}) // in memory, header words, version
        le16(m, v);
    le32(m, quint32((18 + tutto.size()) / 2));
    le16(m, oggetti);
    le32(m, massimo);
    le16(m, 0);
    return m + tutto;
}

// The drawing as a metafile of 119 x 119 units at 96 units an inch: one unit, one pixel. Filled
// cells are black or red as in disegno(); empty ones are left undrawn.
inline QByteArray wmfDi(const QString& celle, int lato, QPoint origine = QPoint(0, 0))
{
    const int x = origine.x(), y = origine.y();
    QByteArray corpo = record(0x020B, {y, x})             // SetWindowOrg(y, x)
                       + record(0x020C, {119, 119})       // SetWindowExt
                       + record(0x02FA, {5, 0, 0, 0, 0})  // CreatePenIndirect: no pen
                       + record(0x012D, {0})              // SelectObject
                       + record(0x02FC, {0, 0, 0, 0})     // CreateBrushIndirect: black
                       + record(0x02FC, {0, 0xFF, 0, 0}); // red (COLORREF 0x00BBGGRR)
    for (int i = 0; i < lato; ++i)
        for (int j = 0; j < lato; ++j)
            if (celle[i * lato + j] == u'1')
                corpo +=
                    record(0x012D, {coloreCella(true, i, j) == Qt::black ? 1 : 2}) +
                    record(0x041B, {y + confine(i + 1, lato), x + confine(j + 1, lato), // Rectangle
                                    y + confine(i, lato), x + confine(j, lato)});
    return metafile(corpo, 3, QRect(origine, QSize(119, 119)));
}

inline QByteArray casuali(qsizetype quanti, quint32 seme)
{
    QRandomGenerator g(seme);
    QByteArray b(quanti, Qt::Uninitialized);
    for (char& c : b)
        c = char(g.bounded(256));
    return b;
}

inline QString scriviFile(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(dati) != dati.size())
        qFatal("cannot write %s", qPrintable(percorso));
    return percorso;
}

// A shell script in place of the metafile helper, executable by its owner.
inline QString aiutante(const QString& percorso, const QByteArray& corpo)
{
    scriviFile(percorso, "#!/bin/sh\n" + corpo + "\n");
    if (!QFile::setPermissions(percorso, QFile::ReadOwner | QFile::ExeOwner))
        qFatal("cannot make %s executable", qPrintable(percorso));
    return percorso;
}

} // namespace gridora
