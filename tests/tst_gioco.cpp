// Whole games through the real windows, from the start window to the record in the database.

#include "Banco.h"
#include "model/Record.h"
#include "resources/Risorse.h"
#include "widgets/Anteprima.h"
#include "widgets/Forme.h"

#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace gridora;

namespace {

// Column 4 and row 4 are empty: they are crossed before play starts.
const Schema Bandiera = {QStringLiteral("Bandiera"), {".#...", ".#...", "####.", ".#...", "....."}};
const Schema Punto = {QStringLiteral("Punto"), {"#....", ".....", ".....", ".....", "....."}};

bool stessoPuntatore(const QCursor& puntatore, const char* nome)
{
    return puntatore.pixmap().toImage() ==
           risorse::puntatore(QString::fromLatin1(nome)).pixmap().toImage();
}

void digita(QWidget* finestra, const QString& testo)
{
    for (const QChar c : testo)
        QTest::keyClick(finestra->windowHandle(), c.toLatin1());
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
        GridoraGame* gioco = banco.apri(5);
        QVERIFY(gioco);
        const auto& c = gioco->controlli();
        QVERIFY(!banco.inizio->isVisible());
        QCOMPARE(gioco->windowTitle(), QStringLiteral("GridoraPC          >Facile (5x5)<"));
        QCOMPARE(banco.suono.suonati, (QList<int>{101, 102, 103}));
        QCOMPARE(banco.tempo.attese, (QList<double>{1, 1, 1})); // a second after each
        QVERIFY(c.richhlp->isVisible());
        QCOMPARE(c.richhlp->pos(), QPoint(px(1000), px(2170)));
        QCOMPARE(c.tempoG->caption(), QStringLiteral("00:00:00"));
        // The empty board, which takes no click until the answer.
        QCOMPARE(Banco::immagine(gioco, 0, 0), 103);
        QCOMPARE(Banco::immagine(gioco, 1, 1), 106);
        banco.clic(gioco, 0, 1);
        QCOMPARE(Banco::immagine(gioco, 0, 1), 102);

        banco.rispondi(gioco, false);
        QVERIFY(!c.richhlp->isVisible());
        QCOMPARE(c.tempoG->caption(), QStringLiteral("00:00:00"));
        QVERIFY(gioco->orologioInCorso());
        QCOMPARE(gioco->tavoliere().indizioRiga(2), QStringLiteral(" 4 "));
        QCOMPARE(gioco->tavoliere().indizioColonna(1), QStringLiteral("\r\r\r\r\r 4\r"));
        QVERIFY(gioco->tavoliere().indizioColonna(4).isEmpty());
        // Empty column 4 and empty row 4 are crossed; their common cell once.
        for (int j = 0; j < 5; ++j) {
            QCOMPARE(Banco::immagine(gioco, j, 4),
                     immagineCella(Croce, tonalita(indiceVideo(j, 4))));
            QCOMPARE(Banco::immagine(gioco, 4, j),
                     immagineCella(Croce, tonalita(indiceVideo(4, j))));
        }
        QCOMPARE(banco.tempo.totale, 3.0); // the countdown did not wait: the help was declined

        // The closing guard holds during play, for the close box and the green button.
        gioco->close();
        clicca(c.Image3);
        QVERIFY(gioco->isVisible());

        banco.suono.suonati.clear();
        banco.riempiSoluzione(gioco, Bandiera.righe);
        QCOMPARE(banco.suono.suonati, (QList<int>{103, 103, 103, 103, 103, 103, 103, 108}));
        QVERIFY(!gioco->orologioInCorso());
        QVERIFY(c.boxfig->isVisible());
        QCOMPARE(c.NomeFig->caption(), QStringLiteral("Bandiera"));
        QVERIFY(c.Info->isVisible());
        QVERIFY(c.anteprima->nero(indiceLogico(2, 0, 5)));
        QVERIFY(!c.anteprima->nero(indiceLogico(0, 0, 5)));

        // The name entry: no blanks, at most 8 characters, OK only with text.
        QVERIFY(!c.OKREC->isEnabled());
        digita(gioco, QStringLiteral("d'a ngelo"));
        QCOMPARE(c.Text1->text(), QStringLiteral("d'angelo"));
        QVERIFY(c.OKREC->isEnabled());
        digita(gioco, QStringLiteral("x"));
        QCOMPARE(c.Text1->text(), QStringLiteral("d'angelo"));
        clicca(c.OKREC);
        QVERIFY(!c.Info->isVisible());
        QCOMPARE(c.nomer->caption(), QStringLiteral("D'ANGELO"));
        QVERIFY(c.nomer->isVisible());
        QCOMPARE(c.TempoR->caption(), QStringLiteral("00:00:00"));

        const Disegno riga = banco.archivio.carica(5, id).valore;
        QCOMPARE(riga.recordDi(ModoRecord::N).titolare, QStringLiteral("D'ANGELO"));
        QCOMPARE(riga.recordDi(ModoRecord::N).tempo, QStringLiteral("00:00:00"));
        QVERIFY(riga.recordDi(ModoRecord::X).titolare.isEmpty());

        // After the solution the green button closes the window and the start window returns.
        QPointer<GridoraGame> guardia(gioco);
        clicca(c.Image3, Qt::RightButton); // only the left button
        QVERIFY(gioco->isVisible());
        clicca(c.Image3);
        QVERIFY(banco.inizio->isVisible());
        QTRY_VERIFY(!guardia);
    }

    // 2 + 4 + 8 + 8 minutes, the penalty pointers, and the pen once the clock has let go.
    void erroriEPenalita()
    {
        Banco banco;
        banco.metti(5, {Bandiera});
        GridoraGame* gioco = banco.apri(5);
        banco.rispondi(gioco, false);

        const QList<QPair<const char*, QString>> attesi = {
            {"2MIN", "00:02:00"}, {"4MIN", "00:06:00"}, {"8MIN", "00:14:00"}, {"8MIN", "00:22:00"}};
        const QList<QPoint> sbagliate = {{0, 0}, {0, 2}, {0, 3}, {1, 0}}; // (row, column)
        for (int e = 0; e < attesi.size(); ++e) {
            banco.suono.suonati.clear();
            banco.clic(gioco, sbagliate[e].x(), sbagliate[e].y());
            QCOMPARE(banco.suono.suonati, QList<int>{104});
            QCOMPARE(gioco->partita()->errori(), e + 1);
            QCOMPARE(gioco->controlli().tempoG->caption(), attesi[e].second);
            for (const QPoint cella : {QPoint(0, 0), QPoint(3, 2), QPoint(14, 14)})
                QVERIFY(stessoPuntatore(gioco->tavoliere().puntatoreCella(cella.x(), cella.y()),
                                        attesi[e].first));
        }
        QCOMPARE(Banco::immagine(gioco, 0, 0), 105);

        // A crossed error cell is cleared by the next left click, never filled.
        banco.clic(gioco, 0, 0);
        QCOMPARE(Banco::immagine(gioco, 0, 0), 103);
        QCOMPARE(gioco->partita()->errori(), 4);

        // The pointer stays on the cells until the second tick after the error.
        const QPoint sopra = gioco->tavoliere().rettangoloCella(2, 2).center();
        banco.tempo.scatta();
        muovi(gioco, sopra);
        QVERIFY(stessoPuntatore(gioco->tavoliere().puntatoreCella(2, 2), "8MIN"));
        banco.tempo.scatta();
        muovi(gioco, sopra + QPoint(1, 0));
        QVERIFY(stessoPuntatore(gioco->tavoliere().puntatoreCella(2, 2), "PENNA"));
        QVERIFY(stessoPuntatore(gioco->tavoliere().puntatoreCella(2, 3), "8MIN"));
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("00:22:02"));

        // A right click crosses a solution cell without an error; a left click then clears it.
        banco.clic(gioco, 0, 1, Qt::RightButton);
        QCOMPARE(Banco::immagine(gioco, 0, 1), 104);
        banco.clic(gioco, 0, 1);
        QCOMPARE(Banco::immagine(gioco, 0, 1), 102);
        QCOMPARE(gioco->partita()->errori(), 4);
        QCOMPARE(gioco->partita()->caselleGiuste(), 0);
    }

    void orologioFermoA24Ore()
    {
        Banco banco;
        banco.metti(5, {Bandiera});
        GridoraGame* gioco = banco.apri(5);
        banco.tempo.scatta(); // before the answer the clock does not move
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("00:00:00"));
        banco.rispondi(gioco, false);
        banco.tempo.scatta(24 * 3600 - 1);
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("23:59:59"));
        banco.suono.suonati.clear();
        banco.tempo.scatta();
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("24:00:00"));
        QCOMPARE(banco.suono.suonati, QList<int>{106});
        banco.tempo.scatta();
        banco.clic(gioco, 0, 0); // an error adds no time any more
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("24:00:00"));
        QCOMPARE(banco.suono.suonati, (QList<int>{106, 104}));
        // A frozen clock never makes a record.
        banco.riempiSoluzione(gioco, Bandiera.righe);
        QCOMPARE(banco.suono.suonati.last(), 105);
        QVERIFY(!gioco->controlli().Info->isVisible());
    }

    // "Senza X": no crosses at all, and a hidden cross is cleared silently.
    void senzaX()
    {
        Banco banco;
        banco.metti(5, {Bandiera});
        banco.inizio->NoX->setChecked(true);
        GridoraGame* gioco = banco.apri(5);
        QCOMPARE(gioco->windowTitle(), QStringLiteral("GridoraPC          >FacileX (5x5)<"));
        banco.rispondi(gioco, false);
        banco.clic(gioco, 0, 2, Qt::RightButton);
        QCOMPARE(Banco::immagine(gioco, 0, 2), 103);
        banco.clic(gioco, 0, 2); // an error: no cross shown
        QCOMPARE(gioco->partita()->errori(), 1);
        QCOMPARE(Banco::immagine(gioco, 0, 2), 103);
        // Pre-crossed cells keep their picture when cleared.
        banco.clic(gioco, 4, 0);
        QCOMPARE(Banco::immagine(gioco, 4, 0), 105);

        banco.riempiSoluzione(gioco, Bandiera.righe);
        QVERIFY(gioco->controlli().Info->isVisible());
        digita(gioco, QStringLiteral("ics"));
        clicca(gioco->controlli().OKREC);
        const Disegno riga = banco.archivio.elenco(5).valore.first();
        QCOMPARE(riga.recordDi(ModoRecord::X).titolare, QStringLiteral("ICS"));
        QVERIFY(riga.recordDi(ModoRecord::N).titolare.isEmpty());
    }

    // "Senza Errori": a wrong fill looks right, and the game ends once it is taken back.
    void senzaErrori()
    {
        Banco banco;
        banco.metti(5, {Bandiera});
        banco.inizio->NoErrori->setChecked(true);
        banco.inizio->NoX->setChecked(true);
        GridoraGame* gioco = banco.apri(5);
        QCOMPARE(gioco->windowTitle(), QStringLiteral("GridoraPC          >FacileXS (5x5)<"));
        banco.rispondi(gioco, false);
        banco.suono.suonati.clear();
        banco.clic(gioco, 0, 0);
        QCOMPARE(banco.suono.suonati, QList<int>{103});
        QCOMPARE(Banco::immagine(gioco, 0, 0), 101);
        QCOMPARE(gioco->partita()->errori(), 0);
        QCOMPARE(gioco->controlli().tempoG->caption(), QStringLiteral("00:00:00"));
        banco.riempiSoluzione(gioco, Bandiera.righe);
        QVERIFY(!gioco->controlli().boxfig->isVisible()); // the wrong fill is still there
        QVERIFY(gioco->tavoliere().cellaAbilitata(0, 1)); // right fills stay clickable
        banco.clic(gioco, 0, 0, Qt::RightButton);
        QVERIFY(gioco->controlli().boxfig->isVisible());
        digita(gioco, QStringLiteral("esse"));
        clicca(gioco->controlli().OKREC);
        const Disegno riga = banco.archivio.elenco(5).valore.first();
        QCOMPARE(riga.recordDi(ModoRecord::XS).titolare, QStringLiteral("ESSE"));
    }

    // Two puzzles share a name: the record goes to the row that was played, and only there.
    void recordSullaRigaGiocata()
    {
        Banco banco;
        const Schema gemello = {Bandiera.nome, Punto.righe};
        const QList<qint64> id = banco.metti(5, {Bandiera, gemello});
        banco.archivio.scriviRecord(5, id[1], ModoRecord::S, "VECCHIO", "00:00:05");
        banco.casuale.numeri = {0.9};
        GridoraGame* gioco = banco.apri(5);
        banco.rispondi(gioco, false);
        QVERIFY(!gioco->controlli().nomer->isVisible()); // no record in normal mode
        banco.clic(gioco, 0, 0);
        QVERIFY(gioco->controlli().Info->isVisible());
        digita(gioco, QStringLiteral("nuovo"));
        clicca(gioco->controlli().OKREC);
        QCOMPARE(banco.archivio.carica(5, id[1]).valore.recordDi(ModoRecord::N).titolare,
                 QStringLiteral("NUOVO"));
        QCOMPARE(banco.archivio.carica(5, id[1]).valore.recordDi(ModoRecord::S).titolare,
                 QStringLiteral("VECCHIO"));
        QVERIFY(banco.archivio.carica(5, id[0]).valore.recordDi(ModoRecord::N).titolare.isEmpty());
    }

    // An existing record is shown, and an equal time does not beat it.
    void recordEsistenteNonBattuto()
    {
        Banco banco;
        const qint64 id = banco.metti(5, {Punto}).first();
        banco.archivio.scriviRecord(5, id, ModoRecord::S, "ANNA", "00:00:00");
        banco.inizio->NoErrori->setChecked(true);
        GridoraGame* gioco = banco.apri(5);
        banco.rispondi(gioco, false);
        QVERIFY(gioco->controlli().nomer->isVisible());
        QCOMPARE(gioco->controlli().nomer->caption(), QStringLiteral("ANNA"));
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
        GridoraGame* gioco = banco.apri(5);
        const auto& c = gioco->controlli();
        banco.rispondi(gioco, false);
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
        QVERIFY(!c.nomer->isVisible());
        QCOMPARE(c.TempoR->caption(), QStringLiteral("24:00:00"));
        QVERIFY(banco.archivio.carica(5, id).valore.recordDi(ModoRecord::N).titolare.isEmpty());

        clicca(c.OKREC);
        QVERIFY(!c.Info->isVisible());
        QCOMPARE(banco.archivio.carica(5, id).valore.recordDi(ModoRecord::N).titolare,
                 QStringLiteral("LIA"));
    }

    // Escape never closes the game window: a typed record name is never lost by it.
    void escapeNonChiude()
    {
        Banco banco;
        banco.metti(5, {Punto});
        GridoraGame* gioco = banco.apri(5);
        banco.rispondi(gioco, false);
        banco.clic(gioco, 0, 0);
        QVERIFY(gioco->controlli().Info->isVisible());
        digita(gioco, QStringLiteral("eva"));
        QTest::keyClick(gioco->windowHandle(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(gioco->isVisible());
        QCOMPARE(gioco->controlli().Text1->text(), QStringLiteral("eva"));
        clicca(gioco->controlli().OKREC);
        QCOMPARE(banco.archivio.elenco(5).valore.first().recordDi(ModoRecord::N).titolare,
                 QStringLiteral("EVA"));
    }

    // Rows that no game can play are reported when they are picked; the window stays closable.
    void schemaNonGiocabile_data()
    {
        QTest::addColumn<QString>("pixel");
        QTest::addColumn<QString>("griglia");
        QTest::addColumn<bool>("nullo");
        QTest::newRow("pixel vuoto") << ""
                                     << "5" << false;
        QTest::newRow("pixel NULL") << ""
                                    << "5" << true;
        QTest::newRow("lunghezza sbagliata") << QString(24, u'1') << "5" << false;
        QTest::newRow("griglia di un altro lato") << QString(25, u'1') << "10" << false;
    }
    void schemaNonGiocabile()
    {
        QFETCH(QString, pixel);
        QFETCH(QString, griglia);
        QFETCH(bool, nullo);
        Banco banco;
        banco.metti(5, {});
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "diretto");
            db.setDatabaseName(banco.archivio.percorso());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.prepare("INSERT INTO Disegni5 (Griglia, Pixel, Nome) VALUES (?, ?, 'X')"));
            q.addBindValue(griglia);
            q.addBindValue(nullo ? QVariant() : QVariant(pixel));
            QVERIFY(q.exec());
        }
        QSqlDatabase::removeDatabase("diretto");
        GridoraGame* gioco = banco.apri(5);
        QCOMPARE(banco.messaggi.avvisi.size(), 1);
        QVERIFY(banco.messaggi.avvisi.first().startsWith(QStringLiteral("SCHEMA NON VALIDO")));
        QVERIFY(!gioco->controlli().richhlp->isVisible());
        gioco->close();
        PianificatoreFinto::eliminaFinestreChiuse();
        QVERIFY(banco.inizio->isVisible());
    }

    // No game can take place: a side without puzzles, a file that is not a database. The
    // player is told, gets no question, and can close the window.
    void nessunaPartitaPossibile_data()
    {
        QTest::addColumn<bool>("fileRovinato");
        QTest::addColumn<QString>("avviso");
        QTest::newRow("nessuno schema") << false << "10x10";
        QTest::newRow("archivio illeggibile") << true << "Dati.mdb";
    }
    void nessunaPartitaPossibile()
    {
        QFETCH(bool, fileRovinato);
        QFETCH(QString, avviso);
        Banco banco;
        banco.metti(10, {});
        if (fileRovinato) {
            QFile file(banco.archivio.percorso());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(4096, 'x'));
        }
        GridoraGame* gioco = banco.apri(10);
        QCOMPARE(banco.messaggi.avvisi.size(), 1);
        QVERIFY(banco.messaggi.avvisi.first().contains(avviso));
        QVERIFY(!gioco->controlli().richhlp->isVisible());
        gioco->close();
        PianificatoreFinto::eliminaFinestreChiuse();
        QVERIFY(banco.inizio->isVisible());
    }

    // The column under the pointer is repeated large beside the board.
    void evidenziazioneDellaColonna()
    {
        Banco banco;
        banco.metti(5, {Bandiera});
        GridoraGame* gioco = banco.apri(5);
        const Tavoliere& t = gioco->tavoliere();
        const Etichetta* hlp2 = gioco->controlli().hlp2;
        muovi(gioco, t.rettangoloCella(0, 1).center());
        QVERIFY(hlp2->caption().isEmpty()); // nothing before the answer
        banco.rispondi(gioco, false);
        muovi(gioco, t.rettangoloCella(3, 1).center());
        QCOMPARE(hlp2->caption(), QString(7, QChar(13)) + QStringLiteral("4\r"));
        QCOMPARE(hlp2->sfondo(), QColor(0xC0, 0xFF, 0xFF));
        muovi(gioco, t.rettangoloIndizioRiga(2).center());
        QVERIFY(hlp2->caption().isEmpty());
        muovi(gioco, t.rettangoloIndizioColonna(2).center());
        QCOMPARE(hlp2->caption(), QString(7, QChar(13)) + QStringLiteral("1\r"));
        QCOMPARE(hlp2->sfondo(), QColor(0x00, 0xFF, 0xFF));
    }

    // A column of eight runs (15 x 15) shows all of them inside its frame without hovering.
    void colonnaDiOttoSequenzeLeggibile()
    {
        Banco banco;
        QStringList righe;
        for (int r = 0; r < 15; ++r)
            righe << (r % 2 == 0 ? QStringLiteral("#..............") : QString(15, u'.'));
        banco.metti(15, {{QStringLiteral("Righe"), righe}});
        GridoraGame* gioco = banco.apri(15);
        banco.rispondi(gioco, false);
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

    void audioSpento()
    {
        Banco banco;
        banco.metti(5, {Bandiera});
        banco.inizio->NoAudio->setChecked(true);
        GridoraGame* gioco = banco.apri(5);
        banco.rispondi(gioco, false);
        banco.clic(gioco, 0, 1);
        banco.clic(gioco, 0, 0);
        QVERIFY(banco.suono.suonati.isEmpty());
        QCOMPARE(banco.tempo.totale, 0.0); // and no pause after sounds
        QCOMPARE(banco.suono.beep_, 0);    // the countdown beep is silenced too
        QCOMPARE(banco.suono.preparazioni, 0);
    }

    // Each size opens a fresh window with its own board geometry.
    void dimensioniEDisposizione_data()
    {
        QTest::addColumn<int>("lato");
        QTest::addColumn<QPoint>("area");
        QTest::addColumn<QPoint>("richiesta");
        QTest::addColumn<int>("shape3");
        QTest::newRow("5") << 5 << QPoint(2000, 2100) << QPoint(1000, 2170) << 550;
        QTest::newRow("10") << 10 << QPoint(1480, 1600) << QPoint(1100, 2200) << 550;
        QTest::newRow("15") << 15 << QPoint(1080, 1200) << QPoint(1320, 2170) << 570;
    }
    void dimensioniEDisposizione()
    {
        QFETCH(int, lato);
        QFETCH(QPoint, area);
        QFETCH(QPoint, richiesta);
        QFETCH(int, shape3);
        Banco banco;
        GridoraGame* gioco = banco.apri(lato);
        QCOMPARE(gioco->tavoliere().area()->pos(), QPoint(px(area.x()), px(area.y())));
        QCOMPARE(gioco->controlli().richhlp->pos(), QPoint(px(richiesta.x()), px(richiesta.y())));
        QCOMPARE(gioco->controlli().Shape3->size(), QSize(px(shape3), px(shape3)));
        const auto cornici = gioco->tavoliere().controlli();
        QCOMPARE(cornici[1]->isVisible(), lato == 15); // d3
        QCOMPARE(cornici[3]->isVisible(), lato >= 10); // v2
        banco.rispondi(gioco, false);
        QCOMPARE(gioco->partita()->lato(), lato);
    }
};

QTEST_MAIN(TestGioco)
#include "tst_gioco.moc"
