// Benchmark (not part of the test run): the unique-solution check over the starting collection
// (also by line logic alone, with its sweeps) and over 1,000 random 15 x 15 drawings of density 0.3
// to 0.7, always the same ones. For each set it prints the count by outcome and the mean, 99th
// percentile and maximum time per drawing, each drawing timed in processor time as the best of a
// few runs. Drawings go through the editor's entry point (the drawing itself); the random set is
// also solved from its clues alone. Clues made of the rows of one drawing and the columns of
// another (15 x 15 and 32 x 32) and the N-Dom puzzles (sides 5 to 31, hard for a plain search) show
// what a search that spends the whole budget costs (no clues can cost more, since the budget stops
// every search). Run: ./build/tools/bench_risolutore   (in a release-like build, the default
// RelWithDebInfo)

#include "Disegni.h"
#include "model/Collezione.h"
#include "model/Indizi.h"
#include "model/RisolutoreCompleto.h"
#include "model/Tavola.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <random>
#include <vector>

using namespace gridora;

namespace {

constexpr int Ripetizioni = 3;

const char* nomeEsito(Unicita esito)
{
    switch (esito) {
    case Unicita::Unica:
        return "Unica";
    case Unicita::PiuDiUna:
        return "PiuDiUna";
    case Unicita::Nessuna:
        return "Nessuna";
    case Unicita::NonVerificata:
        return "NonVerificata";
    }
    return "?";
}

using Verifica = std::function<EsitoSoluzioni()>;

// Processor time of this thread in milliseconds: the other programs running on the machine do not
// count, as they do in the time on the clock.
double tempoProcessore()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Times every check as the best of `Ripetizioni` runs (the answer is the same every time) and
// prints the summary of the set.
void misura(const char* nome, const std::vector<Verifica>& verifiche)
{
    std::vector<double> tempi;
    std::map<Unicita, int> conteggi;
    int esamiMassimi = 0;
    double tempoEsaurite = 0; // the slowest check that ran out of budget
    for (const Verifica& verifica : verifiche) {
        double migliore = 1e9;
        EsitoSoluzioni esito;
        for (int r = 0; r < Ripetizioni; ++r) {
            const double inizio = tempoProcessore();
            esito = verifica();
            migliore = std::min(migliore, tempoProcessore() - inizio);
        }
        tempi.push_back(migliore);
        ++conteggi[esito.esito];
        esamiMassimi = std::max(esamiMassimi, esito.esamiLinea);
        if (esito.esito == Unicita::NonVerificata)
            tempoEsaurite = std::max(tempoEsaurite, migliore);
    }
    std::sort(tempi.begin(), tempi.end());
    double somma = 0;
    for (const double t : tempi)
        somma += t;
    const std::size_t p99 = (tempi.size() * 99 + 99) / 100 - 1;

    std::printf("%-28s %5zu:", nome, verifiche.size());
    for (const auto& [esito, quanti] : conteggi)
        std::printf(" %s %d", nomeEsito(esito), quanti);
    std::printf("\n%35s mean %.3f ms, p99 %.3f ms, max %.3f ms; most line examinations %d\n", "",
                somma / double(tempi.size()), tempi[std::min(p99, tempi.size() - 1)], tempi.back(),
                esamiMassimi);
    if (conteggi.count(Unicita::NonVerificata))
        std::printf("%35s slowest run out of budget %.3f ms\n", "", tempoEsaurite);
}

// Density drawn uniformly in [0.3, 0.7], then each cell filled with that probability. Only the
// generator's raw output is used, which the standard fixes, so every build sees the same drawings.
QString disegnoCasuale(std::mt19937& generatore, int lato)
{
    const double densita = 0.3 + 0.4 * double(generatore()) / 4294967296.0;
    const auto soglia = std::uint32_t(densita * 4294967296.0);
    QString pixel(lato * lato, u'0');
    for (QChar& c : pixel)
        c = generatore() < soglia ? u'1' : u'0';
    return pixel;
}

std::vector<Verifica> dalDisegno(const QStringList& disegni, int lato)
{
    std::vector<Verifica> verifiche;
    for (const QString& pixel : disegni)
        verifiche.push_back([pixel, lato] { return contaSoluzioni(pixel, lato); });
    return verifiche;
}

qsizetype pieneDi(const SequenzeDisegno& indizi)
{
    qsizetype piene = 0;
    for (const Sequenze& riga : indizi.righe) {
        for (const int s : riga)
            piene += s;
    }
    return piene;
}

Verifica dagliIndizi(SequenzeDisegno indizi)
{
    return [indizi] { return contaSoluzioni(indizi.righe, indizi.colonne); };
}

// The starting collection from its drawings, and by line logic alone with its sweeps.
void misuraCollezione()
{
    for (const int lato : {5, 10, 15}) {
        QStringList disegni;
        for (const VoceCollezione& voce : collezioneIniziale(lato))
            disegni << voce.pixel;
        const QByteArray nome = QStringLiteral("collection %1x%1").arg(lato).toUtf8();
        misura(nome.constData(), dalDisegno(disegni, lato));

        std::vector<Verifica> soloLogica;
        std::map<int, int> perPassate; // 0: line logic alone does not finish
        for (const QString& pixel : disegni) {
            soloLogica.push_back(
                [pixel, lato] { return contaSoluzioni(pixel, lato, Budget{.soloLogica = true}); });
            const SequenzeDisegno indizi = sequenzeDiPixel(pixel, lato, lato);
            ++perPassate[passateLogica(indizi.righe, indizi.colonne).value_or(0)];
        }
        misura("  line logic alone", soloLogica);
        std::printf("%35s sweeps:", "");
        for (const auto& [passate, quanti] : perPassate)
            std::printf(" %d x%d", passate, quanti);
        std::printf("\n");
    }
}

// `quanti` clues made of the rows of one drawing and the columns of another that fills as many
// cells (clues whose totals differ are refused at once).
std::vector<Verifica> mescolati(int quanti, int lato, const std::function<QString()>& disegno)
{
    std::vector<Verifica> verifiche;
    while (int(verifiche.size()) < quanti) {
        SequenzeDisegno indizi = sequenzeDiPixel(disegno(), lato, lato);
        const QString altro = disegno();
        if (altro.count(u'1') != pieneDi(indizi))
            continue;
        indizi.colonne = sequenzeDiPixel(altro, lato, lato).colonne;
        verifiche.push_back(dagliIndizi(std::move(indizi)));
    }
    return verifiche;
}

// Up to lato / 2 runs per line (no two filled cells side by side in a row): the slowest line
// examinations, and states that rarely repeat.
QString disegnoSparso(std::mt19937& generatore, int lato)
{
    QString pixel(lato * lato, u'0');
    for (int k = 0; k < pixel.size(); ++k) {
        const bool libera = k % lato == 0 || pixel[k - 1] == u'0';
        pixel[k] = libera && (generatore() & 1) ? u'1' : u'0';
    }
    return pixel;
}

} // namespace

int main()
{
    std::printf("budget %d line examinations up to 15x15, %d above, each drawing timed (processor "
                "time) as the best of %d runs\n\n",
                esamiPredefiniti(15), esamiPredefiniti(32), Ripetizioni);
    misuraCollezione();

    std::mt19937 generatore(20261206);
    QStringList casuali;
    for (int n = 0; n < 1000; ++n)
        casuali << disegnoCasuale(generatore, 15);
    misura("random 15x15", dalDisegno(casuali, 15));

    std::vector<Verifica> soloIndizi;
    for (const QString& pixel : casuali)
        soloIndizi.push_back(dagliIndizi(sequenzeDiPixel(pixel, 15, 15)));
    misura("random 15x15, clues only", soloIndizi);

    // Mostly clues that no picture fits, which the search must prove by trying everything.
    misura("mixed clues 15x15",
           mescolati(200, 15, [&generatore] { return disegnoCasuale(generatore, 15); }));
    for (const int lato : {15, 32}) {
        const QByteArray nome = QStringLiteral("mixed clues %1x%1, many runs").arg(lato).toUtf8();
        misura(nome.constData(),
               mescolati(100, lato, [&] { return disegnoSparso(generatore, lato); }));
    }

    // Unique at every size, and hard for a plain search.
    for (int n = 2; n <= 15; ++n) {
        const QByteArray nome = QStringLiteral("%1-Dom %2x%2").arg(n).arg(2 * n + 1).toUtf8();
        misura(nome.constData(), {dagliIndizi(nDom(n))});
    }
    return 0;
}
