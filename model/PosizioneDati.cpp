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

QString cartellaDati(const QString& cartellaProgramma, const QString& cartellaUtente)
{
    const QString accanto =
        QDir(cartellaProgramma).filePath(QString::fromLatin1(Archivio::NomeFile));
    if (QFileInfo::exists(accanto) || cartellaScrivibile(cartellaProgramma) ||
        cartellaUtente.isEmpty())
        return cartellaProgramma;
    // A folder that cannot be made is left to the store, which reports that it cannot create
    // Dati.mdb there.
    QDir().mkpath(cartellaUtente);
    return cartellaUtente;
}

} // namespace gridora
