#include "model/Lati.h"

namespace gridora {

namespace {

constexpr std::array<FattiLato, 3> Tabella = {{
    {.lato = 5,
     .parola = "Facile",
     .secondiAiuto = 30,
     .costoAiuto = "30 secondi",
     .quadratoAnteprima = 100,
     .divisoreSlot = 15,
     .spostamentoRigheIndizio = 20,
     .area = {2000, 2100},
     .latoArea = 2615,
     .cornici_d = {{{2000, 1120}}},
     .cornici_v = {{{1140, 2100}}},
     .richiesta = {1000, 2170},
     .cornicePreview = 550},
    {.lato = 10,
     .parola = "Medio",
     .secondiAiuto = 120,
     .costoAiuto = "2 minuti",
     .quadratoAnteprima = 50,
     .divisoreSlot = 10,
     .spostamentoRigheIndizio = 15,
     .area = {1480, 1600},
     .latoArea = 2615,
     .cornici_d = {{{1480, 630}, {2670, 630}}},
     .cornici_v = {{{635, 1630}, {635, 2820}}},
     .richiesta = {1100, 2200},
     .cornicePreview = 550},
    {.lato = 15,
     .parola = "Difficile",
     .secondiAiuto = 300,
     .costoAiuto = "5 minuti",
     .quadratoAnteprima = 35,
     .divisoreSlot = 5,
     .spostamentoRigheIndizio = 25,
     .area = {1080, 1200},
     .latoArea = 3615,
     .cornici_d = {{{1060, 230}, {2260, 230}, {3460, 230}}},
     .cornici_v = {{{215, 1195}, {215, 2395}, {215, 3595}}},
     .richiesta = {1320, 2170},
     .cornicePreview = 570},
}};

} // namespace

const FattiLato& fattiLato(int lato)
{
    for (const FattiLato& fatti : Tabella) {
        if (fatti.lato == lato)
            return fatti;
    }
    return Tabella.back();
}

} // namespace gridora
