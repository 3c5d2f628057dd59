#include "menu/Avvio.h"

#include "game/UscitaSuono.h"
#include "menu/InizioGioco.h"
#include "model/Archivio.h"
#include "model/PosizioneDati.h"
#include "resources/Risorse.h"
#include "widgets/Messaggi.h"
#include "widgets/Sequenza.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTime>
#include <QTranslator>

namespace gridora {

bool caricaTraduzioniQt(QApplication& applicazione)
{
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italiano);
    auto* traduzione = new QTranslator(&applicazione);
    if (!traduzione->load(italiano, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduzione;
        return false;
    }
    return QCoreApplication::installTranslator(traduzione);
}

int avviaGridora(QApplication& applicazione)
{
    // No organisation name: the player's data folder is ~/.local/share/GridoraPC.
    QApplication::setApplicationName(QStringLiteral("GridoraPC"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(IdApplicazione));
    QApplication::setWindowIcon(risorse::icona());
    QApplication::setFont(QFont(risorse::famigliaCaratteri()));
    caricaTraduzioniQt(applicazione); // before any window is made

    MessaggiReali messaggi;
    // Dati.mdb lives beside the program, or in the player's data folder for an installed copy or
    // a folder the player cannot write into; it is created with the starting collection if
    // missing. An existing file is only looked for here: a game or the editor opens it.
    const Archivio archivio(
        cartellaDati(QApplication::applicationDirPath(),
                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    const EsitoArchivio preparazione = archivio.prepara();

    PianificatoreReale pianificatore;
    UscitaSuonoPigra suono; // the audio system is reached when a game needs it
    QRandomGenerator casuale(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
    const Servizi servizi{archivio, messaggi, pianificatore, suono,
                          [&casuale] { return casuale.generateDouble(); }};
    InizioGioco inizio(servizi);
    inizio.show();
    if (!preparazione.ok())
        messaggi.avviso(&inizio, QStringLiteral("ARCHIVIO DEI DISEGNI"), preparazione.messaggio);
    return applicazione.exec();
}

} // namespace gridora
