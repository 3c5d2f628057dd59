// Benchmark of the image import's engine (not part of the test run): large pictures read at the
// preview's size and converted to 15 x 15 cells, with the time of each step and the peak memory.
// The 6000 x 4000 JPEG must take under 300 ms from file to cells.
// Run: ./build/tools/bench_immagini   (writes its pictures to a temporary folder)

#include "import/Campionamento.h"
#include "import/LetturaImmagine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

using namespace gridora;

namespace {

constexpr int Ripetizioni = 7;
constexpr double LimiteJpegMs = 300;

// Something like a photograph: gradients, shapes and noise, so the JPEG is of a usual size.
QImage fotografia(QSize dimensione)
{
    QImage img(dimensione, QImage::Format_RGB32);
    QRandomGenerator caso(42);
    for (int y = 0; y < img.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int rumore = int(caso.bounded(32));
            riga[x] = qRgb((x * 255 / img.width() + rumore) & 0xFF,
                           (y * 255 / img.height() + rumore) & 0xFF, (x + y + rumore) & 0xFF);
        }
    }
    QPainter p(&img);
    p.setBrush(Qt::black);
    p.drawEllipse(QRect(QPoint(0, 0), dimensione / 2).translated(dimensione.width() / 4, 500));
    return img;
}

// A GIF of 256 grey levels, LZW codes of a constant 9 bits (a clear code every 250 pixels).
QByteArray gifGrigio(const QImage& img)
{
    QByteArray g("GIF89a");
    const auto le16 = [&](int v) { g.append(char(v & 0xFF)).append(char(v >> 8)); };
    le16(img.width());
    le16(img.height());
    g.append(char(0xF7)).append('\0').append('\0');
    for (int k = 0; k < 256; ++k)
        g.append(char(k)).append(char(k)).append(char(k));
    g.append(char(0x2C));
    le16(0);
    le16(0);
    le16(img.width());
    le16(img.height());
    g.append('\0').append(char(8));
    QByteArray flusso;
    flusso.reserve(qsizetype(img.width()) * img.height() * 9 / 8 + 16);
    quint32 accumulo = 0;
    int bit = 0;
    const auto codice = [&](int c) {
        accumulo |= quint32(c) << bit;
        for (bit += 9; bit >= 8; bit -= 8) {
            flusso.append(char(accumulo & 0xFF));
            accumulo >>= 8;
        }
    };
    codice(256);
    int dallaPulizia = 0;
    for (int y = 0; y < img.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (++dallaPulizia == 250) {
                codice(256);
                dallaPulizia = 0;
            }
            codice(qGray(riga[x]));
        }
    }
    codice(257);
    if (bit > 0)
        flusso.append(char(accumulo & 0xFF));
    for (qsizetype i = 0; i < flusso.size(); i += 255) {
        const qsizetype n = std::min<qsizetype>(255, flusso.size() - i);
        g.append(char(n)).append(flusso.constData() + i, n);
    }
    g.append('\0').append(char(0x3B));
    return g;
}

// A placeable metafile of 2000 filled ellipses over 10 x 10 inches.
QByteArray metafileGrande()
{
    QByteArray corpo;
    const auto le16 = [&](QByteArray& b, int v) { b.append(char(v & 0xFF)).append(char(v >> 8)); };
    const auto record = [&](int funzione, std::initializer_list<int> parole) {
        const int n = 3 + int(parole.size());
        le16(corpo, n);
        le16(corpo, 0);
        le16(corpo, funzione);
        for (int p : parole)
            le16(corpo, p);
    };
    record(0x020B, {0, 0});
    record(0x020C, {9600, 9600});
    record(0x02FC, {0, 0, 0, 0}); // black brush
    record(0x012D, {0});
    QRandomGenerator caso(7);
    for (int k = 0; k < 2000; ++k) {
        const int x = int(caso.bounded(9000)), y = int(caso.bounded(9000));
        record(0x0418, {y + 300, x + 300, y, x}); // Ellipse(bottom, right, top, left)
    }
    record(0, {});
    QByteArray m;
    le16(m, 0xCDD7);
    le16(m, 0x9AC6);
    for (int v : {0, 0, 0, 9600, 9600, 960, 0, 0})
        le16(m, v);
    int somma = 0;
    for (int i = 0; i < 20; i += 2)
        somma ^= quint8(m[i]) | quint8(m[i + 1]) << 8;
    le16(m, somma);
    for (int v : {1, 9, 0x0300})
        le16(m, v);
    const int parole = (18 + int(corpo.size())) / 2;
    le16(m, parole & 0xFFFF);
    le16(m, parole >> 16);
    le16(m, 1);
    for (int v : {7, 0, 0})
        le16(m, v);
    return m + corpo;
}

bool salva(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size();
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
        const EsitoImmagine esito =
            lettura.leggi(percorso, QSize(LatoInternoAnteprima, LatoInternoAnteprima));
        cpu.push_back(cpuMs() - cpu0);
        letture.push_back(double(t.nsecsElapsed()) / 1e6);
        if (!esito.ok()) {
            std::fprintf(stderr, "%s: not read (%d)\n", qPrintable(percorso), int(esito.errore));
            return m;
        }
        t.restart();
        m.celle = campiona(immagineAnteprima(esito.immagine), 15);
        conversioni.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    m.memoria = piccoMemoria();
    std::sort(letture.begin(), letture.end());
    std::sort(cpu.begin(), cpu.end());
    m.letturaCpu = cpu[Ripetizioni / 2];
    std::sort(conversioni.begin(), conversioni.end());
    m.lettura = letture[Ripetizioni / 2];
    m.conversione = conversioni[Ripetizioni / 2];
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
    QImageWriter scrittoreProgressivo(progressivo, "jpeg");
    scrittoreProgressivo.setQuality(90);
    scrittoreProgressivo.setProgressiveScanWrite(true);
    const Caso casi[] = {
        {"JPEG 6000x4000", jpeg, salva(jpeg, *grande, "jpeg", 90)},
        {"JPEG 6000x4000 progressive", progressivo, scrittoreProgressivo.write(*grande)},
        {"BMP 6000x4000 24-bit", bmp, salva(bmp, *grande, "bmp")},
        {"GIF 6000x4000 256 greys", gif, salva(gif, gifGrigio(*grande))},
        {"WMF 2000 ellipses", wmf, salva(wmf, metafileGrande())},
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
            jpegEntroIlLimite = !m.celle.isEmpty() && totale < LimiteJpegMs;
    }
    std::printf(
        "\nMedian of %d runs. read cpu: the process's CPU time for the read, all threads\n"
        "(the WMF helper's own is not counted). peak MB: the process's peak resident memory\n"
        "over the runs.\n",
        Ripetizioni);
    std::printf("JPEG 6000x4000 under %.0f ms: %s\n", LimiteJpegMs,
                jpegEntroIlLimite ? "yes" : "NO");
    return jpegEntroIlLimite ? 0 : 1;
}
