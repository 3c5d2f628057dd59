#pragma once

// Pictures written in tests as rows of '#' (filled) and '.' (empty).

#include "model/Indizi.h"

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

// The N-Dom puzzle of side 2N + 1: one picture at every size, and hard for a plain search.
inline SequenzeDisegno nDom(int n)
{
    SequenzeDisegno i;
    i.righe.push_back({3});
    i.colonne = {{1}, {1}};
    for (int k = 1; k < n; ++k) {
        i.righe.insert(i.righe.end(), {{1}, {3, 1}});
        i.colonne.insert(i.colonne.end(), {{1, 3}, {1}});
    }
    i.righe.insert(i.righe.end(), {{1}, {1}});
    i.colonne.push_back({3});
    return i;
}

} // namespace gridora
