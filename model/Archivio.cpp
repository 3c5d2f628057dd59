#include "model/Archivio.h"

#include "model/Collezione.h"
#include "model/Tavola.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <atomic>
#include <utility>

namespace gridora {

namespace {

constexpr const char* Colonne =
    "rowid, Griglia, Pixel, Nome, NomeX, RecordX, NomeS, RecordS, NomeXS, RecordXS, NomeN, RecordN";

// SQLite's primary result codes that the user can meet.
enum CodiceSqlite {
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteIoErr = 10,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADb = 26,
};

QString nomeFile()
{
    return QString::fromLatin1(Archivio::NomeFile);
}

EsitoArchivio errore(ErroreArchivio codice, const QString& dettaglio = {})
{
    const QString file = u'"' + nomeFile() + u'"';
    QString testo;
    switch (codice) {
    case ErroreArchivio::Nessuno:
        return {};
    case ErroreArchivio::FileMancante:
        testo = QStringLiteral("Il file %1 non si trova nella cartella del programma.").arg(file);
        break;
    case ErroreArchivio::NonApribile:
        testo = QStringLiteral("Impossibile aprire o leggere il file %1.").arg(file);
        break;
    case ErroreArchivio::NonDatabase:
        testo = QStringLiteral("Il file %1 non è un archivio di disegni valido: "
                               "non è stato modificato.")
                    .arg(file);
        break;
    case ErroreArchivio::StrutturaErrata:
        testo = QStringLiteral("Il file %1 non contiene le tabelle dei disegni attese: "
                               "non è stato modificato.")
                    .arg(file);
        break;
    case ErroreArchivio::Bloccato:
        testo = QStringLiteral("Il file %1 è in uso da un altro programma. Riprovare più tardi.")
                    .arg(file);
        break;
    case ErroreArchivio::ScritturaRifiutata:
        testo = QStringLiteral("Impossibile salvare nel file %1: il file è protetto da "
                               "scrittura oppure il disco è pieno.")
                    .arg(file);
        break;
    case ErroreArchivio::RigaMancante:
        testo = QStringLiteral("Il disegno non si trova più nel file %1.").arg(file);
        break;
    case ErroreArchivio::CreazioneFallita:
        testo =
            QStringLiteral("Impossibile creare il file %1 nella cartella del programma.").arg(file);
        break;
    case ErroreArchivio::LatoNonValido:
        testo = QStringLiteral("Dimensione dello schema non valida.");
        break;
    }
    return {codice, testo, dettaglio};
}

EsitoArchivio errore(const QSqlError& sql)
{
    bool numerico = false;
    const int codice = sql.nativeErrorCode().toInt(&numerico) & 0xFF;
    const QString dettaglio = sql.text();
    if (!numerico)
        return errore(ErroreArchivio::NonApribile, dettaglio);
    switch (codice) {
    case SqliteBusy:
    case SqliteLocked:
        return errore(ErroreArchivio::Bloccato, dettaglio);
    case SqliteReadOnly:
    case SqliteFull:
        return errore(ErroreArchivio::ScritturaRifiutata, dettaglio);
    case SqliteNotADb:
    case SqliteCorrupt:
        return errore(ErroreArchivio::NonDatabase, dettaglio);
    case SqliteCantOpen:
    case SqliteIoErr:
        return errore(ErroreArchivio::NonApribile, dettaglio);
    default: // no such table or column, and the like
        return errore(ErroreArchivio::StrutturaErrata, dettaglio);
    }
}

// One connection for the length of one operation. Opening never creates the file.
class Connessione {
public:
    Connessione(const QString& percorso, bool crea)
        : m_nome(QStringLiteral("gridora-%1").arg(++s_contatore))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nome);
        const QString modo = crea ? QStringLiteral("rwc") : QStringLiteral("rw");
        db.setDatabaseName(QUrl::fromLocalFile(percorso).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=") + modo);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=1000"));
        if (!db.open())
            m_stato = errore(db.lastError());
    }
    ~Connessione()
    {
        QSqlDatabase::database(m_nome, false).close();
        QSqlDatabase::removeDatabase(m_nome);
    }
    Connessione(const Connessione&) = delete;
    Connessione& operator=(const Connessione&) = delete;

    const EsitoArchivio& stato() const { return m_stato; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_nome, false); }

private:
    static inline std::atomic<int> s_contatore = 0;
    QString m_nome;
    EsitoArchivio m_stato;
};

using Valori = QList<QVariant>;

// A value as the file can hold it: the file keeps text in UTF-8, where half a character (a lone
// surrogate) has no place, so such a half becomes the replacement character.
QVariant valoreIntegro(const QVariant& valore)
{
    if (valore.typeId() != QMetaType::QString)
        return valore;
    QString testo = valore.toString();
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo.at(i).isHighSurrogate() && i + 1 < testo.size() &&
            testo.at(i + 1).isLowSurrogate())
            ++i;
        else if (testo.at(i).isSurrogate())
            testo[i] = QChar::ReplacementCharacter;
    }
    return testo;
}

// Prepares and runs one statement with its values bound in order.
EsitoArchivio esegui(QSqlQuery& query, const QString& testo, const Valori& valori = {})
{
    if (!query.prepare(testo))
        return errore(query.lastError());
    for (const QVariant& valore : valori)
        query.addBindValue(valoreIntegro(valore));
    if (!query.exec())
        return errore(query.lastError());
    return {};
}

Disegno leggiRiga(const QSqlQuery& query)
{
    Disegno d;
    d.id = query.value(0).toLongLong();
    d.griglia = query.value(1).toString();
    d.pixel = query.value(2).toString();
    d.nome = query.value(3).toString();
    for (const ModoRecord modo : TuttiIModi) {
        const int colonna = 4 + 2 * indiceModo(modo);
        d.record[indiceModo(modo)] = {query.value(colonna).toString(),
                                      query.value(colonna + 1).toString()};
    }
    return d;
}

QString selezione(int lato, const QString& condizione = {})
{
    QString testo = QStringLiteral("SELECT %1 FROM %2")
                        .arg(QLatin1String(Colonne), Archivio::nomeTabella(lato));
    if (!condizione.isEmpty())
        testo += QStringLiteral(" WHERE ") + condizione;
    return testo + QStringLiteral(" ORDER BY rowid");
}

QString creazioneTabella(int lato)
{
    return QStringLiteral("CREATE TABLE %1 (Id INTEGER PRIMARY KEY, Griglia TEXT, Pixel TEXT, "
                          "Nome TEXT, NomeX TEXT, RecordX TEXT, NomeS TEXT, RecordS TEXT, "
                          "NomeXS TEXT, RecordXS TEXT, NomeN TEXT, RecordN TEXT)")
        .arg(Archivio::nomeTabella(lato));
}

} // namespace

Archivio::Archivio(QString cartella) : m_percorso(QDir(cartella).filePath(nomeFile())) {}

QString Archivio::nomeTabella(int lato)
{
    return QStringLiteral("Disegni") + QString::number(lato);
}

namespace {

// Runs `lavoro(db)` on an open connection to an existing file, after the common checks.
template <typename Lavoro>
EsitoArchivio conConnessione(const QString& percorso, int lato, Lavoro&& lavoro)
{
    if (!latoValido(lato))
        return errore(ErroreArchivio::LatoNonValido);
    if (!QFileInfo::exists(percorso))
        return errore(ErroreArchivio::FileMancante);
    Connessione connessione(percorso, false);
    if (!connessione.stato().ok())
        return connessione.stato();
    QSqlDatabase db = connessione.db();
    return std::forward<Lavoro>(lavoro)(db);
}

Esito<QList<Disegno>> leggiRighe(const QString& percorso, int lato, const QString& testo,
                                 const Valori& valori)
{
    Esito<QList<Disegno>> esito;
    esito.stato = conConnessione(percorso, lato, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        EsitoArchivio stato = esegui(query, testo, valori);
        while (stato.ok() && query.next())
            esito.valore.append(leggiRiga(query));
        return stato;
    });
    return esito;
}

// Runs a write that must touch exactly one row.
EsitoArchivio scriviRiga(const QString& percorso, int lato, const QString& testo,
                         const Valori& valori)
{
    return conConnessione(percorso, lato, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        EsitoArchivio stato = esegui(query, testo, valori);
        if (stato.ok() && query.numRowsAffected() == 0)
            return errore(ErroreArchivio::RigaMancante);
        return stato;
    });
}

EsitoArchivio riempiConCollezione(QSqlDatabase& db)
{
    if (!db.transaction())
        return errore(db.lastError());
    for (const int lato : {5, 10, 15}) {
        QSqlQuery query(db);
        if (EsitoArchivio stato = esegui(query, creazioneTabella(lato)); !stato.ok())
            return stato;
        const QString inserimento =
            QStringLiteral("INSERT INTO %1 (Griglia, Pixel, Nome) VALUES (?, ?, ?)")
                .arg(Archivio::nomeTabella(lato));
        if (!query.prepare(inserimento))
            return errore(query.lastError());
        for (const VoceCollezione& voce : collezioneIniziale(lato)) {
            query.addBindValue(QString::number(lato));
            query.addBindValue(voce.pixel);
            query.addBindValue(voce.nome);
            if (!query.exec())
                return errore(query.lastError());
        }
    }
    if (!db.commit())
        return errore(db.lastError());
    return {};
}

} // namespace

EsitoArchivio Archivio::prepara() const
{
    if (QFileInfo::exists(m_percorso))
        return {};
    // Built under another name and renamed when complete: a half-made file never carries the
    // real name, and an existing file is never replaced.
    const QString provvisorio = m_percorso + QStringLiteral(".nuovo");
    QFile::remove(provvisorio);
    EsitoArchivio stato;
    {
        Connessione connessione(provvisorio, true);
        stato = connessione.stato();
        if (stato.ok()) {
            QSqlDatabase db = connessione.db();
            stato = riempiConCollezione(db);
        }
    }
    if (stato.ok() && !QFile::rename(provvisorio, m_percorso))
        stato = errore(ErroreArchivio::CreazioneFallita);
    QFile::remove(provvisorio);
    if (!stato.ok())
        return errore(ErroreArchivio::CreazioneFallita, stato.dettaglio);
    return stato;
}

Esito<QList<Disegno>> Archivio::elenco(int lato) const
{
    return leggiRighe(m_percorso, lato, selezione(lato), {});
}

Esito<QList<VoceElenco>> Archivio::nomi(int lato) const
{
    Esito<QList<VoceElenco>> esito;
    esito.stato = conConnessione(m_percorso, lato, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        EsitoArchivio stato = esegui(
            query,
            QStringLiteral("SELECT rowid, Nome FROM %1 ORDER BY rowid").arg(nomeTabella(lato)));
        while (stato.ok() && query.next())
            esito.valore.append({query.value(0).toLongLong(), query.value(1).toString()});
        return stato;
    });
    return esito;
}

Esito<int> Archivio::conta(int lato) const
{
    Esito<int> esito;
    esito.stato = conConnessione(m_percorso, lato, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        EsitoArchivio stato =
            esegui(query, QStringLiteral("SELECT COUNT(*) FROM ") + nomeTabella(lato));
        if (stato.ok() && query.next())
            esito.valore = query.value(0).toInt();
        return stato;
    });
    return esito;
}

Esito<Disegno> Archivio::caricaPosizione(int lato, int posizione) const
{
    Esito<Disegno> esito;
    esito.stato = conConnessione(m_percorso, lato, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        EsitoArchivio stato = esegui(query, selezione(lato) + QStringLiteral(" LIMIT 1 OFFSET ?"),
                                     {std::max(posizione, 0)});
        if (stato.ok() && query.next()) {
            esito.valore = leggiRiga(query);
            return stato;
        }
        if (stato.ok()) { // past the last row: the last row
            stato = esegui(query, selezione(lato) + QStringLiteral(" DESC LIMIT 1"));
            if (stato.ok() && query.next())
                esito.valore = leggiRiga(query);
        }
        return stato;
    });
    return esito;
}

Esito<Disegno> Archivio::carica(int lato, qint64 id) const
{
    Esito<Disegno> esito;
    const auto righe =
        leggiRighe(m_percorso, lato, selezione(lato, QStringLiteral("rowid = ?")), {id});
    esito.stato = righe.stato;
    if (righe.ok() && righe.valore.isEmpty())
        esito.stato = errore(ErroreArchivio::RigaMancante);
    else if (righe.ok())
        esito.valore = righe.valore.first();
    return esito;
}

Esito<qint64> Archivio::inserisci(int lato, const QString& pixel, const QString& nome) const
{
    Esito<qint64> esito;
    esito.stato = conConnessione(m_percorso, lato, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        EsitoArchivio stato =
            esegui(query,
                   QStringLiteral("INSERT INTO %1 (Griglia, Pixel, Nome) VALUES (?, ?, ?)")
                       .arg(nomeTabella(lato)),
                   {QString::number(lato), pixel, nome});
        if (stato.ok())
            esito.valore = query.lastInsertId().toLongLong();
        return stato;
    });
    return esito;
}

namespace {

EsitoArchivio inserisciInTransazione(QSqlDatabase& db, const QList<NuovoDisegno>& disegni)
{
    std::array<QSqlQuery, 3> query{QSqlQuery(db), QSqlQuery(db), QSqlQuery(db)}; // 5, 10, 15
    for (const int lato : {5, 10, 15}) {
        if (!query[size_t(lato / 5 - 1)].prepare(
                QStringLiteral("INSERT INTO %1 (Griglia, Pixel, Nome) VALUES (?, ?, ?)")
                    .arg(Archivio::nomeTabella(lato))))
            return errore(query[size_t(lato / 5 - 1)].lastError());
    }
    for (const NuovoDisegno& d : disegni) {
        QSqlQuery& q = query[size_t(d.lato / 5 - 1)];
        q.addBindValue(QString::number(d.lato));
        q.addBindValue(valoreIntegro(d.pixel));
        q.addBindValue(valoreIntegro(d.nome));
        if (!q.exec())
            return errore(q.lastError());
    }
    return {};
}

} // namespace

EsitoArchivio Archivio::inserisciTutti(const QList<NuovoDisegno>& disegni) const
{
    for (const NuovoDisegno& d : disegni) {
        if (!latoValido(d.lato))
            return errore(ErroreArchivio::LatoNonValido);
    }
    return conConnessione(m_percorso, 5, [&](QSqlDatabase& db) {
        if (!db.transaction())
            return errore(db.lastError());
        EsitoArchivio stato = inserisciInTransazione(db, disegni);
        if (stato.ok() && !db.commit())
            stato = errore(db.lastError());
        if (!stato.ok())
            db.rollback();
        return stato;
    });
}

EsitoArchivio Archivio::modifica(int lato, qint64 id, const QString& nome,
                                 const QString& pixel) const
{
    return scriviRiga(
        m_percorso, lato,
        QStringLiteral("UPDATE %1 SET Griglia = ?, Nome = ?, Pixel = ? WHERE rowid = ?")
            .arg(nomeTabella(lato)),
        {QString::number(lato), nome, pixel, id});
}

EsitoArchivio Archivio::elimina(int lato, qint64 id) const
{
    return scriviRiga(m_percorso, lato,
                      QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(nomeTabella(lato)),
                      {id});
}

EsitoArchivio Archivio::scriviRecord(int lato, qint64 id, ModoRecord modo, const QString& titolare,
                                     const QString& tempo) const
{
    return scriviRiga(m_percorso, lato,
                      QStringLiteral("UPDATE %1 SET %2 = ?, %3 = ? WHERE rowid = ?")
                          .arg(nomeTabella(lato), QLatin1String(colonnaNome(modo)),
                               QLatin1String(colonnaRecord(modo))),
                      {titolare, tempo, id});
}

} // namespace gridora
