#include "model/PosizioneDati.h"

#include "model/Archivio.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace gridora {

bool cartellaScrivibile(const QString& cartella)
{
    if (!QFileInfo(cartella).isDir())
        return false;
    QTemporaryFile prova(QDir(cartella).filePath(QStringLiteral(".gridora-prova-XXXXXX")));
    return prova.open(); // removed again when `prova` goes
}

bool copiaInstallata(const QString& cartellaProgramma)
{
    return QFileInfo::exists(QDir(cartellaProgramma)
                                 .filePath(QStringLiteral("../share/metainfo/%1.metainfo.xml")
                                               .arg(QLatin1String(IdApplicazione))));
}

QString cartellaDati(const QString& cartellaProgramma, const QString& cartellaUtente)
{
    if (cartellaUtente.isEmpty())
        return cartellaProgramma;
    const QString accanto =
        QDir(cartellaProgramma).filePath(QString::fromLatin1(Archivio::NomeFile));
    if (!copiaInstallata(cartellaProgramma) &&
        (QFileInfo::exists(accanto) || cartellaScrivibile(cartellaProgramma)))
        return cartellaProgramma;
    // A folder that cannot be made is left to the store, which reports that it cannot create
    // Dati.mdb there.
    QDir().mkpath(cartellaUtente);
    return cartellaUtente;
}

} // namespace gridora
