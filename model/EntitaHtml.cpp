#include "model/EntitaHtml.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>

namespace gridora {

namespace {

struct Entita {
    const char* nome;
    char32_t carattere;
};

// The references that puzzle titles and credits actually use: markup, typography and the
// accented letters of the western European languages. Sorted by name for a binary search.
constexpr Entita Nominate[] = {
    {"AElig", 0xC6},   {"Aacute", 0xC1},   {"Acirc", 0xC2},   {"Agrave", 0xC0}, {"Aring", 0xC5},
    {"Atilde", 0xC3},  {"Auml", 0xC4},     {"Ccedil", 0xC7},  {"Eacute", 0xC9}, {"Ecirc", 0xCA},
    {"Egrave", 0xC8},  {"Euml", 0xCB},     {"Iacute", 0xCD},  {"Icirc", 0xCE},  {"Igrave", 0xCC},
    {"Iuml", 0xCF},    {"Ntilde", 0xD1},   {"OElig", 0x152},  {"Oacute", 0xD3}, {"Ocirc", 0xD4},
    {"Ograve", 0xD2},  {"Oslash", 0xD8},   {"Otilde", 0xD5},  {"Ouml", 0xD6},   {"Uacute", 0xDA},
    {"Ucirc", 0xDB},   {"Ugrave", 0xD9},   {"Uuml", 0xDC},    {"Yacute", 0xDD}, {"aacute", 0xE1},
    {"acirc", 0xE2},   {"aelig", 0xE6},    {"agrave", 0xE0},  {"amp", 0x26},    {"apos", 0x27},
    {"aring", 0xE5},   {"atilde", 0xE3},   {"auml", 0xE4},    {"bull", 0x2022}, {"ccedil", 0xE7},
    {"cent", 0xA2},    {"copy", 0xA9},     {"deg", 0xB0},     {"divide", 0xF7}, {"eacute", 0xE9},
    {"ecirc", 0xEA},   {"egrave", 0xE8},   {"euml", 0xEB},    {"euro", 0x20AC}, {"frac12", 0xBD},
    {"gt", 0x3E},      {"hellip", 0x2026}, {"iacute", 0xED},  {"icirc", 0xEE},  {"iexcl", 0xA1},
    {"igrave", 0xEC},  {"iquest", 0xBF},   {"iuml", 0xEF},    {"laquo", 0xAB},  {"ldquo", 0x201C},
    {"lsquo", 0x2018}, {"lt", 0x3C},       {"mdash", 0x2014}, {"micro", 0xB5},  {"middot", 0xB7},
    {"nbsp", 0xA0},    {"ndash", 0x2013},  {"ntilde", 0xF1},  {"oacute", 0xF3}, {"ocirc", 0xF4},
    {"oelig", 0x153},  {"ograve", 0xF2},   {"oslash", 0xF8},  {"otilde", 0xF5}, {"ouml", 0xF6},
    {"para", 0xB6},    {"pound", 0xA3},    {"quot", 0x22},    {"raquo", 0xBB},  {"rdquo", 0x201D},
    {"reg", 0xAE},     {"rsquo", 0x2019},  {"sect", 0xA7},    {"szlig", 0xDF},  {"times", 0xD7},
    {"trade", 0x2122}, {"uacute", 0xFA},   {"ucirc", 0xFB},   {"ugrave", 0xF9}, {"uuml", 0xFC},
    {"yacute", 0xFD},  {"yen", 0xA5},      {"yuml", 0xFF},
};

static_assert(std::is_sorted(std::begin(Nominate), std::end(Nominate),
                             [](const Entita& a, const Entita& b) {
                                 return std::string_view(a.nome) < std::string_view(b.nome);
                             }));

constexpr qsizetype CorpoMassimo = 10; // "#x10FFFF" and the longest name fit

std::optional<char32_t> nominata(QStringView nome)
{
    const QByteArray ascii = nome.toLatin1();
    const auto trovata =
        std::lower_bound(std::begin(Nominate), std::end(Nominate), ascii,
                         [](const Entita& e, const QByteArray& n) { return n > e.nome; });
    if (trovata == std::end(Nominate) || ascii != trovata->nome)
        return std::nullopt;
    return trovata->carattere;
}

// The value of an ASCII digit in that base, -1 for anything else.
int valoreCifra(QChar c, int base)
{
    const char16_t u = c.unicode();
    const int v = u >= u'0' && u <= u'9'   ? u - u'0'
                  : u >= u'a' && u <= u'z' ? u - u'a' + 10
                  : u >= u'A' && u <= u'Z' ? u - u'A' + 10
                                           : -1;
    return v < base ? v : -1;
}

// "#233" or "#xE9"; nothing when it is not a number reference at all.
std::optional<char32_t> numerica(QStringView corpo)
{
    if (corpo.size() < 2 || corpo[0] != u'#')
        return std::nullopt;
    const bool esadecimale = corpo[1] == u'x' || corpo[1] == u'X';
    const QStringView cifre = corpo.mid(esadecimale ? 2 : 1);
    if (cifre.isEmpty() || cifre.size() > 8)
        return std::nullopt;
    uint valore = 0;
    for (const QChar c : cifre) {
        const int cifra = valoreCifra(c, esadecimale ? 16 : 10);
        if (cifra < 0)
            return std::nullopt;
        valore = valore * (esadecimale ? 16 : 10) + uint(cifra);
    }
    if (valore == 0 || valore > 0x10FFFF || (valore >= 0xD800 && valore <= 0xDFFF))
        return U'\uFFFD';
    return char32_t(valore);
}

} // namespace

QString decodificaEntita(const QString& testo)
{
    QString esito;
    esito.reserve(testo.size());
    qsizetype i = 0;
    while (i < testo.size()) {
        // Only a short stretch is searched for the ';', so text full of '&' stays linear.
        const qsizetype fine =
            testo[i] == u'&' ? QStringView(testo).mid(i + 1, CorpoMassimo + 1).indexOf(u';') : -1;
        if (fine < 0) {
            esito += testo[i++];
            continue;
        }
        const QStringView corpo = QStringView(testo).mid(i + 1, fine);
        std::optional<char32_t> carattere = numerica(corpo);
        if (!carattere)
            carattere = nominata(corpo);
        if (!carattere) {
            esito += testo[i++];
            continue;
        }
        esito += QString::fromUcs4(&*carattere, 1);
        i += fine + 2;
    }
    return esito;
}

QString codificaEntita(const QString& testo)
{
    QString esito;
    esito.reserve(testo.size());
    for (const QChar c : testo) {
        switch (c.unicode()) {
        case u'&':
            esito += u"&amp;";
            break;
        case u'<':
            esito += u"&lt;";
            break;
        case u'>':
            esito += u"&gt;";
            break;
        case u'"':
            esito += u"&quot;";
            break;
        default:
            esito += c;
        }
    }
    return esito;
}

} // namespace gridora
