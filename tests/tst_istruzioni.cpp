// The instructions window: turning the pages through the window system, the
// penalties it states, the pictures and whether every page's text fits its
// label.

#include "Banco.h"
#include "help/Istruzioni.h"
#include "menu/FinestraFiglia.h"
#include "model/Penalita.h"

#include <QFontMetrics>

using namespace gridora;

namespace {

struct Finestra {
    Istruzioni istruzioni;

    Finestra()
    {
        istruzioni.show();
        const bool esposta = QTest::qWaitForWindowExposed(&istruzioni);
        Q_ASSERT(esposta);
    }

    const Istruzioni::Controlli& c() const { return istruzioni.controlli(); }

    // Clicks "Avanti ->" or "<- Indietro" where it lies, visible or not.
    void avanti() { clicca(&istruzioni, centroInFinestra(c().Avanti)); }
    void indietro() { clicca(&istruzioni, centroInFinestra(c().indietro)); }

    void vaiA(int pagina)
    {
        while (istruzioni.pagina() < pagina)
            avanti();
    }
};

} // namespace

class TestIstruzioni : public QObject {
    Q_OBJECT

private slots:
    // It opens on the first page. Forward past the last page and back past the
    // first: only the label that would leave the pages is hidden, and a click
    // where it lies does nothing.
    void navigazioneAgliEstremi()
    {
        Finestra f;
        QCOMPARE(f.c().Titolo->caption(), QStringLiteral("INTRO"));
        const auto stato = [&] {
            return QList<int>{f.istruzioni.pagina(), f.c().indietro->isVisible(),
                              f.c().Avanti->isVisible()};
        };
        QCOMPARE(stato(), (QList<int>{0, false, true}));
        f.indietro();
        QCOMPARE(stato(), (QList<int>{0, false, true}));
        for (int pagina = 1; pagina <= 7; ++pagina) {
            f.avanti();
            QCOMPARE(stato(), (QList<int>{qMin(pagina, 6), true, pagina < 6}));
        }
        for (int pagina = 5; pagina >= 0; --pagina) {
            f.indietro();
            QCOMPARE(stato(), (QList<int>{pagina, pagina > 0, true}));
        }
        f.istruzioni.Notizie(7); // outside the pages: nothing changes
        f.istruzioni.Notizie(-1);
        QCOMPARE(stato(), (QList<int>{0, false, true}));
    }

    // Lines are broken by CR as captions are, shown as line breaks. The penalties
    // page 3 states are those the game charges: 2, 4, then 8 minutes.
    void testiDellePagine()
    {
        Finestra f;
        f.vaiA(3);
        QVERIFY(!f.c().note->text().contains(QChar(13)));
        const QStringList righe = f.c().note->caption().split(QChar(13));
        for (int e = 1; e <= 3; ++e) {
            const PenalitaErrore p = penalitaErrore(e);
            const QString riga =
                e < 3 ? QStringLiteral("%1° Errore                 = +%2 Minuti;")
                            .arg(e)
                            .arg(p.minuti)
                      : QStringLiteral("Dal 3° Errore in poi = +%1 Minuti;").arg(p.minuti);
            QVERIFY2(righe.contains(riga), qPrintable(riga));
        }
    }

    // Every word of every page can be read: wrapped as the label wraps it, with the label's own
    // font, the same on every page, the text stays inside the label.
    void testoDiOgniPagina()
    {
        Finestra f;
        const Etichetta* note = f.c().note;
        const QFont carattere = note->font();
        for (int pagina = 0; pagina < 7; ++pagina) {
            f.vaiA(pagina);
            QCOMPARE(note->font(), carattere);
            const QRect spazio = note->contentsRect();
            const QRect occupato = note->fontMetrics().boundingRect(
                spazio, int(note->alignment()) | Qt::TextWordWrap, note->text());
            QVERIFY2(spazio.contains(occupato), qPrintable(QString::number(pagina)));
        }
    }

    // "Istruzioni" in the start window opens the first page in its place.
    void apertaDallaFinestraDiInizio()
    {
        Banco banco;
        clicca(banco.inizio->Label1, Qt::RightButton);
        QVERIFY(!banco.inizio->figlia());
        clicca(banco.inizio->Label1);
        const Istruzioni* istruzioni = qobject_cast<Istruzioni*>(banco.inizio->figlia());
        QVERIFY(istruzioni);
        QVERIFY(istruzioni->isVisible());
        QCOMPARE(istruzioni->pagina(), 0);
        QVERIFY(!banco.inizio->isVisible());
    }
};

QTEST_MAIN(TestIstruzioni)
#include "tst_istruzioni.moc"
