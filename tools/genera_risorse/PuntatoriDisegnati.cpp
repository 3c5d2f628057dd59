#include "Puntatori.h"

#include <array>
#include <stdexcept>

namespace genera {

namespace {

using Righe = std::array<const char*, 32>;

// One character per pixel: '.' lets the screen through, the letters pick VGA colours.
QRgb colore(char c)
{
    const auto& vga = tavolozzaVga();
    switch (c) {
    case 'K':
        return vga[0]; // black
    case 'M':
        return vga[1]; // maroon
    case 'O':
        return vga[3]; // olive
    case 'N':
        return vga[4]; // navy
    case 'S':
        return vga[7]; // silver
    case 'G':
        return vga[8]; // grey
    case 'R':
        return vga[9]; // red
    case 'Y':
        return vga[11]; // yellow
    case 'B':
        return vga[12]; // blue
    case 'C':
        return vga[14]; // cyan
    case 'W':
        return vga[15]; // white
    case '.':
        return qRgba(0, 0, 0, 0);
    default:
        throw std::runtime_error("carattere sconosciuto nel disegno di un puntatore");
    }
}

QImage immagine(const Righe& righe)
{
    QImage img(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        const char* riga = righe[static_cast<std::size_t>(y)];
        for (int x = 0; x < 32; ++x) {
            if (riga[x] == '\0')
                throw std::runtime_error("riga corta nel disegno di un puntatore");
            img.setPixel(x, y, colore(riga[x]));
        }
        if (riga[32] != '\0')
            throw std::runtime_error("riga lunga nel disegno di un puntatore");
    }
    return img;
}

// Pointing hand: the tip of the index finger is the hot spot.
const Righe mano = {
    "................................", "...........KKK..................",
    "..........KWWWK.................", "..........KWWWK.................",
    "..........KWWWK.................", "..........KWWWK.................",
    "..........KWWWKKKK..............", "..........KWWWKWWWKKKK..........",
    "..........KWWWKWWWKWWWKKK.......", "..........KWWWKWWWKWWWKWWK......",
    ".......KKKKWWWKWWWKWWWKWWK......", "......KWWWKWWWKWWWKWWWKWWK......",
    ".....KWWWWKWWWKWWWKWWWKWWK......", ".....KWWWWKWWWWWWWWWWWWWWK......",
    ".....KWWWWWWWWWWWWWWWWWWWK......", ".....KWWWWWWWWWWWWWWWWWWWK......",
    "......KWWWWWWWWWWWWWWWWWWK......", "......KWWWWWWWWWWWWWWWWWWK......",
    ".......KWWWWWWWWWWWWWWWWK.......", ".......KWWWWWWWWWWWWWWWWK.......",
    "........KWWWWWWWWWWWWWWK........", "........KKKKKKKKKKKKKKKK........",
    "........KBBBBBBBBBBBBBBK........", "........KBBBBBBBBBBBBBBK........",
    "........KNNNNNNNNNNNNNNK........", "........KKKKKKKKKKKKKKKK........",
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
};

// Pen held at 45 degrees, nib at the top left.
const Righe penna = {
    "................................", "................................",
    "................................", "..K.............................",
    "...K............................", "....KK..W.......................",
    "....KKKKWW......................", ".....KKKKWWW....................",
    ".....KKKKKKWW...................", "....WWKKKKSGWW..................",
    ".....WWKKSSKKWW.................", "......WKSSKKKKWW................",
    "......WWGKKKKKKWW...............", ".......WWKKGKKKKWW..............",
    "........WWKKGKKKKWW.............", ".........WWKKGKKKKWW............",
    "..........WWKKGKKKKWW...........", "...........WWKKGKKKKWW..........",
    "............WWKKGKKKKWW.........", ".............WWKKGKKKKWW........",
    "..............WWKKGKKKKWW.......", "...............WWKKGKKKKW.......",
    "................WWKKGKKKWW......", ".................WWKKKKKKW......",
    "..................WWKKKKWW......", "...................WWWKWW.......",
    ".....................WWW........", "................................",
    "................................", "................................",
    "................................", "................................",
};

// Short yellow pencil with a red rubber, sharpened end at the bottom left.
const Righe matita = {
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
    ".......................KKKKK....", "......................KKRRRKK...",
    ".....................KKSRRRRK...", "....................KKSSSRRMK...",
    "...................KKYYSSSMMK...", "..................KKYYYYSGGKK...",
    ".................KKYYYYYOGKK....", "................KKYYYYYOOKK.....",
    "...............KKYYYYYOOKK......", "..............KKYYYYYOOKK.......",
    ".............KKYYYYYOOKK........", ".............KWYYYYOOKK.........",
    "............KKWWYYOOKK..........", "............KWWWWOOKK...........",
    "............KKWWKK..............", "............KKKK................",
    "............K...................", "................................",
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
};

// Eraser: grey rubber at the bottom left, yellow sleeve, working edge on the hot spot.
const Righe gomma = {
    "................................", "................................",
    "................................", "................KKK.............",
    "...............KKWKK............", "..............KKWWYKK...........",
    ".............KKWWYYYKK..........", "............KKWWYYYYYKK.........",
    "...........KKWWYYYYYYYKK........", "..........KKWWYYYYYYYYOKK.......",
    ".........KKWWYYYYYYYYOOOK.......", ".........KWWYYYYYYYYOOOKK.......",
    ".......KKKKYYYYYYYYOOOKK........", "......KKWWKKYYYYYYOOOKK.........",
    ".....KKWWSSKKYYYYOOOKK..........", "....KKWWSSSSKKYYOOOKK...........",
    "...KKWWSSSSSSKKOOOKK............", "...KWWSSSSSSSSKKOKK.............",
    "...KKSSSSSSSSGGKKK..............", "....KKSSSSSSGGGK................",
    ".....KKSSSSGGGKK................", "......KKSSGGGKK.................",
    ".......KKGGGKK..................", "........KKGKK...................",
    ".........KKK....................", "................................",
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
};

// Tipped paint pot; the drop at the end of the stream is the hot spot.
const Righe riempi = {
    "................................", "............KKKKKK..............",
    "..........KKK...KKKK............", ".........KK..KKKKWWK............",
    "........KKKKKKWWWWWKK...........", ".......KKKWWWWWWSSSSK...........",
    ".....KKKWWWWWWSSSSSSKK..........", ".....KCCKWWSSSSSSSSSSK..........",
    ".....KCCCKSSSSSSSSSSSK..........", ".....KCCCCKSSSSSSSSSSKK.........",
    ".....KKCCCKSSSSSSSSGGGK.........", "......KCCCCKSSSSGGGGGGK.........",
    "......KCCCCKSSGGGGGGKKK.........", "......KKCCCKGGGGGGKKK...........",
    ".......KCCCCKGGGKKK.............", ".......KKCCCKGKKK...............",
    "........KKCCKKK.................", ".........KCCK...................",
    ".........KCCK...................", "........KKCCK...................",
    "........KCCCK...................", "........KKCKK...................",
    ".........KKK....................", "................................",
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
};

} // namespace

std::vector<Puntatore> puntatoriDisegnati()
{
    const auto sedici = Profondita::SediciColori;
    return {
        {QStringLiteral("MANO"), immagine(mano), {12, 1}, sedici},
        {QStringLiteral("PENNA"), immagine(penna), {2, 3}, sedici},
        {QStringLiteral("PENNA2"), immagine(matita), {12, 22}, sedici},
        {QStringLiteral("GOMMA"), immagine(gomma), {7, 20}, sedici},
        {QStringLiteral("RIEMPI"), immagine(riempi), {10, 21}, sedici},
    };
}

} // namespace genera
