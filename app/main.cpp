#include "game/Attesa.h"
#include "game/UscitaSuono.h"
#include "menu/InizioGioco.h"
#include "model/Archivio.h"
#include "resources/Risorse.h"
#include "widgets/Messaggi.h"

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

    gridora::AttesaReale attesa;
    gridora::UscitaSuonoQt suono;
    QRandomGenerator casuale(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
    gridora::InizioGioco inizio(
        {archivio, suono, attesa, messaggi, [&casuale] { return casuale.generateDouble(); }});
    inizio.show();
    if (!preparazione.ok())
        messaggi.avviso(&inizio, QStringLiteral("ARCHIVIO DEI DISEGNI"), preparazione.messaggio);
    return QApplication::exec();
}
