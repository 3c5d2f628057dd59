// gridora-wmf: converts one Windows metafile to PNG for the image import, in a process of its
// own so that a metafile that crashes or hangs libwmf costs only this process.
//
// Standard input: one line "WIDTHxHEIGHT\n" (the largest picture wanted, 1 to 4096 per side),
// then the metafile's bytes. Standard output: the PNG. Exit code 0 with a picture, 1 when libwmf
// finds none, 2 when the request itself is bad. Memory, CPU time and open files are limited
// before anything is read.

#include "import/wmf/ConversioneWmf.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define GRIDORA_CON_SANITIZZATORI
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GRIDORA_CON_SANITIZZATORI
#endif
#endif

namespace {

constexpr rlim_t MemoriaMassima = rlim_t(256) << 20;
constexpr rlim_t SecondiCpu = 2;
constexpr std::size_t ByteMassimi = std::size_t(16) << 20; // as the game's own limit
constexpr int LatoMassimo = 4096;

void limita(int risorsa, rlim_t morbido, rlim_t rigido)
{
    const rlimit limite{morbido, rigido};
    setrlimit(risorsa, &limite);
}

void limitaRisorse()
{
    limita(RLIMIT_CORE, 0, 0);
    limita(RLIMIT_CPU, SecondiCpu, SecondiCpu + 1); // SIGXCPU, then SIGKILL
#ifndef GRIDORA_CON_SANITIZZATORI // AddressSanitizer reserves terabytes of address space
    limita(RLIMIT_AS, MemoriaMassima, MemoriaMassima);
#endif
    limita(RLIMIT_NOFILE, 32, 32); // libwmf opens its font files
}

// Reads "WIDTHxHEIGHT\n" byte by byte, so nothing of the metafile is consumed.
bool leggiRichiesta(int& larghezza, int& altezza)
{
    char riga[32];
    std::size_t n = 0;
    for (;;) {
        char c;
        const ssize_t letti = read(STDIN_FILENO, &c, 1);
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti != 1)
            return false;
        if (c == '\n')
            break;
        if (n + 1 >= sizeof riga)
            return false;
        riga[n++] = c;
    }
    riga[n] = '\0';
    char coda = 0;
    return std::sscanf(riga, "%dx%d%c", &larghezza, &altezza, &coda) == 2 && larghezza >= 1 &&
           altezza >= 1 && larghezza <= LatoMassimo && altezza <= LatoMassimo;
}

bool leggiTutto(std::vector<unsigned char>& dati)
{
    unsigned char blocco[65536];
    for (;;) {
        const ssize_t letti = read(STDIN_FILENO, blocco, sizeof blocco);
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti < 0)
            return false;
        if (letti == 0)
            return true;
        if (dati.size() + std::size_t(letti) > ByteMassimi)
            return false;
        dati.insert(dati.end(), blocco, blocco + letti);
    }
}

bool scriviTutto(int fd, const std::vector<unsigned char>& dati)
{
    std::size_t scritti = 0;
    while (scritti < dati.size()) {
        const ssize_t n = write(fd, dati.data() + scritti, dati.size() - scritti);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        scritti += std::size_t(n);
    }
    return true;
}

} // namespace

int main()
{
    limitaRisorse();

    int larghezza = 0;
    int altezza = 0;
    std::vector<unsigned char> wmf;
    if (!leggiRichiesta(larghezza, altezza) || !leggiTutto(wmf))
        return 2;

    // Only the PNG goes to standard output: whatever libwmf might print goes nowhere.
    const int uscita = dup(STDOUT_FILENO);
    const int nulla = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (uscita < 0 || nulla < 0 || dup2(nulla, STDOUT_FILENO) < 0)
        return 2;
    close(nulla);

    const std::vector<unsigned char> png =
        gridora::wmfInPng(wmf.data(), wmf.size(), larghezza, altezza);
    if (png.empty())
        return 1;
    return scriviTutto(uscita, png) ? 0 : 1;
}
