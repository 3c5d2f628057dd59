// Start-up benchmark: the time from launching a process to its first window on screen, for the
// program's own start (avvio_misurato, the same code as GridoraPC) and for a bare Qt dialog of
// the same size (dialogo_nudo), alternated, with their medians and ratio.
// Run: ./build/tools/bench_avvio [ROUNDS]   (uses $DISPLAY, or QT_QPA_PLATFORM=offscreen)

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Milliseconds from start to the line "esposta"; negative when the child failed.
double misura(const QString& programma, const QStringList& argomenti = {})
{
    QProcess figlio;
    QElapsedTimer cronometro;
    cronometro.start();
    figlio.start(programma, argomenti);
    if (!figlio.waitForStarted(5000))
        return -1;
    while (!figlio.canReadLine()) {
        if (!figlio.waitForReadyRead(10000))
            return -1;
    }
    const double ms = static_cast<double>(cronometro.nsecsElapsed()) / 1e6;
    figlio.waitForFinished(5000);
    return figlio.readLine().startsWith("esposta") ? ms : -1;
}

double mediana(std::vector<double> valori)
{
    std::sort(valori.begin(), valori.end());
    return valori[valori.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication applicazione(argc, argv);
    const int giri = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 21;
    const QDir qui(QCoreApplication::applicationDirPath());
    const QString programma = qui.filePath(QStringLiteral("avvio_misurato"));
    const QString nudo = qui.filePath(QStringLiteral("dialogo_nudo"));
    const QStringList testo{QStringLiteral("testo")};
    misura(programma); // the first start creates Dati.mdb: not counted
    misura(nudo);
    std::vector<double> tempiProgramma, tempiNudo, tempiTesto;
    for (int i = 0; i < giri; ++i) {
        const double p = misura(programma);
        const double n = misura(nudo);
        const double t = misura(nudo, testo);
        if (p < 0 || n < 0 || t < 0) {
            std::fprintf(stderr, "un avvio non ha mostrato la finestra\n");
            return 1;
        }
        tempiProgramma.push_back(p);
        tempiNudo.push_back(n);
        tempiTesto.push_back(t);
    }
    const double mp = mediana(tempiProgramma);
    const double mn = mediana(tempiNudo);
    const double mt = mediana(tempiTesto);
    std::printf("giri %d  GridoraPC %.1f ms  dialogo nudo %.1f ms (rapporto %.2f)  dialogo con una "
                "riga di testo %.1f ms (rapporto %.2f)\n",
                giri, mp, mn, mp / mn, mt, mp / mt);
    return 0;
}
