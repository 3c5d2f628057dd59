#include "Suoni.h"

#include "Sintesi.h"
#include "Wav.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace genera {

namespace {

using Canali = std::vector<std::vector<double>>;

// Pitches are MIDI note numbers: 60 is middle C, 72 the C above, 69 the A at 440 Hz.

// 101, 102 and 103 play back to back when a game opens: a rising phrase, an answer that
// stops on the leading note, and the tonic to close. 103 is also the blip of every
// correct fill, so it stays short and soft.
Canali apertura(int frequenza, std::size_t fotogrammi, const std::array<int, 6>& melodia,
                int notaLunga, double durataLunga)
{
    Traccia t(frequenza, fotogrammi);
    const Inviluppo breve{.attacco = 0.006, .rilascio = 0.04, .decadimento = 0.35};
    for (std::size_t i = 0; i < melodia.size(); ++i)
        t.nota(0.15 * static_cast<double>(i), 0.15, hz(melodia[i]), 1.0, timbri::quadraMorbida(),
               breve);
    t.nota(0.90, durataLunga, hz(notaLunga), 1.0, timbri::quadraMorbida(),
           {.attacco = 0.006, .rilascio = 0.08, .decadimento = 0.5});
    t.normalizza(0.38);
    return {t.campioni()};
}

Canali apertura1(int frequenza, std::size_t fotogrammi)
{
    return apertura(frequenza, fotogrammi, {72, 76, 79, 76, 77, 81}, 84, 0.46);
}

Canali apertura2(int frequenza, std::size_t fotogrammi)
{
    return apertura(frequenza, fotogrammi, {86, 84, 83, 81, 79, 81}, 83, 0.38);
}

Canali tocco(int frequenza, std::size_t fotogrammi)
{
    Traccia t(frequenza, fotogrammi);
    t.nota(0.0, 0.32, hz(84), 1.0, timbri::campanella(),
           {.attacco = 0.004, .rilascio = 0.05, .decadimento = 0.06});
    t.normalizza(0.3);
    return {t.campioni()};
}

// Two short low buzzes; a second sawtooth a semitone up makes it rough, and the slightly
// different detuning on the two sides makes it wide.
Canali errore(int frequenza, std::size_t fotogrammi)
{
    Canali canali;
    for (const double scarto : {0.0, 0.6}) {
        Traccia t(frequenza, fotogrammi);
        for (const double inizio : {0.03, 0.36}) {
            const Inviluppo inv{.attacco = 0.006, .rilascio = 0.03};
            t.nota(inizio, 0.26, 98.0 + scarto, 1.0, timbri::dente(24), inv);
            t.nota(inizio, 0.26, 104.0 - scarto, 0.7, timbri::dente(24), inv);
        }
        canali.push_back(t.campioni());
    }
    double picco = 0.0;
    for (const auto& c : canali)
        for (const double v : c)
            picco = std::max(picco, std::abs(v));
    for (auto& c : canali)
        for (double& v : c)
            v *= 0.45 / picco;
    return canali;
}

// Puzzle solved: a bell arpeggio up two octaves of C major, then the chord rings out.
Canali risolto(int frequenza, std::size_t fotogrammi)
{
    Traccia t(frequenza, fotogrammi);
    const std::array arpeggio{72, 76, 79, 84, 88, 91};
    for (std::size_t i = 0; i < arpeggio.size(); ++i)
        t.nota(0.1 * static_cast<double>(i), 0.3, hz(arpeggio[i]), 1.0, timbri::campanella(),
               {.attacco = 0.005, .rilascio = 0.05, .decadimento = 0.15});
    for (const int n : {84, 88, 91, 96})
        t.nota(0.66, 1.8, hz(n), 0.45, timbri::campanella(),
               {.attacco = 0.008, .rilascio = 0.3, .decadimento = 0.6});
    t.normalizza(0.5);
    return {t.campioni()};
}

// Time is up: an alarm alternating A and E.
Canali tempoScaduto(int frequenza, std::size_t fotogrammi)
{
    Traccia t(frequenza, fotogrammi);
    for (int i = 0; i < 13; ++i)
        t.nota(0.15 * i, 0.13, hz(i % 2 == 0 ? 81 : 76), 1.0, timbri::quadraMorbida(),
               {.attacco = 0.005, .rilascio = 0.015});
    t.normalizza(0.38);
    return {t.campioni()};
}

// New record: a brassy call rising to G and a held C major chord.
Canali primato(int frequenza, std::size_t fotogrammi)
{
    Traccia t(frequenza, fotogrammi);
    const Timbro ottone = timbri::dente(8);
    const Inviluppo squillo{.attacco = 0.01, .rilascio = 0.03};
    t.nota(0.00, 0.11, hz(67), 1.0, ottone, squillo);
    t.nota(0.12, 0.11, hz(72), 1.0, ottone, squillo);
    t.nota(0.24, 0.11, hz(76), 1.0, ottone, squillo);
    t.nota(0.36, 0.20, hz(79), 1.0, ottone, squillo);
    t.nota(0.58, 0.11, hz(76), 1.0, ottone, squillo);
    for (const int n : {72, 76, 79, 84})
        t.nota(0.70, 0.52, hz(n), n == 79 ? 1.0 : 0.5, ottone,
               {.attacco = 0.01, .rilascio = 0.12, .decadimento = 0.6});
    t.normalizza(0.55);
    return {t.campioni()};
}

struct Suono {
    const char* nome;
    FormatoWav formato;
    int byteDati; // the length of each sound is fixed to the byte
    std::function<Canali(int, std::size_t)> componi;
};

} // namespace

FileGenerati suoni()
{
    const QByteArray firma = "GridoraPC";
    const std::vector<Suono> elenco = {
        {"101", {.canali = 1, .frequenza = 11025, .bit = 8, .fact = true}, 15624, apertura1},
        {"102", {.canali = 1, .frequenza = 11025, .bit = 8, .fact = true}, 14429, apertura2},
        {"103", {.canali = 1, .frequenza = 22050, .bit = 16}, 19368, tocco},
        {"104",
         {.canali = 2, .frequenza = 44100, .bit = 16, .fmtEsteso = true, .fact = true},
         123492,
         errore},
        {"105", {.canali = 1, .frequenza = 22050, .bit = 16}, 111640, risolto},
        {"106", {.canali = 1, .frequenza = 22050, .bit = 16}, 91968, tempoScaduto},
        {"108", {.canali = 1, .frequenza = 16000, .bit = 8, .software = firma}, 20175, primato},
    };
    FileGenerati file;
    for (const Suono& s : elenco) {
        const auto fotogrammi = static_cast<std::size_t>(s.byteDati / s.formato.byteFotogramma());
        const QByteArray pcm = codificaPcm(s.componi(s.formato.frequenza, fotogrammi), s.formato);
        file.push_back(
            {QStringLiteral("suoni/%1.wav").arg(QLatin1String(s.nome)), fileWav(s.formato, pcm)});
    }
    return file;
}

} // namespace genera
