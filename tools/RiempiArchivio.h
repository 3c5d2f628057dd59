#pragma once

// For the benchmarks: a 15 x 15 table with thousands of puzzles.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

namespace gridora {

// Adds `quanti` distinct drawings of 15 x 15 with distinct names ("Schema N"), in one transaction.
inline void riempiTabella15(const QString& percorso, int quanti)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench");
        db.setDatabaseName(percorso);
        db.open();
        db.transaction();
        QSqlQuery q(db);
        q.prepare("INSERT INTO Disegni15 (Griglia, Pixel, Nome) VALUES ('15', ?, ?)");
        quint32 stato = 12345;
        for (int n = 0; n < quanti; ++n) {
            QString pixel(225, u'0');
            for (QChar& c : pixel) {
                stato = stato * 1664525u + 1013904223u;
                c = (stato >> 28) < 7 ? u'1' : u'0';
            }
            q.addBindValue(pixel);
            q.addBindValue(QStringLiteral("Schema %1").arg(n));
            q.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase("bench");
}

} // namespace gridora
