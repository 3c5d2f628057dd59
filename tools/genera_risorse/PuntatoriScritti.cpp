#include "Puntatori.h"

#include <QPainter>
#include <QTransform>
#include <array>
#include <stdexcept>
#include <string_view>

namespace genera {

namespace {

constexpr int lato = 32;

// Which pixels of the 32x32 pointer belong to the white figure.
class Sagoma {
public:
    bool piena(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < lato && y < lato && pixel_[indice(x, y)];
    }
    void riempi(int x, int y) { pixel_.at(indice(x, y)) = true; }

private:
    static std::size_t indice(int x, int y) { return static_cast<std::size_t>(y * lato + x); }
    std::array<bool, lato * lato> pixel_{};
};

// The outline is rasterised with antialiasing and cut at half coverage: the pointer has
// no translucency, and grey edge pixels would look dirty on the board.
void aggiungi(Sagoma& sagoma, const QPainterPath& figura)
{
    QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(figura, Qt::white);
    }
    for (int y = 0; y < lato; ++y)
        for (int x = 0; x < lato; ++x)
            if (qAlpha(img.pixel(x, y)) >= 128)
                sagoma.riempi(x, y);
}

// Small capitals drawn pixel by pixel: at this size a rendered font turns to mush.
// Each letter is seven rows high; the gaps between letters become the black outline.
struct Lettera {
    char c;
    std::array<std::string_view, 7> righe;
};

constexpr std::array<Lettera, 5> lettere = {{
    {'M', {"X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"}},
    {'I', {"X", "X", "X", "X", "X", "X", "X"}},
    {'N', {"X...X", "XX..X", "XX..X", "X.X.X", "X..XX", "X..XX", "X...X"}},
    {'U', {"X...X", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."}},
    {'T', {"XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "..X.."}},
}};

const Lettera& lettera(char c)
{
    for (const Lettera& l : lettere)
        if (l.c == c)
            return l;
    throw std::runtime_error("lettera senza disegno");
}

int larghezza(std::string_view parola)
{
    int w = -1; // no gap after the last letter
    for (const char c : parola)
        w += static_cast<int>(lettera(c).righe[0].size()) + 1;
    return w;
}

// The word centred horizontally with its top row at y.
void scriviPiccolo(Sagoma& sagoma, std::string_view parola, int y)
{
    int x = (lato - larghezza(parola)) / 2;
    for (const char c : parola) {
        const Lettera& l = lettera(c);
        for (int r = 0; r < 7; ++r) {
            const std::string_view riga = l.righe[static_cast<std::size_t>(r)];
            for (std::size_t i = 0; i < riga.size(); ++i)
                if (riga[i] == 'X')
                    sagoma.riempi(x + static_cast<int>(i), y + r);
        }
        x += static_cast<int>(l.righe[0].size()) + 1;
    }
}

// White figure, a one-pixel black ring around it (eight-neighbour), clear elsewhere.
QImage contornata(const Sagoma& sagoma)
{
    QImage img(lato, lato, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < lato; ++y) {
        for (int x = 0; x < lato; ++x) {
            if (sagoma.piena(x, y)) {
                img.setPixel(x, y, qRgb(255, 255, 255));
                continue;
            }
            bool bordo = false;
            for (int dy = -1; dy <= 1 && !bordo; ++dy)
                for (int dx = -1; dx <= 1 && !bordo; ++dx)
                    bordo = sagoma.piena(x + dx, y + dy);
            if (bordo)
                img.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return img;
}

// The figure must leave a pixel free on every side for the outline.
const QRectF areaUtile(1, 1, lato - 2, lato - 2);

// Bold lettering for the pointers, with extra room between the characters so that their
// outlines stay apart once the text is squeezed into 32 pixels.
QPainterPath scrittaGrassetta(const Caratteri& caratteri, const QString& testo, double spaziatura)
{
    QFont f = caratteri.grassetto(64);
    f.setLetterSpacing(QFont::AbsoluteSpacing, spaziatura);
    return percorsoTesto(testo, f);
}

Puntatore cifra(const Caratteri& caratteri, const char* nome, const QString& testo)
{
    Sagoma s;
    aggiungi(s, adattato(scrittaGrassetta(caratteri, testo, 0), areaUtile));
    return {QLatin1String(nome), contornata(s), {0, 0}, Profondita::Vera};
}

// Scaled down as a whole the word would be a low strip across the middle. Each letter in
// a tall box of its own, squeezed sideways, keeps the full height and stays apart.
Puntatore via(const Caratteri& caratteri)
{
    struct Casella {
        QString lettera;
        QRectF area;
    };
    const std::array<Casella, 3> caselle = {{
        {QStringLiteral("V"), QRectF(1, 3, 12, 26)},
        {QStringLiteral("i"), QRectF(14, 3, 3, 26)},
        {QStringLiteral("A"), QRectF(18, 3, 12, 26)},
    }};
    Sagoma s;
    for (const Casella& c : caselle) {
        const QPainterPath glifo = scrittaGrassetta(caratteri, c.lettera, 0);
        const QRectF r = glifo.boundingRect();
        QTransform t;
        t.translate(c.area.left(), c.area.top());
        t.scale(c.area.width() / r.width(), c.area.height() / r.height());
        t.translate(-r.left(), -r.top());
        aggiungi(s, t.map(glifo));
    }
    return {QStringLiteral("VIA"), contornata(s), {0, 0}, Profondita::Vera};
}

Puntatore minuti(const Caratteri& caratteri, const char* nome, const QString& bonus)
{
    Sagoma s;
    aggiungi(s, adattato(scrittaGrassetta(caratteri, bonus, 6), QRectF(1, 1, 30, 19)));
    scriviPiccolo(s, "MINUTI", 23);
    return {QLatin1String(nome), contornata(s), {0, 0}, Profondita::Vera};
}

} // namespace

std::vector<Puntatore> puntatoriScritti(const Caratteri& caratteri)
{
    return {
        cifra(caratteri, "TRE", QStringLiteral("3")),
        cifra(caratteri, "DUE", QStringLiteral("2")),
        cifra(caratteri, "UNO", QStringLiteral("1")),
        via(caratteri),
        minuti(caratteri, "2MIN", QStringLiteral("+2")),
        minuti(caratteri, "4MIN", QStringLiteral("+4")),
        minuti(caratteri, "8MIN", QStringLiteral("+8")),
    };
}

} // namespace genera
