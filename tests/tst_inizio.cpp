// The start window: its pointer feedback and highlights under real pointer moves, and Qt's own
// texts in Italian.

#include "Banco.h"
#include "menu/Avvio.h"
#include "resources/Risorse.h"
#include "widgets/Forme.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

using namespace gridora;

class TestInizio : public QObject {
    Q_OBJECT

private slots:
    // The pointer moves over each control and then a little further inside it: what it shows
    // must last while the pointer stays there.
    void puntatoreEdEvidenziazioni()
    {
        Banco banco;
        InizioGioco& inizio = *banco.inizio;
        for (QCheckBox* opzione : {inizio.NoX, inizio.NoErrori, inizio.NoAudio})
            QVERIFY(!opzione->isChecked());
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
        const auto sopra = [&](const QWidget* controllo) {
            const QPoint centro = centroInFinestra(controllo);
            muovi(&inizio, centro - QPoint(3, 0));
            muovi(&inizio, centro);
            muovi(&inizio, centro + QPoint(3, 1));
        };
        QVERIFY(visibili().isEmpty());
        const QImage prima = inizio.grab().toImage();
        const QList<QPair<Immagine*, Forma*>> pulsanti = {{inizio.facile1, inizio.facile2},
                                                          {inizio.medio1, inizio.medio2},
                                                          {inizio.difficile1, inizio.difficile2},
                                                          {inizio.Libero, inizio.libero2}};
        for (const auto& [pulsante, evidenziazione] : pulsanti) {
            sopra(pulsante);
            QCOMPARE(visibili(), QList<Forma*>{evidenziazione});
            QVERIFY(stessoPuntatore(inizio.cursor(), "MANO"));
        }
        // The highlight shows its button inverted and leaves the others as they are.
        const QImage dopo = inizio.grab().toImage();
        const QPoint libero = inizio.Libero->geometry().center();
        const QPoint facile = inizio.facile1->geometry().center();
        QCOMPARE(dopo.pixel(libero) & 0xFFFFFF, ~prima.pixel(libero) & 0xFFFFFF);
        QCOMPARE(dopo.pixel(facile), prima.pixel(facile));

        sopra(inizio.NoAudio); // changes nothing
        sopra(inizio.Label1);
        QCOMPARE(visibili(), QList<Forma*>{inizio.libero2}); // left as it was
        QCOMPARE(inizio.Label1->coloreTesto(), QColor(0xFF, 0xFF, 0x00));
        QVERIFY(stessoPuntatore(inizio.cursor(), "MANO"));
        sopra(inizio.NoX);
        QVERIFY(visibili().isEmpty());
        QVERIFY(stessoPuntatore(inizio.cursor(), "PENNA"));
        QCOMPARE(inizio.Label1->coloreTesto(), QColor(0xFF, 0xFF, 0x00));
        sopra(inizio.NoErrori);
        QCOMPARE(inizio.Label1->coloreTesto(), QColor(Qt::black));
        sopra(inizio.medio1);
        muovi(&inizio, QPoint(140, 55)); // the free area below the title
        QVERIFY(visibili().isEmpty());
        QCOMPARE(inizio.cursor().shape(), Qt::ArrowCursor);
    }

    // Qt's own buttons and menus speak Italian, as the program's start makes them.
    void testiDiQtInItaliano()
    {
        QVERIFY(caricaTraduzioniQt(*qApp));
        QMessageBox domanda(QMessageBox::NoIcon, QStringLiteral("T"), QStringLiteral("Sei sicuro?"),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
        QCOMPARE(domanda.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Sì"));
        QCOMPARE(domanda.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("No"));
        QLineEdit nome;
        const std::unique_ptr<QMenu> menu(nome.createStandardContextMenu());
        QStringList voci;
        for (const QAction* voce : menu->actions())
            voci.append(voce->text().remove(u'&').section(u'\t', 0, 0));
        QVERIFY2(voci.contains(QStringLiteral("Annulla")) &&
                     voci.contains(QStringLiteral("Incolla")),
                 qPrintable(voci.join(u',')));
    }
};

QTEST_MAIN(TestInizio)
#include "tst_inizio.moc"
