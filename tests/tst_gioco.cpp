// Whole games through the real windows: from the start window to the record in the database.

#include "BancoGioco.h"
#include "game/Anteprima.h"
#include "resources/Risorse.h"

#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace gridora;

namespace {

// Column 4 and row 4 are empty: they are crossed before play starts.
const Schema Bandiera = {QStringLiteral("Bandiera"), {".#...", ".#...", "####.", ".#...", "....."}};
const Schema Punto = {QStringLiteral("Punto"), {"#....", ".....", ".....", ".....", "....."}};

bool stessoPuntatore(QWidget* widget, const char* nome)
{
    return widget->cursor() == risorse::puntatore(QString::fromLatin1(nome));
}

} // namespace

class TestGioco : public QObject {
    Q_OBJECT

private slots:
    // "NO" to the help, a solved board, a new record typed with a blank and a quote.
    void partitaCompletaConRecord()
    {
        BancoGioco banco;
        const qint64 id = banco.metti(5, {Bandiera}).first();
        GridoraGame* gioco = banco.apri(5);
        QVERIFY(gioco);
        QVERIFY(!banco.inizio->isVisible());
        QCOMPARE(gioco->windowTitle(), QStringLiteral("GridoraPC          >Facile (5x5)<"));
        QCOMPARE(banco.suono.suonati, (QList<int>{101, 102, 103}));
        QCOMPARE(banco.attesa.attese, (QList<double>{1, 1, 1})); // one second after each
        QVERIFY(gioco->richhlp->isVisible());
        QCOMPARE(gioco->richhlp->pos(), QPoint(px(1000), px(2170)));
        QCOMPARE(gioco->tempoG->caption(), QStringLiteral("00:00:00"));
        // The empty board, disabled until the answer.
        QCOMPARE(BancoGioco::immagine(gioco, 0, 0), 103);
        QCOMPARE(BancoGioco::immagine(gioco, 1, 1), 106);
        QVERIFY(!gioco->tavoliere->Image1[0]->isEnabled());
        QVERIFY(!gioco->tavoliere->Image1[5]->isVisible());

        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        QVERIFY(!gioco->richhlp->isVisible());
        QCOMPARE(gioco->tempoG->caption(), QStringLiteral("00:00:00"));
        QVERIFY(gioco->Tempora.isActive());
        QCOMPARE(gioco->tavoliere->orizzontale[2]->caption(), QStringLiteral(" 4 "));
        QCOMPARE(gioco->tavoliere->Verticale[1]->caption(), QStringLiteral("\r\r\r\r\r 4\r"));
        QVERIFY(gioco->tavoliere->Verticale[4]->caption().isEmpty());
        // Empty column 4 and empty row 4 are crossed; their common cell once.
        for (int j = 0; j < 5; ++j) {
            QCOMPARE(gioco->Soluzione[indiceVideo(j, 4)], 2);
            QCOMPARE(gioco->Soluzione[indiceVideo(4, j)], 2);
            QCOMPARE(BancoGioco::immagine(gioco, j, 4),
                     immagineCella(Croce, tonalita(indiceVideo(j, 4))));
        }
        QCOMPARE(gioco->Segni[indiceLogico(4, 4, 5)], 0);
        QVERIFY(gioco->tavoliere->Image1[0]->isEnabled());
        QCOMPARE(gioco->CasellePiene, 7);
        // The countdown did not wait: the help was declined.
        QCOMPARE(banco.attesa.totale, 3.0);

        // The closing guard holds during play.
        gioco->close();
        QVERIFY(gioco->isVisible());

        banco.suono.suonati.clear();
        BancoGioco::riempiSoluzione(gioco, Bandiera.righe);
        QCOMPARE(banco.suono.suonati, (QList<int>{103, 103, 103, 103, 103, 103, 103, 108}));
        QVERIFY(!gioco->Tempora.isActive());
        QVERIFY(gioco->boxfig->isVisible());
        QCOMPARE(gioco->NomeFig->caption(), QStringLiteral("Bandiera"));
        QVERIFY(gioco->Info->isVisible());
        for (Cella* cella : gioco->tavoliere->Image1)
            QVERIFY(!cella->isEnabled());
        QTRY_VERIFY(gioco->anteprima->nero(indiceLogico(2, 0, 5)));
        QVERIFY(!gioco->anteprima->nero(indiceLogico(0, 0, 5)));

        // The name entry: no blanks, at most 8 characters, OK only with text.
        QVERIFY(!gioco->OKREC->isEnabled());
        QTest::keyClicks(gioco->Text1, QStringLiteral("d'a ngelo"));
        QCOMPARE(gioco->Text1->text(), QStringLiteral("d'angelo"));
        QVERIFY(gioco->OKREC->isEnabled());
        QTest::keyClicks(gioco->Text1, QStringLiteral("x"));
        QCOMPARE(gioco->Text1->text(), QStringLiteral("d'angelo"));
        gioco->tempoG->setCaption(QStringLiteral("00:03:07"));
        QTest::mouseClick(gioco->OKREC, Qt::LeftButton);
        QVERIFY(!gioco->Info->isVisible());
        QCOMPARE(gioco->nomer->caption(), QStringLiteral("D'ANGELO"));
        QVERIFY(gioco->nomer->isVisible());
        QCOMPARE(gioco->TempoR->caption(), QStringLiteral("00:03:07"));

        const Disegno riga = banco.archivio.carica(5, id).valore;
        QCOMPARE(riga.recordDi(ModoRecord::N).titolare, QStringLiteral("D'ANGELO"));
        QCOMPARE(riga.recordDi(ModoRecord::N).tempo, QStringLiteral("00:03:07"));
        QVERIFY(riga.recordDi(ModoRecord::X).titolare.isEmpty());

        // After the solution the green button closes the window and the start window returns.
        QTest::mouseClick(gioco->Image3, Qt::LeftButton);
        QVERIFY(banco.inizio->isVisible());
        QTRY_VERIFY(!banco.inizio->gioco());
    }

    // 2 + 4 + 8 + 8 minutes, the penalty pointers, and the pen once the clock has let go.
    void erroriEPenalita()
    {
        BancoGioco banco;
        banco.metti(5, {Bandiera});
        GridoraGame* gioco = banco.apri(5);
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        const QList<QPair<const char*, QString>> attesi = {
            {"2MIN", "00:02:00"}, {"4MIN", "00:06:00"}, {"8MIN", "00:14:00"}, {"8MIN", "00:22:00"}};
        // A pre-crossed cell loses its cross and is never an error, nor ever filled.
        BancoGioco::clic(gioco, 0, 4);
        BancoGioco::clic(gioco, 0, 4);
        QCOMPARE(BancoGioco::immagine(gioco, 0, 4), 103);
        QCOMPARE(gioco->Errori, 0);
        QCOMPARE(gioco->Segni[4], 0);

        const QList<QPoint> sbagliate = {{0, 0}, {0, 2}, {0, 3}, {1, 0}}; // (row, column)
        for (int e = 0; e < attesi.size(); ++e) {
            banco.suono.suonati.clear();
            BancoGioco::clic(gioco, sbagliate[e].x(), sbagliate[e].y());
            QCOMPARE(banco.suono.suonati, QList<int>{104});
            QCOMPARE(gioco->Errori, e + 1);
            QCOMPARE(gioco->tempoG->caption(), attesi[e].second);
            for (int i : {0, 50, 224})
                QVERIFY(stessoPuntatore(gioco->tavoliere->Image1[i], attesi[e].first));
        }
        QCOMPARE(BancoGioco::immagine(gioco, 0, 0), 105);
        QVERIFY(gioco->tavoliere->Image1[0]->isEnabled());

        // A crossed error cell is cleared by the next left click, never filled.
        BancoGioco::clic(gioco, 0, 0);
        QCOMPARE(BancoGioco::immagine(gioco, 0, 0), 103);
        QCOMPARE(gioco->Errori, 4);

        // The pointer stays on the cells until the clock has ticked past the hold.
        BancoGioco::muovi(gioco->tavoliere->Image1[2]);
        QVERIFY(stessoPuntatore(gioco->tavoliere->Image1[2], "8MIN"));
        gioco->Tempora_Timer();
        gioco->Tempora_Timer();
        BancoGioco::muovi(gioco->tavoliere->Image1[2]);
        QVERIFY(stessoPuntatore(gioco->tavoliere->Image1[2], "PENNA"));
        QCOMPARE(gioco->tempoG->caption(), QStringLiteral("00:22:02"));

        // A right click crosses a solution cell without an error; a left click then clears it.
        BancoGioco::clic(gioco, 0, 1, Qt::RightButton);
        QCOMPARE(BancoGioco::immagine(gioco, 0, 1), 104);
        BancoGioco::clic(gioco, 0, 1);
        QCOMPARE(BancoGioco::immagine(gioco, 0, 1), 102);
        QCOMPARE(gioco->Errori, 4);
        QCOMPARE(gioco->CaselleGiuste, 0);
    }

    void orologioFermoA24Ore()
    {
        BancoGioco banco;
        banco.metti(5, {Bandiera});
        GridoraGame* gioco = banco.apri(5);
        gioco->Tempora_Timer(); // before the answer the clock does not move
        QCOMPARE(gioco->tempoG->caption(), QStringLiteral("00:00:00"));
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        gioco->tempoG->setCaption(QStringLiteral("23:59:59"));
        banco.suono.suonati.clear();
        gioco->Tempora_Timer();
        QCOMPARE(gioco->tempoG->caption(), QStringLiteral("24:00:00"));
        QCOMPARE(banco.suono.suonati, QList<int>{106});
        gioco->Tempora_Timer();
        BancoGioco::clic(gioco, 0, 0); // an error adds no time any more
        QCOMPARE(gioco->tempoG->caption(), QStringLiteral("24:00:00"));
        QCOMPARE(banco.suono.suonati, (QList<int>{106, 104}));
        // A frozen clock never makes a record.
        BancoGioco::riempiSoluzione(gioco, Bandiera.righe);
        QCOMPARE(banco.suono.suonati.last(), 105);
        QVERIFY(!gioco->Info->isVisible());
    }

    // "Senza X": no crosses at all, and a hidden cross is cleared silently.
    void senzaX()
    {
        BancoGioco banco;
        banco.metti(5, {Bandiera});
        banco.inizio->NoX->setChecked(true);
        GridoraGame* gioco = banco.apri(5);
        QCOMPARE(gioco->windowTitle(), QStringLiteral("GridoraPC          >FacileX (5x5)<"));
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        BancoGioco::clic(gioco, 0, 2, Qt::RightButton);
        QCOMPARE(BancoGioco::immagine(gioco, 0, 2), 103);
        QCOMPARE(gioco->Segni[2], 0);
        BancoGioco::clic(gioco, 0, 2); // an error: no cross shown
        QCOMPARE(gioco->Errori, 1);
        QCOMPARE(BancoGioco::immagine(gioco, 0, 2), 103);
        QCOMPARE(gioco->Segni[2], 2);
        banco.suono.suonati.clear();
        BancoGioco::clic(gioco, 0, 2); // clears the hidden cross, silently
        QVERIFY(banco.suono.suonati.isEmpty());
        QCOMPARE(gioco->Errori, 1);
        BancoGioco::clic(gioco, 0, 2); // and this is a new error
        QCOMPARE(gioco->Errori, 2);
        // Pre-crossed cells keep their picture when cleared.
        BancoGioco::clic(gioco, 4, 0);
        QCOMPARE(BancoGioco::immagine(gioco, 4, 0), 105);

        BancoGioco::riempiSoluzione(gioco, Bandiera.righe);
        QVERIFY(gioco->Info->isVisible());
        QTest::keyClicks(gioco->Text1, QStringLiteral("ics"));
        QTest::mouseClick(gioco->OKREC, Qt::LeftButton);
        const Disegno riga = banco.archivio.elenco(5).valore.first();
        QCOMPARE(riga.recordDi(ModoRecord::X).titolare, QStringLiteral("ICS"));
        QVERIFY(riga.recordDi(ModoRecord::N).titolare.isEmpty());
    }

    // "Senza Errori": a wrong fill looks right, and the game ends once it is taken back.
    void senzaErrori()
    {
        BancoGioco banco;
        banco.metti(5, {Bandiera});
        banco.inizio->NoErrori->setChecked(true);
        banco.inizio->NoX->setChecked(true);
        GridoraGame* gioco = banco.apri(5);
        QCOMPARE(gioco->windowTitle(), QStringLiteral("GridoraPC          >FacileXS (5x5)<"));
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        banco.suono.suonati.clear();
        BancoGioco::clic(gioco, 0, 0);
        QCOMPARE(banco.suono.suonati, QList<int>{103});
        QCOMPARE(BancoGioco::immagine(gioco, 0, 0), 101);
        QCOMPARE(gioco->Errori, 0);
        QCOMPARE(gioco->tempoG->caption(), QStringLiteral("00:00:00"));
        BancoGioco::riempiSoluzione(gioco, Bandiera.righe);
        QCOMPARE(gioco->CaselleGiuste, gioco->CasellePiene);
        QVERIFY(!gioco->boxfig->isVisible());              // the wrong fill is still there
        QVERIFY(gioco->tavoliere->Image1[1]->isEnabled()); // right fills stay clickable
        BancoGioco::clic(gioco, 0, 0, Qt::RightButton);
        QVERIFY(gioco->boxfig->isVisible());
        QTest::keyClicks(gioco->Text1, QStringLiteral("esse"));
        QTest::mouseClick(gioco->OKREC, Qt::LeftButton);
        const Disegno riga = banco.archivio.elenco(5).valore.first();
        QCOMPARE(riga.recordDi(ModoRecord::XS).titolare, QStringLiteral("ESSE"));
    }

    // Two puzzles share a name: the record goes to the row that was played, and only there.
    void recordSullaRigaGiocata()
    {
        BancoGioco banco;
        const Schema gemello = {Bandiera.nome, Punto.righe};
        const QList<qint64> id = banco.metti(5, {Bandiera, gemello});
        banco.archivio.scriviRecord(5, id[1], ModoRecord::S, "VECCHIO", "00:00:05");
        banco.casuale.numeri = {0.9};
        GridoraGame* gioco = banco.apri(5);
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        QVERIFY(!gioco->nomer->isVisible()); // no record in normal mode
        BancoGioco::clic(gioco, 0, 0);
        QVERIFY(gioco->Info->isVisible());
        QTest::keyClicks(gioco->Text1, QStringLiteral("nuovo"));
        QTest::mouseClick(gioco->OKREC, Qt::LeftButton);
        QCOMPARE(banco.archivio.carica(5, id[1]).valore.recordDi(ModoRecord::N).titolare,
                 QStringLiteral("NUOVO"));
        QCOMPARE(banco.archivio.carica(5, id[1]).valore.recordDi(ModoRecord::S).titolare,
                 QStringLiteral("VECCHIO"));
        QVERIFY(banco.archivio.carica(5, id[0]).valore.recordDi(ModoRecord::N).titolare.isEmpty());
    }

    // An existing record is shown, and an equal time does not beat it.
    void recordEsistenteNonBattuto()
    {
        BancoGioco banco;
        const qint64 id = banco.metti(5, {Punto}).first();
        banco.archivio.scriviRecord(5, id, ModoRecord::S, "ANNA", "00:00:00");
        banco.inizio->NoErrori->setChecked(true);
        GridoraGame* gioco = banco.apri(5);
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        QVERIFY(gioco->nomer->isVisible());
        QCOMPARE(gioco->nomer->caption(), QStringLiteral("ANNA"));
        QCOMPARE(gioco->TempoR->caption(), QStringLiteral("00:00:00"));
        banco.suono.suonati.clear();
        BancoGioco::clic(gioco, 0, 0);
        QCOMPARE(banco.suono.suonati, (QList<int>{103, 105}));
        QVERIFY(!gioco->Info->isVisible());
    }

    // A refused write is reported; the name stays in the box to try again, and is then stored.
    void recordRifiutatoEDiNuovoTentato()
    {
        BancoGioco banco;
        const qint64 id = banco.metti(5, {Punto}).first();
        GridoraGame* gioco = banco.apri(5);
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        BancoGioco::clic(gioco, 0, 0);
        QTest::keyClicks(gioco->Text1, QStringLiteral("lia"));
        {
            QSqlDatabase altro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "altro");
            altro.setDatabaseName(banco.archivio.percorso());
            QVERIFY(altro.open());
            QSqlQuery blocco(altro);
            QVERIFY(blocco.exec("BEGIN EXCLUSIVE"));
            QTest::mouseClick(gioco->OKREC, Qt::LeftButton);
            QVERIFY(blocco.exec("ROLLBACK"));
        }
        QSqlDatabase::removeDatabase("altro");
        QCOMPARE(banco.messaggi.avvisi.size(), 1);
        QVERIFY(banco.messaggi.avvisi.first().startsWith(QStringLiteral("RECORD NON SALVATO")));
        QVERIFY(gioco->Info->isVisible());
        QCOMPARE(gioco->Text1->text(), QStringLiteral("lia"));
        QVERIFY(!gioco->nomer->isVisible());
        QCOMPARE(gioco->TempoR->caption(), QStringLiteral("24:00:00"));
        QVERIFY(banco.archivio.carica(5, id).valore.recordDi(ModoRecord::N).titolare.isEmpty());

        QTest::mouseClick(gioco->OKREC, Qt::LeftButton);
        QVERIFY(!gioco->Info->isVisible());
        QCOMPARE(banco.archivio.carica(5, id).valore.recordDi(ModoRecord::N).titolare,
                 QStringLiteral("LIA"));
    }

    void dimensioneSenzaSchemi()
    {
        BancoGioco banco;
        banco.metti(10, {});
        GridoraGame* gioco = banco.apri(10);
        QVERIFY(gioco);
        QCOMPARE(banco.messaggi.avvisi.size(), 1);
        QVERIFY(banco.messaggi.avvisi.first().contains(QStringLiteral("10x10")));
        QVERIFY(!gioco->richhlp->isVisible());
        gioco->close();
        QVERIFY(banco.inizio->isVisible());
    }

    void archivioIlleggibile()
    {
        BancoGioco banco;
        QFile file(banco.archivio.percorso());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, 'x'));
        file.close();
        GridoraGame* gioco = banco.apri(15);
        QCOMPARE(banco.messaggi.avvisi.size(), 1);
        QVERIFY(banco.messaggi.avvisi.first().contains(QStringLiteral("Dati.mdb")));
        gioco->close();
        QVERIFY(banco.inizio->isVisible());
    }

    // The column under the pointer is repeated large beside the board.
    void evidenziazioneDellaColonna()
    {
        BancoGioco banco;
        banco.metti(5, {Bandiera});
        GridoraGame* gioco = banco.apri(5);
        BancoGioco::muovi(gioco->tavoliere->Image1[1]);
        QVERIFY(gioco->hlp2->caption().isEmpty()); // nothing before the answer
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        BancoGioco::muovi(gioco->tavoliere->Image1[indiceVideo(3, 1)]);
        QCOMPARE(gioco->hlp2->caption(), QString(7, QChar(13)) + QStringLiteral("4\r"));
        QCOMPARE(gioco->hlp2->sfondo(), QColor(0xC0, 0xFF, 0xFF));
        BancoGioco::muovi(gioco->tavoliere->orizzontale[2]);
        QVERIFY(gioco->hlp2->caption().isEmpty());
        BancoGioco::muovi(gioco->tavoliere->Verticale[2]);
        QCOMPARE(gioco->hlp2->caption(), QString(7, QChar(13)) + QStringLiteral("1\r"));
        QCOMPARE(gioco->hlp2->sfondo(), QColor(0x00, 0xFF, 0xFF));
    }

    void audioSpento()
    {
        BancoGioco banco;
        banco.metti(5, {Bandiera});
        banco.inizio->NoAudio->setChecked(true);
        GridoraGame* gioco = banco.apri(5);
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        BancoGioco::clic(gioco, 0, 1);
        BancoGioco::clic(gioco, 0, 0);
        QVERIFY(banco.suono.suonati.isEmpty());
        QCOMPARE(banco.attesa.totale, 0.0); // and no pause after sounds
        QCOMPARE(banco.suono.beep_, 0);     // the countdown beep is silenced too
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
        BancoGioco banco;
        GridoraGame* gioco = banco.apri(lato);
        QCOMPARE(gioco->tavoliere->area->pos(), QPoint(px(area.x()), px(area.y())));
        QCOMPARE(gioco->richhlp->pos(), QPoint(px(richiesta.x()), px(richiesta.y())));
        QCOMPARE(gioco->Shape3->size(), QSize(px(shape3), px(shape3)));
        QCOMPARE(gioco->tavoliere->d3->isVisible(), lato == 15);
        QCOMPARE(gioco->tavoliere->v2->isVisible(), lato >= 10);
        QCOMPARE(gioco->tavoliere->dieci[0]->isVisible(), lato == 10);
        int visibili = 0;
        for (Cella* cella : gioco->tavoliere->Image1)
            visibili += cella->isVisible() ? 1 : 0;
        QCOMPARE(visibili, lato * lato);
        QTest::mouseClick(gioco->hlpYes[1], Qt::LeftButton);
        QVERIFY(!gioco->tavoliere->orizzontale[0]->caption().isEmpty() ||
                !gioco->tavoliere->orizzontale[1]->caption().isEmpty());
    }
};

QTEST_MAIN(TestGioco)
#include "tst_gioco.moc"
