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

    // Where the store goes for each kind of program folder.
    void cartellaScelta_data()
    {
        QTest::addColumn<bool>("scrivibile"); // the program's folder
        QTest::addColumn<bool>("conDati");    // a Dati.mdb beside the program
        QTest::addColumn<QString>("casa");    // the player's home: aperta, bloccata, nessuna
        QTest::addColumn<bool>("nellUtente"); // the store goes into the player's data folder
        QTest::addColumn<ErroreArchivio>("creazione");

        const auto ok = ErroreArchivio::Nessuno;
        const auto fallita = ErroreArchivio::CreazioneFallita;
        QTest::newRow("cartella scrivibile") << true << false << "aperta" << false << ok;
        QTest::newRow("sola lettura con Dati.mdb") << false << true << "aperta" << false << ok;
        QTest::newRow("installato") << false << false << "aperta" << true << ok;
        // A data folder that cannot be made ends in the store's own report, not in a crash.
        QTest::newRow("casa bloccata") << false << false << "bloccata" << true << fallita;
        QTest::newRow("nessuna casa") << false << false << "nessuna" << false << fallita;
    }
    void cartellaScelta()
    {
        QFETCH(bool, scrivibile);
        QFETCH(bool, conDati);
        QFETCH(QString, casa);
        QFETCH(bool, nellUtente);
        QFETCH(ErroreArchivio, creazione);
        if (conDati)
            QVERIFY(Archivio(m_programma).prepara().ok());
        if (!scrivibile)
            QVERIFY(QFile::setPermissions(m_programma, SolaLettura));
        if (casa == u"bloccata") {
            QVERIFY(QDir().mkpath(sotto("casa")));
            QVERIFY(QFile::setPermissions(sotto("casa"), SolaLettura));
        }
        const ComeUtenteComune utente;
        QVERIFY(!utente.root || utente.cambiato);
        QCOMPARE(cartellaScrivibile(m_programma), scrivibile);
        // The player's folder is made only to be used; the store can be made there, and the next
        // start finds the same folder.
        const QString cartellaUtente = casa == u"nessuna" ? QString() : m_utente;
        const QString cartella = cartellaDati(m_programma, cartellaUtente);
        QCOMPARE(cartella, nellUtente ? m_utente : m_programma);
        QCOMPARE(QDir(m_utente).exists(), nellUtente && casa == u"aperta");
        const Archivio archivio(cartella);
        QCOMPARE(archivio.prepara().codice, creazione);
        QCOMPARE(cartellaDati(m_programma, cartellaUtente), cartella);
        // A portable copy the player cannot write: its puzzles are read, a write is refused.
        if (conDati) {
            QVERIFY(archivio.elenco(5).ok());
            QCOMPARE(archivio.inserisci(5, QString(25, u'1'), "Pieno").stato.codice,
                     ErroreArchivio::ScritturaRifiutata);
        }
    }

    // An installed copy (its metainfo beside bin) keeps every player's records in the player's
    // own folder, even when its folder can be written or holds a Dati.mdb left behind.
    void copiaInstallataSempreNellaCartellaUtente()
    {
        const QString metainfo = sotto("prefisso/share/metainfo");
        QVERIFY(QDir().mkpath(metainfo));
        QFile dati(QDir(m_programma).filePath("Dati.mdb"));
        QVERIFY(dati.open(QIODevice::WriteOnly));
        QCOMPARE(cartellaDati(m_programma, m_utente), m_programma);
        QFile xml(QDir(metainfo).filePath(QStringLiteral("%1.metainfo.xml").arg(IdApplicazione)));
        QVERIFY(xml.open(QIODevice::WriteOnly));
        QVERIFY(copiaInstallata(m_programma));
        QCOMPARE(cartellaDati(m_programma, m_utente), m_utente);
    }
};

QTEST_GUILESS_MAIN(TestPosizioneDati)
#include "tst_posizione_dati.moc"
