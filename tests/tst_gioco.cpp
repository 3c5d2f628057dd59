// Whole games through the real windows, from the start window to the record in the database.

#include "Banco.h"
#include "resources/Risorse.h"
#include "widgets/Anteprima.h"
#include "widgets/Forme.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace gridora;

namespace {

// Column 4 and row 4 are empty: they are crossed before play starts.
const Schema Bandiera = {QStringLiteral("Bandiera"), {".#...", ".#...", "####.", ".#...", "....."}};
const Schema Punto = {QStringLiteral("Punto"), {"#....", ".....", ".....", ".....", "....."}};

void digita(QWidget* finestra, const QString& testo)
{
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo[i].isHighSurrogate()) // one key for a character beyond the basic plane
            QTest::sendKeyEvent(QTest::Click, finestra->windowHandle(), Qt::Key_unknown,
                                testo.mid(i++, 2), {});
        else
            QTest::keyClick(finestra->windowHandle(), testo[i].toLatin1());
    }
}

// Opens a game of the side and declines the help: the board is in play.
GridoraGame* gioca(Banco& banco, int lato = 5)
{
    GridoraGame* gioco = banco.apri(lato);
    banco.rispondi(gioco, false);
    return gioco;
}

QString titolare(Banco& banco, qint64 id, ModoRecord modo)
{
    return banco.archivio.carica(5, id).valore.recordDi(modo).titolare;
}

} // namespace

class TestGioco : public QObject {
    Q_OBJECT

private slots:
    // "NO" to the help, a solved board, a new record typed with a blank and a quote.
    void partitaCompletaConRecord()
    {
        Banco banco;
        const qint64 id = banco.metti(5, {Bandiera}).first();
        QPointer<GridoraGame> gioco = banco.apri(5);
        QVERIFY(gioco);
        const auto& c = gioco->controlli();
        QVERIFY(!banco.inizio->isVisible());
        QCOMPARE(gioco->windowTitle(), QStringLiteral("GridoraPC          >Facile (5x5)<"));
        QCOMPARE(banco.suono.suonati, (QList<int>{101, 102, 103}));
        QCOMPARE(banco.tempo.attese, (QList<double>{1, 1, 1})); // a second after each
        QVERIFY(c.richhlp->isVisible());
        banco.clic(gioco, 0, 1); // the board takes no click until the answer
        QCOMPARE(Banco::immagine(gioco, 0, 1), 102);
        muovi(gioco, gioco->tavoliere().rettangoloCella(0, 1).center());
        QVERIFY(c.hlp2->caption().isEmpty()); // nor shows its columns

        // Declining costs nothing, reveals nothing, and the countdown does not wait.
        banco.rispondi(gioco, false);
        QVERIFY(!c.richhlp->isVisible());
        QCOMPARE(c.tempoG->caption(), QStringLiteral("00:00:00"));
        QCOMPARE(banco.tempo.totale, 3.0); // the opening's pauses only
        QCOMPARE(gioco->tavoliere().indizioColonna(1), QStringLiteral("\r\r\r\r\r 4\r"));
        // Empty column 4 and empty row 4 are crossed, their common cell once.
        QCOMPARE(Banco::immagine(gioco, 0, 4), 105);
        QCOMPARE(Banco::immagine(gioco, 4, 1), 104);
        QCOMPARE(Banco::immagine(gioco, 4, 4), 105);

        banco.suono.suonati.clear();
        banco.riempiSoluzione(gioco, Bandiera.righe);
        QCOMPARE(banco.suono.suonati, (QList<int>{103, 103, 103, 103, 103, 103, 103, 108}));
        QVERIFY(!gioco->orologioInCorso());
        QVERIFY(c.boxfig->isVisible());
        QCOMPARE(c.NomeFig->caption(), QStringLiteral("Bandiera"));
        QVERIFY(c.anteprima->nero(indiceLogico(2, 0, 5)));

        // The name entry: no blanks, at most 8 characters as a person sees them (an emoji is
        // one, never cut in two), OK only with text. Escape neither closes the window nor drops
        // the name.
        QVERIFY(c.Info->isVisible());
        QVERIFY(!c.OKREC->isEnabled());
        const QString faccina = QStringLiteral("\U0001F600");
        digita(gioco, QStringLiteral("abc") + faccina.repeated(6));
        QCOMPARE(c.Text1->text(), QStringLiteral("abc") + faccina.repeated(5));
        QTest::keyClick(gioco->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(gioco->windowHandle(), Qt::Key_Backspace);
        digita(gioco, QStringLiteral("d'a ngelox"));
        QTest::keyClick(gioco->windowHandle(), Qt::Key_Escape);
        PianificatoreFinto::eliminaFinestreChiuse();
        QVERIFY(gioco && gioco->isVisible());
        QCOMPARE(c.Text1->text(), QStringLiteral("d'angelo"));
        QVERIFY(c.OKREC->isEnabled());
        clicca(c.OKREC);
        QVERIFY(!c.Info->isVisible());
        QCOMPARE(c.nomer->caption(), QStringLiteral("D'ANGELO"));
        QVERIFY(c.nomer->isVisible());
        QCOMPARE(titolare(banco, id, ModoRecord::N), QStringLiteral("D'ANGELO"));

        // After the solution the green button closes the window, on a left click only, and the
        // start window returns.
        clicca(c.Image3, Qt::RightButton);
        QVERIFY(gioco->isVisible());
        clicca(c.Image3);
        QVERIFY(banco.inizio->isVisible());
        QTRY_VERIFY(!gioco);
    }

    // 2 + 4 + 8 + 8 minutes with their pointers, the pointer hold, the pen once the clock has
    // let go, the column highlight under the pointer, and the clock frozen at 24 hours.
    void erroriEPenalita()
    {
        Banco banco;
        banco.metti(5, {Bandiera});
        GridoraGame* gioco = gioca(banco);
        const Tavoliere& t = gioco->tavoliere();
        const QList<QPair<const char*, QString>> attesi = {
            {"2MIN", "00:02:00"}, {"4MIN", "00:06:00"}, {"8MIN", "00:14:00"}, {"8MIN", "00:22:00"}};
        const QList<QPoint> sbagliate = {{0, 0}, {0, 2}, {0, 3}, {1, 0}}; // (row, column)
        for (int e = 0; e < attesi.size(); ++e) {
            banco.suono.suonati.clear();
            banco.clic(gioco, sbagliate[e].x(), sbagliate[e].y());
            QCOMPARE(banco.suono.suonati, QList<int>{104});
            QCOMPARE(gioco->controlli().tempoG->caption(), attesi[e].second);
            for (const QPoint cella : {QPoint(0, 0), QPoint(3, 2), QPoint(14, 14)})
                QVERIFY(stessoPuntatore(t.puntatoreCella(cella.x(), cella.y()), attesi[e].first));
        }

        // The pointer stays on the cells until the second tick after the error.
        const QPoint sopra = t.rettangoloCella(2, 2).center();
        banco.tempo.scatta();
        muovi(gioco, sopra);
        QVERIFY(stessoPuntatore(t.puntatoreCella(2, 2), "8MIN"));
        banco.tempo.scatta();
        muovi(gioco, sopra + QPoint(1, 0));
        QVERIFY(stessoPuntatore(t.puntatoreCella(2, 2), "PENNA"));
        QVERIFY(stessoPuntatore(t.puntatoreCella(2, 3), "8MIN"));
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("00:22:02"));

        // A right click crosses a solution cell without an error; a left click then clears it.
        banco.clic(gioco, 0, 1, Qt::RightButton);
        QCOMPARE(Banco::immagine(gioco, 0, 1), 104);
        banco.clic(gioco, 0, 1);
        QCOMPARE(Banco::immagine(gioco, 0, 1), 102);

        // At 24 hours the clock stops, with its sound once, and an error adds no time any more.
        banco.suono.suonati.clear();
        banco.tempo.scatta(24 * 3600);
        banco.clic(gioco, 1, 2);
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("24:00:00"));
        QCOMPARE(banco.suono.suonati, (QList<int>{106, 104}));
    }

    // "Senza X" has its own record column. The option is still ticked for the next game, which
    // opens in a fresh window.
    void senzaX()
    {
        Banco banco;
        const qint64 id = banco.metti(5, {Bandiera}).first();
        banco.inizio->NoX->setChecked(true);
        QPointer<GridoraGame> gioco = gioca(banco);
        banco.riempiSoluzione(gioco, Bandiera.righe);
        digita(gioco, QStringLiteral("ics"));
        clicca(gioco->controlli().OKREC);
        QCOMPARE(titolare(banco, id, ModoRecord::X), QStringLiteral("ICS"));
        QVERIFY(titolare(banco, id, ModoRecord::N).isEmpty());
        clicca(gioco->controlli().Image3);
        QTRY_VERIFY(!gioco);
        const GridoraGame* secondo = banco.apri(5);
        QCOMPARE(secondo->windowTitle(), QStringLiteral("GridoraPC          >FacileX (5x5)<"));
        QVERIFY(!secondo->partita() && secondo->controlli().richhlp->isVisible());
    }

    // "Senza Errori": a wrong fill looks right, right fills stay clickable, and the game ends
    // once the wrong fill is taken back.
    void senzaErrori()
    {
        Banco banco;
        banco.metti(5, {Bandiera});
        banco.inizio->NoErrori->setChecked(true);
        banco.inizio->NoX->setChecked(true);
        GridoraGame* gioco = gioca(banco);
        QCOMPARE(gioco->windowTitle(), QStringLiteral("GridoraPC          >FacileXS (5x5)<"));
        banco.clic(gioco, 0, 0);
        QCOMPARE(Banco::immagine(gioco, 0, 0), 101);
        banco.riempiSoluzione(gioco, Bandiera.righe);
        QVERIFY(!gioco->controlli().boxfig->isVisible()); // the wrong fill is still there
        QVERIFY(gioco->tavoliere().cellaAbilitata(0, 1)); // right fills stay clickable
        banco.clic(gioco, 0, 0, Qt::RightButton);
        QVERIFY(gioco->controlli().boxfig->isVisible());
        digita(gioco, QStringLiteral("esse"));
        clicca(gioco->controlli().OKREC);
        QCOMPARE(banco.archivio.elenco(5).valore.first().recordDi(ModoRecord::XS).titolare,
                 QStringLiteral("ESSE"));
    }

    // Two puzzles share a name: the record shown, beaten and written is the played row's own, in
    // the game's mode. In a second game the same time does not beat the new record.
    void recordSullaRigaGiocata()
    {
        Banco banco;
        const QList<qint64> id = banco.metti(5, {Bandiera, {Bandiera.nome, Punto.righe}});
        banco.archivio.scriviRecord(5, id[1], ModoRecord::S, "VECCHIO", "00:00:05");
        banco.casuale.numeri = {0.9}; // the second row, every time
        banco.inizio->NoErrori->setChecked(true);
        QPointer<GridoraGame> gioco = gioca(banco);
        QCOMPARE(gioco->windowTitle(), QStringLiteral("GridoraPC          >FacileS (5x5)<"));
        QVERIFY(gioco->controlli().nomer->isVisible());
        QCOMPARE(gioco->controlli().nomer->caption(), QStringLiteral("VECCHIO"));
        QCOMPARE(gioco->controlli().TempoR->caption(), QStringLiteral("00:00:05"));
        banco.clic(gioco, 0, 0);
        digita(gioco, QStringLiteral("nuovo"));
        clicca(gioco->controlli().OKREC);
        QCOMPARE(titolare(banco, id[1], ModoRecord::S), QStringLiteral("NUOVO"));
        QVERIFY(titolare(banco, id[1], ModoRecord::N).isEmpty());

        clicca(gioco->controlli().Image3);
        QTRY_VERIFY(!gioco);
        gioco = gioca(banco);
        QCOMPARE(gioco->controlli().nomer->caption(), QStringLiteral("NUOVO"));
        QCOMPARE(gioco->controlli().TempoR->caption(), QStringLiteral("00:00:00"));
        banco.suono.suonati.clear();
        banco.clic(gioco, 0, 0);
        QCOMPARE(banco.suono.suonati, (QList<int>{103, 105}));
        QVERIFY(!gioco->controlli().Info->isVisible());
    }

    // A refused write is reported; the name stays in the box to try again, and is then stored.
    void recordRifiutatoEDiNuovoTentato()
    {
        Banco banco;
        const qint64 id = banco.metti(5, {Punto}).first();
        // A time left without its holder is no record: any time beats the 24:00:00 on show.
        banco.archivio.scriviRecord(5, id, ModoRecord::N, QString(), QStringLiteral("00:00:00"));
        GridoraGame* gioco = gioca(banco);
        const auto& c = gioco->controlli();
        banco.clic(gioco, 0, 0);
        digita(gioco, QStringLiteral("lia"));
        {
            QSqlDatabase altro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "altro");
            altro.setDatabaseName(banco.archivio.percorso());
            QVERIFY(altro.open());
            QSqlQuery blocco(altro);
            QVERIFY(blocco.exec("BEGIN EXCLUSIVE"));
            clicca(c.OKREC);
            QVERIFY(blocco.exec("ROLLBACK"));
        }
        QSqlDatabase::removeDatabase("altro");
        QCOMPARE(banco.messaggi.avvisi.size(), 1);
        QVERIFY(banco.messaggi.avvisi.first().startsWith(QStringLiteral("RECORD NON SALVATO")));
        QVERIFY(c.Info->isVisible());
        QCOMPARE(c.Text1->text(), QStringLiteral("lia"));
        QVERIFY(titolare(banco, id, ModoRecord::N).isEmpty());

        clicca(c.OKREC);
        QVERIFY(!c.Info->isVisible());
    }

    // Nothing to play: a row that no game can play (a NULL picture, the grid of another side), a
    // side without puzzles, a file that is not a database. The player is told once, gets no
    // question, and can close the window.
    void nessunaPartita_data()
    {
        QTest::addColumn<int>("griglia");    // of a row written straight into the table; 0 for
                                             // none, -1 for a file that is not a database
        QTest::addColumn<QString>("pixel");  // "-" for NULL
        QTest::addColumn<QString>("avviso"); // a pattern of the message
        const QString nonValido = QStringLiteral("^SCHEMA NON VALIDO");
        QTest::newRow("pixel NULL") << 5 << "-" << nonValido;
        QTest::newRow("griglia di un altro lato") << 10 << QString(25, u'1') << nonValido;
        QTest::newRow("nessuno schema") << 0 << QString() << "^NESSUNO SCHEMA: .*Facile \\(5x5\\)";
        QTest::newRow("archivio illeggibile") << -1 << QString() << "Dati\\.mdb";
    }
    void nessunaPartita()
    {
        QFETCH(int, griglia);
        QFETCH(QString, pixel);
        QFETCH(QString, avviso);
        Banco banco;
        banco.metti(5, {});
        if (griglia < 0) {
            QFile file(banco.archivio.percorso());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(4096, 'x'));
        } else if (griglia > 0) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "diretto");
            db.setDatabaseName(banco.archivio.percorso());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.prepare("INSERT INTO Disegni5 (Griglia, Pixel, Nome) VALUES (?, ?, 'X')"));
            q.addBindValue(QString::number(griglia));
            q.addBindValue(pixel == u"-" ? QVariant() : QVariant(pixel));
            QVERIFY(q.exec());
        }
        QSqlDatabase::removeDatabase("diretto");
        GridoraGame* gioco = banco.apri(5);
        QCOMPARE(banco.messaggi.avvisi.size(), 1);
        QVERIFY(banco.messaggi.avvisi.first().contains(QRegularExpression(avviso)));
        QVERIFY(!gioco->controlli().richhlp->isVisible());
        gioco->close();
        PianificatoreFinto::eliminaFinestreChiuse();
        QVERIFY(banco.inizio->isVisible());
    }

    // A column of eight runs (15 x 15) shows all of them inside its frame without hovering.
    void colonnaDiOttoSequenzeLeggibile()
    {
        Banco banco;
        QStringList righe;
        for (int r = 0; r < 15; ++r)
            righe << (r % 2 == 0 ? QStringLiteral("#..............") : QString(15, u'.'));
        banco.metti(15, {{QStringLiteral("Righe"), righe}});
        GridoraGame* gioco = gioca(banco, 15);
        const QRect etichetta = gioco->tavoliere().rettangoloIndizioColonna(0);
        const QImage schermo = gioco->grab().toImage();
        // Rows with dark pixels in the label, grouped into the numbers they belong to.
        int numeri = 0;
        bool dentroNumero = false;
        const int fondo = gioco->tavoliere().area()->y() - 1;
        for (int y = etichetta.top(); y < std::min(etichetta.bottom(), fondo); ++y) {
            bool scuro = false;
            for (int x = etichetta.left() + 2; x < etichetta.right() - 1; ++x)
                scuro = scuro || qGray(schermo.pixel(x, y)) < 100;
            numeri += scuro && !dentroNumero ? 1 : 0;
            dentroNumero = scuro;
        }
        QCOMPARE(numeri, 8);
    }
};

QTEST_MAIN(TestGioco)
#include "tst_gioco.moc"
