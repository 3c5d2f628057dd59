#include "model/FileSicuri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextBoundaryFinder>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gridora {

namespace {

constexpr int NomiProvati = 10000;

bool riservato(const QString& nome)
{
    // Windows keeps these device names whatever the extension.
    const QString base = nome.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList dispositivi = {u"CON"_qs, u"PRN"_qs, u"AUX"_qs, u"NUL"_qs};
    if (dispositivi.contains(base))
        return true;
    return base.size() == 4 && (base.startsWith(u"COM") || base.startsWith(u"LPT")) &&
           base[3] >= u'1' && base[3] <= u'9';
}

QString senzaPuntiEBianchi(QString nome)
{
    auto scartabile = [](QChar c) { return c == u'.' || c.isSpace(); };
    while (!nome.isEmpty() && scartabile(nome.front()))
        nome.remove(0, 1);
    while (!nome.isEmpty() && scartabile(nome.back()))
        nome.chop(1);
    return nome;
}

// The longest start of `nome` that ends between two characters as a reader sees them and takes
// at most `byte` bytes in UTF-8.
QString tagliato(const QString& nome, int byte)
{
    QTextBoundaryFinder confini(QTextBoundaryFinder::Grapheme, nome);
    qsizetype taglio = 0;
    for (qsizetype p = confini.toNextBoundary(); p > 0; p = confini.toNextBoundary()) {
        if (QStringView(nome).first(p).toUtf8().size() > byte)
            break;
        taglio = p;
    }
    return nome.first(taglio);
}

QString candidato(const QString& base, int numero, const QString& estensione)
{
    return numero == 1 ? base + estensione
                       : base + QStringLiteral(" (%1)").arg(numero) + estensione;
}

bool occupato(const QString& percorso)
{
    const QFileInfo info(percorso);
    return info.exists() || info.isSymLink();
}

} // namespace

QString nomeFileSicuro(const QString& nome)
{
    QString sicuro = nome;
    for (QChar& c : sicuro) {
        if (c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    sicuro = senzaPuntiEBianchi(tagliato(senzaPuntiEBianchi(sicuro), ByteNomeFileMassimi - 1));
    if (riservato(sicuro)) {
        const qsizetype punto = sicuro.indexOf(u'.');
        sicuro.insert(punto < 0 ? sicuro.size() : punto, u'_'); // "CON.txt" -> "CON_.txt"
    }
    return sicuro.isEmpty() ? QStringLiteral("Schema") : sicuro;
}

QString nomeLibero(const QString& cartella, const QString& nome, const QString& estensione)
{
    const QString base = nomeFileSicuro(nome);
    const QDir dir(cartella);
    for (int n = 1; n <= NomiProvati; ++n) {
        const QString prova = candidato(base, n, estensione);
        if (!occupato(dir.filePath(prova)))
            return prova;
    }
    return {};
}

bool scriviFileAtomico(const QString& percorso, const QByteArray& dati, QString* errore)
{
    QSaveFile file(percorso);
    const bool ok =
        file.open(QIODevice::WriteOnly) && file.write(dati) == dati.size() && file.commit();
    if (!ok && errore)
        *errore = file.errorString();
    return ok;
}

QString scriviFileNuovo(const QString& cartella, const QString& nome, const QString& estensione,
                        const QByteArray& dati, QString* errore)
{
    const QDir dir(cartella);
    QTemporaryFile file(dir.filePath(QStringLiteral(".gridora-XXXXXX.tmp")));
    if (!file.open() || file.write(dati) != dati.size() || !file.flush() ||
        ::fsync(file.handle()) != 0) {
        if (errore)
            *errore = file.errorString();
        return {};
    }
    const QString base = nomeFileSicuro(nome);
    for (int n = 1; n <= NomiProvati; ++n) {
        const QString percorso = dir.filePath(candidato(base, n, estensione));
        if (occupato(percorso))
            continue;
        // The rename refuses to replace a file, so one made since the check is kept.
        if (file.rename(percorso)) {
            file.setAutoRemove(false);
            return percorso;
        }
        if (!occupato(percorso))
            break;
    }
    if (errore)
        *errore = file.errorString();
    return {};
}

AperturaFile apriFileRegolare(const QByteArray& percorso, QFile& file, qint64& dimensione)
{
    const int fd = ::open(percorso.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == EACCES || errno == EPERM ? AperturaFile::NonLeggibile
                                                 : AperturaFile::NonUnFile;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return AperturaFile::NonUnFile;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return AperturaFile::NonLeggibile;
    }
    dimensione = qint64(st.st_size);
    return AperturaFile::Aperto;
}

} // namespace gridora
