#include "model/RaccoltaNon.h"

#include "model/FormatoNon.h"
#include "model/Salvataggio.h"
#include "model/Tavola.h"

#include <QFile>

namespace gridora {

namespace {

bool nomeNon(const QByteArray& nome)
{
    return nome.size() > 4 && nome.right(4).toLower() == EstensioneNon;
}

// The puzzles stored in each size, with those added so far.
struct Raccolta {
    const Archivio& archivio;
    std::array<QList<Disegno>, 3> righe;
    std::array<bool, 3> lette{};

    EsitoArchivio leggi(int lato)
    {
        const size_t i = size_t(lato / 5 - 1);
        if (lette[i])
            return {};
        auto elenco = archivio.elenco(lato);
        righe[i] = std::move(elenco.valore);
        lette[i] = elenco.ok();
        return elenco.stato;
    }
    QList<Disegno>& di(int lato) { return righe[size_t(lato / 5 - 1)]; }
};

} // namespace

SchemaRaccolto raccogliSchema(const QByteArray& percorso, const QString& nomeFile)
{
    SchemaRaccolto raccolto;
    const EsitoNon letto = leggiFileNon(percorso);
    if (!letto.ok())
        return raccolto;
    const SchemaNon& s = letto.schema;
    raccolto.lato = s.larghezza;
    if (s.larghezza != s.altezza || !latoValido(s.larghezza))
        raccolto.scarto = Scarto::AltroLato;
    else if (s.unicita != Unicita::Unica)
        raccolto.scarto = Scarto::PiuFigure;
    else
        raccolto.scarto = Scarto::Nessuno;
    raccolto.pixel = s.pixel;
    raccolto.nome =
        nomeVuoto(s.titolo) ? nomeFile.left(nomeFile.size() - 4).trimmed() : s.titolo.trimmed();
    return raccolto;
}

QList<SchemaRaccolto> raccogliSchemi(const QByteArray& cartella, const QList<QByteArray>& nomi,
                                     const std::function<bool()>& interrompi)
{
    QList<SchemaRaccolto> schemi;
    for (const QByteArray& nome : nomi) {
        if (interrompi && interrompi())
            break;
        if (nomeNon(nome))
            schemi.append(raccogliSchema(cartella + '/' + nome, QFile::decodeName(nome)));
    }
    return schemi;
}

RiepilogoRaccolta aggiungiAllaRaccolta(const Archivio& archivio,
                                       const QList<SchemaRaccolto>& schemi)
{
    RiepilogoRaccolta riepilogo;
    Raccolta raccolta{archivio, {}, {}};
    QList<NuovoDisegno> nuovi;
    for (const SchemaRaccolto& s : schemi) {
        Scarto scarto = s.scarto;
        if (scarto == Scarto::Nessuno) {
            if (riepilogo.stato = raccolta.leggi(s.lato); !riepilogo.stato.ok())
                return riepilogo;
            QList<Disegno>& righe = raccolta.di(s.lato);
            const QString nome = nomeDaSalvare(righe, s.nome, int(righe.size()));
            const Verdetto verdetto = verdettoSalvataggio(righe, nome, s.pixel);
            if (verdetto == Verdetto::NomePresente)
                scarto = Scarto::NomeOccupato;
            else if (verdetto != Verdetto::Libero)
                scarto = Scarto::Presente;
            if (scarto == Scarto::Nessuno) {
                righe.append(Disegno{0, QString::number(s.lato), s.pixel, nome, {}});
                nuovi.append({s.lato, s.pixel, nome});
            }
        }
        ++riepilogo.scartati[size_t(scarto)];
    }
    if (!nuovi.isEmpty())
        riepilogo.stato = archivio.inserisciTutti(nuovi);
    riepilogo.aggiunti = riepilogo.stato.ok() ? int(nuovi.size()) : 0;
    riepilogo.scartati[size_t(Scarto::Nessuno)] = 0;
    return riepilogo;
}

QString testoRiepilogo(const RiepilogoRaccolta& r)
{
    const auto n = [&r](Scarto s) { return r.scartati[size_t(s)]; };
    return QStringLiteral("Schemi aggiunti: %1\n\nNon aggiunti:\n"
                          "già presenti: %2\n"
                          "nome già usato: %3\n"
                          "con più di una soluzione: %4\n"
                          "di altre dimensioni: %5\n"
                          "non validi: %6")
        .arg(r.aggiunti)
        .arg(n(Scarto::Presente))
        .arg(n(Scarto::NomeOccupato))
        .arg(n(Scarto::PiuFigure))
        .arg(n(Scarto::AltroLato))
        .arg(n(Scarto::NonValido));
}

} // namespace gridora
