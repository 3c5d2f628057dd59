// The start window: pointer feedback, highlights and the options it hands to a game.

#include "BancoGioco.h"
#include "resources/Risorse.h"

#include <QEnterEvent>

using namespace gridora;

namespace {

void entra(QWidget* widget)
{
    QEnterEvent evento(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(widget, &evento);
}

} // namespace

class TestInizio : public QObject {
    Q_OBJECT

private slots:
    void composizione()
    {
        BancoGioco banco;
        InizioGioco& inizio = *banco.inizio;
        QCOMPARE(inizio.windowTitle(), QStringLiteral("Gridora"));
        QCOMPARE(inizio.size(), QSize(257, 200));
        QVERIFY(inizio.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(inizio.facile1->geometry(), QRect(16, 80, 105, 25));
        QCOMPARE(inizio.Libero->geometry(), QRect(144, 72, 105, 25));
        QCOMPARE(inizio.logo->size(), QSize(262, 63)); // not stretched, clipped at the edge
        QCOMPARE(inizio.NoX->text(), QStringLiteral("Senza X"));
        QCOMPARE(inizio.NoErrori->toolTip(),
                 QStringLiteral("Nessun controllo sugli errori (Difficile)"));
        QCOMPARE(inizio.facile1->toolTip(), QStringLiteral("Schema 5x5"));
        for (QCheckBox* opzione : {inizio.NoX, inizio.NoErrori, inizio.NoAudio})
            QVERIFY(!opzione->isChecked());
    }

    // At most one highlight, the pointer by control, "Istruzioni" yellow under the pointer.
    void puntatoreEdEvidenziazioni()
    {
        BancoGioco banco;
        InizioGioco& inizio = *banco.inizio;
        const QList<Forma*> evidenziazioni = {inizio.facile2, inizio.medio2, inizio.difficile2,
                                              inizio.libero2};
        const auto visibili = [&] {
            QList<Forma*> v;
            for (Forma* f : evidenziazioni) {
                if (f->isVisible())
                    v.append(f);
            }
            return v;
        };
        QVERIFY(visibili().isEmpty());
        entra(inizio.medio1);
        QCOMPARE(visibili(), QList<Forma*>{inizio.medio2});
        QCOMPARE(inizio.cursor(), risorse::puntatore(u"MANO"));
        entra(inizio.Libero);
        QCOMPARE(visibili(), QList<Forma*>{inizio.libero2});
        entra(inizio.Label1);
        QCOMPARE(visibili(), QList<Forma*>{inizio.libero2}); // left as it was
        QCOMPARE(inizio.Label1->coloreTesto(), QColor(0xFF, 0xFF, 0x00));
        entra(inizio.NoX);
        QVERIFY(visibili().isEmpty());
        QCOMPARE(inizio.cursor(), risorse::puntatore(u"PENNA"));
        QCOMPARE(inizio.Label1->coloreTesto(), QColor(0xFF, 0xFF, 0x00));
        entra(inizio.NoErrori);
        QCOMPARE(inizio.Label1->coloreTesto(), QColor(Qt::black));
        entra(inizio.facile1);
        BancoGioco::muovi(&inizio);
        QVERIFY(visibili().isEmpty());
        QCOMPARE(inizio.cursor().shape(), Qt::ArrowCursor);
    }

    // A highlight shows its button inverted and leaves the others as they are.
    void evidenziazioneInverte()
    {
        BancoGioco banco;
        InizioGioco& inizio = *banco.inizio;
        const QRect facile = inizio.facile1->geometry();
        const QRect medio = inizio.medio1->geometry();
        const QImage prima = inizio.grab().toImage();
        entra(inizio.facile1);
        const QImage dopo = inizio.grab().toImage();
        const QPoint dentro = facile.center();
        QCOMPARE(dopo.pixel(dentro) & 0xFFFFFF, ~prima.pixel(dentro) & 0xFFFFFF);
        QCOMPARE(dopo.pixel(medio.center()), prima.pixel(medio.center()));
    }

    // Two games in a row, each in a fresh window; the options are still there after the first.
    void duePartiteDiSeguito()
    {
        BancoGioco banco;
        banco.metti(5, {{QStringLiteral("Punto"), {"#....", ".....", ".....", ".....", "....."}}});
        banco.inizio->NoX->setChecked(true);
        GridoraGame* primo = banco.apri(5);
        QPointer<GridoraGame> guardia(primo);
        QTest::mouseClick(primo->hlpYes[1], Qt::LeftButton);
        BancoGioco::clic(primo, 0, 0);
        QTest::mouseClick(primo->Image3, Qt::LeftButton);
        QTRY_VERIFY(!guardia);
        QVERIFY(banco.inizio->isVisible());
        QVERIFY(banco.inizio->NoX->isChecked());
        GridoraGame* secondo = banco.apri(5);
        QVERIFY(secondo);
        QCOMPARE(secondo->Errori, 0);
        QVERIFY(secondo->NomeFig->caption().isEmpty());
        QVERIFY(secondo->richhlp->isVisible());
    }
};

QTEST_MAIN(TestInizio)
#include "tst_inizio.moc"
