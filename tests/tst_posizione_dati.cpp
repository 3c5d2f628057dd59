// Where Dati.mdb lives: beside a portable copy, in the player's data folder for an installed one.

#include "model/Archivio.h"
#include "model/PosizioneDati.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace gridora;

namespace {

constexpr uid_t Nessuno = 65534; // "nobody"

// Root is not held back by folder permissions, so as root the cases that need a read-only
// folder run with the real and effective identity of an ordinary user; the saved identity
// stays root and is taken back at the end.
class ComeUtenteComune {
public:
    ComeUtenteComune()
    {
        if (geteuid() != 0)
            return;
        m_cambiato = setresgid(Nessuno, Nessuno, 0) == 0 && setresuid(Nessuno, Nessuno, 0) == 0;
        if (!m_cambiato)
            ripristina();
    }
    ~ComeUtenteComune() { ripristina(); }
    ComeUtenteComune(const ComeUtenteComune&) = delete;
    ComeUtenteComune& operator=(const ComeUtenteComune&) = delete;

    // False only for a root that could not give up its rights: read-only folders mean nothing.
    bool valido() const { return m_cambiato || geteuid() != 0; }

private:
    static void ripristina()
    {
        if (getuid() == 0 && geteuid() == 0)
            return;
        if (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0)
            qFatal("impossibile tornare root");
    }
    bool m_cambiato = false;
};

constexpr QFile::Permissions SolaLettura = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions Aperta =
    SolaLettura | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

QStringList contenuto(const QString& cartella)
{
    return QDir(cartella).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

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

    QString datiAccanto() const { return QDir(m_programma).filePath("Dati.mdb"); }

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

    void cartellaScrivibileTenutaAccanto()
    {
        const ComeUtenteComune utente;
        QVERIFY(utente.valido());
        QCOMPARE(cartellaDati(m_programma, m_utente), m_programma);
        QVERIFY(!QDir(m_utente).exists());
        QVERIFY2(contenuto(m_programma).isEmpty(), qPrintable(contenuto(m_programma).join(' ')));
    }

    void solaLetturaConDatiTenutaAccanto()
    {
        creaFile(datiAccanto(), "archivio portatile");
        QVERIFY(QFile::setPermissions(m_programma, SolaLettura));
        const ComeUtenteComune utente;
        QVERIFY(utente.valido());
        QCOMPARE(cartellaDati(m_programma, m_utente), m_programma);
        QVERIFY(!QDir(m_utente).exists());
    }

    // The installed program: the database is made in the player's folder with the starting
    // collection, and the next start finds it there.
    void solaLetturaSenzaDatiNellaCartellaUtente()
    {
        QVERIFY(QFile::setPermissions(m_programma, SolaLettura));
        const ComeUtenteComune utente;
        QVERIFY(utente.valido());
        QVERIFY(!cartellaScrivibile(m_programma));

        const QString cartella = cartellaDati(m_programma, m_utente);
        QCOMPARE(cartella, m_utente);
        const Archivio archivio(cartella);
        QVERIFY(archivio.prepara().ok());
        QVERIFY(QFile::exists(QDir(m_utente).filePath("Dati.mdb")));
        QVERIFY(archivio.conta(5).valore > 0);
        QVERIFY(contenuto(m_programma).isEmpty());

        QCOMPARE(cartellaDati(m_programma, m_utente), m_utente);
    }

    // A data folder that cannot be made ends in the store's own report, not in a crash.
    void cartellaUtenteImpossibile()
    {
        QVERIFY(QFile::setPermissions(m_programma, SolaLettura));
        QVERIFY(QDir().mkpath(m_radice->filePath("casa")));
        QVERIFY(QFile::setPermissions(m_radice->filePath("casa"), SolaLettura));
        const ComeUtenteComune utente;
        QVERIFY(utente.valido());

        const QString cartella = cartellaDati(m_programma, m_utente);
        QCOMPARE(cartella, m_utente);
        const EsitoArchivio stato = Archivio(cartella).prepara();
        QCOMPARE(stato.codice, ErroreArchivio::CreazioneFallita);
        QVERIFY(!stato.messaggio.isEmpty());
    }

    void senzaCartellaUtenteRestaAccanto()
    {
        QVERIFY(QFile::setPermissions(m_programma, SolaLettura));
        const ComeUtenteComune utente;
        QVERIFY(utente.valido());
        QCOMPARE(cartellaDati(m_programma, QString()), m_programma);
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
        creaFile(datiAccanto(), "lasciato da root");
        QCOMPARE(cartellaDati(m_programma, m_utente), m_utente);
    }

    void cartellaCheNonEsisteNonScrivibile()
    {
        QVERIFY(!cartellaScrivibile(m_radice->filePath("manca")));
        creaFile(m_radice->filePath("file"), "non una cartella");
        QVERIFY(!cartellaScrivibile(m_radice->filePath("file")));
        QVERIFY(cartellaScrivibile(m_programma));
        QVERIFY(contenuto(m_programma).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPosizioneDati)
#include "tst_posizione_dati.moc"
