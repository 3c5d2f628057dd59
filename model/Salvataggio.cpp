#include "model/Salvataggio.h"

#include "model/Nomi.h"

#include <algorithm>

namespace gridora {

bool nomeVuoto(const QString& nome)
{
    return nome.trimmed().isEmpty();
}

bool stessoNome(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

namespace {

// A typed name as a save stores it.
QString nomeDigitato(const QString& digitato)
{
    return taglioNome(nomeProprio(digitato.trimmed())).trimmed();
}

} // namespace

Verdetto verdettoSalvataggio(const QList<Disegno>& righe, const QString& nome, const QString& pixel)
{
    const QString cercato = nomeVuoto(nome) ? QString() : nomeDigitato(nome);
    Verdetto verdetto = Verdetto::Libero;
    for (const Disegno& riga : righe) {
        const bool stessoNomeRiga = !cercato.isEmpty() && stessoNome(cercato, riga.nome);
        const bool stessoDisegno = riga.pixel == pixel;
        if (stessoNomeRiga && stessoDisegno)
            verdetto = Verdetto::Doppione;
        else if (stessoDisegno)
            verdetto = Verdetto::DisegnoPresente;
        else if (stessoNomeRiga)
            verdetto = Verdetto::NomePresente;
    }
    return verdetto;
}

QString nomePredefinito(const QList<Disegno>& righe, int numeroDisegni)
{
    const auto occupato = [&righe](const QString& nome) {
        for (const Disegno& riga : righe) {
            if (stessoNome(riga.nome, nome))
                return true;
        }
        return false;
    };
    // At most one number per row can be taken, so the walk ends within righe.size() + 1 steps.
    for (int n = std::max(numeroDisegni, 0);; ++n) {
        const QString nome = QStringLiteral("Gridora-") + QString::number(n);
        if (!occupato(nome))
            return nome;
    }
}

QString nomeDaSalvare(const QList<Disegno>& righe, const QString& digitato, int numeroDisegni)
{
    if (nomeVuoto(digitato))
        return nomePredefinito(righe, numeroDisegni);
    return nomeDigitato(digitato);
}

QString nomeDaModificare(const QString& memorizzato, const QString& digitato)
{
    if (nomeVuoto(digitato) || digitato == memorizzato)
        return memorizzato;
    return taglioNome(digitato.trimmed()).trimmed();
}

QString avvisoUnicita(Unicita unicita)
{
    switch (unicita) {
    case Unicita::Unica:
        return {};
    case Unicita::PiuDiUna:
        return QStringLiteral("Attenzione: questi indizi hanno più di una soluzione.");
    case Unicita::Nessuna: // not for a drawing, whose own picture fits its clues
    case Unicita::NonVerificata:
        break;
    }
    return QStringLiteral("Attenzione: non è stato possibile verificare che questi indizi "
                          "abbiano una sola soluzione.");
}

} // namespace gridora
