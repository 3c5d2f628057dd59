// The puzzle database: where Dati.mdb lives (beside a portable copy, in the player's data folder
// for an installed one), its creation, damaged files, names as typed, the listing and its
// positions.

#include "model/Archivio.h"
#include "model/Collezione.h"
#include "model/PosizioneDati.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace gridora;

// The program's folder: writable; installed (its metainfo beside bin, writable, holding a
// Dati.mdb left behind); read-only with a Dati.mdb; read-only, with the player's home open,
// read-only, or none at all.
enum Cartelle { Scrivibile, Installata, ConDati, SolaLetturaCasa, CasaBloccata, SenzaCasa };
Q_DECLARE_METATYPE(Cartelle)
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

constexpr QFile::Permissions SolaLettura(0x5555); // r-x for everybody
constexpr QFile::Permissions Tutti(0x7777);       // rwx for everybody

bool scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size();
}

template <typename Riga> QStringList nomi(const QList<Riga>& righe)
{
    QStringList n;
    for (const Riga& r : righe)
        n << r.nome;
    return n;
}

} // namespace

class TestArchivio : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_radice;
    std::unique_ptr<Archivio> m_archivio;

    QString sotto(const char* percorso) const { return m_radice->filePath(percorso); }

private slots:
    void init()
    {
        m_radice = std::make_unique<QTemporaryDir>();
        m_archivio = std::make_unique<Archivio>(m_radice->path());
    }

    void cleanup()
    {
        for (const char* c : {"prefisso/bin", "casa"})
            QFile::setPermissions(sotto(c), Tutti);
    }

    // Where the store goes for each kind of program folder and home. The player's folder is made
    // only to be used, the program's folder is left as it was; the store can be made there, and
    // the next start finds the same folder.
    void cartellaScelta_data()
    {
        QTest::addColumn<Cartelle>("cartelle");
        QTest::addColumn<bool>("nellUtente"); // the store goes into the player's data folder
        QTest::addColumn<ErroreArchivio>("creazione");
        const auto ok = ErroreArchivio::Nessuno;
        QTest::newRow("portatile") << Scrivibile << false << ok;
        QTest::newRow("portatile in sola lettura") << ConDati << false << ok;
        QTest::newRow("sola lettura") << SolaLetturaCasa << true << ok;
        QTest::newRow("installato") << Installata << true << ok;
        // A data folder that cannot be made ends in the store's own report, not in a crash.
        const auto fallita = ErroreArchivio::CreazioneFallita;
        QTest::newRow("casa bloccata") << CasaBloccata << true << fallita;
        QTest::newRow("nessuna casa") << SenzaCasa << false << fallita;
    }
    void cartellaScelta()
    {
        QFETCH(Cartelle, cartelle);
        QFETCH(bool, nellUtente);
        QFETCH(ErroreArchivio, creazione);
        const QString bin = sotto("prefisso/bin");
        const QString utente = sotto("casa/.local/share/GridoraPC");
        QVERIFY(QDir().mkpath(bin)); // open to everybody, so that "nobody" can make its folder
        for (const char* c : {"", "prefisso", "prefisso/bin"})
            QVERIFY(QFile::setPermissions(sotto(c), Tutti));
        const bool conDati = cartelle == ConDati || cartelle == Installata;
        if (conDati)
            QVERIFY(Archivio(bin).prepara().ok());
        if (cartelle == Installata)
            QVERIFY(
                QDir().mkpath(sotto("prefisso/share/metainfo")) &&
                scrivi(sotto("prefisso/share/metainfo/%1.metainfo.xml").arg(IdApplicazione), {}));
        if (cartelle >= ConDati)
            QVERIFY(QFile::setPermissions(bin, SolaLettura));
        if (cartelle == CasaBloccata)
            QVERIFY(QDir().mkpath(sotto("casa")) &&
                    QFile::setPermissions(sotto("casa"), SolaLettura));
        const ComeUtenteComune nobody;
        QVERIFY(!nobody.root || nobody.cambiato);
        const QString cartellaUtente = cartelle == SenzaCasa ? QString() : utente;
        const QString cartella = cartellaDati(bin, cartellaUtente);
        QCOMPARE(cartella, nellUtente ? utente : bin);
        QCOMPARE(QDir(utente).exists(), nellUtente && cartelle < CasaBloccata);
        QCOMPARE(QDir(bin).entryList(QDir::Files | QDir::Hidden).size(), int(conDati));
        const Archivio archivio(cartella);
        QCOMPARE(archivio.prepara().codice, creazione);
        // A portable copy the player cannot write: its puzzles are read, a write is refused.
        if (cartelle == ConDati) {
            QVERIFY(archivio.elenco(5).ok());
            QCOMPARE(archivio.inserisci(5, QString(25, u'1'), "Pieno").stato.codice,
                     ErroreArchivio::ScritturaRifiutata);
        }
    }

    // A missing file is made with the starting collection, also where an earlier start was cut
    // short while making it; the next start finds it and adds nothing.
    void fileMancanteCreatoConLaCollezione()
    {
        const QString interrotto = m_archivio->percorso() + ".nuovo";
        QVERIFY(scrivi(interrotto, QByteArray("SQLite format 3").repeated(40)));
        QVERIFY(m_archivio->prepara().ok() && !QFile::exists(interrotto));
        QVERIFY(m_archivio->prepara().ok());
        for (int lato : {5, 10, 15}) {
            QStringList attese, lette;
            for (const VoceCollezione& v : collezioneIniziale(lato))
                attese << QString::number(lato) + u' ' + v.nome + u' ' + v.pixel + u' ';
            for (const Disegno& d : m_archivio->elenco(lato).valore) {
                lette << d.griglia + u' ' + d.nome + u' ' + d.pixel + u' ';
                for (const RecordModo& r : d.record)
                    lette.last() += r.titolare + r.tempo;
            }
            QCOMPARE(lette, attese);
        }
    }

    // A file that is not a database, one without the tables (an empty one) and a folder in its
    // place: readings and writes report it, and the file is left as it was. The start only
    // looks whether the file is there. (A file held by another program or gone meanwhile: the
    // game's and the editor's tests.)
    void fileDanneggiati_data()
    {
        QTest::addColumn<ErroreArchivio>("codice");
        QTest::newRow("non un database") << ErroreArchivio::NonDatabase;
        QTest::newRow("senza tabelle") << ErroreArchivio::StrutturaErrata;
        QTest::newRow("una cartella al suo posto") << ErroreArchivio::NonApribile;
    }
    void fileDanneggiati()
    {
        QFETCH(ErroreArchivio, codice);
        const QString percorso = m_archivio->percorso();
        const QByteArray dati =
            codice != ErroreArchivio::NonDatabase
                ? QByteArray()
                : QByteArrayLiteral("Standard Jet DB\0\0\0 not a database").repeated(200);
        if (codice == ErroreArchivio::NonApribile)
            QVERIFY(QDir().mkdir(percorso));
        else
            QVERIFY(scrivi(percorso, dati));
        QVERIFY(m_archivio->prepara().ok());
        const EsitoArchivio lettura = m_archivio->elenco(15).stato;
        QCOMPARE(lettura.codice, codice);
        QVERIFY2(lettura.messaggio.contains("\"Dati.mdb\""), qPrintable(lettura.messaggio));
        QCOMPARE(m_archivio->scriviRecord(5, 1, ModoRecord::N, "A", "00:00:01").codice, codice);
        QCOMPARE(QFileInfo(percorso).isDir(), codice == ErroreArchivio::NonApribile);
        QFile file(percorso);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), dati);
    }

    // Names with quotes, semicolons and SQL are stored exactly as typed, by every statement that
    // carries them; half a character, which UTF-8 cannot hold, becomes the replacement character.
    // A change of drawing and name keeps the row's records.
    void nomiComeScritti()
    {
        QVERIFY(m_archivio->prepara().ok());
        const QString azzardo = QStringLiteral("L'orso \"bianco\"; DROP TABLE Disegni5; --");
        const qint64 id = m_archivio->inserisci(10, QString(100, u'1'), azzardo).valore;
        QCOMPARE(nomi(m_archivio->elenco(10).valore).last(), azzardo);
        QVERIFY(m_archivio->scriviRecord(10, id, ModoRecord::XS, "O'NEIL\"", "00:01:02").ok());
        const QChar meta = QChar(0xD83D); // the first half of an emoji
        QVERIFY(
            m_archivio->modifica(10, id, azzardo + meta + u'x' + meta, QString(100, u'0')).ok());
        const Disegno d = m_archivio->carica(10, id).valore;
        QCOMPARE(d.griglia + d.nome + d.pixel,
                 "10" + azzardo + "\uFFFDx\uFFFD" + QString(100, u'0'));
        const RecordModo& record = d.recordDi(ModoRecord::XS);
        QCOMPARE(record.titolare + record.tempo, QStringLiteral("O'NEIL\"00:01:02"));
        QVERIFY(d.recordDi(ModoRecord::N).titolare.isEmpty());
    }

    // An empty table lists nothing, and a side other than 5, 10 or 15 has none. The listing keeps
    // the order of insertion, a row added after a deletion comes last; a position finds its row
    // (past the last row, the last); a row that is gone is reported, not silently skipped.
    void ordineEPosizioni()
    {
        QVERIFY(m_archivio->prepara().ok());
        for (const Disegno& d : m_archivio->elenco(5).valore)
            QVERIFY(m_archivio->elimina(5, d.id).ok());
        QCOMPARE(m_archivio->conta(5).valore, 0);
        QCOMPARE(m_archivio->caricaPosizione(5, 3).valore.id, 0);
        QCOMPARE(m_archivio->elenco(7).stato.codice, ErroreArchivio::LatoNonValido);
        for (const char* nome : {"Zeta", "Alfa", "Mu", "Alfa", "Alfa"})
            QVERIFY(m_archivio->inserisci(5, QString(25, u'0'), nome).ok());
        const qint64 via = m_archivio->elenco(5).valore[1].id;
        QVERIFY(m_archivio->elimina(5, via).ok());
        QVERIFY(m_archivio->inserisci(5, QString(25, u'1'), "Nuovo").ok());
        const auto righe = m_archivio->elenco(5).valore;
        QCOMPARE(nomi(righe), (QStringList{"Zeta", "Mu", "Alfa", "Alfa", "Nuovo"}));
        QCOMPARE(nomi(m_archivio->nomi(5).valore), nomi(righe));
        QCOMPARE(m_archivio->nomi(5).valore.last().id, righe.last().id);
        QCOMPARE(m_archivio->conta(5).valore, 5);
        QCOMPARE(m_archivio->caricaPosizione(5, 2).valore.id, righe[2].id);
        QCOMPARE(m_archivio->caricaPosizione(5, 0).valore.nome, QStringLiteral("Zeta"));
        QCOMPARE(m_archivio->caricaPosizione(5, 99).valore.id, righe.last().id);
        // A record reaches exactly the chosen row, though another has the same name.
        QVERIFY(m_archivio->scriviRecord(5, righe[3].id, ModoRecord::N, "ANNA", "00:03:00").ok());
        QVERIFY(m_archivio->carica(5, righe[2].id).valore.recordDi(ModoRecord::N).tempo.isEmpty());
        QCOMPARE(m_archivio->elimina(5, via).codice, ErroreArchivio::RigaMancante);
        QCOMPARE(m_archivio->scriviRecord(5, via, ModoRecord::X, "B", "00:00:09").codice,
                 ErroreArchivio::RigaMancante);
        QCOMPARE(m_archivio->carica(5, via).stato.codice, ErroreArchivio::RigaMancante);
    }
};

QTEST_GUILESS_MAIN(TestArchivio)
#include "tst_archivio.moc"
