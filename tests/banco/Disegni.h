#pragma once

// Pictures written in tests as rows of '#' (filled) and '.' (empty).

#include <QString>
#include <QStringList>

namespace gridora {

struct Schema {
    QString nome;
    QStringList righe;
};

// The cell string of a picture: "1" for '#', "0" for anything else, row after row.
inline QString pixelDi(const QStringList& righe)
{
    QString pixel;
    for (const QString& riga : righe) {
        for (const QChar c : riga)
            pixel += c == u'#' ? u'1' : u'0';
    }
    return pixel;
}

// A 15 x 15 house with two birds whose clues allow the birds to swap rows.
inline const QStringList CasaConUccelli = {
    "...............", "..#....#.......", "....#.###......", ".....#####.....", "....#######....",
    "...#########...", "..###########..", "...#########...", "...#.......#...", "...#.##..#.#...",
    "...#.##..#.#...", "...#.....#.#...", "...#.....#.#...", "...#########...", "...............",
};

} // namespace gridora
