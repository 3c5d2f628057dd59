#pragma once

// What the image import's benchmarks share: the number of timed runs and the time allowed, a
// picture like a photograph to read, and the median of the runs.

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <vector>

namespace gridora {

inline constexpr int Ripetizioni = 7;
inline constexpr double LimiteMs = 300; // a large picture or folder, until it is on screen

// Something like a photograph: gradients, shapes and noise, so the JPEG is of a usual size.
inline QImage fotografia(QSize dimensione)
{
    QImage img(dimensione, QImage::Format_RGB32);
    QRandomGenerator caso(42);
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int rumore = int(caso.bounded(32));
            riga[x] = qRgb((x * 255 / img.width() + rumore) & 0xFF,
                           (y * 255 / img.height() + rumore) & 0xFF, (x + y + rumore) & 0xFF);
        }
    }
    QPainter p(&img);
    p.setBrush(Qt::black);
    p.drawEllipse(QRect(QPoint(0, 0), dimensione / 2).translated(dimensione.width() / 4, 500));
    return img;
}

inline double ms(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

inline double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace gridora
