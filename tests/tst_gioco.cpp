// Whole games through the real windows, from the start window to the record in the database.

#include "Banco.h"
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
const QStringList Punto = {"#....", ".....", ".....", ".....", "....."};

// Types each character with one key, one beyond the basic plane too.
void digita(QWidget* finestra, const QString& testo)
{
    for (qsizetype i = 0, n = 1; i < testo.size(); i += n) {
        n = testo[i].isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, finestra->windowHandle(), Qt::Key_unknown,
                            testo.mid(i, n), {});
    }
}

} // namespace

class TestGioco : public QObject {
    Q_OBJECT

private slots:
    // "NO" to the help, a solved board, a new record typed with a blank and a quote. A time left
    // without its holder is no record. A refused write is reported; the name stays in the box to
    // try again.
    void partitaCompletaConRecord()
    {
        Banco banco;
        const qint64 id = banco.metti(5, {Bandiera}).first();
        banco.archivio.scriviRecord(5, id, ModoRecord::N, QString(), QStringLiteral("00:00:00"));
        QPointer<GridoraGame> gioco = banco.apri(5);
        const auto& c = gioco->controlli();
        QVERIFY(!banco.inizio->isVisible());
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
        QCOMPARE((QList<int>{Banco::immagine(gioco, 0, 4), Banco::immagine(gioco, 4, 1),
                             Banco::immagine(gioco, 4, 4)}),
                 (QList<int>{105, 104, 105}));

        banco.suono.suonati.clear();
        banco.riempiSoluzione(gioco, Bandiera.righe);
        QCOMPARE(banco.suono.suonati, (QList<int>{103, 103, 103, 103, 103, 103, 103, 108}));
        QVERIFY(!gioco->orologioInCorso());
        QCOMPARE(c.NomeFig->caption(), QStringLiteral("Bandiera"));
        QVERIFY(c.anteprima->nero(indiceLogico(2, 0, 5)));

        // The name entry: no blanks, at most 8 characters, OK only with text. Escape neither
        // closes the window nor drops the name.
        QVERIFY(c.Info->isVisible() && !c.OKREC->isEnabled());
        digita(gioco, QStringLiteral("d'a ngelox"));
        QTest::keyClick(gioco->windowHandle(), Qt::Key_Escape);
        PianificatoreFinto::eliminaFinestreChiuse();
        QVERIFY(gioco && gioco->isVisible() && c.OKREC->isEnabled());
        const QString percorso = banco.archivio.percorso();
        QVERIFY(QFile::rename(percorso, percorso + ".via"));
        clicca(c.OKREC);
        QVERIFY(QFile::rename(percorso + ".via", percorso));
        QCOMPARE(banco.messaggi.avvisi.size(), 1);
        QVERIFY(banco.messaggi.avvisi.first().startsWith(QStringLiteral("RECORD NON SALVATO")));
        QVERIFY(c.Info->isVisible());
        QCOMPARE(c.Text1->text(), QStringLiteral("d'angelo"));
        clicca(c.OKREC);
        QVERIFY(!c.Info->isVisible() && c.nomer->isVisible());
        QCOMPARE(c.nomer->caption(), QStringLiteral("D'ANGELO"));
    }

    // On a 15 x 15 board a column of eight runs shows all of them inside its frame. Errors cost
    // 2 + 4 + 8 + 8 minutes and show their pointers. The pointer stays on the cells until the
    // second tick after an error, which a later error does not put off; then the pen shows where
    // the pointer moves. At 24 hours the clock stops, with its sound once, and an error adds no
    // time.
    void erroriEPenalita()
    {
        Banco banco;
        QStringList righe(15, QString(15, u'.'));
        for (int r = 0; r < 15; r += 2)
            righe[r][0] = u'#';
        righe[0][1] = u'#'; // column 1 and the even rows hold the cells that cost an error
        banco.metti(15, {{QStringLiteral("Righe"), righe}});
        GridoraGame* gioco = banco.apri(15);
        banco.rispondi(gioco, false);
        const Tavoliere& t = gioco->tavoliere();
        const QRect etichetta = t.rettangoloIndizioColonna(0);
        const QImage schermo = gioco->grab().toImage();
        QString scure; // the label's rows of pixels, dark where they cross a number
        for (int y = etichetta.top(); y < std::min(etichetta.bottom(), t.area()->y() - 1); ++y) {
            bool scuro = false;
            for (int x = etichetta.left() + 2; x < etichetta.right() - 1; ++x)
                scuro = scuro || qGray(schermo.pixel(x, y)) < 100;
            scure += scuro ? u'#' : u'.';
        }
        QCOMPARE(scure.split(u'.', Qt::SkipEmptyParts).size(), 8);

        const auto errore = [&](int riga, const char* puntatore, const char* tempo) {
            banco.suono.suonati.clear();
            banco.clic(gioco, riga, 1);
            QCOMPARE(banco.suono.suonati, QList<int>{104});
            QCOMPARE(gioco->controlli().tempoG->caption(), QString::fromLatin1(tempo));
            for (const QPoint cella : {QPoint(0, 0), QPoint(3, 2), QPoint(14, 14)})
                QVERIFY(stessoPuntatore(t.puntatoreCella(cella.x(), cella.y()), puntatore));
        };
        errore(2, "2MIN", "00:02:00");
        errore(4, "4MIN", "00:06:00");
        errore(6, "8MIN", "00:14:00");
        const QPoint sopra = t.rettangoloCella(2, 2).center();
        banco.tempo.scatta();
        muovi(gioco, sopra);
        QVERIFY(stessoPuntatore(t.puntatoreCella(2, 2), "8MIN"));
        errore(8, "8MIN", "00:22:01");
        banco.tempo.scatta();
        muovi(gioco, sopra + QPoint(1, 0));
        QVERIFY(stessoPuntatore(t.puntatoreCella(2, 2), "PENNA"));
        QVERIFY(stessoPuntatore(t.puntatoreCella(2, 3), "8MIN"));

        banco.suono.suonati.clear();
        banco.tempo.scatta(24 * 3600);
        banco.clic(gioco, 10, 1);
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("24:00:00"));
        QCOMPARE(banco.suono.suonati, (QList<int>{106, 104}));
    }

    // Each mode has its own record column, and the title says the mode. Two puzzles share a name:
    // the record shown, beaten and written is the played row's own. In "Senza Errori" right fills
    // stay clickable, and the game ends once a wrong fill is taken back. The options stay ticked
    // for the next game, in a fresh window, where the same time does not beat the new record.
    void recordPerModo_data()
    {
        QTest::addColumn<QString>("opzioni");
        QTest::addColumn<int>("modo");
        QTest::newRow("normale") << "" << static_cast<int>(ModoRecord::N);
        QTest::newRow("senza X") << "X" << static_cast<int>(ModoRecord::X);
        QTest::newRow("senza errori") << "S" << static_cast<int>(ModoRecord::S);
        QTest::newRow("senza X e senza errori") << "XS" << static_cast<int>(ModoRecord::XS);
    }
    void recordPerModo()
    {
        QFETCH(QString, opzioni);
        QFETCH(int, modo);
        Banco banco;
        const qint64 id = banco.metti(5, {{Bandiera.nome, Punto}, Bandiera}).last();
        banco.archivio.scriviRecord(5, id, ModoRecord(modo), "VECCHIO", "00:00:05");
        banco.casuale.numeri = {0.9}; // the second row, every time
        banco.inizio->NoX->setChecked(opzioni.contains(u'X'));
        banco.inizio->NoErrori->setChecked(opzioni.contains(u'S'));
        QPointer<GridoraGame> gioco = banco.apri(5);
        banco.rispondi(gioco, false);
        const QString titolo = "GridoraPC          >Facile" + opzioni + " (5x5)<";
        const auto vista = [&] {
            const auto& c = gioco->controlli();
            return QStringList{gioco->windowTitle(), c.nomer->isVisible() ? c.nomer->caption() : "",
                               c.TempoR->caption()};
        };
        QCOMPARE(vista(), (QStringList{titolo, "VECCHIO", "00:00:05"}));
        if (opzioni.contains(u'S'))
            banco.clic(gioco, 0, 0); // a wrong fill
        banco.riempiSoluzione(gioco, Bandiera.righe);
        if (opzioni.contains(u'S')) {
            QVERIFY(!gioco->controlli().boxfig->isVisible()); // the wrong fill is still there
            QVERIFY(gioco->tavoliere().cellaAbilitata(0, 1)); // right fills stay clickable
            banco.clic(gioco, 0, 0, Qt::RightButton);
        }
        QVERIFY(gioco->controlli().boxfig->isVisible());
        // Eight characters as a person sees them: an emoji is one, never cut in two.
        const QString faccine = QStringLiteral("\U0001F600\U0001F600\U0001F600");
        digita(gioco, QStringLiteral("nuovo") + faccine + faccine);
        clicca(gioco->controlli().OKREC);
        const Disegno d = banco.archivio.carica(5, id).valore;
        for (const ModoRecord m : TuttiIModi)
            QCOMPARE(d.recordDi(m).titolare, m == ModoRecord(modo) ? "NUOVO" + faccine : "");

        // The green button closes the window, on a left click only, and the start window returns.
        clicca(gioco->controlli().Image3, Qt::RightButton);
        QVERIFY(gioco->isVisible());
        clicca(gioco->controlli().Image3);
        QVERIFY(banco.inizio->isVisible());
        QTRY_VERIFY(!gioco);
        gioco = banco.apri(5);
        banco.rispondi(gioco, false);
        QCOMPARE(vista(), (QStringList{titolo, "NUOVO" + faccine, "00:00:00"}));
        banco.suono.suonati.clear();
        banco.riempiSoluzione(gioco, Bandiera.righe);
        QCOMPARE(banco.suono.suonati.mid(6), (QList<int>{103, 105})); // no new record
    }

    // Nothing to play: a row that no game can play (a NULL picture, the grid of another side), a
    // side without puzzles, a file that is not a database. The player is told once, gets no
    // question, and can close the window.
    void nessunaPartita()
    {
        const QString nonValido = QStringLiteral("^SCHEMA NON VALIDO");
        // Griglia and Pixel of a row written straight into the table, and a pattern of the message.
        for (const auto& [riga, avviso] :
             {std::pair{QVariantList{"5", QVariant()}, nonValido},
              {QVariantList{"10", QString(25, u'1')}, nonValido},
              {QVariantList(), QStringLiteral("^NESSUNO SCHEMA: .*Facile \\(5x5\\)")},
              {QVariantList{"non un archivio"}, QStringLiteral("Dati\\.mdb")}}) {
            Banco banco;
            banco.metti(5, {});
            QFile file(banco.archivio.percorso());
            if (riga.size() == 1 && file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                file.write(QByteArray(4096, 'x'));
            if (riga.size() == 2) {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "diretto");
                db.setDatabaseName(file.fileName());
                QVERIFY(db.open());
                QSqlQuery q(db);
                QVERIFY(
                    q.prepare("INSERT INTO Disegni5 (Griglia, Pixel, Nome) VALUES (?, ?, 'X')"));
                q.addBindValue(riga[0]);
                q.addBindValue(riga[1]);
                QVERIFY(q.exec());
            }
            QSqlDatabase::removeDatabase("diretto");
            file.close();
            GridoraGame* gioco = banco.apri(5);
            QVERIFY2(banco.messaggi.avvisi.size() == 1 &&
                         banco.messaggi.avvisi.first().contains(QRegularExpression(avviso)),
                     qPrintable(avviso));
            QVERIFY(!gioco->controlli().richhlp->isVisible());
            gioco->close();
            PianificatoreFinto::eliminaFinestreChiuse();
            QVERIFY(banco.inizio->isVisible());
        }
    }
};

QTEST_MAIN(TestGioco)
#include "tst_gioco.moc"
