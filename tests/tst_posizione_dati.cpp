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

constexpr uid_t Nessuno = 65534; // "nobody"

// Root is not held back by folder permissions, so as root the cases that need a read-only
// folder run with the real and effective identity of an ordinary user; the saved identity
// stays root and is taken back at the end. An ordinary user runs them as it is.
class ComeUtenteComune {
public:
    ComeUtenteComune()
    {
        if (m_root)
            m_cambiato = setresgid(Nessuno, Nessuno, 0) == 0 && setresuid(Nessuno, Nessuno, 0) == 0;
    }
    ~ComeUtenteComune()
    {
        if (m_root && (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0))
            qFatal("impossibile tornare root");
    }
    ComeUtenteComune(const ComeUtenteComune&) = delete;
    ComeUtenteComune& operator=(const ComeUtenteComune&) = delete;

    // False only for a root that could not give up its rights: read-only folders mean nothing.
    bool valido() const { return !m_root || m_cambiato; }

private:
    const bool m_root = geteuid() == 0;
    bool m_cambiato = false;
};

constexpr QFile::Permissions SolaLettura = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions Aperta =
    SolaLettura | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

void creaFile(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(dati), dati.size());
}

} // namespace

class TestPosizioneDati : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_radice;
    QString m_programma; // the folder of the program, like /usr/bin
    QString m_utente;    // the player's data folder, missing at first

private slots:
    void init()
    {
        m_radice = std::make_unique<QTemporaryDir>();
        QVERIFY(m_radice->isValid());
        // Open to everybody, so that the ordinary user of ComeUtenteComune can make its folder.
        QVERIFY(QFile::setPermissions(m_radice->path(), Aperta));
        m_programma = m_radice->filePath("programma");
        m_utente = m_radice->filePath("casa/.local/share/GridoraPC");
        QVERIFY(QDir().mkpath(m_programma));
        QVERIFY(QFile::setPermissions(m_programma, Aperta));
    }

    void cleanup()
    {
        for (const QString& c : {m_programma, m_radice->filePath("casa")})
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
        // The installed program.
        QTest::newRow("sola lettura senza Dati.mdb") << false << false << "aperta" << true << ok;
        // A data folder that cannot be made ends in the store's own report, not in a crash.
        QTest::newRow("cartella utente impossibile")
            << false << false << "bloccata" << true << fallita;
        QTest::newRow("nessuna cartella utente") << false << false << "nessuna" << false << fallita;
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
            QVERIFY(QDir().mkpath(m_radice->filePath("casa")));
            QVERIFY(QFile::setPermissions(m_radice->filePath("casa"), SolaLettura));
        }
        const ComeUtenteComune utente;
        QVERIFY(utente.valido());
        QCOMPARE(cartellaScrivibile(m_programma), scrivibile);

        const QString cartellaUtente = casa == u"nessuna" ? QString() : m_utente;
        const QString cartella = cartellaDati(m_programma, cartellaUtente);
        QCOMPARE(cartella, nellUtente ? m_utente : m_programma);
        // The player's folder is made only to be used; the program's folder is left as it was.
        QCOMPARE(QDir(m_utente).exists(), nellUtente && casa == u"aperta");
        QCOMPARE(
            QDir(m_programma).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            conDati ? QStringList{"Dati.mdb"} : QStringList());

        // The store can be made there, and the next start finds the same folder.
        const Archivio archivio(cartella);
        QCOMPARE(archivio.prepara().codice, creazione);
        QCOMPARE(cartellaDati(m_programma, cartellaUtente), cartella);
        // A portable copy the player cannot write: its puzzles are read, and a write is refused
        // with its own report.
        if (conDati) {
            QVERIFY(archivio.elenco(5).ok());
            QCOMPARE(archivio.inserisci(5, QString(25, u'1'), "Pieno").stato.codice,
                     ErroreArchivio::ScritturaRifiutata);
        }
    }

    // An installed copy keeps every player's records in the player's own folder, even when its
    // folder can be written (root, or an install into the player's home) or holds a Dati.mdb
    // that someone who could write there left behind.
    void copiaInstallataSempreNellaCartellaUtente()
    {
        m_programma = m_radice->filePath("prefisso/bin");
        QVERIFY(QDir().mkpath(m_programma));
        QCOMPARE(cartellaDati(m_programma, m_utente), m_programma); // a bin folder alone is not
        const QString metainfo = m_radice->filePath("prefisso/share/metainfo");
        QVERIFY(QDir().mkpath(metainfo));
        creaFile(QDir(metainfo).filePath(QStringLiteral("%1.metainfo.xml").arg(IdApplicazione)),
                 "<component/>");
        QVERIFY(copiaInstallata(m_programma));
        QCOMPARE(cartellaDati(m_programma, m_utente), m_utente);
        creaFile(QDir(m_programma).filePath("Dati.mdb"), "lasciato da root");
        QCOMPARE(cartellaDati(m_programma, m_utente), m_utente);
    }
};

QTEST_GUILESS_MAIN(TestPosizioneDati)
#include "tst_posizione_dati.moc"
