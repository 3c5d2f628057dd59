// The puzzle database: creation, checks, the listing and every write.

#include "model/Archivio.h"
#include "model/Collezione.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace gridora;

namespace {

const QString Azzardo = QStringLiteral("L'orso \"bianco\"; DROP TABLE Disegni5; --");

QString pixel5(int pieno)
{
    QString p(25, u'0');
    p[pieno] = u'1';
    return p;
}

QByteArray contenuto(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs raw SQL on a file, for setting up damaged databases.
void sql(const QString& percorso, const QStringList& istruzioni)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "preparazione");
        db.setDatabaseName(percorso);
        QVERIFY(db.open());
        for (const QString& istruzione : istruzioni) {
            QSqlQuery q(db);
            QVERIFY2(q.exec(istruzione), qPrintable(istruzione));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("preparazione");
}

QStringList nomi(const QList<Disegno>& righe)
{
    QStringList n;
    for (const Disegno& d : righe)
        n << d.nome;
    return n;
}

} // namespace

class TestArchivio : public QObject {
    Q_OBJECT

    QTemporaryDir m_cartella;
    std::unique_ptr<Archivio> m_archivio;

    // A new archive whose tables are empty.
    void preparaVuoto()
    {
        QVERIFY(m_archivio->prepara().ok());
        sql(m_archivio->percorso(),
            {"DELETE FROM Disegni5", "DELETE FROM Disegni10", "DELETE FROM Disegni15"});
    }

private slots:
    void init()
    {
        QVERIFY(m_cartella.isValid());
        QFile::remove(m_cartella.filePath("Dati.mdb"));
        m_archivio = std::make_unique<Archivio>(m_cartella.path());
    }

    void fileMancanteCreatoConLaCollezione()
    {
        QVERIFY(!QFile::exists(m_archivio->percorso()));
        QVERIFY(m_archivio->prepara().ok());
        QVERIFY(QFile::exists(m_archivio->percorso()));
        QVERIFY(!QFile::exists(m_archivio->percorso() + ".nuovo"));
        for (int lato : {5, 10, 15}) {
            const auto elenco = m_archivio->elenco(lato);
            QVERIFY(elenco.ok());
            const auto collezione = collezioneIniziale(lato);
            QCOMPARE(elenco.valore.size(), collezione.size());
            for (int i = 0; i < collezione.size(); ++i) {
                const Disegno& d = elenco.valore[i];
                QCOMPARE(d.nome, collezione[i].nome);
                QCOMPARE(d.pixel, collezione[i].pixel);
                QCOMPARE(d.griglia, QString::number(lato));
                for (ModoRecord modo : TuttiIModi)
                    QVERIFY(d.recordDi(modo).titolare.isEmpty());
            }
        }
        // A second start finds the file and adds nothing.
        QVERIFY(m_archivio->prepara().ok());
        QCOMPARE(m_archivio->conta(5).valore, collezioneIniziale(5).size());
    }

    void fileNonDatabaseLasciatoIntatto()
    {
        const QByteArray vecchio = "Standard Jet DB\0\0\0 not really a database, but the user's";
        {
            QFile f(m_archivio->percorso());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(vecchio.repeated(200));
        }
        QVERIFY(m_archivio->prepara().ok()); // the start only looks whether the file is there
        const EsitoArchivio stato = m_archivio->verifica();
        QCOMPARE(stato.codice, ErroreArchivio::NonDatabase);
        QVERIFY(!stato.messaggio.isEmpty());
        QCOMPARE(m_archivio->elenco(10).stato.codice, ErroreArchivio::NonDatabase);
        QCOMPARE(m_archivio->scriviRecord(10, 1, ModoRecord::N, "A", "00:00:01").codice,
                 ErroreArchivio::NonDatabase);
        QCOMPARE(contenuto(m_archivio->percorso()), vecchio.repeated(200));
    }

    void tabellaOColonnaMancante()
    {
        sql(m_archivio->percorso(), {"CREATE TABLE Disegni5 (Griglia, Pixel, Nome)"});
        QCOMPARE(m_archivio->verifica().codice, ErroreArchivio::StrutturaErrata);
        QCOMPARE(m_archivio->elenco(5).stato.codice, ErroreArchivio::StrutturaErrata);
        QCOMPARE(m_archivio->elenco(15).stato.codice, ErroreArchivio::StrutturaErrata);
    }

    // Once the program runs, a file that vanished is reported, not silently recreated empty.
    void fileSparitoNonRicreato()
    {
        QVERIFY(m_archivio->prepara().ok());
        QVERIFY(QFile::remove(m_archivio->percorso()));
        QCOMPARE(m_archivio->elenco(5).stato.codice, ErroreArchivio::FileMancante);
        QCOMPARE(m_archivio->inserisci(5, pixel5(0), "A").stato.codice,
                 ErroreArchivio::FileMancante);
        QVERIFY(!QFile::exists(m_archivio->percorso()));
    }

    void creazioneImpossibile()
    {
        Archivio altrove(m_cartella.filePath("cartella/che/non/esiste"));
        const EsitoArchivio stato = altrove.prepara();
        QCOMPARE(stato.codice, ErroreArchivio::CreazioneFallita);
        QVERIFY(stato.messaggio.contains("Dati.mdb"));
    }

    void fileBloccato()
    {
        QVERIFY(m_archivio->prepara().ok());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "altro");
        db.setDatabaseName(m_archivio->percorso());
        QVERIFY(db.open());
        {
            QSqlQuery q(db);
            QVERIFY(q.exec("BEGIN EXCLUSIVE"));
            QCOMPARE(m_archivio->elenco(5).stato.codice, ErroreArchivio::Bloccato);
            QVERIFY(q.exec("ROLLBACK"));
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("altro");
        QVERIFY(m_archivio->elenco(5).ok());
    }

    void tabellaVuota()
    {
        preparaVuoto();
        QVERIFY(m_archivio->elenco(10).valore.isEmpty());
        QCOMPARE(m_archivio->conta(10).valore, 0);
        const auto riga = m_archivio->caricaPosizione(10, 3);
        QVERIFY(riga.ok());
        QCOMPARE(riga.valore.id, 0);
    }

    // Names with quotes, semicolons and SQL are stored and found exactly as typed.
    void nomiConVirgolette()
    {
        preparaVuoto();
        const auto id = m_archivio->inserisci(5, pixel5(3), Azzardo);
        QVERIFY(id.ok());
        QCOMPARE(m_archivio->conta(5).valore, 1);
        const auto trovati = m_archivio->cercaNome(5, Azzardo);
        QCOMPARE(nomi(trovati.valore), QStringList{Azzardo});
        QCOMPARE(trovati.valore.first().id, id.valore);
        QCOMPARE(m_archivio->cercaPixel(5, pixel5(3)).valore.size(), 1);
        QVERIFY(m_archivio->cercaNome(5, "l'orso \"bianco\"; drop table disegni5; --")
                    .valore.isEmpty()); // names compare with regard to case

        QVERIFY(
            m_archivio->scriviRecord(5, id.valore, ModoRecord::XS, "O'NEIL\"", "00:01:02").ok());
        const Disegno d = m_archivio->carica(5, id.valore).valore;
        QCOMPARE(d.recordDi(ModoRecord::XS).titolare, QStringLiteral("O'NEIL\""));
        QCOMPARE(d.recordDi(ModoRecord::XS).tempo, QStringLiteral("00:01:02"));
        QVERIFY(d.recordDi(ModoRecord::N).titolare.isEmpty());
    }

    void cercaPerNomeOPerDisegno()
    {
        preparaVuoto();
        m_archivio->inserisci(5, pixel5(0), "Uno");
        m_archivio->inserisci(5, pixel5(1), "Due");
        m_archivio->inserisci(5, pixel5(2), "Tre");
        QCOMPARE(nomi(m_archivio->cercaNomeOPixel(5, "Uno", pixel5(2)).valore),
                 (QStringList{"Uno", "Tre"}));
        QVERIFY(m_archivio->cercaNomeOPixel(5, "Quattro", pixel5(3)).valore.isEmpty());
    }

    // Two walks of an unchanged table give the same order, and a position finds its row.
    void ordineStabileEPosizioni()
    {
        preparaVuoto();
        const QStringList attesi = {"Zeta", "Alfa", "Mu", "Beta", "Alfa"};
        for (int i = 0; i < attesi.size(); ++i)
            QVERIFY(m_archivio->inserisci(5, pixel5(i), attesi[i]).ok());
        const auto primo = m_archivio->elenco(5).valore;
        QCOMPARE(nomi(primo), attesi);
        QCOMPARE(nomi(m_archivio->elenco(5).valore), attesi);

        QCOMPARE(m_archivio->caricaPosizione(5, 3).valore.nome, QStringLiteral("Beta"));
        QCOMPARE(m_archivio->caricaPosizione(5, 0).valore.nome, QStringLiteral("Zeta"));
        const Disegno oltre = m_archivio->caricaPosizione(5, 99).valore;
        QCOMPARE(oltre.id, primo.last().id);
        QCOMPARE(oltre.pixel, pixel5(4));

        // A row added after a deletion comes last.
        QVERIFY(m_archivio->elimina(5, primo[1].id).ok());
        QVERIFY(m_archivio->inserisci(5, pixel5(9), "Nuovo").ok());
        QCOMPARE(nomi(m_archivio->elenco(5).valore),
                 (QStringList{"Zeta", "Mu", "Beta", "Alfa", "Nuovo"}));
    }

    // Writes reach exactly the chosen row, even when another row has the same name.
    void scrittureSullaRigaScelta()
    {
        preparaVuoto();
        const qint64 a = m_archivio->inserisci(10, QString(100, u'1'), "Gemello").valore;
        const qint64 b = m_archivio->inserisci(10, QString(99, u'0') + u'1', "Gemello").valore;
        QVERIFY(m_archivio->scriviRecord(10, b, ModoRecord::N, "ANNA", "00:03:00").ok());
        QVERIFY(m_archivio->carica(10, a).valore.recordDi(ModoRecord::N).tempo.isEmpty());
        QCOMPARE(m_archivio->carica(10, b).valore.recordDi(ModoRecord::N).tempo,
                 QStringLiteral("00:03:00"));

        // Changing the drawing and the name keeps the records.
        const QString nuovo = QString(98, u'0') + "11";
        QVERIFY(m_archivio->modifica(10, b, "Cambiato", nuovo).ok());
        const Disegno d = m_archivio->carica(10, b).valore;
        QCOMPARE(d.nome, QStringLiteral("Cambiato"));
        QCOMPARE(d.pixel, nuovo);
        QCOMPARE(d.griglia, QStringLiteral("10"));
        QCOMPARE(d.recordDi(ModoRecord::N).titolare, QStringLiteral("ANNA"));
        QCOMPARE(m_archivio->carica(10, a).valore.nome, QStringLiteral("Gemello"));

        QVERIFY(m_archivio->elimina(10, a).ok());
        QCOMPARE(nomi(m_archivio->elenco(10).valore), QStringList{"Cambiato"});
        // A row that is gone is reported, not silently skipped.
        QCOMPARE(m_archivio->elimina(10, a).codice, ErroreArchivio::RigaMancante);
        QCOMPARE(m_archivio->scriviRecord(10, a, ModoRecord::X, "B", "00:00:09").codice,
                 ErroreArchivio::RigaMancante);
        QCOMPARE(m_archivio->modifica(10, a, "X", nuovo).codice, ErroreArchivio::RigaMancante);
    }

    void latoNonValido()
    {
        QVERIFY(m_archivio->prepara().ok());
        QCOMPARE(m_archivio->elenco(7).stato.codice, ErroreArchivio::LatoNonValido);
    }
};

QTEST_GUILESS_MAIN(TestArchivio)
#include "tst_archivio.moc"
