// The rules of a game with no window: every kind of click on every kind of cell in the four
// combinations of the options, the end of a game, penalties on the clock and the starting help.

#include "Disegni.h"
#include "model/Partita.h"

#include <QTest>

using namespace gridora;

namespace {

// Row 1 and column 3 are empty, so crossed before play.
const QStringList Tavola = {"#.#..", ".....", "##...", "#...#", "..#.#"};

Partita nuova(bool senzaX, bool senzaErrori, bool aiuto = false)
{
    Partita p(5, pixelDi(Tavola), {senzaX, senzaErrori}, aiuto);
    p.avvia();
    return p;
}

Pulsante pulsante(QChar c)
{
    return c == u'L' ? Pulsante::Sinistro : Pulsante::Destro;
}

} // namespace

Q_DECLARE_METATYPE(EsitoClic::Tipo)
Q_DECLARE_METATYPE(Segno)

class TestPartita : public QObject {
    Q_OBJECT

private slots:
    // A cell of each kind: 'P' filled in the solution (0, 0), 'V' empty (0, 1), 'C' empty and
    // crossed before play (1, 0). `prima` are the clicks made on it before the one under test
    // ('L' left, 'R' right).
    void clic_data()
    {
        QTest::addColumn<bool>("senzaX");
        QTest::addColumn<bool>("senzaErrori");
        QTest::addColumn<QChar>("cella");
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QChar>("clic");
        QTest::addColumn<bool>("gestito");
        QTest::addColumn<EsitoClic::Tipo>("tipo");
        QTest::addColumn<Segno>("segno");
        QTest::addColumn<Segno>("mostrato");
        QTest::addColumn<int>("giuste");
        QTest::addColumn<int>("errori");
        QTest::addColumn<bool>("cliccabile");

        using T = EsitoClic::Tipo;
        const auto riga = [](const char* nome, bool x, bool s, char cella, const char* prima,
                             char clic) -> QTestData& {
            return QTest::newRow(nome) << x << s << QChar(cella) << QString(prima) << QChar(clic);
        };
        // Normal mode.
        riga("riempimento giusto", 0, 0, 'P', "", 'L')
            << true << T::Riempita << Pieno << Pieno << 1 << 0 << false;
        riga("riempimento giusto definitivo", 0, 0, 'P', "L", 'L')
            << false << T::Nessuno << Pieno << Pieno << 1 << 0 << false;
        riga("riempimento giusto non si toglie", 0, 0, 'P', "L", 'R')
            << false << T::Nessuno << Pieno << Pieno << 1 << 0 << false;
        riga("croce su una casella piena", 0, 0, 'P', "", 'R')
            << true << T::CroceMessa << Croce << Croce << 0 << 0 << true;
        riga("croce tolta, mai riempita", 0, 0, 'P', "R", 'L')
            << true << T::CroceTolta << Vuoto << Vuoto << 0 << 0 << true;
        riga("errore", 0, 0, 'V', "", 'L') << true << T::Errore << Croce << Croce << 0 << 1 << true;
        riga("croce dell'errore tolta", 0, 0, 'V', "L", 'L')
            << true << T::CroceTolta << Vuoto << Vuoto << 0 << 1 << true;
        riga("croce e via", 0, 0, 'V', "R", 'R')
            << true << T::CroceTolta << Vuoto << Vuoto << 0 << 0 << true;
        riga("croce iniziale tolta", 0, 0, 'C', "", 'L')
            << true << T::CroceTolta << Vuoto << Vuoto << 0 << 0 << true;
        riga("croce iniziale rimessa", 0, 0, 'C', "L", 'R')
            << true << T::CroceMessa << Croce << Croce << 0 << 0 << true;
        riga("croce iniziale mai riempita", 0, 0, 'C', "L", 'L')
            << true << T::CroceTolta << Vuoto << Vuoto << 0 << 0 << true;
        // "Senza X".
        riga("senza X: niente croci", 1, 0, 'V', "", 'R')
            << true << T::Nessuno << Vuoto << Vuoto << 0 << 0 << true;
        riga("senza X: errore senza croce", 1, 0, 'V', "", 'L')
            << true << T::Errore << Croce << Vuoto << 0 << 1 << true;
        riga("senza X: croce nascosta tolta dal sinistro", 1, 0, 'V', "L", 'L')
            << true << T::CroceTolta << Vuoto << Vuoto << 0 << 1 << true;
        riga("senza X: il destro non tocca la croce nascosta", 1, 0, 'V', "L", 'R')
            << true << T::Nessuno << Croce << Vuoto << 0 << 1 << true;
        riga("senza X: la croce iniziale resta a vista", 1, 0, 'C', "", 'L')
            << true << T::CroceTolta << Vuoto << Croce << 0 << 0 << true;
        riga("senza X: riempimento giusto", 1, 0, 'P', "", 'L')
            << true << T::Riempita << Pieno << Pieno << 1 << 0 << false;
        // "Senza Errori".
        riga("senza errori: riempimento sbagliato accettato", 0, 1, 'V', "", 'L')
            << true << T::Riempita << Pieno << Pieno << 0 << 0 << true;
        riga("senza errori: riempimento sbagliato tolto", 0, 1, 'V', "L", 'R')
            << true << T::Svuotata << Vuoto << Vuoto << 0 << 0 << true;
        riga("senza errori: riempimento giusto resta cliccabile", 0, 1, 'P', "", 'L')
            << true << T::Riempita << Pieno << Pieno << 1 << 0 << true;
        riga("senza errori: riempimento giusto tolto", 0, 1, 'P', "L", 'R')
            << true << T::Svuotata << Vuoto << Vuoto << 0 << 0 << true;
        riga("senza errori: secondo sinistro su un pieno", 0, 1, 'P', "L", 'L')
            << true << T::Nessuno << Pieno << Pieno << 1 << 0 << true;
        // Both.
        riga("entrambe: niente croci", 1, 1, 'V', "", 'R')
            << true << T::Nessuno << Vuoto << Vuoto << 0 << 0 << true;
        riga("entrambe: riempimento giusto tolto", 1, 1, 'P', "L", 'R')
            << true << T::Svuotata << Vuoto << Vuoto << 0 << 0 << true;
        riga("entrambe: croce iniziale tolta resta a vista", 1, 1, 'C', "", 'L')
            << true << T::CroceTolta << Vuoto << Croce << 0 << 0 << true;
    }
    void clic()
    {
        QFETCH(bool, senzaX);
        QFETCH(bool, senzaErrori);
        QFETCH(QChar, cella);
        QFETCH(QString, prima);
        QFETCH(QChar, clic);
        QFETCH(bool, gestito);
        QFETCH(EsitoClic::Tipo, tipo);
        QFETCH(Segno, segno);
        QFETCH(Segno, mostrato);
        QFETCH(int, giuste);
        QFETCH(int, errori);
        QFETCH(bool, cliccabile);

        const QPoint rc = cella == u'P'   ? QPoint(0, 0)
                          : cella == u'V' ? QPoint(0, 1)
                                          : QPoint(1, 0);
        Partita p = nuova(senzaX, senzaErrori);
        for (const QChar c : prima)
            p.clic(rc.x(), rc.y(), pulsante(c));
        const EsitoClic esito = p.clic(rc.x(), rc.y(), pulsante(clic));
        QCOMPARE(esito.gestito, gestito);
        QCOMPARE(esito.tipo, tipo);
        QCOMPARE(p.segno(rc.x(), rc.y()), segno);
        QCOMPARE(p.mostrato(rc.x(), rc.y()), mostrato);
        QCOMPARE(p.caselleGiuste(), giuste);
        QCOMPARE(p.errori(), errori);
        QCOMPARE(p.cliccabile(rc.x(), rc.y()), cliccabile);
        QVERIFY(!esito.risolta);
    }

    void lineeVuoteCrociateAllInizio()
    {
        const Partita p = nuova(false, false);
        for (int j = 0; j < 5; ++j) {
            QCOMPARE(p.soluzione(1, j), 2);
            QCOMPARE(p.soluzione(j, 3), 2);
            QCOMPARE(p.mostrato(1, j), Croce);
            QCOMPARE(p.segno(1, j), Vuoto); // the player's marks stay empty
        }
        QCOMPARE(p.soluzione(0, 1), 0);
        QCOMPARE(p.casellePiene(), 8);
    }

    // The game ends when every solution cell is filled; in "Senza Errori" only once the wrong
    // fills are taken back.
    void fineDellaPartita()
    {
        Partita normale = nuova(false, false);
        Partita senzaErrori = nuova(false, true);
        senzaErrori.clic(0, 1, Pulsante::Sinistro); // a wrong fill, accepted silently
        int ultime = 0;
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 5; ++c) {
                if (Tavola[r][c] != u'#')
                    continue;
                QVERIFY(normale.fase() == Partita::Fase::Gioco);
                ultime += normale.clic(r, c, Pulsante::Sinistro).risolta ? 1 : 0;
                QVERIFY(!senzaErrori.clic(r, c, Pulsante::Sinistro).risolta);
            }
        }
        QCOMPARE(ultime, 1);
        QVERIFY(normale.fase() == Partita::Fase::Risolta);
        QVERIFY(!normale.cliccabile(0, 1)); // play is over
        QVERIFY(!normale.clic(0, 1, Pulsante::Sinistro).gestito);
        QVERIFY(senzaErrori.clic(0, 1, Pulsante::Destro).risolta);

        // A board without filled cells ends at the first click the board takes.
        Partita vuota(5, QString(25, u'0'), {}, false);
        QVERIFY(!vuota.clic(0, 0, Pulsante::Sinistro).gestito); // not before the countdown
        vuota.avvia();
        QVERIFY(vuota.clic(0, 0, Pulsante::Sinistro).risolta);
    }

    // 2, 4, then 8 minutes; the pointer hold starts with each error; none after 24 hours.
    void penalita()
    {
        Partita p = nuova(false, false);
        const QList<QPoint> vuote = {{0, 1}, {0, 4}, {2, 2}, {2, 4}, {3, 1}};
        const QStringList attesi = {"00:02:00", "00:06:00", "00:14:00", "00:22:00", "00:30:00"};
        for (int e = 0; e < vuote.size(); ++e) {
            QCOMPARE(p.clic(vuote[e].x(), vuote[e].y(), Pulsante::Sinistro).numeroErrore, e + 1);
            QCOMPARE(p.orologio().testo(), attesi[e]);
            QVERIFY(p.penalitaAttiva());
        }
        p.scatto();
        QVERIFY(p.penalitaAttiva());
        p.scatto();
        QVERIFY(!p.penalitaAttiva());
        while (!p.scatto()) {
        }
        QCOMPARE(p.orologio().testo(), QStringLiteral("24:00:00"));
        p.clic(4, 0, Pulsante::Sinistro);
        QCOMPARE(p.errori(), 6);
        QCOMPARE(p.orologio().testo(), QStringLiteral("24:00:00"));
    }

    // The help's cost by side, and the clock stands still before play.
    void orologioConAiuto()
    {
        for (const auto& [lato, testo] :
             {std::pair{5, "00:00:30"}, std::pair{10, "00:02:00"}, std::pair{15, "00:05:00"}}) {
            Partita p(lato, QString(lato * lato, u'1'), {}, true);
            QCOMPARE(p.orologio().testo(), QString::fromLatin1(testo));
            QVERIFY(!p.scatto());
            QCOMPARE(p.orologio().testo(), QString::fromLatin1(testo));
        }
    }

    // Column 0 and row 2: filled cells as filled, the others as crossed, the crossing once.
    void rivelazione_data()
    {
        QTest::addColumn<bool>("senzaX");
        QTest::addColumn<bool>("senzaErrori");
        QTest::newRow("normale") << false << false;
        QTest::newRow("senza X") << true << false;
        QTest::newRow("senza errori") << false << true;
    }
    void rivelazione()
    {
        QFETCH(bool, senzaX);
        QFETCH(bool, senzaErrori);
        Partita p(5, pixelDi(Tavola), {senzaX, senzaErrori}, true);
        p.rivela(0, 2);
        p.avvia();
        QCOMPARE(p.caselleGiuste(), 4); // (0,0), (2,0), (3,0) and (2,1)
        for (const QPoint rc : {QPoint(0, 0), QPoint(2, 0), QPoint(3, 0), QPoint(2, 1)}) {
            QCOMPARE(p.segno(rc.x(), rc.y()), Pieno);
            QCOMPARE(p.cliccabile(rc.x(), rc.y()), senzaErrori);
        }
        for (const QPoint rc : {QPoint(4, 0), QPoint(2, 2), QPoint(2, 4)}) {
            QCOMPARE(p.segno(rc.x(), rc.y()), Croce);
            QCOMPARE(p.mostrato(rc.x(), rc.y()), senzaX ? Vuoto : Croce);
        }
        QCOMPARE(p.mostrato(1, 0), Croce); // an empty line stays crossed even in "Senza X"
    }
};

QTEST_APPLESS_MAIN(TestPartita)
#include "tst_partita.moc"
