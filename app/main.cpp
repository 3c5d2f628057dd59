#include "game/UscitaSuono.h"
#include "menu/InizioGioco.h"
#include "model/Archivio.h"
#include "resources/Risorse.h"
#include "widgets/Messaggi.h"
#include "widgets/Sequenza.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTime>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GridoraPC"));
    QApplication::setWindowIcon(gridora::risorse::icona());
    QApplication::setFont(QFont(gridora::risorse::famigliaCaratteri()));

    gridora::MessaggiReali messaggi;
    // Dati.mdb lives beside the program; it is created with the starting collection if missing.
    const gridora::Archivio archivio(QApplication::applicationDirPath());
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
