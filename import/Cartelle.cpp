#include "import/Cartelle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace gridora {

namespace {

// The endings "*.bmp" and the rest stand for: ".bmp" ...
QStringList finaliFigure()
{
    QStringList finali;
    for (const QString& schema : QString::fromLatin1(FiltroFigure).split(u';'))
        finali.append(schema.mid(1));
    return finali;
}

QString pulito(const QString& percorso)
{
    return QDir::cleanPath(percorso);
}

// What a directory entry is, following a link to see what it points to.
enum class Tipo { Cartella, File, Altro };

Tipo tipoVoce(int cartella, const dirent& voce)
{
    switch (voce.d_type) {
    case DT_DIR:
        return Tipo::Cartella;
    case DT_REG:
        return Tipo::File;
    case DT_LNK:
    case DT_UNKNOWN: {
        struct stat st {};
        if (::fstatat(cartella, voce.d_name, &st, 0) != 0)
            return Tipo::Altro; // a dangling link
        return S_ISDIR(st.st_mode)   ? Tipo::Cartella
               : S_ISREG(st.st_mode) ? Tipo::File
                                     : Tipo::Altro;
    }
    default:
        return Tipo::Altro;
    }
}

// The order of the lists: by name without regard to case, ties by the exact name.
bool primaDi(const QString& a, const QString& b)
{
    const int senzaCaso = a.compare(b, Qt::CaseInsensitive);
    return senzaCaso != 0 ? senzaCaso < 0 : a < b;
}

} // namespace

bool nomeDiFigura(QStringView nome)
{
    static const QStringList finali = finaliFigure();
    return std::any_of(finali.cbegin(), finali.cend(), [&](const QString& finale) {
        return nome.endsWith(finale, Qt::CaseInsensitive);
    });
}

ContenutoCartella leggiCartella(const QString& cartella, const std::function<bool()>& interrompi)
{
    ContenutoCartella contenuto;
    QList<std::pair<QString, QByteArray>> figure; // as shown, as on disk
    DIR* d = ::opendir(QFile::encodeName(cartella).constData());
    if (!d)
        return contenuto;
    const int fd = ::dirfd(d);
    bool completa = true;
    for (int n = 1;; ++n) {
        errno = 0;
        const dirent* voce = ::readdir(d);
        if (!voce) {
            completa = errno == 0;
            break;
        }
        if (voce->d_name[0] == '.') // ".", ".." and hidden entries
            continue;
        const QString nome = QFile::decodeName(voce->d_name);
        switch (tipoVoce(fd, *voce)) {
        case Tipo::Cartella:
            contenuto.cartelle.append(nome);
            break;
        case Tipo::File:
            if (nomeDiFigura(nome))
                figure.append({nome, QByteArray(voce->d_name)});
            break;
        case Tipo::Altro:
            break;
        }
        if (n % 256 == 0 && interrompi && interrompi()) {
            completa = false;
            break;
        }
    }
    ::closedir(d);
    contenuto.leggibile = completa;
    ordinaNomi(contenuto.cartelle);
    std::sort(figure.begin(), figure.end(), [](const auto& a, const auto& b) {
        return primaDi(a.first, b.first) || (a.first == b.first && a.second < b.second);
    });
    for (auto& [nome, byte] : figure) {
        contenuto.figure.append(nome);
        contenuto.nomiFigure.append(byte);
    }
    return contenuto;
}

void ordinaNomi(QStringList& nomi)
{
    std::sort(nomi.begin(), nomi.end(), primaDi);
}

QStringList ordinaVolumi(QStringList radici)
{
    for (QString& radice : radici)
        radice = pulito(radice);
    ordinaNomi(radici);
    radici.removeDuplicates();
    const qsizetype radiceDelSistema = radici.indexOf(QStringLiteral("/"));
    if (radiceDelSistema > 0)
        radici.move(radiceDelSistema, 0);
    return radici;
}

QStringList volumiMontati()
{
    QStringList radici;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Files mounted over files (a container's /etc/hosts) are volumes without a folder.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            radici.append(volume.rootPath());
    }
    return ordinaVolumi(radici);
}

QString volumeDi(const QString& cartella, const QStringList& volumi)
{
    const QString c = pulito(cartella);
    QString migliore;
    for (const QString& volume : volumi) {
        const QString v = pulito(volume);
        const bool contiene = c == v || (v == u'/' && c.startsWith(u'/')) ||
                              (c.startsWith(v) && c.size() > v.size() && c[v.size()] == u'/');
        if (contiene && v.size() > migliore.size())
            migliore = v;
    }
    return migliore;
}

QStringList percorsoDa(const QString& volume, const QString& cartella)
{
    const QString v = pulito(volume);
    const QString c = pulito(cartella);
    if (v.isEmpty() || volumeDi(c, {v}).isEmpty())
        return {c};
    QStringList percorso{v};
    const QStringList parti = c.mid(v.size()).split(u'/', Qt::SkipEmptyParts);
    QString passo = v;
    for (const QString& parte : parti) {
        passo = passo.endsWith(u'/') ? passo + parte : passo + u'/' + parte;
        percorso.append(passo);
    }
    return percorso;
}

} // namespace gridora
