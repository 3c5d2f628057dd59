// Draws and synthesises the game's bitmaps, pointers, icon and sounds into a resources
// directory. The output depends on nothing but this code and the bundled fonts, so two
// runs give the same bytes and the committed files can be checked against a fresh run.

#include "Caratteri.h"
#include "Raccolta.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <exception>

namespace {

// Leaves a file that already holds these bytes untouched, so its timestamp does not make
// the build recompile the resources.
bool scrivi(const QDir& uscita, const genera::FileGenerato& file, QTextStream& errori)
{
    const QString percorso = uscita.filePath(file.percorso);
    QFile f(percorso);
    if (f.open(QIODevice::ReadOnly) && f.readAll() == file.dati)
        return true;
    f.close();
    if (!QDir().mkpath(QFileInfo(percorso).absolutePath()) || !f.open(QIODevice::WriteOnly) ||
        f.write(file.dati) != file.dati.size() || !f.flush()) {
        errori << "impossibile scrivere " << percorso << ": " << f.errorString() << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // Nothing is shown: the offscreen platform works without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTextStream errori(stderr);
    const QStringList argomenti = QCoreApplication::arguments();
    if (argomenti.size() != 2) {
        errori << "uso: genera_risorse CARTELLA_DI_USCITA\n";
        return 2;
    }
    const QDir uscita(argomenti.at(1));

    try {
        const genera::Caratteri caratteri(QStringLiteral(GENERA_CARTELLA_FONT));
        bool riuscito = true;
        for (const genera::FileGenerato& f : genera::tutteLeRisorse(caratteri))
            riuscito = scrivi(uscita, f, errori) && riuscito;
        return riuscito ? 0 : 1;
    } catch (const std::exception& e) {
        errori << "genera_risorse: " << e.what() << '\n';
        return 1;
    }
}
