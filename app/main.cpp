#include "game/UscitaSuono.h"
#include "menu/InizioGioco.h"
#include "model/Archivio.h"
#include "model/PosizioneDati.h"
#include "resources/Risorse.h"
#include "widgets/Messaggi.h"
#include "widgets/Sequenza.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTime>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GridoraPC"));
    QApplication::setWindowIcon(gridora::risorse::icona());
    QApplication::setFont(QFont(gridora::risorse::famigliaCaratteri()));

    gridora::MessaggiReali messaggi;
    // Dati.mdb lives beside the program, or in the player's data folder when the program's folder
    // is not writable; it is created with the starting collection if missing.
    const gridora::Archivio archivio(
        gridora::cartellaDati(QApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    const gridora::EsitoArchivio preparazione = archivio.prepara();

    gridora::PianificatoreReale pianificatore;
    gridora::UscitaSuonoPigra suono; // the audio system is reached when a game needs it
    QRandomGenerator casuale(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
    const gridora::Servizi servizi{archivio, messaggi, pianificatore, suono,
                                   [&casuale] { return casuale.generateDouble(); }};
    gridora::InizioGioco inizio(servizi);
    inizio.show();
    if (!preparazione.ok())
        messaggi.avviso(&inizio, QStringLiteral("ARCHIVIO DEI DISEGNI"), preparazione.messaggio);
    return QApplication::exec();
}
