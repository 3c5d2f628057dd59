// The starting collection as .non files, one per puzzle and one folder per size (5, 10, 15), for
// players whose Dati.mdb predates the collection: the import window adds a whole folder at once.
// Made at build time from the collection's text files by the writer the editor exports with.
// Run: schemi_non CARTELLA_COLLEZIONE CARTELLA_USCITA

#include "model/Collezione.h"
#include "model/FileSicuri.h"
#include "model/FormatoNon.h"
#include "model/Lati.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

// Writes the puzzles of one size into a folder emptied of .non files first, so that a new run
// gives the same names and never "Nome (2).non" beside last run's file.
bool scriviLato(int lato, const QString& collezione, const QDir& uscita, QTextStream& errori)
{
    QFile testo(QDir(collezione).filePath(QStringLiteral("disegni%1.txt").arg(lato)));
    if (!testo.open(QIODevice::ReadOnly)) {
        errori << "impossibile leggere " << testo.fileName() << '\n';
        return false;
    }
    QString errore;
    const QList<gridora::VoceCollezione> voci =
        gridora::leggiCollezione(QString::fromUtf8(testo.readAll()), lato, &errore);
    if (!errore.isEmpty()) {
        errori << testo.fileName() << ": " << errore << '\n';
        return false;
    }
    const QString cartella = uscita.filePath(QString::number(lato));
    QDir dir(cartella);
    if (!dir.mkpath(QStringLiteral("."))) {
        errori << "impossibile creare " << cartella << '\n';
        return false;
    }
    for (const QString& vecchio :
         dir.entryList({QLatin1String("*") + QLatin1String(gridora::EstensioneNon)}, QDir::Files))
        dir.remove(vecchio);
    for (const gridora::VoceCollezione& voce : voci) {
        const QByteArray non = gridora::scriviNon(voce.nome, lato, lato, voce.pixel);
        if (gridora::scriviFileNuovo(cartella, voce.nome,
                                     QString::fromLatin1(gridora::EstensioneNon), non, &errore)
                .isEmpty()) {
            errori << cartella << ": " << voce.nome << ": " << errore << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream errori(stderr);
    const QStringList argomenti = QCoreApplication::arguments();
    if (argomenti.size() != 3) {
        errori << "uso: schemi_non CARTELLA_COLLEZIONE CARTELLA_USCITA\n";
        return 2;
    }
    bool riuscito = true;
    for (const int lato : gridora::Lati)
        riuscito = scriviLato(lato, argomenti.at(1), QDir(argomenti.at(2)), errori) && riuscito;
    return riuscito ? 0 : 1;
}
