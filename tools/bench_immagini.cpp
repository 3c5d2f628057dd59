// Benchmark of the image import's engine (not part of the test run): large pictures read at the
// preview's size and converted to 15 x 15 cells, with the time of each step and the peak memory.
// The 6000 x 4000 JPEG must take under 300 ms from file to cells; the A4 scan shows what a
// picture decoded whole costs.
// Run: ./build/tools/bench_immagini   (writes its pictures to a temporary folder)

#include "Figure.h"
#include "Misurazioni.h"
#include "import/LetturaImmagine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <memory>

using namespace gridora;

namespace {

// The picture in 256 grey levels, as a GIF.
QByteArray gifGrigio(const QImage& img)
{
    QList<QRgb> grigi;
    for (int k = 0; k < 256; ++k)
        grigi.append(qRgb(k, k, k));
    QImage grigia(img.size(), QImage::Format_Indexed8);
    grigia.setColorTable(grigi);
    for (int y = 0; y < img.height(); ++y) {
        const auto* da = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        uchar* a = grigia.scanLine(y);
        for (int x = 0; x < img.width(); ++x)
            a[x] = uchar(qGray(da[x]));
    }
    return gif({grigia}, grigi);
}

// A placeable metafile of 2000 filled ellipses over 10 x 10 inches.
QByteArray metafileGrande()
{
    QByteArray corpo = record(0x020B, {0, 0}) + record(0x020C, {9600, 9600}) +
                       record(0x02FC, {0, 0, 0, 0}) + record(0x012D, {0}); // black brush
    QRandomGenerator caso(7);
    for (int k = 0; k < 2000; ++k) {
        const int x = int(caso.bounded(9000)), y = int(caso.bounded(9000));
        corpo += record(0x0418, {y + 300, x + 300, y, x}); // Ellipse(bottom, right, top, left)
    }
    return metafile(corpo, 1, QRect(0, 0, 9600, 9600), 960);
}

bool salva(const QString& percorso, const QImage& img, const char* formato, int qualita = -1)
{
    QImageWriter w(percorso, formato);
    w.setQuality(qualita);
    return w.write(img);
}

// Peak resident memory since the last call, in MB (Linux: clear_refs 5 resets the peak).
double piccoMemoria()
{
    QFile stato(QStringLiteral("/proc/self/status"));
    double mb = -1;
    if (stato.open(QIODevice::ReadOnly))
        for (const QByteArray& riga : stato.readAll().split('\n'))
            if (riga.startsWith("VmHWM:"))
                mb = riga.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    QFile azzera(QStringLiteral("/proc/self/clear_refs"));
    if (azzera.open(QIODevice::WriteOnly))
        azzera.write("5");
    return mb;
}

// CPU time of the whole process (all threads), in ms: unlike the wall clock, not inflated when
// other programs load the machine.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Misura {
    double lettura = 0; // median ms, file to picture
    double letturaCpu = 0;
    double conversione = 0;
    double memoria = 0;
    QString celle;
};

Misura misura(const LetturaImmagine& lettura, const QString& percorso)
{
    std::vector<double> letture, cpu, conversioni;
    Misura m;
    piccoMemoria();
    for (int r = 0; r < Ripetizioni; ++r) {
        QElapsedTimer t;
        t.start();
        const double cpu0 = cpuMs();
        const EsitoImmagine esito = lettura.leggi(percorso, DimensioneAnteprima);
        cpu.push_back(cpuMs() - cpu0);
        letture.push_back(ms(t));
        if (!esito.ok()) {
            std::fprintf(stderr, "%s: not read (%d)\n", qPrintable(percorso), int(esito.errore));
            return m;
        }
        t.restart();
        m.celle = campiona(immagineAnteprima(esito.immagine), 15);
        conversioni.push_back(ms(t));
    }
    m.memoria = piccoMemoria();
    m.lettura = mediana(letture);
    m.letturaCpu = mediana(cpu);
    m.conversione = mediana(conversioni);
    return m;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir cartella;
    const LetturaImmagine lettura(QStringLiteral(GRIDORA_PROGRAMMA_WMF));
    if (!cartella.isValid())
        return 2;

    std::printf("Preparing the pictures...\n");
    auto grande = std::make_unique<QImage>(fotografia(QSize(6000, 4000)));
    struct Caso {
        const char* nome;
        QString percorso;
        bool pronto;
    };
    const QString jpeg = cartella.filePath("foto.jpg");
    const QString progressivo = cartella.filePath("progressiva.jpg");
    const QString bmp = cartella.filePath("foto.bmp");
    const QString gif = cartella.filePath("foto.gif");
    const QString wmf = cartella.filePath("ellissi.wmf");
    const QString a4 = cartella.filePath("pagina.bmp");
    QImageWriter scrittoreProgressivo(progressivo, "jpeg");
    scrittoreProgressivo.setQuality(90);
    scrittoreProgressivo.setProgressiveScanWrite(true);
    const Caso casi[] = {
        {"JPEG 6000x4000", jpeg, salva(jpeg, *grande, "jpeg", 90)},
        {"JPEG 6000x4000 progressive", progressivo, scrittoreProgressivo.write(*grande)},
        {"BMP 6000x4000 24-bit", bmp, salva(bmp, *grande, "bmp")},
        {"GIF 6000x4000 256 greys", scriviFile(gif, gifGrigio(*grande)), true},
        {"WMF 2000 ellipses", scriviFile(wmf, metafileGrande()), true},
        // An A4 page scanned at 600 dpi in black and white.
        {"BMP 4960x7016 1-bit (A4)",
         scriviFile(a4, scritta(monoDi(celleDi(15), 15, {4960, 7016}), "bmp")), true},
    };

    grande.reset(); // only the reader's own memory counts from here
    std::printf("\n%-28s %8s %8s %8s %11s %9s %8s\n", "picture", "file MB", "read ms", "read cpu",
                "convert ms", "total ms", "peak MB");
    bool jpegEntroIlLimite = false;
    for (const Caso& caso : casi) {
        if (!caso.pronto) {
            std::printf("%-28s could not be written\n", caso.nome);
            continue;
        }
        const Misura m = misura(lettura, caso.percorso);
        const double totale = m.lettura + m.conversione;
        std::printf("%-28s %8.1f %8.1f %8.1f %11.2f %9.1f %8.1f\n", caso.nome,
                    double(QFileInfo(caso.percorso).size()) / (1 << 20), m.lettura, m.letturaCpu,
                    m.conversione, totale, m.memoria);
        if (caso.percorso == jpeg)
            jpegEntroIlLimite = !m.celle.isEmpty() && totale < LimiteMs;
    }
    std::printf(
        "\nMedian of %d runs. read cpu: the process's CPU time for the read, all threads\n"
        "(the WMF helper's own is not counted). peak MB: the process's peak resident memory\n"
        "over the runs.\n",
        Ripetizioni);
    std::printf("JPEG 6000x4000 under %.0f ms: %s\n", LimiteMs, jpegEntroIlLimite ? "yes" : "NO");
    return jpegEntroIlLimite ? 0 : 1;
}
