// The puzzle database: creation, checks, the listing and every write.

#include "model/Archivio.h"
#include "model/Collezione.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace gridora;

Q_DECLARE_METATYPE(gridora::ErroreArchivio)

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

void scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(dati), dati.size());
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
        QDir(m_cartella.path()).rmdir("Dati.mdb");
        m_archivio = std::make_unique<Archivio>(m_cartella.path());
    }

    // A missing file is made with the starting collection, also where an earlier start was cut
    // short while making it; the next start finds it and adds nothing.
    void fileMancanteCreatoConLaCollezione()
    {
        const QString interrotto = m_archivio->percorso() + ".nuovo";
        scrivi(interrotto, QByteArray("SQLite format 3").repeated(40));
        QVERIFY(m_archivio->prepara().ok());
        QVERIFY(!QFile::exists(interrotto));
        for (int lato : {5, 10, 15}) {
            QStringList attese;
            for (const VoceCollezione& v : collezioneIniziale(lato))
                attese << QString::number(lato) + u' ' + v.nome + u' ' + v.pixel;
            QStringList lette;
            for (const Disegno& d : m_archivio->elenco(lato).valore) {
                lette << d.griglia + u' ' + d.nome + u' ' + d.pixel;
                for (const RecordModo& r : d.record)
                    QVERIFY(r.titolare.isEmpty() && r.tempo.isEmpty());
            }
            QCOMPARE(lette, attese);
        }
        QVERIFY(m_archivio->prepara().ok());
        QCOMPARE(m_archivio->conta(5).valore, collezioneIniziale(5).size());
    }

    // A file that is not a database, lacks a table or a column, vanished while the program runs,
    // cannot be opened or is held by another program: readings and writes report it, and the
    // file is left as it was, never recreated. The start only looks whether the file is there.
    void fileDanneggiati_data()
    {
        QTest::addColumn<QString>("danno");
        QTest::addColumn<ErroreArchivio>("codice");
        QTest::newRow("non un database") << "estraneo" << ErroreArchivio::NonDatabase;
        QTest::newRow("tabella o colonna mancante")
            << "struttura" << ErroreArchivio::StrutturaErrata;
        QTest::newRow("file sparito") << "sparito" << ErroreArchivio::FileMancante;
        QTest::newRow("una cartella al suo posto") << "cartella" << ErroreArchivio::NonApribile;
        QTest::newRow("in uso da un altro programma") << "bloccato" << ErroreArchivio::Bloccato;
    }
    void fileDanneggiati()
    {
        QFETCH(QString, danno);
        QFETCH(ErroreArchivio, codice);
        const QString percorso = m_archivio->percorso();
        if (danno == u"estraneo")
            scrivi(percorso,
                   QByteArrayLiteral("Standard Jet DB\0\0\0 not a database").repeated(200));
        else if (danno == u"struttura") // Disegni5 without its record columns, no Disegni15
            sql(percorso, {"CREATE TABLE Disegni5 (Griglia, Pixel, Nome)"});
        else if (danno == u"cartella")
            QVERIFY(QDir().mkdir(percorso));
        else
            QVERIFY(m_archivio->prepara().ok());
        if (danno == u"sparito")
            QVERIFY(QFile::remove(percorso));
        else
            QVERIFY(m_archivio->prepara().ok());
        const QByteArray prima = contenuto(percorso);
        {
            QSqlDatabase altro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "altro");
            altro.setDatabaseName(percorso);
            if (danno == u"bloccato")
                QVERIFY(altro.open() && QSqlQuery(altro).exec("BEGIN EXCLUSIVE"));
            const EsitoArchivio lettura = m_archivio->elenco(15).stato;
            QCOMPARE(lettura.codice, codice);
            QVERIFY2(lettura.messaggio.contains("\"Dati.mdb\""), qPrintable(lettura.messaggio));
            QCOMPARE(m_archivio->scriviRecord(5, 1, ModoRecord::N, "A", "00:00:01").codice, codice);
            altro.close();
        }
        QSqlDatabase::removeDatabase("altro");
        QCOMPARE(QFile::exists(percorso), danno != u"sparito");
        QCOMPARE(contenuto(percorso), prima);
        if (danno == u"bloccato")
            QVERIFY(m_archivio->elenco(5).ok()); // free again once the other program lets go
    }

    // Names with quotes, semicolons and SQL are stored exactly as typed, by every statement that
    // carries them; half a character, which UTF-8 cannot hold, becomes the replacement character.
    void nomiConVirgolette()
    {
        preparaVuoto();
        const auto id = m_archivio->inserisci(5, pixel5(3), Azzardo);
        QVERIFY(id.ok());
        m_archivio->inserisci(5, pixel5(2), "Tre");
        QCOMPARE(nomi(m_archivio->elenco(5).valore), (QStringList{Azzardo, "Tre"}));
        QVERIFY(
            m_archivio->scriviRecord(5, id.valore, ModoRecord::XS, "O'NEIL\"", "00:01:02").ok());
        const Disegno d = m_archivio->carica(5, id.valore).valore;
        QCOMPARE(d.recordDi(ModoRecord::XS).titolare, QStringLiteral("O'NEIL\""));
        QCOMPARE(d.recordDi(ModoRecord::XS).tempo, QStringLiteral("00:01:02"));
        QVERIFY(d.recordDi(ModoRecord::N).titolare.isEmpty());
        QVERIFY(m_archivio->modifica(5, id.valore, Azzardo + u'\'', pixel5(3)).ok());
        QCOMPARE(m_archivio->carica(5, id.valore).valore.nome, Azzardo + u'\'');
        const QChar meta = QChar(0xD83D); // the first half of an emoji
        QVERIFY(m_archivio->modifica(5, id.valore, QString(meta) + u'x' + meta, pixel5(3)).ok());
        QCOMPARE(m_archivio->carica(5, id.valore).valore.nome, QStringLiteral("\uFFFDx\uFFFD"));
    }

    // An empty table lists nothing, a side other than 5, 10 or 15 has no table; two walks of an
    // unchanged table give the same order, and a position finds its row.
    void ordineStabileEPosizioni()
    {
        preparaVuoto();
        QVERIFY(m_archivio->elenco(5).valore.isEmpty());
        QCOMPARE(m_archivio->conta(5).valore, 0);
        QCOMPARE(m_archivio->caricaPosizione(5, 3).valore.id, 0);
        QCOMPARE(m_archivio->elenco(7).stato.codice, ErroreArchivio::LatoNonValido);

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
        const auto righe = m_archivio->elenco(5).valore;
        QCOMPARE(nomi(righe), (QStringList{"Zeta", "Mu", "Beta", "Alfa", "Nuovo"}));

        // The list of names holds the same rows in the same order.
        const auto voci = m_archivio->nomi(5).valore;
        QCOMPARE(voci.size(), righe.size());
        for (qsizetype i = 0; i < righe.size(); ++i)
            QVERIFY(voci[i].id == righe[i].id && voci[i].nome == righe[i].nome);
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
};

QTEST_GUILESS_MAIN(TestArchivio)
#include "tst_archivio.moc"
