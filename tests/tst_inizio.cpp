// The start window: its pointer feedback and highlights under real pointer moves, and Qt's own
// texts in Italian.

#include "Banco.h"
#include "menu/Avvio.h"
#include "widgets/Forme.h"

#include <QMessageBox>
#include <QPushButton>

using namespace gridora;

class TestInizio : public QObject {
    Q_OBJECT

private slots:
    // The pointer moves over each control and then a little further inside it: what it shows
    // must last while the pointer stays there. What shows is the highlights of the four pictures
    // ('1' shown), the pointer and the colour of "Istruzioni".
    void puntatoreEdEvidenziazioni()
    {
        Banco banco;
        InizioGioco& inizio = *banco.inizio;
        QVERIFY(!inizio.NoX->isChecked() && !inizio.NoErrori->isChecked() &&
                !inizio.NoAudio->isChecked());
        const auto vista = [&] {
            QString v;
            for (const Forma* f :
                 {inizio.facile2, inizio.medio2, inizio.difficile2, inizio.libero2})
                v += f->isVisible() ? u'1' : u'0';
            const QCursor puntatore = inizio.cursor();
            return v +
                   (stessoPuntatore(puntatore, "MANO")     ? " MANO "
                    : stessoPuntatore(puntatore, "PENNA")  ? " PENNA "
                    : puntatore.shape() == Qt::ArrowCursor ? " freccia "
                                                           : " ? ") +
                   inizio.Label1->coloreTesto().name();
        };
        const auto sopra = [&](QPoint punto) {
            muovi(&inizio, punto - QPoint(3, 0));
            muovi(&inizio, punto);
            muovi(&inizio, punto + QPoint(3, 1));
        };
        QCOMPARE(vista(), QStringLiteral("0000 freccia #000000"));
        const QImage prima = inizio.grab().toImage();
        const QList<QPair<const QWidget*, const char*>> passi = {
            {inizio.facile1, "1000 MANO #000000"},    {inizio.medio1, "0100 MANO #000000"},
            {inizio.difficile1, "0010 MANO #000000"}, {inizio.Libero, "0001 MANO #000000"},
            {inizio.NoAudio, "0001 MANO #000000"},    {inizio.Label1, "0001 MANO #ffff00"},
            {inizio.NoX, "0000 PENNA #ffff00"},       {inizio.NoErrori, "0000 PENNA #000000"},
            {inizio.medio1, "0100 MANO #000000"},     {nullptr, "0000 freccia #000000"}};
        for (const auto& [controllo, attesa] : passi) {
            // nullptr: the free area below the title
            sopra(controllo ? centroInFinestra(controllo) : QPoint(140, 55));
            QCOMPARE(vista(), QString::fromLatin1(attesa));
            if (controllo == inizio.Libero) { // its button inverted, the others as they were
                const QImage dopo = inizio.grab().toImage();
                const QPoint libero = inizio.Libero->geometry().center();
                const QPoint facile = inizio.facile1->geometry().center();
                QCOMPARE(dopo.pixel(libero) & 0xFFFFFF, ~prima.pixel(libero) & 0xFFFFFF);
                QCOMPARE(dopo.pixel(facile), prima.pixel(facile));
            }
        }
    }

    // Qt's own buttons speak Italian, as the program's start makes them.
    void testiDiQtInItaliano()
    {
        QVERIFY(caricaTraduzioniQt(*qApp));
        QMessageBox domanda(QMessageBox::NoIcon, QStringLiteral("T"), QStringLiteral("?"),
                            QMessageBox::Yes);
        QCOMPARE(domanda.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Sì"));
    }
};

QTEST_MAIN(TestInizio)
#include "tst_inizio.moc"
