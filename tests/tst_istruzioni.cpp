// The instructions window: turning the pages through the window system, the page table's
// exceptions, the pictures and whether every page's text fits its label.

#include "Banco.h"
#include "help/Istruzioni.h"
#include "menu/FinestraFiglia.h"
#include "resources/Risorse.h"

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

QImage rgb(const QImage& immagine)
{
    return immagine.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestIstruzioni : public QObject {
    Q_OBJECT

private slots:
    void apreSullaPrimaPagina()
    {
        Finestra f;
        QCOMPARE(f.istruzioni.windowTitle(), QStringLiteral("Istruzioni"));
        QCOMPARE(f.istruzioni.size(), QSize(287, 488));
        QCOMPARE(f.istruzioni.pagina(), 0);
        QCOMPARE(f.c().Titolo->caption(), QStringLiteral("INTRO"));
        QVERIFY(f.c().note->caption().startsWith(QStringLiteral("GridoraPC è un gioco")));
        // The picture fills the lower half, the text the upper one.
        QCOMPARE(f.c().helpimg->geometry(), QRect(0, 240, 289, 249));
        QVERIFY(f.c().note->geometry().bottom() < f.c().helpimg->geometry().top());
    }

    // Forward to the last page and back to the first: only the label that would leave the
    // pages is hidden, and a click where it lies does nothing.
    void navigazioneAgliEstremi()
    {
        Finestra f;
        const auto navigazione = [&] {
            return QPair(f.c().indietro->isVisible(), f.c().Avanti->isVisible());
        };
        QCOMPARE(navigazione(), QPair(false, true));
        f.indietro();
        QCOMPARE(f.istruzioni.pagina(), 0);
        for (int pagina = 1; pagina < 7; ++pagina) {
            f.avanti();
            QCOMPARE(f.istruzioni.pagina(), pagina);
            QCOMPARE(navigazione(), QPair(true, pagina < 6));
        }
        f.avanti();
        QCOMPARE(f.istruzioni.pagina(), 6);
        QCOMPARE(f.c().Titolo->caption(), QStringLiteral("IMPORTARE IMMAGINI"));
        f.indietro();
        QCOMPARE(f.istruzioni.pagina(), 5);
        QCOMPARE(navigazione(), QPair(true, true));
        for (int pagina = 4; pagina >= 0; --pagina) {
            f.indietro();
            QCOMPARE(f.istruzioni.pagina(), pagina);
        }
        QCOMPARE(navigazione(), QPair(false, true));
        QCOMPARE(f.c().Titolo->caption(), QStringLiteral("INTRO"));

        f.istruzioni.Notizie(7); // outside the pages: nothing changes
        f.istruzioni.Notizie(-1);
        QCOMPARE(f.istruzioni.pagina(), 0);
        QCOMPARE(navigazione(), QPair(false, true));
    }

    void navigazioneConLaMano()
    {
        Finestra f;
        f.avanti();
        const QImage mano = risorse::puntatore(u"MANO").pixmap().toImage();
        QCOMPARE(f.c().Avanti->cursor().pixmap().toImage(), mano);
        QCOMPARE(f.c().indietro->cursor().pixmap().toImage(), mano);
    }

    // Pages 2 and 3 are one topic cut in two.
    void paginaDelGiocoInDueParti()
    {
        Finestra f;
        f.vaiA(2);
        QCOMPARE(f.c().Titolo->caption(), QStringLiteral("GIOCO"));
        QVERIFY(f.c().note->caption().endsWith(QStringLiteral("[CONTINUA]")));
        f.avanti();
        QCOMPARE(f.c().Titolo->caption(), QStringLiteral("GIOCO"));
        QVERIFY(f.c().note->caption().startsWith(QStringLiteral("[SEGUE]")));
    }

    // The penalties the page states are those the game charges: 2, 4, then 8 minutes.
    void penalitaComeNelGioco()
    {
        Finestra f;
        f.vaiA(3);
        const QStringList righe = f.c().note->caption().split(QChar(13));
        QVERIFY(righe.contains(QStringLiteral("1° Errore                 = +2 Minuti;")));
        QVERIFY(righe.contains(QStringLiteral("2° Errore                 = +4 Minuti;")));
        QVERIFY(righe.contains(QStringLiteral("Dal 3° Errore in poi = +8 Minuti;")));
    }

    // Lines are broken by CR as captions are, shown as line breaks, spacing kept.
    void righeESpaziature()
    {
        Finestra f;
        QVERIFY(f.c().note->text().contains(QStringLiteral("\nFacile  = 5x5\nMedio  = 10x10\n")));
        f.avanti();
        QVERIFY(f.c().note->caption().contains(QStringLiteral("scelto:\r\rFacile  = +30")));
        QVERIFY(!f.c().note->text().contains(QChar(13)));
    }

    void immaginiDellePagine_data()
    {
        QTest::addColumn<int>("pagina");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QSize>("dimensione");
        QTest::newRow("0") << 0 << "INIZIO" << QSize(264, 227);
        QTest::newRow("1") << 1 << "AIUTO" << QSize(180, 201);
        QTest::newRow("2") << 2 << "MOSTRA" << QSize(179, 202);
        QTest::newRow("3") << 3 << "MOSTRA2" << QSize(179, 202);
        QTest::newRow("4") << 4 << "DISEGNO" << QSize(427, 391);
        QTest::newRow("5") << 5 << "CARICA" << QSize(567, 389);
        QTest::newRow("6") << 6 << "IMPORTA" << QSize(259, 168);
    }
    // Each page shows its own bitmap, of the size the pictures are made at, stretched over the
    // picture control.
    void immaginiDellePagine()
    {
        QFETCH(int, pagina);
        QFETCH(QString, nome);
        QFETCH(QSize, dimensione);
        const QImage bitmap = risorse::immagine(nome);
        QCOMPARE(bitmap.size(), dimensione);
        QCOMPARE(bitmap.depth(), 32); // read from a 24-bit file: opaque, no palette
        QVERIFY(!bitmap.hasAlphaChannel());

        Finestra f;
        f.vaiA(pagina);
        Immagine* helpimg = f.c().helpimg;
        const QImage atteso =
            bitmap.scaled(helpimg->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(rgb(helpimg->grab().toImage()), rgb(atteso));
    }

    // Every word of every page can be read: the text, wrapped as the label wraps it with the
    // label's own font, stays inside the label.
    void testoEntroLEtichetta()
    {
        Finestra f;
        const Etichetta* note = f.c().note;
        const QFont carattere = note->font();
        for (int pagina = 0; pagina < 7; ++pagina) {
            f.vaiA(pagina);
            QCOMPARE(note->font(), carattere); // the same size on every page
            const QRect spazio = note->contentsRect();
            const QRect occupato = note->fontMetrics().boundingRect(
                spazio, int(note->alignment()) | Qt::TextWordWrap, note->text());
            QVERIFY2(spazio.contains(occupato), qPrintable(QStringLiteral("pagina %1: %2 x %3")
                                                               .arg(pagina)
                                                               .arg(occupato.width())
                                                               .arg(occupato.height())));
        }
    }

    // "Istruzioni" in the start window opens the first page in its place, until it is closed.
    void apertaDallaFinestraDiInizio()
    {
        Banco banco;
        clicca(banco.inizio->Label1, Qt::RightButton);
        QVERIFY(!banco.inizio->figlia());
        clicca(banco.inizio->Label1);
        QPointer<Istruzioni> istruzioni = qobject_cast<Istruzioni*>(banco.inizio->figlia());
        QVERIFY(istruzioni);
        QVERIFY(istruzioni->isVisible());
        QCOMPARE(istruzioni->pagina(), 0);
        QVERIFY(!banco.inizio->isVisible());
        QVERIFY(istruzioni->close());
        PianificatoreFinto::eliminaFinestreChiuse();
        QVERIFY(!istruzioni);
        QVERIFY(banco.inizio->isVisible());
    }
};

QTEST_MAIN(TestIstruzioni)
#include "tst_istruzioni.moc"
