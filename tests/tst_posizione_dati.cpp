// Where Dati.mdb lives: beside a portable copy, in the player's data folder for an installed one.

#include "model/Archivio.h"
#include "model/PosizioneDati.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace gridora;

Q_DECLARE_METATYPE(gridora::ErroreArchivio)

namespace {

// Root is not held back by folder permissions, so as root the cases run with the real and
// effective identity of "nobody"; the saved identity stays root and is taken back at the end.
struct ComeUtenteComune {
    const bool root = geteuid() == 0;
    const bool cambiato =
        root && setresgid(65534, 65534, 0) == 0 && setresuid(65534, 65534, 0) == 0;
    ~ComeUtenteComune()
    {
        if (root && (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0))
            qFatal("impossibile tornare root");
    }
};

constexpr QFile::Permissions SolaLettura = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions Aperta =
    SolaLettura | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

} // namespace

class TestPosizioneDati : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_radice;
    QString m_programma; // the folder of the program, like /usr/bin
    QString m_utente;    // the player's data folder, missing at first

    QString sotto(const char* percorso) const { return m_radice->filePath(percorso); }

private slots:
    void init()
    {
        m_radice = std::make_unique<QTemporaryDir>();
        m_programma = sotto("prefisso/bin");
        m_utente = sotto("casa/.local/share/GridoraPC");
        // Open to everybody, so that "nobody" can make its folder.
        QVERIFY(QDir().mkpath(m_programma));
        for (const char* c : {"", "prefisso", "prefisso/bin"})
            QVERIFY(QFile::setPermissions(sotto(c), Aperta));
    }

    void cleanup()
    {
        for (const QString& c : {m_programma, sotto("casa")})
            QFile::setPermissions(c, Aperta);
        m_radice.reset();
    }

    // Where the store goes for each kind of program folder: "dati" is read-only with a Dati.mdb,
    // "installato" has its metainfo beside bin, can be written and holds a Dati.mdb left behind.
    void cartellaScelta_data()
    {
        QTest::addColumn<QString>("programma");
        QTest::addColumn<QString>("casa");    // the player's home: aperta, bloccata, nessuna
        QTest::addColumn<bool>("nellUtente"); // the store goes into the player's data folder
        QTest::addColumn<ErroreArchivio>("creazione");
        const auto ok = ErroreArchivio::Nessuno;
        const auto fallita = ErroreArchivio::CreazioneFallita;
        QTest::newRow("portatile") << "scrivibile"
                                   << "aperta" << false << ok;
        QTest::newRow("portatile in sola lettura") << "dati"
                                                   << "aperta" << false << ok;
        QTest::newRow("sola lettura") << "sola lettura"
                                      << "aperta" << true << ok;
        // A data folder that cannot be made ends in the store's own report, not in a crash.
        QTest::newRow("casa bloccata") << "sola lettura"
                                       << "bloccata" << true << fallita;
        QTest::newRow("nessuna casa") << "sola lettura"
                                      << "nessuna" << false << fallita;
        QTest::newRow("installato") << "installato"
                                    << "aperta" << true << ok;
    }
    void cartellaScelta()
    {
        QFETCH(QString, programma);
        QFETCH(QString, casa);
        QFETCH(bool, nellUtente);
        QFETCH(ErroreArchivio, creazione);
        const bool conDati = programma == u"dati" || programma == u"installato";
        const bool scrivibile = programma == u"scrivibile" || programma == u"installato";
        if (conDati)
            QVERIFY(Archivio(m_programma).prepara().ok());
        if (programma == u"installato") {
            QVERIFY(QDir().mkpath(sotto("prefisso/share/metainfo")));
            QFile xml(sotto("prefisso/share/metainfo/%1.metainfo.xml").arg(IdApplicazione));
            QVERIFY(xml.open(QIODevice::WriteOnly));
        }
        if (!scrivibile)
            QVERIFY(QFile::setPermissions(m_programma, SolaLettura));
        if (casa == u"bloccata") {
            QVERIFY(QDir().mkpath(sotto("casa")));
            QVERIFY(QFile::setPermissions(sotto("casa"), SolaLettura));
        }
        const ComeUtenteComune utente;
        QVERIFY(!utente.root || utente.cambiato);
        QCOMPARE(cartellaScrivibile(m_programma), scrivibile);
        // The player's folder is made only to be used, the program's folder is left as it was;
        // the store can be made there, and the next start finds the same folder.
        const QString cartellaUtente = casa == u"nessuna" ? QString() : m_utente;
        const QString cartella = cartellaDati(m_programma, cartellaUtente);
        QCOMPARE(cartella, nellUtente ? m_utente : m_programma);
        QCOMPARE(QDir(m_utente).exists(), nellUtente && casa == u"aperta");
        QCOMPARE(QDir(m_programma).entryList(QDir::Files | QDir::Hidden).size(), int(conDati));
        const Archivio archivio(cartella);
        QCOMPARE(archivio.prepara().codice, creazione);
        QCOMPARE(cartellaDati(m_programma, cartellaUtente), cartella);
        // A portable copy the player cannot write: its puzzles are read, a write is refused.
        if (programma == u"dati") {
            QVERIFY(archivio.elenco(5).ok());
            QCOMPARE(archivio.inserisci(5, QString(25, u'1'), "Pieno").stato.codice,
                     ErroreArchivio::ScritturaRifiutata);
        }
    }
};

QTEST_GUILESS_MAIN(TestPosizioneDati)
#include "tst_posizione_dati.moc"
