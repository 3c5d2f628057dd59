// The instructions window: opened from the start window, its pages turned through the window
// system, the penalties it states, and every page's text inside its label.

#include "Banco.h"
#include "help/Istruzioni.h"
#include "model/Penalita.h"

using namespace gridora;

class TestIstruzioni : public QObject {
    Q_OBJECT

private slots:
    // "Istruzioni" in the start window opens the first page in its place (the right button does
    // nothing). Forward past the last page and back past the first: only the label that would
    // leave the pages is hidden, and a click where it lies does nothing. Then the pages' texts.
    void pagine()
    {
        Banco banco;
        clicca(banco.inizio->Label1, Qt::RightButton);
        QVERIFY(!banco.inizio->figlia());
        clicca(banco.inizio->Label1);
        auto* istruzioni = qobject_cast<Istruzioni*>(banco.inizio->figlia());
        QVERIFY(istruzioni && istruzioni->isVisible() && !banco.inizio->isVisible());
        const Istruzioni::Controlli& c = istruzioni->controlli();
        QCOMPARE(c.Titolo->caption(), QStringLiteral("INTRO"));
        const auto clic = [&](const QWidget* etichetta) {
            clicca(istruzioni, centroInFinestra(etichetta));
        };
        const auto stato = [&] {
            return QList<int>{istruzioni->pagina(), c.indietro->isVisible(), c.Avanti->isVisible()};
        };
        clic(c.indietro);
        QCOMPARE(stato(), (QList<int>{0, false, true}));
        for (int pagina = 1; pagina <= 7; ++pagina) {
            clic(c.Avanti);
            QCOMPARE(stato(), (QList<int>{qMin(pagina, 6), true, pagina < 6}));
        }
        for (int pagina = 5; pagina >= 0; --pagina) {
            clic(c.indietro);
            QCOMPARE(stato(), (QList<int>{pagina, pagina > 0, true}));
        }
        istruzioni->Notizie(7); // outside the pages: nothing changes
        istruzioni->Notizie(-1);
        QCOMPARE(stato(), (QList<int>{0, false, true}));

        // Every word of every page can be read: wrapped as the label wraps it, with the label's
        // own font, the same on every page, the text stays inside the label. Lines are broken by
        // CR as captions are, shown as line breaks. The penalties page 3 states are those the
        // game charges: 2, 4, then 8 minutes.
        const Etichetta* note = c.note;
        const QFont carattere = note->font();
        for (int pagina = 0; pagina < 7; ++pagina) {
            istruzioni->Notizie(pagina);
            QCOMPARE(note->font(), carattere);
            QVERIFY(!note->text().contains(QChar(13)));
            const QRect spazio = note->contentsRect();
            const QRect occupato = note->fontMetrics().boundingRect(
                spazio, int(note->alignment()) | Qt::TextWordWrap, note->text());
            QVERIFY2(spazio.contains(occupato), qPrintable(QString::number(pagina)));
        }
        istruzioni->Notizie(3);
        const QStringList righe = note->caption().split(QChar(13));
        for (int e = 1; e <= 3; ++e) {
            const QString riga = (e < 3 ? QStringLiteral("%1° Errore                 ").arg(e)
                                        : QStringLiteral("Dal 3° Errore in poi ")) +
                                 QStringLiteral("= +%1 Minuti;").arg(penalitaErrore(e).minuti);
            QVERIFY2(righe.contains(riga), qPrintable(riga));
        }
    }
};

QTEST_MAIN(TestIstruzioni)
#include "tst_istruzioni.moc"
