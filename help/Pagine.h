#pragma once

// The seven instruction pages: title, picture and text of each.

#include <QString>
#include <QStringView>
#include <span>

namespace gridora {

inline constexpr int NumeroPagine = 7;

// One line of a page's text and the line breaks that follow it (none on the last line).
struct RigaPagina {
    QStringView testo;
    int aCapo;
};

struct PaginaIstruzioni {
    QStringView titolo;
    QStringView immagine; // name of the bitmap
    std::span<const RigaPagina> righe;
};

// The page of a number from 0 to NumeroPagine - 1.
const PaginaIstruzioni& paginaIstruzioni(int numero);

// The text of a page as the label shows it: its lines joined by CR characters.
QString testoPagina(const PaginaIstruzioni& pagina);

} // namespace gridora
