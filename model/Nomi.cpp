#include "model/Nomi.h"

#include <QTextBoundaryFinder>
#include <algorithm>
#include <limits>

namespace gridora {

QString nomeProprio(const QString& nome)
{
    QString risultato = nome.toLower();
    bool inizioParola = true;
    for (QChar& c : risultato) {
        if (inizioParola)
            c = c.toUpper();
        inizioParola = c == u' ';
    }
    return risultato;
}

namespace {

// Where the n-th character as a person sees it ends, in code units; the text's length when it
// has fewer. Gives through `contati` how many characters were walked.
qsizetype fineCarattere(const QString& testo, int n, int* contati = nullptr)
{
    QTextBoundaryFinder confini(QTextBoundaryFinder::Grapheme, testo);
    qsizetype fine = 0;
    int visti = 0;
    while (visti < n) {
        const qsizetype prossimo = confini.toNextBoundary();
        if (prossimo < 0)
            break;
        fine = prossimo;
        ++visti;
    }
    if (contati)
        *contati = visti;
    return fine;
}

} // namespace

int caratteriNome(const QString& nome)
{
    int contati = 0;
    fineCarattere(nome, std::numeric_limits<int>::max(), &contati);
    return contati;
}

QString taglioNome(const QString& nome, int massimo)
{
    return nome.left(fineCarattere(nome, std::max(massimo, 0)));
}

} // namespace gridora
